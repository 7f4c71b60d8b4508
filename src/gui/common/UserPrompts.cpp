#include "gui/common/UserPrompts.h"

#include "gui/common/FindingsDialog.h"

#include <QFileDialog>
#include <QUrl>

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

QString DialogPrompts::folderName(QWidget* parent, const QString& title, const QString& folder) {
    return QFileDialog::getExistingDirectory(parent, title, folder);
}

QString DialogPrompts::openFileNameOffering(QWidget* parent, const QString& title, const QString& folder,
                                            const QString& filter, const QStringList& places) {
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    QList<QUrl> sidebar = dialog.sidebarUrls();
    for (const QString& place : places)
        sidebar.append(QUrl::fromLocalFile(place));
    dialog.setSidebarUrls(sidebar);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool DialogPrompts::reviewFindings(QWidget* parent, const QString& title, const QString& intro,
                                   const QStringList& findings, const QString& proceedText, const QString& stayText) {
    FindingsDialog dialog(parent, title, intro, findings, proceedText, stayText);
    return dialog.exec() == QDialog::Accepted && !proceedText.isEmpty();
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
