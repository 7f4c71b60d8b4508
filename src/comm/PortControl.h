#pragma once

#include "comm/SerialPort.h"

#include <QString>

#include <array>

namespace qrt {
class ErrorLog;
class SettingsFile;
} // namespace qrt

namespace qrt::comm {

// What the last open test of a port found.
enum class PortTest { NotTested, Passed, Failed };

// The one serial port of the program: the current port number, the open tests of the
// numbers 1..16 with their results and the automatic choice of a port. A read or write
// opens the device itself, on the thread it runs on (RadioTransfer).
class PortControl {
public:
    using PortFactory = SerialPortFactory;
    static constexpr int PortCount = 16;

    PortControl(SettingsFile& settings, ErrorLog& log, PortFactory factory = createSerialPort,
                QString devDir = QStringLiteral("/dev"));

    int portNumber() const { return m_portNumber; }
    void setPortNumber(int number);
    // A device path used instead of the port number's device (a path given on the command line).
    void setDeviceOverride(const QString& device) { m_deviceOverride = device; }
    QString deviceOf(int number) const;
    QString currentDevice() const;

    // The last open test of port p.
    PortTest portTest(int p) const { return (p >= 1 && p <= PortCount) ? m_tests[size_t(p - 1)] : PortTest::NotTested; }
    // Opens and closes port p; records and returns the result. Nothing is logged.
    bool testAndRecordPort(int p);
    // The same test without recording it (the port dialog's own test).
    bool testPort(int p) const;
    // Tests every port and records each result.
    void testAllPorts();
    // Records the result of an open test made elsewhere (the start-up test off the window's thread).
    void recordVerdict(int p, bool passed);
    // Tests every port and makes the lowest that passed current, writing it under "COM".
    // Nothing changes when no port passes.
    void autoSetPort();
    // The second half of autoSetPort: the lowest port whose last test passed becomes current
    // and is written under "COM". False when no port passed.
    bool adoptFirstPassedPort();

    // Logs that the port of an operation did not open ("modCommun->OpenCom"). The caller
    // shows the port dialog first, so that the user can choose another port, and logs
    // when it has closed.
    void logOpenFailure(PortError kind);

private:
    SettingsFile& m_settings;
    ErrorLog& m_log;
    PortFactory m_factory;
    QString m_devDir;
    int m_portNumber = 1;
    QString m_deviceOverride;
    std::array<PortTest, PortCount> m_tests{};
};

} // namespace qrt::comm
