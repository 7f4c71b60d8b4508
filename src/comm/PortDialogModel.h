#pragma once

#include <QString>

#include <array>

namespace qrt {
class ErrorLog;
class SettingsFile;
} // namespace qrt

namespace qrt::comm {

class PortControl;

// The communication port dialog without its window: sixteen options, those that fail the
// open test greyed out, the current port selected; OK makes the selection current and
// stores it, Cancel restores the port the dialog found.
class PortDialogModel {
public:
    static constexpr int OptionCount = 16;

    PortDialogModel(PortControl& port, SettingsFile& settings, ErrorLog& log);

    // Tests every port and selects the current one (also when its test failed).
    void load();
    bool optionEnabled(int index) const { return index >= 0 && index < OptionCount && m_enabled[size_t(index)]; }
    int selected() const { return m_selected; }
    void select(int index);
    // The device an option stands for, for its tool tip.
    QString optionDevice(int index) const;

    void ok();
    void cancel();

private:
    PortControl& m_port;
    SettingsFile& m_settings;
    ErrorLog& m_log;
    std::array<bool, OptionCount> m_enabled{};
    int m_selected = -1;
    int m_savedPort = 1;
};

} // namespace qrt::comm
