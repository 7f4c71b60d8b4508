#include "core/FileAccess.h"

#include "core/ErrorLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace qrt::fileaccess {

namespace {

Result failed(int errNumber, const QString& reasonKey, const QString& reason) {
    return Result::failure(reason, errNumber).setReasonKey(reasonKey);
}

// Why an open, read or write of the file went wrong, from the device's error and what the
// file system shows now.
Result failureOf(const QFileDevice& file, const QString& path, bool writing) {
    const QString reason = file.errorString();
    const QFileInfo info(path);
    if (writing && file.error() == QFileDevice::ResourceError)
        return failed(err::DiskFull, DiskFull, reason);
    if (!info.absoluteDir().exists())
        return failed(err::PathNotFound, NoFolder, reason);
    if (!writing && !info.exists())
        return failed(err::FileNotFound, NotFound, reason);
    const bool denied = writing ? (info.exists() && !info.isWritable()) || !QFileInfo(info.absolutePath()).isWritable()
                                : !info.isReadable();
    if (denied)
        return failed(err::PermissionDenied, Denied, reason);
    return failed(err::PathFileAccess, writing ? WriteFailed : ReadFailed, reason);
}

// Only a named regular file (or a link to one) is read or replaced.
Result checkNameAndKind(const QString& path) {
    if (path.isEmpty())
        return failed(err::BadFileName, NoFileName, QStringLiteral("No file name given"));
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return {};
    if (info.isDir())
        return failed(err::PathFileAccess, IsFolder, QStringLiteral("The file is a folder"));
    return failed(err::PathFileAccess, NotRegular, QStringLiteral("The file is not a regular file"));
}

// Makes the written bytes durable before the new file takes the old one's place; the commit
// of the save file does the same but does not report a failure.
bool syncToDisk(QSaveFile& file, Result* failure) {
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) == 0)
        return true;
    const int error = errno;
    const QString reason = QString::fromStdString(std::generic_category().message(error));
    *failure = error == ENOSPC || error == EDQUOT ? failed(err::DiskFull, DiskFull, reason)
                                                  : failed(err::IoDeviceError, WriteFailed, reason);
    return false;
#else
    Q_UNUSED(file);
    Q_UNUSED(failure);
    return true;
#endif
}

// Writes the bytes into a new file beside path, checking each step; then either puts it in
// path's place (commit) or throws it away.
Result writeBeside(const QString& path, const QByteArray& bytes, bool commit) {
    if (Result usable = checkNameAndKind(path); !usable.ok())
        return usable;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failureOf(file, path, true);
    // The save file keeps small writes in a buffer and, in Qt 6.4, commits even when
    // flushing that buffer failed (as it does on a full disk), which would put a short or
    // empty file in the old one's place. So the write and the flush are checked here.
    Result status;
    if (file.write(bytes) != bytes.size() || !file.flush())
        status = failureOf(file, path, true);
    else
        syncToDisk(file, &status);
    if (!status.ok() || !commit) {
        file.cancelWriting();
        return status;
    }
    if (!file.commit())
        return failureOf(file, path, true);
    return {};
}

} // namespace

Result readRegularFile(const QString& path, qint64 maxBytes, QByteArray* bytes) {
    if (Result usable = checkNameAndKind(path); !usable.ok())
        return usable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failureOf(file, path, false);
    // Read as much as the file holds rather than maxBytes at once: asking for maxBytes sets
    // aside that much memory for a file of a few hundred bytes. A file may also report a size
    // other than what it holds, so reading goes on until its end or maxBytes.
    bytes->clear();
    const qint64 limit = qMax<qint64>(0, maxBytes);
    for (qint64 want = qMin(limit, qMax<qint64>(1, file.size() + 1)); bytes->size() < limit;
         want = qMin<qint64>(limit - bytes->size(), 64 * 1024)) {
        const QByteArray part = file.read(want);
        if (part.isEmpty())
            break;
        bytes->append(part);
    }
    if (file.error() != QFileDevice::NoError)
        return failureOf(file, path, false);
    return {};
}

Result replaceFile(const QString& path, const QByteArray& bytes) {
    return writeBeside(path, bytes, true);
}

Result checkReplaceable(const QString& path, qint64 size) {
    return writeBeside(path, QByteArray(qMax<qint64>(0, size), '\0'), false);
}

} // namespace qrt::fileaccess
