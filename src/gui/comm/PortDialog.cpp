#include "gui/comm/PortDialog.h"

#include "comm/PortControl.h"
#include "comm/PortMap.h"
#include "core/AppContext.h"
#include "gui/comm/PortOptionText.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qrt::gui::comm {

using namespace qrt::comm;

namespace {
constexpr int OptionsPerRow = 4;
}

PortDialog::PortDialog(AppContext& context, PortControl& port, QWidget* parent)
    : QDialog(parent), m_model(port, context.settings(), context.errorLog()), m_texts(context.extraTexts()) {
    setObjectName(QStringLiteral("frmToolCom"));
    setWindowTitle(context.text(TextId::PortDialogTitle));
    setAccessibleName(windowTitle());
    setModal(true);
    m_model.load();

    auto* main = new QVBoxLayout(this);
    auto* fraMain = new QFrame(this);
    fraMain->setObjectName(QStringLiteral("fraMain"));
    main->addWidget(fraMain);
    auto* inner = new QVBoxLayout(fraMain);
    inner->setContentsMargins(0, 0, 0, 0);

    auto* label = new QLabel(context.text(TextId::PortLabel), fraMain);
    label->setObjectName(QStringLiteral("lblToolCom"));
    inner->addWidget(label);

    auto* frame = new QGroupBox(context.text(TextId::PortFrame), fraMain);
    frame->setObjectName(QStringLiteral("fraToolCom"));
    frame->setAccessibleName(frame->title());
    auto* grid = new QGridLayout(frame);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < PortDialogModel::OptionCount; ++i) {
        addOption(i, *grid);
        group->addButton(m_options[size_t(i)], i);
    }
    connect(group, &QButtonGroup::idToggled, this, [this](int index, bool on) {
        if (on)
            m_model.select(index);
    });
    inner->addWidget(frame);
    const int selected = m_model.selected();
    if (selected >= 0 && selected < PortDialogModel::OptionCount) {
        m_options[size_t(selected)]->setChecked(true);
        label->setBuddy(m_options[size_t(selected)]);
    }

    if (!m_accessHint.isEmpty()) {
        auto* hint = new QLabel(m_accessHint, fraMain);
        hint->setObjectName(QStringLiteral("lblAccessHint"));
        hint->setWordWrap(true);
        hint->setTextInteractionFlags(Qt::TextSelectableByMouse);
        inner->addWidget(hint);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(context.text(TextId::PortOk), fraMain);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(context.text(TextId::PortCancel), fraMain);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* button : {ok, cancel}) {
        button->setAccessibleName(button->text());
        buttons->addWidget(button);
    }
    inner->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &PortDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &PortDialog::reject);
}

void PortDialog::addOption(int index, QGridLayout& grid) {
    PortOptionFacts facts;
    facts.device = m_model.optionDevice(index);
    facts.passed = m_model.optionEnabled(index);
    if (!facts.device.isEmpty()) {
        facts.info = serialDeviceInfo(facts.device);
        facts.lacksAccess = !facts.passed && portmap::lacksAccess(facts.device);
        if (facts.lacksAccess) {
            facts.accessHint =
                portmap::openFailureText(m_texts, index + 1, facts.device, PortError::PermissionDenied, {});
            if (m_accessHint.isEmpty())
                m_accessHint = facts.accessHint;
        }
    }

    auto* option = new QRadioButton(portmap::portKey(index + 1), grid.parentWidget());
    option->setObjectName(QStringLiteral("COM1(%1)").arg(index));
    option->setAccessibleName(option->text());
    option->setToolTip(portOptionToolTip(facts, m_texts));
    option->setAccessibleDescription(option->toolTip());
    option->setEnabled(facts.passed);
    auto* line = new QLabel(portOptionLine(facts), grid.parentWidget());
    line->setObjectName(QStringLiteral("lblDevice(%1)").arg(index));
    line->setToolTip(option->toolTip());
    line->setEnabled(facts.passed);
    line->setIndent(20);
    QFont small = line->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    line->setFont(small);
    const int row = (index / OptionsPerRow) * 2;
    const int column = index % OptionsPerRow;
    grid.addWidget(option, row, column);
    grid.addWidget(line, row + 1, column);
    m_options[size_t(index)] = option;
}

void PortDialog::accept() {
    m_model.ok();
    QDialog::accept();
}

void PortDialog::reject() {
    m_model.cancel();
    QDialog::reject();
}

} // namespace qrt::gui::comm
