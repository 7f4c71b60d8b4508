#include "comm/RadioPresence.h"

#include <QElapsedTimer>
#include <QThread>

namespace qrt::comm {

namespace {
const QByteArray Handshake = QByteArrayLiteral("PROGRAM");
constexpr char Acknowledge = 0x06;
} // namespace

RadioPresence askRadioPresence(const SerialPortFactory& portFactory, const QString& device, int replyWindowMs,
                               const std::atomic<bool>& stop) {
    RadioPresence presence;
    if (device.isEmpty()) {
        presence.answer = RadioPresence::NoPort;
        presence.portError = PortError::NotFound;
        return presence;
    }
    const std::unique_ptr<SerialPort> port = portFactory(device);
    if (!port->open()) {
        presence.answer = RadioPresence::NoPort;
        presence.portError = port->error();
        presence.portErrorDetail = port->errorDetail();
        return presence;
    }
    port->setBinaryMode();
    port->clearOutput();
    port->clearInput();
    if (port->send(Handshake)) {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            if (stop) {
                presence.answer = RadioPresence::Stopped;
                break;
            }
            const bool windowOver = waited.elapsed() > replyWindowMs;
            if (port->bytesWaiting() > 0) {
                const QByteArray reply = port->readWaiting();
                presence.answer = reply.startsWith(Acknowledge) ? RadioPresence::Answered : RadioPresence::Silent;
                break;
            }
            if (windowOver)
                break;
            QThread::msleep(1);
        }
    }
    port->close();
    return presence;
}

} // namespace qrt::comm
