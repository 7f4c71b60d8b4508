#pragma once

#include <QStringList>

class QWidget;

namespace qrt::test {

// What a person cannot read whole in a shown window, one line per fault naming the widget
// and the text: a label, button or check box narrower than its text, a list item wider
// than its list's field, a column or a tab narrower than its caption, a group box title
// wider than its box, a page that scrolls sideways. Widgets of other windows are left out.
QStringList cutTexts(const QWidget& window);

// The window's frame, title bar and borders included, is not fully on the available area
// of its screen: a line saying so, else empty.
QString offScreen(const QWidget& window);

} // namespace qrt::test
