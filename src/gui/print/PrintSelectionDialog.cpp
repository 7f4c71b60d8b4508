#include "gui/print/PrintSelectionDialog.h"

#include "core/AppContext.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace qrt::gui {

namespace {

QCheckBox* itemBox(const QString& name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setAccessibleName(caption);
    box->setChecked(true);
    return box;
}
} // namespace

PrintSelectionDialog::PrintSelectionDialog(const AppContext& context, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPrintSelect"));
    setWindowTitle(context.text(TextId::PrintSelectionTitle));
    setAccessibleName(windowTitle());
    auto* frame = new QGroupBox(context.text(TextId::PrintItem), this);
    frame->setObjectName(QStringLiteral("fraPrintItem"));
    frame->setAccessibleName(frame->title());
    m_cover = itemBox(QStringLiteral("chkPrintCover"), context.text(TextId::PrintCover), frame);
    m_settings = itemBox(QStringLiteral("chkPrintSettings"), context.text(TextId::PrintRadioSettings), frame);
    m_channels = itemBox(QStringLiteral("chkPrintChannels"), context.text(TextId::PrintChannels), frame);
    auto* items = new QVBoxLayout(frame);
    for (QCheckBox* box : {m_cover, m_settings, m_channels}) {
        items->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &PrintSelectionDialog::updateButtons);
    }

    auto* buttons = new QDialogButtonBox(this);
    m_print = buttons->addButton(context.text(TextId::Print), QDialogButtonBox::AcceptRole);
    m_print->setObjectName(QStringLiteral("cmdPrint"));
    m_pdf = buttons->addButton(context.extraText(QStringLiteral("print.pdf")), QDialogButtonBox::ActionRole);
    m_pdf->setObjectName(QStringLiteral("cmdPrintPdf"));
    QPushButton* cancel = buttons->addButton(context.text(TextId::PrintCancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* button : {m_print, m_pdf, cancel})
        button->setAccessibleName(button->text());
    m_print->setDefault(true);
    connect(m_print, &QPushButton::clicked, this, [this] { finishWith(Output::Printer); });
    connect(m_pdf, &QPushButton::clicked, this, [this] { finishWith(Output::Pdf); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    updateButtons();
}

print::SheetItems PrintSelectionDialog::items() const {
    return {m_cover->isChecked(), m_settings->isChecked(), m_channels->isChecked()};
}

void PrintSelectionDialog::finishWith(Output output) {
    m_output = output;
    accept();
}

void PrintSelectionDialog::updateButtons() {
    const bool any = items().any();
    m_print->setEnabled(any);
    m_pdf->setEnabled(any);
}

} // namespace qrt::gui
