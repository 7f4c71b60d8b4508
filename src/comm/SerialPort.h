#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace qrt::comm {

// Why an open failed, so the caller can tell the user what to do about it.
enum class PortError { None, NotFound, PermissionDenied, Busy, Other };

// The serial line as the communication code sees it: 9600 baud, 8 data bits, no parity,
// 1 stop bit, no handshaking, polled (no receive events). Nothing else is needed.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens the device at the fixed line settings; false with error() and errorDetail() set.
    virtual bool open() = 0;
    virtual bool close() = 0;
    virtual bool isOpen() const = 0;
    // The input is always binary here; kept so the scripts can ask for it like the wire code expects.
    virtual void setBinaryMode() {}
    virtual void clearOutput() = 0;
    virtual void clearInput() = 0;
    virtual bool send(const QByteArray& bytes) = 0;
    virtual int bytesWaiting() = 0;
    virtual QByteArray readWaiting() = 0;

    virtual QString device() const = 0;
    PortError error() const { return m_error; }
    // The system's own words for the failure, when it gave any (see portmap::openFailureText).
    QString errorDetail() const { return m_errorDetail; }

protected:
    void setError(PortError error, const QString& detail) {
        m_error = error;
        m_errorDetail = detail;
    }

private:
    PortError m_error = PortError::None;
    QString m_errorDetail;
};

// Makes the port object for a device path: a pseudo-terminal gets the plain terminal
// implementation, everything else the serial port library.
std::unique_ptr<SerialPort> createSerialPort(const QString& device);

// Makes the port object for a device path (createSerialPort, or a stand-in in the tests).
using SerialPortFactory = std::function<std::unique_ptr<SerialPort>(const QString& device)>;

} // namespace qrt::comm
