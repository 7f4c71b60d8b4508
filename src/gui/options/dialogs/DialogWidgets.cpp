#include "gui/options/dialogs/DialogWidgets.h"

#include <QAbstractButton>
#include <QLabel>

namespace qrt::gui::dialogs {

void setCaption(QAbstractButton* button, const QString& text) {
    button->setText(text);
    button->setAccessibleName(text);
}

void setCaption(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
    if (QWidget* buddy = label->buddy())
        buddy->setAccessibleName(text);
}

void setTitle(QWidget* dialog, const QString& title) {
    dialog->setWindowTitle(title);
    dialog->setAccessibleName(title);
}

} // namespace qrt::gui::dialogs
