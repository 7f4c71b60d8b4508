#pragma once

#include "options/SettingsControl.h"
#include "options/UserEditNotifier.h"

#include <array>

namespace qrt {
class InterfaceTexts;
class RadioImage;
} // namespace qrt

namespace qrt::options {

// The "PTT ID Pause In Channel Set" dialog: one flag per channel, bit 6 of byte 13 of the
// channel's record, with the "All" and "None" options. Changes go into the image at once.
class PttIdPauseDialogModel : public UserEditNotifier {
    Q_OBJECT
public:
    static constexpr int Channels = 16;
    static constexpr int FlagBit = 6;
    static int flagAddress(int channel) { return 16 * channel + 13; } // channel 1..16

    PttIdPauseDialogModel(RadioImage& image, const InterfaceTexts& texts, QObject* parent = nullptr);

    // Opening: the boxes from the image.
    void open();
    // chkPttIdPauseChSet0..15 (channels 1..16).
    const Control* control(const QString& name) const;
    const Control& box(int index) const { return m_boxes[size_t(index)]; }
    bool allSelected() const { return m_all; }
    bool noneSelected() const { return m_none; }

    // A box changed by the user: every channel's flag is written from its box. Setting the
    // state the box already shows is no change and writes nothing.
    bool setChecked(int index, bool on);
    void selectAll() { selectOption(true); }
    void selectNone() { selectOption(false); }

Q_SIGNALS:
    void controlChanged(const QString& name);
    void optionsChanged();

private:
    void selectOption(bool all);
    void setBox(int index, bool on);

    // What every change in the dialog is called in the undo history: its title.
    QString undoText() const;

    RadioImage& m_image;
    const InterfaceTexts& m_texts;
    std::array<Control, Channels> m_boxes;
    bool m_all = false;
    bool m_none = false;
    bool m_pauseSetBusy = false;
};

} // namespace qrt::options
