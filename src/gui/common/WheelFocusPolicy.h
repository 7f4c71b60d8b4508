#pragma once

#include <QObject>

class QWidget;

namespace qrt::gui {

// Drop-down lists, spin boxes and sliders take the mouse wheel only while they have the
// keyboard focus. Turned over one that has not, the wheel goes on to what lies under it
// (a page scrolls), so that a wheel never changes a value the user did not pick; and the
// wheel alone no longer gives them the focus. Installed once on the application, it covers
// every window, dialog and grid editor, including those made later.
class WheelFocusPolicy : public QObject {
    Q_OBJECT
public:
    explicit WheelFocusPolicy(QObject* parent = nullptr);

    // Whether the widget is one of the kinds the policy guards.
    static bool guards(const QObject* widget);
    // Whether a wheel over the guarded widget may change it now.
    static bool takesWheel(const QWidget& widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace qrt::gui
