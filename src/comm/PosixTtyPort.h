#pragma once

#include "comm/SerialPort.h"

namespace qrt::comm {

// A terminal device driven directly (raw mode, 9600 8N1, no handshaking). Used for
// pseudo-terminals such as the radio emulator's, where there is no serial hardware to set up.
class PosixTtyPort : public SerialPort {
public:
    explicit PosixTtyPort(const QString& device) : m_device(device) {}
    ~PosixTtyPort() override;

    bool open() override;
    bool close() override;
    bool isOpen() const override { return m_fd >= 0; }
    void clearOutput() override;
    void clearInput() override;
    bool send(const QByteArray& bytes) override;
    int bytesWaiting() override;
    QByteArray readWaiting() override;
    QString device() const override { return m_device; }

private:
    QString m_device;
    int m_fd = -1;
};

} // namespace qrt::comm
