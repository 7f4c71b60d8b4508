#include "gui/info/RadioInfoPage.h"

#include "core/AppContext.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace qrt::gui::info {

namespace {
// Design captions, the same in every language.
const QStringList RangeChoices = {
    QStringLiteral("134.00000 - 174.00000MHz"),
    QStringLiteral("245.00000 - 246.00000MHz"),
    QStringLiteral("200.00000 - 260.00000MHz"),
    QStringLiteral("400.00000 - 470.00000MHz"),
    QStringLiteral("400.00000 - 520.00000MHz"),
    QStringLiteral("134.00000 - 520.00000MHz"),
    QStringLiteral("Custom"),
};
constexpr int DebugLabelSize = 12;
} // namespace

RadioInfoPage::RadioInfoPage(const AppContext& context, QWidget* parent)
    : KeptPage(parent), m_frame(new QGroupBox(this)), m_debugLabel(new QLabel(m_frame)),
      m_rangeList(new QComboBox(m_frame)), m_fields(new QFormLayout) {
    setObjectName(QStringLiteral("frmRadioInfo"));
    setWindowTitle(context.text(TextId::TreeRadioInfo));
    setAccessibleName(windowTitle());

    m_frame->setObjectName(QStringLiteral("fraMain"));
    m_frame->setTitle(context.text(TextId::RadioInfoFrame));
    m_frame->setAccessibleName(m_frame->title());
    addField(QStringLiteral("lblModel"), QStringLiteral("txtModel"), context.text(TextId::RadioInfoModelType));
    QLineEdit* range =
        addField(QStringLiteral("lblRange"), QStringLiteral("txtRange"), context.text(TextId::FrequencyRange));
    range->setText(InitialRangeText);
    addField(QStringLiteral("lblSoftVer"), QStringLiteral("txtSoftVer"), context.text(TextId::SoftwareVersion));
    addField(QStringLiteral("lblLastPc"), QStringLiteral("txtLastPc"), context.text(TextId::LastWrite));

    m_rangeList->setObjectName(QStringLiteral("cboRange"));
    m_rangeList->setAccessibleName(context.text(TextId::FrequencyRange));
    m_rangeList->addItems(RangeChoices);
    m_fields->addRow(QString(), m_rangeList);

    // A small blank spot in the frame's corner: the hidden switch of the debug mode.
    m_debugLabel->setObjectName(QStringLiteral("lblDebug"));
    m_debugLabel->setFixedSize(DebugLabelSize, DebugLabelSize);

    auto* frameLayout = new QVBoxLayout(m_frame);
    frameLayout->addLayout(m_fields);
    frameLayout->addStretch();
    frameLayout->addWidget(m_debugLabel, 0, Qt::AlignRight | Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame);

    m_frame->installEventFilter(this);
    m_debugLabel->installEventFilter(this);
}

QLineEdit* RadioInfoPage::addField(const QString& labelName, const QString& editName, const QString& caption) {
    auto* label = new QLabel(caption, m_frame);
    auto* edit = new QLineEdit(m_frame);
    label->setObjectName(labelName);
    edit->setObjectName(editName);
    edit->setAccessibleName(caption);
    label->setBuddy(edit);
    m_fields->addRow(label, edit);
    return edit;
}

bool RadioInfoPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == m_debugLabel) {
            toggleDebugMode();
            return true;
        }
        if (watched == m_frame) {
            onFrameDoubleClicked();
            return true;
        }
    }
    return KeptPage::eventFilter(watched, event);
}

void RadioInfoPage::toggleDebugMode() {
    m_debugMode = !m_debugMode;
    Q_EMIT debugModeChanged(m_debugMode);
}

void RadioInfoPage::onFrameDoubleClicked() {
    if (m_debugMode)
        Q_EMIT memoryViewerRequested();
}

} // namespace qrt::gui::info
