#include "gui/common/UserPrompts.h"

#include <QFileDialog>

namespace qrt::gui {

QMessageBox::StandardButton DialogPrompts::ask(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                               const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setAccessibleName(title);
    return QMessageBox::StandardButton(box.exec());
}

QString DialogPrompts::openFileName(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString DialogPrompts::saveFileName(QWidget* parent, const QString& title, const QString& path, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, path, filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

QString DialogPrompts::openFileNameWithFilter(QWidget* parent, const QString& title, const QString& folder,
                                              const QString& filters, QString* chosenFilter) {
    return QFileDialog::getOpenFileName(parent, title, folder, filters, chosenFilter);
}

QString DialogPrompts::saveFileNameWithFilter(QWidget* parent, const QString& title, const QString& path,
                                              const QString& filters, QString* chosenFilter) {
    return QFileDialog::getSaveFileName(parent, title, path, filters, chosenFilter, QFileDialog::DontConfirmOverwrite);
}

} // namespace qrt::gui
