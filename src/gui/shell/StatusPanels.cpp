#include "gui/shell/StatusPanels.h"

#include <QLabel>
#include <QStatusBar>

namespace qrt::gui {

namespace {

QLabel* addPanel(QStatusBar& bar, const char* key, int stretch) {
    auto* panel = new QLabel(&bar);
    // No accessible name of its own: a panel is heard by the text it shows.
    panel->setObjectName(QString::fromLatin1(key));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bar.addPermanentWidget(panel, stretch);
    return panel;
}

} // namespace

StatusPanels::StatusPanels(QStatusBar& bar)
    : m_notice(addPanel(bar, "statusNotice", 2)), m_com(addPanel(bar, "statusCom", 1)),
      m_address(addPanel(bar, "statusAddress", 6)) {
    bar.setObjectName(QStringLiteral("sbrStatus"));
    bar.setSizeGripEnabled(true);
}

QString StatusPanels::notice() const {
    return m_notice->text();
}

void StatusPanels::setNotice(const QString& text) {
    m_notice->setText(text);
}

void StatusPanels::setPort(int portNumber) {
    m_com->setText(QStringLiteral("COM") + QString::number(portNumber));
}

void StatusPanels::setFileText(const QString& text) {
    m_address->setText(text);
}

} // namespace qrt::gui
