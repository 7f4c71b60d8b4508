#pragma once

#include <QElapsedTimer>

#include <functional>

namespace qrt {

// The millisecond clock of the communication code, its event-processing wait and its
// plain pause.
class CommClock {
public:
    CommClock() { m_timer.start(); }

    // Milliseconds since the clock was made.
    qint64 nowMs() const { return m_timer.elapsed(); }

    // Waits until the clock reads at least now + n + 2, calling the event hook on every
    // pass, so that a stop request or a close request can be handled while waiting.
    void delayNms(int n);
    // Sleeps without processing events.
    static void pause(int ms);

    // Lets the caller process its pending events (a window's stop box, say).
    std::function<void()> processEvents;

private:
    QElapsedTimer m_timer;
};

} // namespace qrt
