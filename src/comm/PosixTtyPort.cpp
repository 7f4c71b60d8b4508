#include "comm/PosixTtyPort.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace qrt::comm {

PosixTtyPort::~PosixTtyPort() {
    close();
}

bool PosixTtyPort::open() {
    setError(PortError::None, {});
    if (m_fd >= 0)
        return true;
    const QByteArray path = QFile::encodeName(m_device);
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        const int e = errno;
        const PortError kind = e == ENOENT   ? PortError::NotFound
                               : e == EACCES ? PortError::PermissionDenied
                               : e == EBUSY  ? PortError::Busy
                                             : PortError::Other;
        setError(kind, QString::fromLocal8Bit(std::strerror(e)));
        return false;
    }
    // One program at a time on the line: a second program's bytes would corrupt both
    // transfers. The lock also holds against a program running as root, which the
    // terminal's exclusive mode lets through.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int e = errno;
        ::close(fd);
        const PortError kind = e == EWOULDBLOCK ? PortError::Busy : PortError::Other;
        setError(kind, QString::fromLocal8Bit(std::strerror(e)));
        return false;
    }
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        const int e = errno;
        ::close(fd);
        setError(PortError::Other, QString::fromLocal8Bit(std::strerror(e)));
        return false;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    ::tcsetattr(fd, TCSANOW, &tio);
    ::ioctl(fd, TIOCEXCL);
    m_fd = fd;
    return true;
}

bool PosixTtyPort::close() {
    if (m_fd < 0)
        return true;
    // The exclusive mode belongs to the terminal, not to this descriptor: it would outlive
    // the close while the other end keeps the terminal open.
    ::ioctl(m_fd, TIOCNXCL);
    const bool ok = ::close(m_fd) == 0;
    m_fd = -1;
    if (!ok)
        setError(PortError::Other, QString::fromLocal8Bit(std::strerror(errno)));
    return ok;
}

void PosixTtyPort::clearOutput() {
    if (m_fd >= 0)
        ::tcflush(m_fd, TCOFLUSH);
}

void PosixTtyPort::clearInput() {
    if (m_fd >= 0)
        ::tcflush(m_fd, TCIFLUSH);
}

bool PosixTtyPort::send(const QByteArray& bytes) {
    if (m_fd < 0)
        return false;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd p{m_fd, POLLOUT, 0};
        if (::poll(&p, 1, 1000) <= 0)
            return false;
    }
    return true;
}

int PosixTtyPort::bytesWaiting() {
    int n = 0;
    if (m_fd < 0 || ::ioctl(m_fd, FIONREAD, &n) != 0)
        return 0;
    return n;
}

QByteArray PosixTtyPort::readWaiting() {
    QByteArray out;
    if (m_fd < 0)
        return out;
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0)
            out.append(buffer, n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            break;
    }
    return out;
}

} // namespace qrt::comm
