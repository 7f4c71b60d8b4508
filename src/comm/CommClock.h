#pragma once

#include <QElapsedTimer>

#include <functional>

namespace qrt::comm {

// The millisecond clock of the communication code, its polling wait and its plain sleep.
// The waits need no event loop: a read or write runs them on a thread of its own while
// the window stays live, and the stop request reaches them as a flag.
class CommClock {
public:
    CommClock() { m_timer.start(); }

    // Milliseconds since the clock was made.
    qint64 nowMs() const { return m_timer.elapsed(); }

    // Waits until the clock reads at least now + n + 2, calling onWait on every pass.
    void waitAtLeastMs(int n);
    // Sleeps without processing events.
    static void sleepMs(int ms);

    // Called on every pass of a wait, on the waiting thread: a seam for tests that act
    // while the line is waited for, as a user ticking the stop box does.
    std::function<void()> onWait;
    // Called once as every wait begins, with its n: a seam for tests that count the polls
    // of a reply.
    std::function<void(int n)> onWaitStarted;

private:
    QElapsedTimer m_timer;
};

} // namespace qrt::comm
