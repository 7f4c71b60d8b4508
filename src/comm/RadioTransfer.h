#pragma once

#include "comm/CommClock.h"
#include "comm/CommLog.h"
#include "comm/ProtocolEngine.h"
#include "comm/TransferJob.h"

#include <QObject>
#include <QSet>

#include <atomic>
#include <memory>

namespace qrt {
class ErrorLog;
} // namespace qrt

namespace qrt::comm {

// The bytes a write changes in the image before it sends it: the forced program options and
// a side key's presses made equal.
void forceWrittenBytes(RadioImage& image);
// What a radio holds after a write of the job, whose read back gave `radio`: the image with
// the bytes the write forces, its model and band, and the probe's mark when the radio has it.
// The radio's own parameters (writeLeavesToRadio) are beyond what a job tells.
RadioImage imageAsWritten(const TransferJob& job, const RadioImage& radio);
bool writeLeavesToRadio(int address);

// The read and write operations of the communication window, without the window.
//
// A worker object: a window moves it to a thread of its own (TransferThread) and starts a
// job with run(); what the window shows while the operation runs (progress, status, the
// stop box, the lamp, the data log) arrives through the signals, the result through
// finished(). execute() runs a job on the calling thread instead (the command-line tool,
// the tests). The object lives as long as the program, so that the slow mode of the line,
// once entered, stays (ProtocolEngine).
class RadioTransfer : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxFailures = 20;
    static constexpr int FixedAttempts = 16;
    static constexpr int ProbeAttempts = 3;
    static inline const QByteArray EndSequence = QByteArray::fromHex("455AA5322345F2");

    explicit RadioTransfer(ErrorLog& errors, SerialPortFactory portFactory = createSerialPort,
                           QObject* parent = nullptr);
    ~RadioTransfer() override;

    // Runs a job on the calling thread; the outcome is also signalled by finished().
    TransferOutcome execute(const TransferJob& job);

    // Safe from any thread: the stop box ticked or unticked. The operation looks at it where
    // the window's stop box is read: in every reply wait and after each failed step.
    void setStopRequested(bool on) { m_stopRequested = on; }
    bool stopRequested() const { return m_stopRequested; }
    // Safe from any thread: "Not Show Course" unticked, so that byte lines are logged.
    void setShowBytes(bool on) { m_log.showBytes = on; }

    // Between operations, or on the thread that runs one.
    CommClock& clock() { return m_clock; }
    const ProtocolEngine& engine() const { return m_engine; }
    const CommLog& log() const { return m_log; }

public Q_SLOTS:
    // Runs a job on the object's thread (a queued call from the window).
    void run(const qrt::comm::TransferJob& job);

Q_SIGNALS:
    void progressChanged(int percent);        // the progress bar
    void statusChanged(const QString& text);  // the status label
    void stopBoxShown(bool shown);            // the stop box; hiding it also unticks it
    void lampChanged(bool blinking);          // the blinking lamp
    void operationActiveChanged(bool active); // the window refuses to close while true
    void logCleared();                        // the data log was emptied
    void logLineAdded(int index, const QString& line);
    void finished(const qrt::comm::TransferOutcome& outcome);

private:
    TransferResult read();
    TransferResult write();
    // Ok when the port is open and the operation may talk to the radio.
    TransferResult beginOperation(TransferDirection direction, bool freshLog = true);
    bool openPort();
    void closePort();
    TransferResult runSteps(TransferDirection direction, RadioImage& target);
    void showProgress(int percent);
    void showStopBox(bool shown);
    QString text(TextId id) const;
    // Adds the interface text message to the outcome's problems.
    void tellProblem(TextId message);
    // One fixed exchange of the write: up to 16 attempts; true when a reply of at least
    // `need` bytes began with `first`.
    bool fixedExchange(const QByteArray& packet, int need, quint8 first, bool extraPause, const QString& timeoutLine,
                       QByteArray* reply = nullptr, const QString& attemptLine = {});
    // The image's bits the broadcast-radio packet carries (layout::BroadcastRadioBitA, B),
    // taken before the write changes anything.
    struct BroadcastRadioBits {
        bool bitA = false;
        bool bitB = false;
    };
    // The packets after the blocks: model and band, the radio's parameters, and what they
    // call for.
    bool writeClosingPackets(BroadcastRadioBits radioBits);
    void sendEndSequence();
    void writeCloseDown();
    // What a packet of the write puts at an address: the radio is expected to hold it.
    void noteSent(int address, const QByteArray& bytes);
    // After a write: reads the written range back with the read's own steps and compares
    // it with what was sent.
    TransferResult verifyWrite();
    QString differencesMessage(const QList<ByteDifference>& differences) const;

    ErrorLog& m_errors;
    SerialPortFactory m_portFactory;
    CommClock m_clock;
    CommLog m_log;
    ProtocolEngine m_engine;
    std::atomic<bool> m_stopRequested{false};

    // The running operation.
    const TransferJob* m_job = nullptr;
    TransferOutcome* m_outcome = nullptr;
    RadioImage m_image; // the job's image; a write brings its forced bytes into it
    // A write: what the radio should hold afterwards, and the addresses in the written
    // range that the write leaves as the radio has them (its own parameters).
    RadioImage m_sent;
    QSet<int> m_keptByRadio;
    QString m_progressPrefix; // before the percent in the status: the phase of the operation
    std::unique_ptr<SerialPort> m_port;
};

} // namespace qrt::comm
