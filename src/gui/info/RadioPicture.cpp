#include "gui/info/RadioPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace qrt::gui::info {

QPixmap drawRadioPicture(qreal devicePixelRatio) {
    const QSize size(72, 128);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor body(0x2b, 0x2f, 0x36);
    const QColor edge(0x11, 0x13, 0x17);
    painter.setPen(QPen(edge, 1.5));

    // Antenna and the two knobs on top.
    painter.setBrush(edge);
    painter.drawRoundedRect(QRectF(14, 4, 7, 38), 3, 3);
    painter.setBrush(body.lighter(130));
    painter.drawRoundedRect(QRectF(38, 22, 10, 12), 2, 2);
    painter.drawRoundedRect(QRectF(52, 24, 8, 10), 2, 2);

    // Body.
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(8, 32, 56, 92), 9, 9);

    // Speaker grille.
    painter.setPen(QPen(body.lighter(170), 2, Qt::SolidLine, Qt::RoundCap));
    for (int row = 0; row < 5; ++row) {
        const qreal y = 46 + row * 7;
        painter.drawLine(QPointF(20, y), QPointF(52, y));
    }

    // Channel display.
    painter.setPen(QPen(edge, 1));
    painter.setBrush(QColor(0x9c, 0xd6, 0x8c));
    painter.drawRoundedRect(QRectF(18, 86, 36, 14), 2, 2);
    painter.setPen(QColor(0x1d, 0x3b, 0x16));
    QFont digits = painter.font();
    digits.setPixelSize(10);
    digits.setBold(true);
    painter.setFont(digits);
    painter.drawText(QRectF(18, 86, 36, 14), Qt::AlignCenter, QStringLiteral("CH 01"));

    // Side key.
    painter.setPen(Qt::NoPen);
    painter.setBrush(body.lighter(150));
    painter.drawRoundedRect(QRectF(4, 56, 5, 22), 2, 2);
    return pixmap;
}

} // namespace qrt::gui::info
