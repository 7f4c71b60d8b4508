#include "gui/options/dialogs/VolumeDialog.h"

#include "core/AppContext.h"
#include "gui/options/dialogs/DialogWidgets.h"
#include "options/VolumeDialogModel.h"
#include "ui_VolumeDialog.h"

#include <QSignalBlocker>

namespace qrt::gui {

using options::VolumeDialogModel;
VolumeDialog::VolumeDialog(VolumeDialogModel& model, const AppContext& context, QWidget* parent)
    : QDialog(parent), m_model(model), m_ui(std::make_unique<Ui::VolumeDialog>()) {
    m_ui->setupUi(this);
    dialogs::setTitle(this, context.text(TextId::SetVolume));
    dialogs::setCaption(m_ui->chkVolumeIic, context.text(TextId::UseThisVolumeSet));
    dialogs::setCaption(m_ui->cmdDefault, context.text(TextId::VolumeDefault));
    dialogs::setCaption(m_ui->cmdOk, context.text(TextId::VolumeOk));

    for (int step = 1; step <= VolumeDialogModel::Steps; ++step) {
        auto* label = findChild<QLabel*>(QStringLiteral("lblVolumeLevel%1").arg(step));
        dialogs::setCaption(label, m_model.stepLabel(step));
        QComboBox* list = stepList(step);
        list->addItems(m_model.step(step).items);
        connect(list, &QComboBox::currentIndexChanged, this, [this, step](int item) {
            if (item >= 0)
                m_model.selectStep(step, item);
        });
    }
    connect(m_ui->chkVolumeIic, &QCheckBox::toggled, this, [this](bool on) { m_model.setUseThisSet(on); });
    connect(m_ui->cmdDefault, &QPushButton::clicked, this, [this] { m_model.restoreDefaults(); });
    connect(m_ui->cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(&m_model, &VolumeDialogModel::controlChanged, this, &VolumeDialog::showControl);

    m_model.open();
    setMinimumSize(sizeHint());
}

VolumeDialog::~VolumeDialog() = default;

QComboBox* VolumeDialog::stepList(int step) const {
    return findChild<QComboBox*>(QStringLiteral("cboVolumeDat%1").arg(step));
}

// Shows what the model holds without taking it for a user's choice.
void VolumeDialog::showControl(const QString& name) {
    const options::Control* control = m_model.control(name);
    if (!control)
        return;
    if (control == &m_model.useThisSet()) {
        const QSignalBlocker blocker(m_ui->chkVolumeIic);
        m_ui->chkVolumeIic->setChecked(control->checked);
        return;
    }
    if (QComboBox* list = findChild<QComboBox*>(name)) {
        const QSignalBlocker blocker(list);
        list->setCurrentIndex(control->item);
    }
}

} // namespace qrt::gui
