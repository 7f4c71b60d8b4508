#include "comm/QtSerialPortDevice.h"

#include "comm/PortMap.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>

#ifndef Q_OS_WIN
#include <cerrno>
#include <sys/file.h>
#endif

namespace qrt::comm {

SerialDeviceInfo serialDeviceInfo(const QString& device) {
    SerialDeviceInfo info;
    const QString canonical = QFileInfo(device).canonicalFilePath();
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        const bool same = port.systemLocation() == device || port.portName() == device ||
                          (!canonical.isEmpty() && QFileInfo(port.systemLocation()).canonicalFilePath() == canonical);
        if (!same)
            continue;
        info.description = port.description();
        info.manufacturer = port.manufacturer();
        info.hasUsbIds = port.hasVendorIdentifier() && port.hasProductIdentifier();
        info.vendorId = port.vendorIdentifier();
        info.productId = port.productIdentifier();
        break;
    }
    return info;
}

QtSerialPortDevice::QtSerialPortDevice(const QString& device)
    : m_device(device), m_port(std::make_unique<QSerialPort>()) {
    m_port->setPortName(device);
}

QtSerialPortDevice::~QtSerialPortDevice() = default;

bool QtSerialPortDevice::open() {
    setError(PortError::None, {});
    if (m_port->isOpen())
        return true;
    m_port->setReadBufferSize(0);
    if (!m_port->open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError e = m_port->error();
        PortError kind = PortError::Other;
        if (e == QSerialPort::DeviceNotFoundError)
            kind = PortError::NotFound;
        else if (e == QSerialPort::PermissionError)
            kind = portmap::lacksAccess(m_device) ? PortError::PermissionDenied : PortError::Busy;
        setError(kind, m_port->errorString());
        m_port->clearError();
        return false;
    }
#ifndef Q_OS_WIN
    // The library's lock file keeps out the programs that look for it; the lock on the
    // device itself also keeps out those that open it directly (see PosixTtyPort).
    if (::flock(int(m_port->handle()), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        m_port->close();
        m_port->clearError();
        setError(PortError::Busy, {});
        return false;
    }
#endif
    const bool configured = m_port->setBaudRate(QSerialPort::Baud9600) && m_port->setDataBits(QSerialPort::Data8) &&
                            m_port->setParity(QSerialPort::NoParity) && m_port->setStopBits(QSerialPort::OneStop) &&
                            m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        setError(PortError::Other, m_port->errorString());
        m_port->close();
        m_port->clearError();
        return false;
    }
    return true;
}

bool QtSerialPortDevice::close() {
    if (m_port->isOpen())
        m_port->close();
    const bool ok = m_port->error() == QSerialPort::NoError;
    if (!ok)
        setError(PortError::Other, m_port->errorString());
    m_port->clearError();
    return ok;
}

bool QtSerialPortDevice::isOpen() const {
    return m_port->isOpen();
}

void QtSerialPortDevice::clearOutput() {
    if (m_port->isOpen())
        m_port->clear(QSerialPort::Output);
}

void QtSerialPortDevice::clearInput() {
    if (m_port->isOpen())
        m_port->clear(QSerialPort::Input);
}

bool QtSerialPortDevice::send(const QByteArray& bytes) {
    if (!m_port->isOpen() || m_port->write(bytes) != bytes.size())
        return false;
    // Pushed out now: the caller polls for the reply without running an event loop.
    while (m_port->bytesToWrite() > 0) {
        if (!m_port->waitForBytesWritten(1000))
            return false;
    }
    return true;
}

int QtSerialPortDevice::bytesWaiting() {
    if (!m_port->isOpen())
        return 0;
    // Takes in whatever the driver holds without waiting.
    m_port->waitForReadyRead(0);
    if (m_port->error() == QSerialPort::TimeoutError)
        m_port->clearError();
    return int(m_port->bytesAvailable());
}

QByteArray QtSerialPortDevice::readWaiting() {
    if (!m_port->isOpen())
        return {};
    bytesWaiting();
    return m_port->readAll();
}

} // namespace qrt::comm
