#pragma once

#include "comm/SerialPort.h"

#include <memory>

class QSerialPort;

namespace qrt {

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

} // namespace qrt
