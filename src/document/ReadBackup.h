#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace qrt {

class RadioImage;

// Every successful read from a radio is kept as a data file in the application folder's
// Data/Backups before it replaces anything, so that what a radio held is never lost.
// Nothing here deletes a backup.
namespace readbackup {

// <application folder>/Data/Backups
QString folderOf(const QString& appDir);

// What tells radios apart in a backup's name: the radio ID digits when any is set, else
// the embedded message (where imported serial numbers go); empty when the radio has neither.
QString radioIdentity(const RadioImage& image);

// A text reduced to what every file system takes in a name: letters and digits stay,
// '-' and '_' stay, every other run of characters becomes one '_'; at most 32 characters.
QString safeNamePart(const QString& text);

// "2026-12-10_153012" then "_" and the identity when there is one, without the suffix.
QString baseName(const QDateTime& when, const QString& identity);

// The first name of base + ".dat", base + "-2.dat", base + "-3.dat", ... that does not
// exist in the folder.
QString freePath(const QString& folder, const QString& base);

struct Backup {
    QString path;  // the file written (or the one that could not be)
    Result status; // failed, with the reason, when it could not be written
};

// Writes the image as a data file under a new name in the folder (made when missing),
// all or nothing, as a save does; never over an existing file.
Backup write(const QString& folder, const RadioImage& image, const QDateTime& when);

} // namespace readbackup
} // namespace qrt
