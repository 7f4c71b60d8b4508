#include "comm/StartupPortTest.h"

#include <QDeadlineTimer>
#include <QThread>

#include <functional>

namespace qrt::comm {

namespace {

// How long quitting waits for a port open under way.
constexpr int QuitWaitMs = 1000;

bool opensAndCloses(const QString& device, const SerialPortFactory& factory) {
    if (device.isEmpty())
        return false;
    std::unique_ptr<SerialPort> probe = factory(device);
    return probe->open() && probe->close();
}

// The tests of one run; stopRequested is asked between two ports.
StartupPortTest::Results testPorts(int storedPort, bool searchPorts, const QStringList& devices,
                                   const SerialPortFactory& factory, const std::function<bool()>& stopRequested) {
    StartupPortTest::Results results;
    results.storedPort = storedPort;
    const bool storedPassed = opensAndCloses(devices.value(storedPort - 1), factory);
    results.verdicts << qMakePair(storedPort, storedPassed);
    if (storedPassed && !searchPorts)
        return results;
    results.searched = true;
    for (int p = 1; p <= devices.size() && !stopRequested(); ++p)
        results.verdicts << qMakePair(p, opensAndCloses(devices.at(p - 1), factory));
    return results;
}

} // namespace

StartupPortTest::Results StartupPortTest::run(int storedPort, bool searchPorts, const QStringList& devices,
                                              const SerialPortFactory& factory) {
    return testPorts(storedPort, searchPorts, devices, factory, [] { return false; });
}

StartupPortTest::StartupPortTest(int storedPort, bool searchPorts, const QStringList& devices,
                                 SerialPortFactory factory, QObject* parent)
    : QObject(parent) {
    qRegisterMetaType<Results>();
    m_thread.reset(
        QThread::create([results = m_results, storedPort, searchPorts, devices, factory = std::move(factory)] {
            *results = testPorts(storedPort, searchPorts, devices, factory,
                                 [] { return QThread::currentThread()->isInterruptionRequested(); });
        }));
    // QThread::finished is sent from the ending thread; the results are handed on here, on
    // the thread of this object, and not at all once it is gone.
    connect(
        m_thread.get(), &QThread::finished, this, [this] { Q_EMIT finished(*m_results); }, Qt::QueuedConnection);
    m_thread->start();
}

StartupPortTest::~StartupPortTest() {
    m_thread->requestInterruption();
    if (!m_thread->wait(QDeadlineTimer(QuitWaitMs))) {
        // The open under way does not return. The thread keeps only what it shares with
        // nobody else; it ends when the open does, or with the process.
        disconnect(m_thread.get(), nullptr, this, nullptr);
        (void)m_thread.release();
    }
}

} // namespace qrt::comm
