#include "gui/memview/PartFillDialog.h"

#include "core/AppContext.h"
#include "gui/common/UserPrompts.h"
#include "gui/memview/MemoryViewerTexts.h"
#include "memview/MemoryGridModel.h"
#include "memview/PartFill.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qrt::gui {

namespace {

QLabel* caption(const QString& name, const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* textBox(const QString& name, const QString& text, const QString& accessibleName, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    return edit;
}

} // namespace

PartFillDialog::PartFillDialog(memview::MemoryGridModel& grid, const AppContext& context, UserPrompts& prompts,
                               int initialEnd, QWidget* parent)
    : QDialog(parent), m_grid(grid), m_context(context), m_prompts(prompts) {
    using namespace memview_texts;
    setObjectName(QStringLiteral("frmPartFill"));
    setWindowTitle(PartFill);
    setAccessibleName(PartFill);
    setModal(true);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraOne"));
    frame->setAccessibleName(PartFill);
    m_value = textBox(QStringLiteral("txtFillData"), QStringLiteral("FF"), FillData, frame);
    m_base = new QComboBox(frame);
    m_base->setObjectName(QStringLiteral("cboFillData"));
    m_base->setAccessibleName(FillBase);
    m_base->addItems(memview::partfill::baseNames());
    m_base->setCurrentIndex(0);
    m_start = textBox(QStringLiteral("txtStartAddr"), memview::partfill::addressText(0), StartAddr, frame);
    m_end = textBox(QStringLiteral("txtEndAddr"), memview::partfill::addressText(initialEnd), EndAddr, frame);

    auto* fields = new QGridLayout(frame);
    fields->addWidget(caption(QStringLiteral("lblFillData"), FillData, m_value, frame), 0, 0);
    fields->addWidget(m_value, 0, 1);
    fields->addWidget(m_base, 0, 2);
    fields->addWidget(caption(QStringLiteral("lblStartAddr"), StartAddr, m_start, frame), 1, 0);
    fields->addWidget(m_start, 1, 1);
    fields->addWidget(caption(QStringLiteral("lblSaH"), HexUnit, m_start, frame), 1, 2);
    fields->addWidget(caption(QStringLiteral("lblEndAddr"), EndAddr, m_end, frame), 2, 0);
    fields->addWidget(m_end, 2, 1);
    fields->addWidget(caption(QStringLiteral("lblEaH"), HexUnit, m_end, frame), 2, 2);

    auto* fillButton = new QPushButton(Fill, this);
    fillButton->setObjectName(QStringLiteral("cmdFillData"));
    fillButton->setAccessibleName(Fill);
    fillButton->setDefault(true);
    connect(fillButton, &QPushButton::clicked, this, &PartFillDialog::fill);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(fillButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
}

void PartFillDialog::fill() {
    const memview::partfill::Plan plan =
        memview::partfill::plan({m_value->text(), m_base->currentIndex(), m_start->text(), m_end->text()},
                                m_grid.imageSize(), m_context.extraTexts());
    if (plan.status.failed()) {
        if (!plan.status.reason().isEmpty())
            m_prompts.inform(this, QMessageBox::Warning, m_context.text(TextId::Notice), plan.status.reason());
        return;
    }
    m_grid.fill(plan.start, plan.end, quint8(plan.value));
}

} // namespace qrt::gui
