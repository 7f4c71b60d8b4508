// The document's file commands.
#include "document/Document.h"

#include "core/AppContext.h"
#include "core/DataFile.h"

namespace qrt {

void Document::newFile() {
    setCurrentFilePath(m_untitledFilePath);
    rebuildFromTemplate();
    startNewHistory();
    announceReplacement();
}

Result Document::openFile(const QString& path) {
    const Result result = replaceWithFile(path);
    if (result.ok()) {
        startNewHistory();
        announceReplacement();
        Q_EMIT fileUsed(path);
    }
    return result;
}

Result Document::save() {
    const QByteArray before = image().bytes();
    const Result result = writeCurrentFile();
    announceChanges(before);
    if (result.ok())
        markSaved();
    return result;
}

Result Document::saveAs(const QString& path) {
    const QByteArray before = image().bytes();
    // The current path changes only when the file was written.
    const QString previous = m_currentFilePath;
    m_currentFilePath = path;
    const Result result = writeCurrentFile();
    if (result.ok())
        setCurrentFilePath(path);
    else
        m_currentFilePath = previous;
    announceChanges(before);
    if (result.ok()) {
        markSaved();
        Q_EMIT fileUsed(path);
    }
    return result;
}

readbackup::Backup Document::backUpRadioRead(const QByteArray& readImage) {
    RadioImage image = m_data.image;
    image.write(0, readImage);
    readbackup::Backup backup =
        readbackup::write(readbackup::folderOf(m_context.appDir()), image, QDateTime::currentDateTime());
    if (backup.status.failed()) {
        m_context.errorLog().logErr(QStringLiteral("frmCommun->BackUpRead"), backup.status.errorNumber());
        backup.status = backup.status.inLanguage(m_context.extraTexts());
        return backup;
    }
    Q_EMIT fileUsed(backup.path);
    return backup;
}

Result Document::replaceWithFile(const QString& path) {
    QByteArray bytes;
    const Result status = datafile::readFile(path, m_data.image.size(), &bytes);
    if (!status.ok()) {
        m_context.errorLog().logErr(QStringLiteral("mdifrmMain->OpenFile"), status.errorNumber());
        return failureResult(TextId::WrongFileType, status);
    }
    datafile::loadIntoImage(bytes, m_data.image);
    showReplacedImage();
    setCurrentFilePath(path);
    return {};
}

Result Document::writeCurrentFile() {
    encodeChannelTable();
    m_data.image.write(0, datafile::HeaderText);
    const Result status = datafile::writeFile(m_currentFilePath, datafile::fileLayout(m_data.image));
    if (!status.ok()) {
        m_context.errorLog().logErr(QStringLiteral("mdifrmMain->SaveDatFile"), status.errorNumber());
        return failureResult(TextId::SaveAsFailed, status);
    }
    return {};
}

Result Document::failureResult(TextId message, const Result& status) const {
    Result failure = status.inLanguage(m_context.extraTexts());
    return failure.setMessage(message);
}

} // namespace qrt
