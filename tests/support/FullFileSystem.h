#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace qrt::test {

// A tiny file system of its own (a tmpfs), mounted for one test and unmounted when the test
// ends. A test puts the files it needs there, then takes every free byte: a full disk.
// Mounting needs root; isMounted() is false otherwise and the test skips.
class FullFileSystem {
public:
    FullFileSystem();
    ~FullFileSystem();
    FullFileSystem(const FullFileSystem&) = delete;
    FullFileSystem& operator=(const FullFileSystem&) = delete;

    bool isMounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Writes a file while there is room.
    bool put(const QString& name, const QByteArray& bytes) const;
    // Takes every free byte; true when nothing more fits.
    bool fill() const;
    QByteArray read(const QString& name) const;
    // Every name in the file system: a failed save must not leave a file behind.
    QStringList fileNames() const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace qrt::test
