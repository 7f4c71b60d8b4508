#pragma once

#include "comm/SerialPort.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

namespace qrt {

class ErrorLog;
class SettingsFile;

// The one serial port of the program: the current port number, the open tests of the
// numbers 1..16 with their results, the automatic choice of a port, and opening and
// closing the port around an operation.
class PortControl {
public:
    using PortFactory = std::function<std::unique_ptr<SerialPort>(const QString& device)>;
    static constexpr int PortCount = 16;

    PortControl(SettingsFile& settings, ErrorLog& log, PortFactory factory = createSerialPort,
                QString devDir = QStringLiteral("/dev"));
    ~PortControl();

    int portNumber() const { return m_portNumber; }
    void setPortNumber(int number);
    // A device path used instead of the port number's device (a path given on the command line).
    void setDeviceOverride(const QString& device) { m_deviceOverride = device; }
    QString deviceOf(int number) const;
    QString currentDevice() const;

    // 1: the last open test of port p succeeded, -1: it failed, 0: not tested.
    int portStatus(int p) const { return (p >= 1 && p <= PortCount) ? m_status[size_t(p - 1)] : 0; }
    // Opens and closes port p; records and returns the result. Nothing is logged.
    bool verdictCom(int p);
    // The same test without recording it (the port dialog's own test).
    bool testPort(int p) const;
    void enableCom();
    // Tests every port and makes the lowest that passed current, writing it under "COM".
    // Nothing changes when no port passes.
    void autoSetPort();

    // Opens the current port. On failure openFailed() is set, the port dialog hook runs and
    // the failure is logged after it, and lastError() tells why.
    bool openCom();
    void closeCom();
    bool openFailed() const { return m_openFailed; }
    QString lastError() const { return m_lastError; }
    PortError lastErrorKind() const { return m_lastErrorKind; }
    SerialPort* port() { return m_port.get(); }

    // Shown when an open for an operation fails, so the user can choose another port.
    std::function<void()> showPortDialog;

private:
    SettingsFile& m_settings;
    ErrorLog& m_log;
    PortFactory m_factory;
    QString m_devDir;
    int m_portNumber = 1;
    QString m_deviceOverride;
    std::array<int, PortCount> m_status{};
    std::unique_ptr<SerialPort> m_port;
    bool m_openFailed = false;
    QString m_lastError;
    PortError m_lastErrorKind = PortError::None;
};

} // namespace qrt
