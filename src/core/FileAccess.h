#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>

namespace qrt {

// Whole-file reads and writes that never hang on a pipe or device and never cost the old
// file: every program file (data files, the template, the settings file) goes through here.
// A failure carries the error log's number, a reason in English with the system's own words
// where it gave some, and one of the reason keys below (see Result::inLanguage).
namespace fileaccess {

// Reason keys (texts of the user's language, see ExtraTexts).
inline const QString NoFileName = QStringLiteral("file.reason.noName");
inline const QString NotFound = QStringLiteral("file.reason.notFound");
inline const QString NoFolder = QStringLiteral("file.reason.noFolder");
inline const QString Denied = QStringLiteral("file.reason.denied");
inline const QString DiskFull = QStringLiteral("file.reason.diskFull");
inline const QString IsFolder = QStringLiteral("file.reason.isFolder");
inline const QString NotRegular = QStringLiteral("file.reason.notRegular");
inline const QString ReadFailed = QStringLiteral("file.reason.readFailed");
inline const QString WriteFailed = QStringLiteral("file.reason.writeFailed");

// Reads at most maxBytes from the start of a regular file (a link to one is followed).
// A folder, a pipe or a device is refused before it is opened: opening a pipe waits for a
// writer, and a device may never end.
Result readRegularFile(const QString& path, qint64 maxBytes, QByteArray* bytes);

// Makes bytes the whole contents of the file at path, all or nothing: the bytes go to a new
// file beside it, every write and the flush to the disk are checked, and only then does the
// new file take the old one's place. On any failure (a full disk among them) the old file
// stays exactly as it was and no new file is left behind. A folder, pipe or device at path
// is refused and stays what it is; a link to a regular file is followed.
Result replaceFile(const QString& path, const QByteArray& bytes);

// Whether replaceFile could write `size` bytes to path now, found out by writing them to a
// new file beside it and throwing that away; path itself is not touched.
Result checkReplaceable(const QString& path, qint64 size);

} // namespace fileaccess
} // namespace qrt
