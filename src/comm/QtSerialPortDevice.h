#pragma once

#include "comm/SerialPort.h"

#include <memory>

class QSerialPort;

namespace qrt::comm {

// What the system tells about the adapter behind a serial device, where it knows it.
struct SerialDeviceInfo {
    QString description;
    QString manufacturer;
    bool hasUsbIds = false;
    quint16 vendorId = 0;
    quint16 productId = 0;
};
// Looks the device (a path or a port name; links are followed) up among the system's
// serial ports; empty fields when the system does not know it.
SerialDeviceInfo serialDeviceInfo(const QString& device);

// A serial device (a COM port, a USB serial adapter) through the serial port library.
class QtSerialPortDevice : public SerialPort {
public:
    explicit QtSerialPortDevice(const QString& device);
    ~QtSerialPortDevice() override;

    bool open() override;
    bool close() override;
    bool isOpen() const override;
    void clearOutput() override;
    void clearInput() override;
    bool send(const QByteArray& bytes) override;
    int bytesWaiting() override;
    QByteArray readWaiting() override;
    QString device() const override { return m_device; }

private:
    QString m_device;
    std::unique_ptr<QSerialPort> m_port;
};

} // namespace qrt::comm
