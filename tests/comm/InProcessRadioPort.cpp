#include "InProcessRadioPort.h"

namespace qrt::test {

using namespace qrt::comm;

InProcessRadioPort::InProcessRadioPort(sim::SimRadio& radio, ReplyDelay delay, QStringList* commands)
    : m_radio(radio), m_delay(std::move(delay)), m_commands(commands) {
    m_clock.start();
}

void InProcessRadioPort::clearInput() {
    // What has arrived is thrown away; a reply still on its way arrives later.
    while (!m_out.empty() && m_out.front().dueMs <= m_clock.elapsed())
        m_out.pop_front();
}

bool InProcessRadioPort::send(const QByteArray& bytes) {
    if (!m_open)
        return false;
    m_in += bytes;
    for (;;) {
        const int length = m_radio.commandLength(m_in);
        if (length < 0) {
            m_in.remove(0, 1);
            continue;
        }
        if (length == 0)
            return true;
        const QByteArray command = m_in.left(length);
        m_in.remove(0, length);
        m_commands->append(QString::fromLatin1(command.toHex(' ').toUpper()));
        const qint64 due = m_clock.elapsed() + m_delay(command);
        for (char b : m_radio.execute(command))
            m_out.push_back({b, due});
    }
}

int InProcessRadioPort::bytesWaiting() {
    const qint64 now = m_clock.elapsed();
    int n = 0;
    for (const Byte& b : m_out) {
        if (b.dueMs > now)
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
