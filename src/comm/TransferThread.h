#pragma once

#include "comm/RadioTransfer.h"

#include <QThread>

#include <functional>
#include <memory>

namespace qrt::comm {

// A RadioTransfer on a thread of its own, so that a window stays live (repaints, the lamp,
// the stop box) while the radio is read or written. Connect to transfer()'s signals with a
// receiver on the window's thread: they arrive there queued, as they happen.
class TransferThread {
public:
    explicit TransferThread(ErrorLog& errors, SerialPortFactory portFactory = createSerialPort);
    // Asks a running operation to stop and waits for it to end.
    ~TransferThread();
    TransferThread(const TransferThread&) = delete;
    TransferThread& operator=(const TransferThread&) = delete;

    RadioTransfer& transfer() { return *m_transfer; }
    // Starts a job on the thread; its outcome arrives by RadioTransfer::finished().
    void start(const TransferJob& job);
    // Runs other work with the port on the thread, in turn with the operations (the
    // question whether a radio is there, between the operations of several radios).
    void post(std::function<void()> work);

private:
    QThread m_thread;
    std::unique_ptr<RadioTransfer> m_transfer;
};

} // namespace qrt::comm
