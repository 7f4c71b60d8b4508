#include "TestSupport.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace qrt::test {

QStringList cellTexts(const QAbstractItemModel& model) {
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        for (int column = 0; column < model.columnCount(); ++column)
            texts << model.data(model.index(row, column)).toString();
    return texts;
}

QString builtAppDir() {
    return qEnvironmentVariable("QRT_APP_DIR");
}

QString sourceDir() {
    return qEnvironmentVariable("QRT_SOURCE_DIR");
}

bool makePipe(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool placeUnreadable(const QString& kind, const QString& path) {
    QFile::remove(path);
    if (kind == QLatin1String("pipe"))
        return makePipe(path);
    if (kind == QLatin1String("folder"))
        return QDir().mkdir(path);
    if (kind == QLatin1String("device"))
        return QFile::link(QStringLiteral("/dev/zero"), path);
    return !QFile::exists(path);
}

TempAppDir::TempAppDir() {
    const QDir from(builtAppDir());
    for (const QString& name :
         {QStringLiteral("holvard.def"), QStringLiteral("dhcpqec.def"), QStringLiteral("DefRadioSet.def")}) {
        if (from.exists(name))
            QFile::copy(from.filePath(name), m_dir.filePath(name));
        QFile::setPermissions(m_dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
    }
}

bool TempAppDir::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile f(m_dir.filePath(name));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray TempAppDir::readFile(const QString& name) const {
    QFile f(m_dir.filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace qrt::test
