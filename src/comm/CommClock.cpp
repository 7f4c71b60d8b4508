#include "comm/CommClock.h"

#include <QThread>

namespace qrt::comm {

void CommClock::waitAtLeastMs(int n) {
    if (onWaitStarted)
        onWaitStarted(n);
    const qint64 until = nowMs() + qint64(qMax(0, n)) + 2;
    while (nowMs() < until) {
        if (onWait)
            onWait();
        // A short nap between passes keeps the wait from taking a whole core; the last nap
        // ends as the clock reaches the end of the wait, not up to a nap later.
        sleepUs(qBound(qint64(1), until * 1000 - nowUs(), qint64(200)));
    }
}

void CommClock::sleepMs(int ms) {
    if (ms > 0)
        sleepUs(qint64(ms) * 1000);
}

void CommClock::sleepUs(qint64 us) {
    if (m_source)
        m_source->sleepUs(us);
    else
        QThread::usleep(ulong(us));
}

} // namespace qrt::comm
