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
        // A short nap between passes keeps the wait from taking a whole core.
        QThread::usleep(200);
    }
}

void CommClock::sleepMs(int ms) {
    if (ms > 0)
        QThread::msleep(ulong(ms));
}

} // namespace qrt::comm
