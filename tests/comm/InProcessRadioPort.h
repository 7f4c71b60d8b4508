#pragma once

#include "SimRadio.h"
#include "comm/SerialPort.h"

#include <QElapsedTimer>
#include <QStringList>

#include <deque>
#include <functional>

namespace qrt::test {

using namespace qrt::comm;

// The emulated radio inside the test process, behind a SerialPort: a command is carried out
// as soon as its last byte is sent, and its reply can be read once the delay chosen for that
// command has passed. A late reply thus comes exactly as late as asked, however busy the
// machine is.
class InProcessRadioPort : public SerialPort {
public:
    // Milliseconds from a command to its reply.
    using ReplyDelay = std::function<int(const QByteArray& command)>;

    // Every command received is added to `commands` as hex bytes ("57 03 79 05 ...").
    InProcessRadioPort(sim::SimRadio& radio, ReplyDelay delay, QStringList* commands);

    bool open() override { return m_open = true; }
    bool close() override {
        m_open = false;
        return true;
    }
    bool isOpen() const override { return m_open; }
    void clearOutput() override {}
    void clearInput() override;
    bool send(const QByteArray& bytes) override;
    int bytesWaiting() override;
    QByteArray readWaiting() override;
    QString device() const override { return QStringLiteral("in-process radio"); }

private:
    struct Byte {
        char value;
        qint64 dueMs;
    };

    sim::SimRadio& m_radio;
    ReplyDelay m_delay;
    QStringList* m_commands;
    QElapsedTimer m_clock;
    bool m_open = false;
    QByteArray m_in;
    std::deque<Byte> m_out;
};

} // namespace qrt::test
