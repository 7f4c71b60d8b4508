#pragma once

#include "comm/SerialPort.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <memory>

class QThread;

namespace qrt::comm {

// The open tests of start-up, run on a thread of their own so that a slow open cannot hold
// up the window: the stored port first and, when it fails or the first start asks for it,
// every port 1..16. The results arrive by finished() on the thread that made the object.
// Destroying the object stops the tests after the open under way and waits a moment for it;
// an open that does not return by then is left to finish on its own (or with the process),
// so that a hanging port never holds up quitting. Nothing arrives afterwards.
class StartupPortTest : public QObject {
    Q_OBJECT
public:
    struct Results {
        int storedPort = 1;
        // Port number and whether its open test passed, in the order tested.
        QList<QPair<int, bool>> verdicts;
        bool searched = false; // every port was tested (the automatic search)
    };

    // devices: the device of each port 1..16 (index 0 is port 1; empty: no device).
    StartupPortTest(int storedPort, bool searchPorts, const QStringList& devices, SerialPortFactory factory,
                    QObject* parent = nullptr);
    ~StartupPortTest() override;

    // The tests of one run, on the calling thread.
    static Results run(int storedPort, bool searchPorts, const QStringList& devices, const SerialPortFactory& factory);

Q_SIGNALS:
    void finished(const qrt::comm::StartupPortTest::Results& results);

private:
    std::unique_ptr<QThread> m_thread;
    // Written by the thread, read once it has finished; shared, as the thread may outlive us.
    std::shared_ptr<Results> m_results = std::make_shared<Results>();
};

} // namespace qrt::comm

Q_DECLARE_METATYPE(qrt::comm::StartupPortTest::Results)
