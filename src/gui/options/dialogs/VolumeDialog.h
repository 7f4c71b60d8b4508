#pragma once

#include <QDialog>

#include <memory>

class QComboBox;

namespace Ui {
class VolumeDialog;
}

namespace qrt {
class AppContext;
namespace options {
class VolumeDialogModel;
}
} // namespace qrt

namespace qrt::gui {

// The "Set Volume" dialog `frmSetVolume`: the level of each of the ten volume steps and
// whether the radio uses them. It reads the steps from the image when it is made; every
// choice goes to the model at once (one undo step each), so closing it keeps them.
class VolumeDialog : public QDialog {
    Q_OBJECT
public:
    VolumeDialog(options::VolumeDialogModel& model, const AppContext& context, QWidget* parent = nullptr);
    ~VolumeDialog() override;

    QComboBox* stepList(int step) const;

private:
    void showControl(const QString& name);

    options::VolumeDialogModel& m_model;
    std::unique_ptr<Ui::VolumeDialog> m_ui;
};

} // namespace qrt::gui
