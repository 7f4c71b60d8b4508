#include "SimLine.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace qrt::sim {

namespace {

volatile std::sig_atomic_t g_stop = 0;

void onSignal(int) {
    g_stop = 1;
}

// An incomplete command older than this is dropped, so the line resynchronises.
constexpr qint64 StaleNs = 300'000'000;

// Whether stdin can tell the emulator to end: a pipe or socket (a controlling program ends
// it by closing its end), or the terminal while the emulator runs in its foreground. A
// background job on the terminal would be stopped by job control as soon as it read, and a
// shell starts background jobs of a script on /dev/null, which would end it at once.
bool stdinCanEndRun() {
    struct stat st {};
    if (::fstat(STDIN_FILENO, &st) != 0)
        return false;
    if (::isatty(STDIN_FILENO))
        return ::tcgetpgrp(STDIN_FILENO) == ::getpgrp();
    return S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode);
}

} // namespace

qint64 monotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

SimLine::SimLine(SimRadio& radio, const Faults& faults) : m_radio(radio), m_faults(faults) {}

SimLine::~SimLine() {
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

Result SimLine::open(QString* devicePath) {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        return Result::failure(QString::fromLocal8Bit(std::strerror(errno)));
    }
    const char* name = ::ptsname(m_master);
    if (!name) {
        return Result::failure(QString::fromLocal8Bit(std::strerror(errno)));
    }
    *devicePath = QString::fromLocal8Bit(name);
    // Holding the other end open keeps the line up between the program's opens, and
    // raw mode keeps the terminal from echoing or translating bytes.
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_slave >= 0) {
        termios tio{};
        if (::tcgetattr(m_slave, &tio) == 0) {
            ::cfmakeraw(&tio);
            ::tcsetattr(m_slave, TCSANOW, &tio);
        }
    }
    return {};
}

void SimLine::trace(const QByteArray& command, const QByteArray& reply, const char* note) {
    if (!m_trace)
        return;
    m_trace->write(QByteArray::number(m_radio.commandCount()) + ' ' + command.toHex(' ').toUpper() + " -> " +
                   (reply.isEmpty() ? QByteArray("-") : reply.toHex(' ').toUpper()) + note + '\n');
    m_trace->flush();
}

void SimLine::readIncoming(qint64 now) {
    char buffer[1024];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            return;
        for (ssize_t i = 0; i < n; ++i) {
            m_inLineFree = qMax(now, m_inLineFree) + m_byteNs;
            m_in.append(buffer[i]);
            m_inDone.push_back(m_inLineFree);
        }
    }
}

void SimLine::handleCommands(qint64 now) {
    while (!m_in.isEmpty()) {
        const int length = m_radio.commandLength(m_in);
        if (length < 0 || (length == 0 && now - m_inDone.front() > StaleNs)) {
            m_in.remove(0, 1);
            m_inDone.pop_front();
            continue;
        }
        if (length == 0 || m_inDone[size_t(length - 1)] > now)
            return;
        const qint64 arrived = m_inDone[size_t(length - 1)];
        const QByteArray command = m_in.left(length);
        m_in.remove(0, length);
        m_inDone.erase(m_inDone.begin(), m_inDone.begin() + length);

        const FaultedReply reply = replyWithFaults(m_radio, m_faults, command);
        trace(command, reply.bytes, reply.note);
        qint64 t = qMax(arrived + m_turnaroundNs + reply.extraDelayNs, m_outLineFree);
        for (char b : reply.bytes) {
            t += m_byteNs;
            m_out.push_back({b, t});
        }
        if (!reply.bytes.isEmpty())
            m_outLineFree = t;
    }
}

void SimLine::writeDue(qint64 now) {
    QByteArray chunk;
    while (!m_out.empty() && m_out.front().due <= now) {
        chunk.append(m_out.front().byte);
        m_out.pop_front();
    }
    qsizetype done = 0;
    while (done < chunk.size()) {
        const ssize_t n = ::write(m_master, chunk.constData() + done, size_t(chunk.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return;
        } else {
            pollfd p{m_master, POLLOUT, 0};
            ::poll(&p, 1, 10);
        }
    }
}

qint64 SimLine::nextDeadline(qint64 now) const {
    qint64 next = now + 1'000'000'000;
    if (!m_out.empty())
        next = qMin(next, m_out.front().due);
    if (!m_in.isEmpty()) {
        const int length = m_radio.commandLength(m_in);
        if (length > 0)
            next = qMin(next, m_inDone[size_t(length - 1)]);
        else
            next = qMin(next, m_inDone.front() + StaleNs + 1);
    }
    return next;
}

void SimLine::run() {
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
    // Moved to the background in the middle of a read, the read fails instead of stopping us.
    signal(SIGTTIN, SIG_IGN);
    bool stdinOpen = m_watchStdin;
    while (!g_stop) {
        // Checked on every round: the shell's fg and bg move the emulator between the two.
        const bool watchStdin = stdinOpen && stdinCanEndRun();
        qint64 now = monotonicNs();
        readIncoming(now);
        handleCommands(now);
        writeDue(monotonicNs());
        now = monotonicNs();
        const qint64 waitNs = nextDeadline(now) - now;
        pollfd fds[2] = {{m_master, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        const int count = watchStdin ? 2 : 1;
        if (waitNs > 0) {
            // poll() counts in milliseconds; the last stretch is slept exactly.
            if (waitNs >= 2'000'000) {
                ::poll(fds, nfds_t(count), int(waitNs / 1'000'000) - 1);
            } else {
                ::poll(fds, nfds_t(count), 0);
                if (!(fds[0].revents & POLLIN)) {
                    const qint64 until = now + waitNs;
                    timespec ts{time_t(until / 1000000000), long(until % 1000000000)};
                    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr);
                }
            }
        }
        if (watchStdin && (fds[1].revents & (POLLIN | POLLHUP))) {
            char buffer[256];
            const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
            if (n == 0)
                break; // stdin closed: the caller is done with the radio
            if (n > 0 && QByteArray(buffer, int(n)).contains("quit"))
                break;
            if (n < 0 && errno != EINTR && errno != EAGAIN && errno != EIO)
                stdinOpen = false;
        }
        if (watchStdin && (fds[1].revents & POLLNVAL))
            stdinOpen = false;
    }
    // What the line delivered before the end still counts: it is traced and stored.
    const qint64 now = monotonicNs();
    readIncoming(now);
    handleCommands(now);
}

} // namespace qrt::sim
