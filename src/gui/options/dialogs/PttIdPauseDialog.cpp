#include "gui/options/dialogs/PttIdPauseDialog.h"

#include "core/AppContext.h"
#include "gui/options/dialogs/DialogWidgets.h"
#include "options/PttIdPauseDialogModel.h"
#include "ui_PttIdPauseDialog.h"

#include <QSignalBlocker>

namespace qrt::gui {

using options::PttIdPauseDialogModel;
PttIdPauseDialog::PttIdPauseDialog(PttIdPauseDialogModel& model, const AppContext& context, QWidget* parent)
    : QDialog(parent), m_model(model), m_ui(std::make_unique<Ui::PttIdPauseDialog>()) {
    m_ui->setupUi(this);
    dialogs::setTitle(this, context.text(TextId::PttIdPauseTitle));
    dialogs::setCaption(m_ui->chkSelectAll, context.text(TextId::SelectAll));
    dialogs::setCaption(m_ui->chkSelectNone, context.text(TextId::SelectNone));
    dialogs::setCaption(m_ui->cmdOk, context.text(TextId::PttIdPauseOk));

    for (int i = 0; i < PttIdPauseDialogModel::Channels; ++i) {
        QCheckBox* box = channelBox(i);
        dialogs::setCaption(box, context.text(TextId::PttIdPauseChannel) + QLatin1Char(' ') + QString::number(i + 1));
        connect(box, &QCheckBox::toggled, this, [this, i](bool on) { m_model.setChecked(i, on); });
    }
    // Choosing an option applies it; turning one off does nothing, and the model's state
    // is shown again.
    connect(m_ui->chkSelectAll, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_model.selectAll();
        showOptions();
    });
    connect(m_ui->chkSelectNone, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_model.selectNone();
        showOptions();
    });
    connect(m_ui->cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(&m_model, &PttIdPauseDialogModel::controlChanged, this, &PttIdPauseDialog::showBox);
    connect(&m_model, &PttIdPauseDialogModel::optionsChanged, this, &PttIdPauseDialog::showOptions);

    m_model.open();
    showOptions();
    setMinimumSize(sizeHint());
}

PttIdPauseDialog::~PttIdPauseDialog() = default;

QCheckBox* PttIdPauseDialog::channelBox(int index) const {
    return findChild<QCheckBox*>(QStringLiteral("chkPttIdPauseChSet%1").arg(index));
}

void PttIdPauseDialog::showBox(const QString& name) {
    const options::Control* control = m_model.control(name);
    QCheckBox* box = findChild<QCheckBox*>(name);
    if (!control || !box)
        return;
    const QSignalBlocker blocker(box);
    box->setChecked(control->checked);
}

void PttIdPauseDialog::showOptions() {
    const QSignalBlocker blockAll(m_ui->chkSelectAll);
    const QSignalBlocker blockNone(m_ui->chkSelectNone);
    m_ui->chkSelectAll->setChecked(m_model.allSelected());
    m_ui->chkSelectNone->setChecked(m_model.noneSelected());
}

} // namespace qrt::gui
