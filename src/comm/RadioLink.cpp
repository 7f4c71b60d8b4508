#include "comm/RadioLink.h"

#include "comm/DocumentTransfer.h"
#include "core/AppContext.h"
#include "document/Document.h"

namespace qrt::comm {

RadioLink::RadioLink(Document& document, SerialPortFactory portFactory, QObject* parent)
    : QObject(parent), m_document(document), m_portFactory(portFactory),
      m_port(document.context().settings(), document.context().errorLog(), portFactory),
      m_addresses(document.context().settings(), document.context().errorLog(), document.context().program()),
      m_thread(document.context().errorLog(), std::move(portFactory)) {
    m_port.setPortNumber(document.context().program().portNumber);
}

RadioLink::~RadioLink() = default;

void RadioLink::setWindows(std::unique_ptr<RadioLinkWindows> windows) {
    m_windows = std::move(windows);
}

void RadioLink::readRadio() {
    openWindow(TransferJob::Read);
}

void RadioLink::writeRadio() {
    // A tone being chosen in the grid is stored before the window opens.
    m_document.encodeChannels();
    openWindow(TransferJob::Write);
}

void RadioLink::programSeveralRadios() {
    if (m_operationRunning || !m_windows)
        return;
    m_windows->showSeriesWindow(*this);
}

TransferJob RadioLink::prepareJob(TransferJob::Kind kind, bool showBytes) {
    TransferJob job;
    job.kind = kind;
    job.device = m_port.currentDevice();
    job.portNumber = m_port.portNumber();
    job.readStart = m_addresses.value(CommAddresses::ReadStart);
    job.readEnd = m_addresses.value(CommAddresses::ReadEnd);
    job.writeStart = m_addresses.value(CommAddresses::WriteStart);
    job.writeEnd = m_addresses.value(CommAddresses::WriteEnd);
    job.showBytes = showBytes;
    fillTransferJob(m_document, job);
    return job;
}

void RadioLink::openWindow(TransferJob::Kind kind) {
    if (m_operationRunning || !m_windows)
        return;
    m_windows->showTransferWindow(*this, kind);
}

void RadioLink::compareWithRadio() {
    if (m_operationRunning || !m_windows)
        return;
    // The channel being edited counts as the program's data.
    m_document.encodeChannels();
    m_windows->showRadioComparison(*this);
}

void RadioLink::changeAddress(CommAddresses::Box box, const QString& text) {
    const int before = m_addresses.value(box);
    m_addresses.setText(box, text);
    if (box == CommAddresses::MaxAddr && m_addresses.value(box) != before)
        Q_EMIT tableMaxAddrChanged(m_addresses.value(box));
}

void RadioLink::choosePort() {
    if (m_windows)
        m_windows->showPortDialog(*this);
    Q_EMIT portChanged(m_port.portNumber());
}

void RadioLink::startPortTest(bool searchPorts) {
    QStringList devices;
    for (int p = 1; p <= PortControl::PortCount; ++p)
        devices << m_port.deviceOf(p);
    m_startupTest = std::make_unique<StartupPortTest>(m_port.portNumber(), searchPorts, devices, m_portFactory);
    connect(m_startupTest.get(), &StartupPortTest::finished, this, &RadioLink::applyPortTest);
}

void RadioLink::applyPortTest(const StartupPortTest::Results& results) {
    for (const auto& [number, passed] : results.verdicts)
        m_port.recordVerdict(number, passed);
    // A port the user chose meanwhile in the port dialog stays.
    if (results.searched && m_port.portNumber() == results.storedPort)
        m_port.adoptFirstPassedPort();
    Q_EMIT portChanged(m_port.portNumber());
}

} // namespace qrt::comm
