#pragma once

#include "comm/SerialPort.h"

#include <QString>

namespace qrt::test {

using namespace qrt::comm;

// A port that opens when it is usable; otherwise the open fails with the given error
// (by default: the device does not exist) and the system's detail.
class StandInPort : public SerialPort {
public:
    StandInPort(QString device, bool usable, PortError failure = PortError::NotFound, QString failureDetail = {})
        : m_device(std::move(device)), m_usable(usable), m_failure(failure), m_failureDetail(std::move(failureDetail)) {
    }
    bool open() override {
        m_open = m_usable;
        if (!m_usable)
            setError(m_failure, m_failureDetail);
        return m_usable;
    }
    bool close() override {
        m_open = false;
        return true;
    }
    bool isOpen() const override { return m_open; }
    void clearOutput() override {}
    void clearInput() override {}
    bool send(const QByteArray&) override { return m_open; }
    int bytesWaiting() override { return 0; }
    QByteArray readWaiting() override { return {}; }
    QString device() const override { return m_device; }

private:
    QString m_device;
    bool m_usable;
    PortError m_failure;
    QString m_failureDetail;
    bool m_open = false;
};

} // namespace qrt::test
