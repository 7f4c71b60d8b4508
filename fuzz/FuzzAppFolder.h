#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace qrt::fuzz {

// The application folder the targets run in: a temporary copy of the files shipped beside
// the program (QRT_DATA_DIR is the source tree's data folder), made once per process.
inline const QTemporaryDir& appFolder() {
    static const QTemporaryDir dir;
    static const bool copied = [] {
        bool all = dir.isValid();
        for (const char* name : {"holvard.def", "dhcpqec.def", "DefRadioSet.def"}) {
            const QString file = QString::fromLatin1(name);
            all = QFile::copy(QDir(QStringLiteral(QRT_DATA_DIR)).filePath(file), dir.filePath(file)) && all;
        }
        return all;
    }();
    if (!copied)
        qFatal("Cannot make the application folder");
    return dir;
}

// Writes the input to a file of the folder; the path, or empty when it cannot be written.
inline QString inputFile(const QString& name, const uint8_t* data, size_t size) {
    const QString path = appFolder().filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    const qint64 written = f.write(reinterpret_cast<const char*>(data), qint64(size));
    return written == qint64(size) ? path : QString();
}

} // namespace qrt::fuzz
