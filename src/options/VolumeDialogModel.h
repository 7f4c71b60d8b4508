#pragma once

#include "options/SettingsControl.h"
#include "options/UserEditNotifier.h"

#include <array>

namespace qrt {
class InterfaceTexts;
class RadioImage;
} // namespace qrt

namespace qrt::options {

// The "Set Volume" dialog: the level code of each of the ten volume steps, chosen by its
// position in the volume sequence, and whether the radio uses this table. Every change is
// written into the image at once; the dialog keeps nothing between openings.
class VolumeDialogModel : public UserEditNotifier {
    Q_OBJECT
public:
    static constexpr int Steps = 10;

    VolumeDialogModel(RadioImage& image, const InterfaceTexts& texts, QObject* parent = nullptr);

    // Opening: the steps' positions and the "Use This Set" box from the image.
    void open();
    // Controls cboVolumeDat1..cboVolumeDat10 and chkVolumeIic.
    const Control* control(const QString& name) const;
    const Control& step(int step) const { return m_steps[size_t(step - 1)]; }
    const Control& useThisSet() const { return m_useThisSet; }
    QString stepLabel(int step) const;

    bool selectStep(int step, int item);
    // The box set by the user; setting the state it already shows is no change.
    void setUseThisSet(bool on);
    // "Default": the default codes of steps 0..10, shown, and the table switched on.
    void restoreDefaults();

Q_SIGNALS:
    void controlChanged(const QString& name);

private:
    RadioImage& m_image;
    const InterfaceTexts& m_texts;
    std::array<Control, Steps> m_steps;
    Control m_useThisSet;
};

} // namespace qrt::options
