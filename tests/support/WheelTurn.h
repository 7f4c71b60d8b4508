#pragma once

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>

namespace qrt::test {

// Notches of the mouse wheel over a point of the widget (its centre by default; positive
// notches turn away from the user), delivered as the window system delivers them: to the
// widget under the pointer, handed on to its parents while none accepts it.
inline void turnWheel(QWidget* widget, int notches, QPoint pos = {}) {
    if (pos.isNull())
        pos = widget->rect().center();
    QWidget* top = widget->window();
    const QPoint inTop = widget->mapTo(top, pos);
    QWidget* receiver = top->childAt(inTop);
    if (!receiver)
        receiver = top;
    const QPointF local = receiver->mapFrom(top, QPointF(inTop));
    QWheelEvent event(local, receiver->mapToGlobal(local), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    // As QTest sends its key events: sendEvent() would make it a synthesized event, which
    // is never handed on to the parents.
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(receiver, &event);
}

} // namespace qrt::test
