#include "gui/common/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace qrt::gui {

namespace {

QRect availableArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

QRect placedWithin(const QRect& frame, const QRect& available) {
    QRect placed = frame;
    if (placed.right() > available.right())
        placed.moveRight(available.right());
    if (placed.bottom() > available.bottom())
        placed.moveBottom(available.bottom());
    if (placed.left() < available.left())
        placed.moveLeft(available.left());
    if (placed.top() < available.top())
        placed.moveTop(available.top());
    return placed;
}

void keepOnScreen(QWidget& window) {
    const QRect available = availableArea(window);
    if (available.isEmpty())
        return;
    const QRect frame = window.frameGeometry();
    const QRect placed = placedWithin(frame, available);
    if (placed.topLeft() != frame.topLeft())
        window.move(placed.topLeft()); // move() places the frame's top left corner
}

void showFillingScreen(QWidget& window) {
    const QRect available = availableArea(window);
    if (!available.isEmpty())
        window.setGeometry(available);
    window.showMaximized();
}

} // namespace qrt::gui
