#pragma once

#include "comm/CommAddresses.h"
#include "comm/PortControl.h"
#include "comm/RadioLinkWindows.h"
#include "comm/StartupPortTest.h"
#include "comm/TransferJob.h"
#include "comm/TransferThread.h"

#include <QObject>

#include <memory>

namespace qrt {
class Document;
} // namespace qrt

namespace qrt::comm {

// What reading and writing the radio need for the whole run: the port and its number, the
// address ranges of the communication window, the thread the operations run on (an
// operation started while another runs is refused) and the count of double-clicks that
// reveal the engineering frames. Its commands open the communication window and the port
// dialog through the windows the user interface supplies.
class RadioLink : public QObject {
    Q_OBJECT
public:
    explicit RadioLink(Document& document, SerialPortFactory portFactory = createSerialPort, QObject* parent = nullptr);
    ~RadioLink() override;

    // The windows the commands open; without them the commands open nothing.
    void setWindows(std::unique_ptr<RadioLinkWindows> windows);

    Document& document() { return m_document; }
    PortControl& port() { return m_port; }
    CommAddresses& addresses() { return m_addresses; }
    TransferThread& transferThread() { return m_thread; }
    const SerialPortFactory& portFactory() const { return m_portFactory; }
    // Double-clicks on the window's top frame during this run.
    int& frameDoubleClicks() { return m_frameDoubleClicks; }
    // A change typed into one of the address boxes; a new highest address of the memory
    // viewer is announced.
    void changeAddress(CommAddresses::Box box, const QString& text);

    // Opens the communication window modally with only the Read or the Write button.
    void readRadio();
    void writeRadio();
    // Reads the radio into a copy and shows how it differs from the program's data.
    void compareWithRadio();

    // The window that reads or writes several radios in a row, modal.
    void programSeveralRadios();
    // A read or write of the document over the current port and the window's ranges, as the
    // communication window starts it; showBytes: "Not Show Course" unticked.
    TransferJob prepareJob(TransferJob::Kind kind, bool showBytes);
    // The port dialog, modal; portChanged follows.
    void choosePort();

    // The start-up test of the stored port (and the automatic search) off the window's
    // thread; its results are applied when they arrive.
    void startPortTest(bool searchPorts);
    void applyPortTest(const StartupPortTest::Results& results);

    // True while an operation runs: the window that started it refuses to close, and no
    // other can start one.
    bool operationRunning() const { return m_operationRunning; }
    void setOperationRunning(bool running) { m_operationRunning = running; }

Q_SIGNALS:
    // The current port number after the port dialog or the start-up test (status panel 2).
    void portChanged(int number);
    // "Show Memory Data" is ticked and an operation asks for the memory viewer's refresh.
    void memoryViewRefreshRequested();
    // "Grid Max Addr" holds a new address.
    void tableMaxAddrChanged(int address);

private:
    void openWindow(TransferJob::Kind kind);

    Document& m_document;
    SerialPortFactory m_portFactory;
    PortControl m_port;
    CommAddresses m_addresses;
    TransferThread m_thread;
    std::unique_ptr<RadioLinkWindows> m_windows;
    std::unique_ptr<StartupPortTest> m_startupTest;
    int m_frameDoubleClicks = 0;
    bool m_operationRunning = false;
};

} // namespace qrt::comm
