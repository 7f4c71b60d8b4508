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
    post([transfer, job] { transfer->run(job); });
}

void TransferThread::post(std::function<void()> work) {
    QMetaObject::invokeMethod(
        m_transfer.get(),
        [work = std::move(work)] {
            if (!QThread::currentThread()->isInterruptionRequested())
                work();
        },
        Qt::QueuedConnection);
}

} // namespace qrt::comm
