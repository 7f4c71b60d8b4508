#include "FullFileSystem.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace qrt::test {

FullFileSystem::FullFileSystem() {
    if (m_dir.isValid() && ::geteuid() == 0)
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, "size=64k") == 0;
}

FullFileSystem::~FullFileSystem() {
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

bool FullFileSystem::put(const QString& name, const QByteArray& bytes) const {
    QFile file(filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

bool FullFileSystem::fill() const {
    const int fd = ::open(QFile::encodeName(filePath(QStringLiteral("filler"))).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(512, 'f');
    while (::write(fd, block.constData(), size_t(block.size())) > 0) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

QByteArray FullFileSystem::read(const QString& name) const {
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FullFileSystem::fileNames() const {
    return QDir(path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace qrt::test
