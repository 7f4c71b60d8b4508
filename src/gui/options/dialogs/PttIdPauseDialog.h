#pragma once

#include <QDialog>

#include <memory>

class QCheckBox;

namespace Ui {
class PttIdPauseDialog;
}

namespace qrt {
class AppContext;
namespace options {
class PttIdPauseDialogModel;
}
} // namespace qrt

namespace qrt::gui {

// The dialog `frmPttIdPauseChSet`: the channels on which the PTT ID pauses, with the "All"
// and "None" options. It reads the flags from the image when it is made; every change goes
// to the model at once (one undo step each), so closing it keeps them.
class PttIdPauseDialog : public QDialog {
    Q_OBJECT
public:
    PttIdPauseDialog(options::PttIdPauseDialogModel& model, const AppContext& context, QWidget* parent = nullptr);
    ~PttIdPauseDialog() override;

    QCheckBox* channelBox(int index) const; // 0..15 for channels 1..16

private:
    void showBox(const QString& name);
    void showOptions();

    options::PttIdPauseDialogModel& m_model;
    std::unique_ptr<Ui::PttIdPauseDialog> m_ui;
};

} // namespace qrt::gui
