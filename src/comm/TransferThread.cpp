#include "comm/TransferThread.h"

namespace qrt::comm {

TransferThread::TransferThread(ErrorLog& errors, SerialPortFactory portFactory)
    : m_transfer(std::make_unique<RadioTransfer>(errors, std::move(portFactory))) {
    m_thread.setObjectName(QStringLiteral("radio transfer"));
    m_transfer->moveToThread(&m_thread);
    m_thread.start();
}

TransferThread::~TransferThread() {
    // A job still queued is dropped; a running one ends at its next reply wait.
    m_thread.requestInterruption();
    m_transfer->setStopRequested(true);
    m_thread.quit();
    m_thread.wait();
}

void TransferThread::start(const TransferJob& job) {
    RadioTransfer* transfer = m_transfer.get();
    QMetaObject::invokeMethod(
        transfer,
        [transfer, job] {
            if (!QThread::currentThread()->isInterruptionRequested())
                transfer->run(job);
        },
        Qt::QueuedConnection);
}

} // namespace qrt::comm
