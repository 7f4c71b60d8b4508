#pragma once

#include <QRect>

class QWidget;

namespace qrt::gui {

// Where windows go on the screen: every window lies fully on the screen it opens on, also
// after it has grown.

// The frame rectangle moved into the available area, as little as needed; a frame larger
// than the area keeps its top left corner in it.
QRect placedWithin(const QRect& frame, const QRect& available);

// Moves a window so that its frame (title bar and borders included, once the window is
// shown) lies on the available area of its screen.
void keepOnScreen(QWidget& window);

// Shows the program's frame filling the available area of its screen: maximised, and
// placed there already for a desktop that does not maximise windows.
void showFillingScreen(QWidget& window);

} // namespace qrt::gui
