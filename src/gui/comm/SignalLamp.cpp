#include "gui/comm/SignalLamp.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

namespace qrt::gui::comm {

namespace {

QPixmap lampPicture(const QColor& colour) {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(colour.darker(160));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    return picture;
}

QLabel* lampImage(QWidget* parent, const char* name, const QColor& colour, const QString& toolTip) {
    auto* image = new QLabel(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setPixmap(lampPicture(colour));
    image->setToolTip(toolTip);
    image->setAccessibleName(toolTip);
    image->setFixedSize(16, 16);
    return image;
}

} // namespace

SignalLamp::SignalLamp(QWidget* parent)
    : QWidget(parent), m_red(lampImage(this, "imgRed", QColor(220, 30, 30), QStringLiteral("通信出错"))),
      m_green(lampImage(this, "imgGreen", QColor(30, 200, 60), QStringLiteral("通信成功"))), m_timer(new QTimer(this)) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_red, 0, 0);
    layout->addWidget(m_green, 0, 0);
    m_green->raise();
    m_green->hide();
    m_timer->setObjectName(QStringLiteral("tmrLigGrint"));
    m_timer->setInterval(BlinkIntervalMs);
    connect(m_timer, &QTimer::timeout, this, [this] { m_green->setVisible(m_green->isHidden()); });
}

void SignalLamp::setBlinking(bool on) {
    if (on) {
        m_timer->start();
    } else {
        m_timer->stop();
        m_green->hide();
    }
}

bool SignalLamp::isBlinking() const {
    return m_timer->isActive();
}

bool SignalLamp::greenShown() const {
    return !m_green->isHidden();
}

} // namespace qrt::gui::comm
