#pragma once

#include <QElapsedTimer>

#include <functional>

namespace qrt::comm {

// Where the communication code's time comes from. The program runs on the machine's steady
// clock; a test may put in a clock whose time moves only while the communication code waits,
// so that how busy the machine is cannot change what a wait sees.
class CommTimeSource {
public:
    virtual ~CommTimeSource() = default;
    virtual qint64 nowUs() const = 0;
    virtual void sleepUs(qint64 us) = 0;
};

// The millisecond clock of the communication code, its polling wait and its plain sleep.
// The waits need no event loop: a read or write runs them on a thread of its own while
// the window stays live, and the stop request reaches them as a flag.
class CommClock {
public:
    CommClock() { m_timer.start(); }

    // The time source of the waits; nullptr (the default) is the machine's steady clock. The
    // source must outlive its use here.
    void setTimeSource(CommTimeSource* source) { m_source = source; }

    // Milliseconds since the clock was made.
    qint64 nowMs() const { return nowUs() / 1000; }
    qint64 nowUs() const { return m_source ? m_source->nowUs() : m_timer.nsecsElapsed() / 1000; }

    // Waits until the clock reads at least now + n + 2, calling onWait on every pass.
    void waitAtLeastMs(int n);
    // Sleeps without processing events.
    void sleepMs(int ms);

    // Called on every pass of a wait, on the waiting thread: a seam for tests that act
    // while the line is waited for, as a user ticking the stop box does.
    std::function<void()> onWait;
    // Called once as every wait begins, with its n: a seam for tests that count the polls
    // of a reply.
    std::function<void(int n)> onWaitStarted;

private:
    void sleepUs(qint64 us);

    QElapsedTimer m_timer;
    CommTimeSource* m_source = nullptr;
};

} // namespace qrt::comm
