#include "document/ReadBackup.h"

#include "core/DataFile.h"
#include "core/RadioImage.h"
#include "core/TextCodes.h"

#include <QDir>
#include <QFileInfo>

namespace qrt::readbackup {

namespace {
// The six radio ID digits, two to a byte, low nibble first; 1..9 are digits, the rest "Off".
constexpr int RadioIdAddress = 0x3E9;
constexpr int RadioIdDigits = 6;
// The embedded message: 16 character codes of two bytes.
constexpr int MessageAddress = 0x300;
constexpr int MessageBytes = 32;
constexpr int MaxNamePart = 32;
} // namespace

QString folderOf(const QString& appDir) {
    return QDir(appDir).filePath(QStringLiteral("Data/Backups"));
}

QString radioIdentity(const RadioImage& image) {
    QString digits;
    for (int k = 0; k < RadioIdDigits; ++k) {
        const int address = RadioIdAddress + k / 2;
        if (!image.contains(address, 1))
            return {};
        const int nibble = k % 2 == 0 ? image.at(address) & 0x0F : image.at(address) >> 4;
        if (nibble >= 1 && nibble <= 9)
            digits += QChar(u'0' + nibble);
    }
    if (!digits.isEmpty())
        return digits;
    if (!image.contains(MessageAddress, MessageBytes))
        return {};
    return hanzi::decodeBytes(image.mid(MessageAddress, MessageBytes)).trimmed();
}

QString safeNamePart(const QString& text) {
    QString safe;
    for (const QChar c : text) {
        if (c.isLetterOrNumber() || c == u'-' || c == u'_')
            safe += c;
        else if (!safe.endsWith(u'_'))
            safe += u'_';
    }
    safe = safe.left(MaxNamePart);
    while (safe.startsWith(u'_'))
        safe.remove(0, 1);
    while (safe.endsWith(u'_'))
        safe.chop(1);
    return safe;
}

QString baseName(const QDateTime& when, const QString& identity) {
    const QString stamp = when.toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
    const QString part = safeNamePart(identity);
    return part.isEmpty() ? stamp : stamp + QLatin1Char('_') + part;
}

QString freePath(const QString& folder, const QString& base) {
    const QDir dir(folder);
    QString path = dir.filePath(base + QStringLiteral(".dat"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(base + QStringLiteral("-%1.dat").arg(n));
    return path;
}

Backup write(const QString& folder, const RadioImage& image, const QDateTime& when) {
    Backup backup;
    backup.path = freePath(folder, baseName(when, radioIdentity(image)));
    // A folder that cannot be made shows in the write's own reason.
    QDir().mkpath(folder);
    backup.status = datafile::writeFile(backup.path, datafile::fileLayout(image));
    return backup;
}

} // namespace qrt::readbackup
