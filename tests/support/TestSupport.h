#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QAbstractItemModel;

namespace qrt::test {

// Every cell's display text, row by row: what a view of the model shows.
QStringList cellTexts(const QAbstractItemModel& model);

// Folder of the built program with its shipped files (the application folder).
QString builtAppDir();
// Folder of the source tree.
QString sourceDir();

// Makes a named pipe at path (opening it for reading waits for a writer).
bool makePipe(const QString& path);
// Puts in path's place what a read of a file must refuse: nothing ("missing"), a pipe
// ("pipe"), a folder ("folder") or a link to a device ("device").
bool placeUnreadable(const QString& kind, const QString& path);

// A temporary copy of the application folder's shipped files, so a test may change them.
class TempAppDir {
public:
    TempAppDir();
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    bool writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

} // namespace qrt::test
