#include "gui/shell/FileCommands.h"

#include "core/AppContext.h"
#include "core/DataFile.h"
#include "document/Document.h"
#include "document/ReadBackup.h"
#include "gui/common/UserPrompts.h"
#include "gui/shell/FrameTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace qrt::gui {

FileCommands::FileCommands(Document& document, UserPrompts& prompts, QWidget& window)
    : m_document(document), m_prompts(prompts), m_window(window) {}

QString FileCommands::text(TextId id) const {
    return m_document.context().text(id);
}

QMessageBox::StandardButton FileCommands::ask(QMessageBox::Icon icon, const QString& message,
                                              QMessageBox::StandardButtons buttons) {
    return m_prompts.ask(&m_window, icon, text(TextId::Notice), message, buttons);
}

QString FileCommands::startFolder() const {
    return QFileInfo(m_document.currentFilePath()).absolutePath();
}

void FileCommands::newFile() {
    if (!offerToSaveChanges())
        return;
    if (ask(QMessageBox::Question, text(TextId::ClearDataQuestion), QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return;
    m_document.newFile();
}

bool FileCommands::openFile(const QString& givenPath) {
    if (!offerToSaveChanges())
        return false;
    QString path = givenPath;
    if (path.isEmpty()) {
        // The backups of reads are offered beside the current folder once there are any.
        QStringList places;
        if (const QString backups = readbackup::folderOf(m_document.context().appDir()); QFileInfo(backups).isDir())
            places << backups;
        path = m_prompts.openFileNameOffering(&m_window, withoutAccessKey(text(TextId::OpenCaption)), startFolder(),
                                              DataFileFilter, places);
        if (path.isEmpty())
            return false;
    }
    QByteArray head;
    if (datafile::readFile(path, datafile::FileSize + 1, &head).ok()) {
        const QString oddity = datafile::whyNotRadioData(head, m_document.context().extraTexts());
        if (!oddity.isEmpty()) {
            const QString question = m_document.context()
                                         .extraText(QStringLiteral("file.oddFileQuestion"))
                                         .arg(QDir::toNativeSeparators(path), oddity);
            if (ask(QMessageBox::Warning, question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
                return false;
        }
    }
    const Result result = m_document.openFile(path);
    if (!result.ok()) {
        ask(QMessageBox::Critical, result.withReason(text(TextId::WrongFileType)), QMessageBox::Ok);
        return false;
    }
    return true;
}

void FileCommands::save() {
    m_window.activateWindow();
    if (ask(QMessageBox::Question, text(TextId::SaveChangesQuestion), QMessageBox::Yes | QMessageBox::No) ==
        QMessageBox::Yes)
        saveWithDialog(TextId::SaveFailed);
}

void FileCommands::saveAs() {
    saveWithDialog(TextId::SaveAsFailed);
}

QString FileCommands::askForSaveName() {
    QString chosenFilter;
    return askForSaveName(withoutAccessKey(text(TextId::SaveAsCaption)), DataFileFilter, DataFileSuffix,
                          &chosenFilter);
}

QString FileCommands::askForSaveName(const QString& title, const QString& filters, const QString& suffix,
                                     QString* chosenFilter) {
    QString folder = startFolder();
    for (;;) {
        QString path = m_prompts.saveFileNameWithFilter(&m_window, title, folder, filters, chosenFilter);
        if (path.isEmpty())
            return {};
        // The suffix is added before the question, so that it covers the file really written.
        if (QFileInfo(path).suffix().isEmpty())
            path += QLatin1Char('.') + suffix;
        if (!QFileInfo(path).isFile())
            return path;
        const QString question =
            m_document.context().extraText(QStringLiteral("file.replaceQuestion")).arg(QDir::toNativeSeparators(path));
        if (ask(QMessageBox::Warning, question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            return path;
        // No: back to the dialog, as the platform's own question does.
        folder = QFileInfo(path).absolutePath();
    }
}

bool FileCommands::saveWithDialog(TextId failureMessage) {
    const QString path = askForSaveName();
    if (path.isEmpty())
        return false;
    const Result result = m_document.saveAs(path);
    if (!result.ok()) {
        // The file was not written: say so rather than leave the user believing it was.
        ask(QMessageBox::Critical, result.withReason(text(failureMessage)), QMessageBox::Ok);
        return false;
    }
    return true;
}

bool FileCommands::offerToSaveChanges() {
    // A tone still being chosen is a change too: the table is encoded as it would be saved,
    // which lets the grid store it first.
    m_document.encodeChannels();
    if (!m_document.isModified())
        return true;
    switch (ask(QMessageBox::Question, text(TextId::SaveChangesQuestion),
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return saveWithDialog(TextId::SaveFailed);
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

} // namespace qrt::gui
