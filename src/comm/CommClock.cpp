#include "comm/CommClock.h"

#include <QThread>

namespace qrt {

void CommClock::delayNms(int n) {
    if (onDelay)
        onDelay(n);
    const qint64 until = nowMs() + qint64(qMax(0, n)) + 2;
    while (nowMs() < until) {
        if (onWait)
            onWait();
        // A short nap between passes keeps the wait from taking a whole core.
        QThread::usleep(200);
    }
}

void CommClock::pause(int ms) {
    if (ms > 0)
        QThread::msleep(ulong(ms));
}

} // namespace qrt
