#pragma once

#include <QString>

#include <array>

namespace qrt {
class ErrorLog;
class SettingsFile;
struct ProgramSettings;
} // namespace qrt

namespace qrt::comm {

// The five address boxes of the communication window: the memory viewer's highest
// address and the read and write ranges, with their settings keys.
class CommAddresses {
public:
    enum Box { MaxAddr, ReadStart, ReadEnd, WriteStart, WriteEnd, BoxCount };

    CommAddresses(SettingsFile& settings, ErrorLog& log, const ProgramSettings& start);

    QString text(Box box) const { return m_text[box]; }
    int value(Box box) const { return m_value[box]; }
    static QString keyOf(Box box);

    // A change of a box: the text is stored unchanged under its key, then taken as a
    // hexadecimal number. A text that is not one keeps the value (and is logged for the
    // four range boxes).
    void setText(Box box, const QString& text);

private:
    SettingsFile& m_settings;
    ErrorLog& m_log;
    std::array<QString, BoxCount> m_text;
    std::array<int, BoxCount> m_value{};
};

} // namespace qrt::comm
