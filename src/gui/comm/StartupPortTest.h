#pragma once

#include "comm/SerialPort.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <memory>

namespace qrt::gui::comm {

// The open tests of start-up, run off the window's thread so that a port whose open hangs
// cannot hold up the start: the stored port first and, when it fails or the first start
// asks for it, every port 1..16. The results arrive by finished() on the thread that made
// the object; nothing arrives once it is destroyed.
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
    void finished(const qrt::gui::comm::StartupPortTest::Results& results);

private:
    struct Relay;
    std::shared_ptr<Relay> m_relay;
};

} // namespace qrt::gui::comm

Q_DECLARE_METATYPE(qrt::gui::comm::StartupPortTest::Results)
