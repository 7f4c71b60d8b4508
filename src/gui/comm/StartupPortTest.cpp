#include "gui/comm/StartupPortTest.h"

#include <QMetaObject>

#include <mutex>
#include <thread>

namespace qrt::gui::comm {

// Shared between the object and the test thread: the thread may outlive the object (an open
// that never returns), so it delivers only while the object still exists.
struct StartupPortTest::Relay {
    std::mutex mutex;
    StartupPortTest* receiver = nullptr;
};

namespace {

bool opensAndCloses(const QString& device, const SerialPortFactory& factory) {
    if (device.isEmpty())
        return false;
    std::unique_ptr<SerialPort> probe = factory(device);
    return probe->open() && probe->close();
}

} // namespace

StartupPortTest::Results StartupPortTest::run(int storedPort, bool searchPorts, const QStringList& devices,
                                              const SerialPortFactory& factory) {
    Results results;
    results.storedPort = storedPort;
    const bool storedPassed = opensAndCloses(devices.value(storedPort - 1), factory);
    results.verdicts << qMakePair(storedPort, storedPassed);
    if (storedPassed && !searchPorts)
        return results;
    results.searched = true;
    for (int p = 1; p <= devices.size(); ++p)
        results.verdicts << qMakePair(p, opensAndCloses(devices.at(p - 1), factory));
    return results;
}

StartupPortTest::StartupPortTest(int storedPort, bool searchPorts, const QStringList& devices,
                                 SerialPortFactory factory, QObject* parent)
    : QObject(parent), m_relay(std::make_shared<Relay>()) {
    qRegisterMetaType<Results>();
    m_relay->receiver = this;
    std::thread([relay = m_relay, storedPort, searchPorts, devices, factory = std::move(factory)] {
        const Results results = run(storedPort, searchPorts, devices, factory);
        const std::lock_guard<std::mutex> lock(relay->mutex);
        if (relay->receiver)
            QMetaObject::invokeMethod(
                relay->receiver, [receiver = relay->receiver, results] { Q_EMIT receiver->finished(results); },
                Qt::QueuedConnection);
    }).detach();
}

StartupPortTest::~StartupPortTest() {
    const std::lock_guard<std::mutex> lock(m_relay->mutex);
    m_relay->receiver = nullptr;
}

} // namespace qrt::gui::comm
