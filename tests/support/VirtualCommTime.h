#pragma once

#include "comm/CommClock.h"

#include <atomic>

namespace qrt::test {

// A clock for the communication code whose time moves only when that code sleeps or waits:
// a reply due 3 ms after its command arrives after 3 ms of the code's own waiting, however
// busy the machine is, and a wait of seconds takes no time at all.
class VirtualCommTime : public comm::CommTimeSource {
public:
    qint64 nowUs() const override { return m_nowUs.load(); }
    void sleepUs(qint64 us) override { m_nowUs += us > 0 ? us : 0; }

private:
    std::atomic<qint64> m_nowUs{0};
};

} // namespace qrt::test
