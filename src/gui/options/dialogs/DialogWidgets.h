#pragma once

#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

namespace qrt::gui::dialogs {

// A button or box shows its caption and is announced by it.
void setCaption(QAbstractButton* button, const QString& text);
// A label captions its buddy; the buddy is announced by the label's text.
void setCaption(QLabel* label, const QString& text);
// A dialog of the frame: its title, also its accessible name.
void setTitle(QWidget* dialog, const QString& title);

} // namespace qrt::gui::dialogs
