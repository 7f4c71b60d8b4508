// The document's file commands.
#include "document/Document.h"

#include "core/AppContext.h"
#include "core/DataFile.h"
#include "core/TextIndex.h"

namespace qrt {

void Document::newFile() {
    setCurrentFilePath(m_untitledFilePath);
    rebuildFromTemplate();
    startNewHistory();
    announceReplacement();
}

FileResult Document::openFile(const QString& path) {
    const FileResult result = replaceWithFile(path);
    if (result.ok) {
        startNewHistory();
        announceReplacement();
    }
    return result;
}

FileResult Document::save() {
    const QByteArray before = image().bytes();
    const FileResult result = writeCurrentFile();
    announceChanges(before);
    if (result.ok)
        markSaved();
    return result;
}

FileResult Document::saveAs(const QString& path) {
    const QByteArray before = image().bytes();
    // The current path changes only when the file was written.
    const QString previous = m_currentFilePath;
    m_currentFilePath = path;
    const FileResult result = writeCurrentFile();
    if (result.ok)
        setCurrentFilePath(path);
    else
        m_currentFilePath = previous;
    announceChanges(before);
    if (result.ok)
        markSaved();
    return result;
}

FileResult Document::replaceWithFile(const QString& path) {
    QByteArray bytes;
    const datafile::Status status = datafile::readFile(path, m_data.image.size(), &bytes);
    if (!status.ok) {
        m_context.errorLog().logErr(QStringLiteral("mdifrmMain->OpenFile"), status.errNumber);
        return failureResult(textindex::WrongFileType, status);
    }
    datafile::loadIntoImage(bytes, m_data.image);
    showReplacedImage();
    setCurrentFilePath(path);
    return {};
}

FileResult Document::writeCurrentFile() {
    encodeChannelTable();
    m_data.image.write(0, datafile::HeaderText);
    const datafile::Status status = datafile::writeFile(m_currentFilePath, datafile::fileLayout(m_data.image));
    if (!status.ok) {
        m_context.errorLog().logErr(QStringLiteral("mdifrmMain->SaveDatFile"), status.errNumber);
        return failureResult(textindex::SaveAsFailed, status);
    }
    return {};
}

FileResult Document::failureResult(int messageIndex, const FileStatus& status) const {
    return {false, messageIndex, m_context.extraText(status.reasonKey)};
}

} // namespace qrt
