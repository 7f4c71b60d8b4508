#include "InProcessRadioPort.h"

namespace qrt::test {

using namespace qrt::comm;

InProcessRadioPort::InProcessRadioPort(sim::SimRadio& radio, sim::Faults& faults, const CommTimeSource& time, Line line,
                                       QStringList* commands)
    : m_radio(radio), m_faults(faults), m_time(time), m_line(std::move(line)),
      m_byteUs(m_line.baud > 0 ? 10'000'000 / m_line.baud : 0), m_commands(commands) {}

void InProcessRadioPort::clearInput() {
    // What has arrived is thrown away; a reply still on its way arrives later.
    const qint64 now = m_time.nowUs();
    while (!m_out.empty() && m_out.front().dueUs <= now)
        m_out.pop_front();
}

bool InProcessRadioPort::send(const QByteArray& bytes) {
    if (!m_open)
        return false;
    const qint64 now = m_time.nowUs();
    for (char b : bytes) {
        m_inLineFreeUs = qMax(now, m_inLineFreeUs) + m_byteUs;
        m_in.push_back({b, m_inLineFreeUs});
    }
    QByteArray pending;
    for (const TimedByte& b : m_in)
        pending.append(b.value);
    // The radio takes each whole command as its last byte arrives; what starts no command is
    // dropped.
    for (;;) {
        const int length = m_radio.commandLength(pending);
        if (length == 0)
            return true;
        if (length < 0) {
            pending.remove(0, 1);
            m_in.pop_front();
            continue;
        }
        const QByteArray command = pending.left(length);
        const qint64 arrivedUs = m_in[size_t(length - 1)].dueUs;
        pending.remove(0, length);
        m_in.erase(m_in.begin(), m_in.begin() + length);
        m_commands->append(QString::fromLatin1(command.toHex(' ').toUpper()));
        const sim::FaultedReply reply = sim::replyWithFaults(m_radio, m_faults, command);
        const qint64 extraMs = m_line.replyDelay ? m_line.replyDelay(command) : 0;
        qint64 t =
            qMax(arrivedUs + (m_line.turnaroundMs + extraMs) * 1000 + reply.extraDelayNs / 1000, m_outLineFreeUs);
        for (char b : reply.bytes) {
            t += m_byteUs;
            m_out.push_back({b, t});
        }
        if (!reply.bytes.isEmpty())
            m_outLineFreeUs = t;
    }
}

int InProcessRadioPort::bytesWaiting() {
    const qint64 now = m_time.nowUs();
    int n = 0;
    for (const TimedByte& b : m_out) {
        if (b.dueUs > now)
            break;
        ++n;
    }
    return n;
}

QByteArray InProcessRadioPort::readWaiting() {
    QByteArray bytes;
    for (int n = bytesWaiting(); n > 0; --n) {
        bytes.append(m_out.front().value);
        m_out.pop_front();
    }
    return bytes;
}

} // namespace qrt::test
