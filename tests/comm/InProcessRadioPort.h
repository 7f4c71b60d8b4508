#pragma once

#include "OpeningPort.h"
#include "SimRadio.h"
#include "comm/CommClock.h"

#include <QStringList>

#include <deque>
#include <functional>

namespace qrt::test {

using namespace qrt::comm;

// The emulated radio inside the test process, behind a SerialPort, on the clock the
// communication code waits on. Bytes take their time on the line as on the emulator's
// pseudo-terminal: a command is answered a turnaround time after its last byte has arrived,
// with the radio's faults, and each byte takes its time at the line speed. Since the clock
// moves only while the code waits, every reply comes exactly as late as asked.
class InProcessRadioPort : public OpeningPort {
public:
    // Extra milliseconds before the reply to a command (beyond the turnaround).
    using ReplyDelay = std::function<int(const QByteArray& command)>;

    struct Line {
        int baud = 0;          // 0: bytes take no time
        int turnaroundMs = 3;  // from a command's last byte to its reply
        ReplyDelay replyDelay; // none: no extra delay
    };

    // Every command received is added to `commands` as hex bytes ("57 03 79 05 ...").
    InProcessRadioPort(sim::SimRadio& radio, sim::Faults& faults, const CommTimeSource& time, Line line,
                       QStringList* commands);

    void clearInput() override;
    bool send(const QByteArray& bytes) override;
    int bytesWaiting() override;
    QByteArray readWaiting() override;
    QString device() const override { return QStringLiteral("in-process radio"); }

private:
    struct TimedByte {
        char value;
        qint64 dueUs; // when it has fully crossed the line
    };

    sim::SimRadio& m_radio;
    sim::Faults& m_faults;
    const CommTimeSource& m_time;
    Line m_line;
    qint64 m_byteUs;
    QStringList* m_commands;
    std::deque<TimedByte> m_in;
    qint64 m_inLineFreeUs = 0;
    std::deque<TimedByte> m_out;
    qint64 m_outLineFreeUs = 0;
};

} // namespace qrt::test
