#include "core/DataFile.h"

#include "core/ErrorLog.h"
#include "core/ExtraTexts.h"
#include "core/RadioImage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace qrt::datafile {

namespace {

int errorNumberOf(QFileDevice::FileError error, const QString& path) {
    switch (error) {
    case QFileDevice::PermissionsError:
        return err::PermissionDenied;
    case QFileDevice::ResourceError:
        return err::DiskFull;
    case QFileDevice::OpenError:
        if (!QFileInfo(path).absoluteDir().exists())
            return err::PathNotFound;
        return QFileInfo::exists(path) ? err::PathFileAccess : err::FileNotFound;
    default:
        return err::PathFileAccess;
    }
}

Status failure(const QFileDevice& file, const QString& path) {
    return Status{false, errorNumberOf(file.error(), path), file.errorString()};
}

} // namespace

void loadIntoImage(const QByteArray& fileBytes, RadioImage& image) {
    image.write(0, fileBytes.left(image.size()));
    for (int i = 32; i < FileSize && i < image.size(); ++i)
        image.set(i - 16, image.at(i));
}

QByteArray fileLayout(const RadioImage& image) {
    QByteArray out(FileSize, char(0xFF));
    for (int offset = 0; offset < FileSize; ++offset) {
        const int address = addressOfOffset(offset);
        if (address >= 0)
            out[offset] = char(image.at(address));
    }
    out.replace(0, HeaderText.size(), HeaderText);
    return out;
}

int addressOfOffset(int offset) {
    if (offset < 0 || offset < int(HeaderText.size()))
        return -1;
    if (offset < HeaderSize)
        return offset;
    if (offset < 2 * HeaderSize)
        return -1;
    return offset - HeaderSize;
}

QString whyNotRadioData(const QByteArray& fileBytes, const ExtraTexts& texts) {
    if (fileBytes.isEmpty())
        return texts.text(QStringLiteral("file.notData.empty"));
    if (fileBytes.size() > FileSize)
        return texts.text(QStringLiteral("file.notData.tooLong")).arg(FileSize);
    if (fileBytes.size() < FileSize)
        return texts.text(QStringLiteral("file.notData.tooShort")).arg(fileBytes.size()).arg(FileSize);
    if (!fileBytes.startsWith(HeaderText))
        return texts.text(QStringLiteral("file.notData.header")).arg(QString::fromLatin1(HeaderText));
    return {};
}

namespace {

Status noFileName() {
    return Status{false, err::BadFileName, QStringLiteral("No file name given")};
}

} // namespace

Status readFile(const QString& path, int maxBytes, QByteArray* bytes) {
    if (path.isEmpty())
        return noFileName();
    QFile file(path);
    if (QFileInfo(path).isDir())
        return Status{false, err::PathFileAccess, QStringLiteral("Is a folder")};
    if (!file.open(QIODevice::ReadOnly))
        return failure(file, path);
    // Never more than the image holds, however large the file is.
    *bytes = file.read(qMax(0, maxBytes));
    if (file.error() != QFileDevice::NoError)
        return failure(file, path);
    return {};
}

Status writeFile(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty())
        return noFileName();
    // The save puts a new file in the old one's place, which would replace a device node or
    // a pipe (such as /dev/null) by a regular file. A link to a regular file is followed.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        const QString what = target.isDir() ? QStringLiteral("a folder") : QStringLiteral("not a regular file");
        return Status{false, err::PathFileAccess, QStringLiteral("The target is %1").arg(what)};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(file, path);
    if (file.write(bytes) != bytes.size()) {
        const Status s = failure(file, path);
        file.cancelWriting();
        return s;
    }
    if (!file.commit())
        return failure(file, path);
    return {};
}

} // namespace qrt::datafile
