#include "comm/PortControl.h"

#include "comm/PortMap.h"
#include "core/ErrorLog.h"
#include "core/ProgramSettings.h"
#include "core/SettingsFile.h"

namespace qrt::comm {

namespace {

int errNumberOf(PortError kind) {
    switch (kind) {
    case PortError::PermissionDenied:
        return err::PermissionDenied;
    case PortError::NotFound:
    case PortError::Busy:
        return err::DeviceUnavailable;
    default:
        return err::IoDeviceError;
    }
}

} // namespace

PortControl::PortControl(SettingsFile& settings, ErrorLog& log, PortFactory factory, QString devDir)
    : m_settings(settings), m_log(log), m_factory(std::move(factory)), m_devDir(std::move(devDir)) {}

void PortControl::setPortNumber(int number) {
    if (number >= 1 && number <= PortCount)
        m_portNumber = number;
}

QString PortControl::deviceOf(int number) const {
    return portmap::deviceForPort(number, m_settings, m_devDir);
}

QString PortControl::currentDevice() const {
    return m_deviceOverride.isEmpty() ? deviceOf(m_portNumber) : m_deviceOverride;
}

bool PortControl::testPort(int p) const {
    if (p < 1 || p > PortCount)
        return false;
    const QString device = deviceOf(p);
    if (device.isEmpty())
        return false;
    std::unique_ptr<SerialPort> probe = m_factory(device);
    return probe->open() && probe->close();
}

bool PortControl::testAndRecordPort(int p) {
    if (p < 1 || p > PortCount)
        return false;
    const bool ok = testPort(p);
    recordVerdict(p, ok);
    return ok;
}

void PortControl::recordVerdict(int p, bool passed) {
    if (p >= 1 && p <= PortCount)
        m_tests[size_t(p - 1)] = passed ? PortTest::Passed : PortTest::Failed;
}

void PortControl::testAllPorts() {
    for (int p = 1; p <= PortCount; ++p)
        testAndRecordPort(p);
}

void PortControl::autoSetPort() {
    testAllPorts();
    adoptFirstPassedPort();
}

bool PortControl::adoptFirstPassedPort() {
    for (int p = 1; p <= PortCount; ++p) {
        if (m_tests[size_t(p - 1)] != PortTest::Passed)
            continue;
        if (!m_settings.write(key::SettingSection, QStringLiteral("COM"), QString::number(p)))
            m_log.logErr(QStringLiteral("mdifrmMain->AutoSetPort"), err::PathFileAccess);
        m_portNumber = p;
        return true;
    }
    return false;
}

void PortControl::logOpenFailure(PortError kind) {
    m_log.logErr(QStringLiteral("modCommun->OpenCom"), errNumberOf(kind));
}

} // namespace qrt::comm
