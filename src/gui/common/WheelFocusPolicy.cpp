#include "gui/common/WheelFocusPolicy.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QScrollBar>

namespace qrt::gui {

WheelFocusPolicy::WheelFocusPolicy(QObject* parent) : QObject(parent) {}

bool WheelFocusPolicy::guards(const QObject* widget) {
    // Scroll bars scroll; they change no data.
    return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           (qobject_cast<const QAbstractSlider*>(widget) && !qobject_cast<const QScrollBar*>(widget));
}

bool WheelFocusPolicy::takesWheel(const QWidget& widget) {
    const QWidget* focus = QApplication::focusWidget();
    // An editable list's text box holds the focus for it.
    return focus && (focus == &widget || widget.isAncestorOf(focus));
}

bool WheelFocusPolicy::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Polish:
        if (guards(watched)) {
            auto* widget = static_cast<QWidget*>(watched);
            // A wheel would otherwise give the focus first and then change the value.
            if ((widget->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus)
                widget->setFocusPolicy(Qt::StrongFocus);
        }
        break;
    case QEvent::Wheel:
        if (guards(watched) && !takesWheel(*static_cast<QWidget*>(watched))) {
            // Ignored and filtered out: the application hands the wheel to the parent.
            event->ignore();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qrt::gui
