#pragma once

#include "comm/RadioPresence.h"
#include "comm/TransferJob.h"
#include "core/Result.h"

#include <QMutex>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>

namespace qrt::comm {

class RadioLink;

// Reads or writes several radios in a row over the link's port, one after the other:
// it waits until a radio answers, runs the same read or write as the communication window
// on the link's transfer thread, tells the user to change radios, waits until the radio no
// longer answers, and goes on with the next. A read is saved as the next free numbered file
// in a folder; a write takes the document's data as it is at that moment, so that each
// radio gets the next imported serial number when "Auto" is ticked. The run stops at the
// first radio that fails: a radio that is only partly written must not go back into the
// pile unnoticed, and a fault of cable or port would fail every radio after it anyway.
class RadioSeries : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, WaitingForRadio, Transferring, WaitingForRemoval, Finished };
    enum class Ending { None, Completed, Stopped, TransferFailed, NotSaved, SerialNumbersUsedUp };
    Q_ENUM(State)
    Q_ENUM(Ending)

    static constexpr int MaxRadios = 999;
    // How long a radio may take to acknowledge the handshake, a generous share of the
    // longest reply wait of an operation.
    static constexpr int DefaultReplyWindowMs = 200;
    // A radio restarting after its write falls silent for a moment; only this many silent
    // questions in a row count as the radio taken away.
    static constexpr int DefaultSilentAnswers = 3;

    struct Plan {
        TransferJob::Kind kind = TransferJob::Write;
        int radios = 1;
        int intervalMs = 1000; // between two questions whether a radio is there
        QString folder;        // reads: where the numbered files go
        int replyWindowMs = DefaultReplyWindowMs;
        int silentAnswersForRemoval = DefaultSilentAnswers;
    };

    explicit RadioSeries(RadioLink& link, QObject* parent = nullptr);
    ~RadioSeries() override;

    // Starts a run; a failure says why and starts nothing (another operation runs, the
    // number of radios is out of range, the folder for the reads cannot be written).
    Result start(const Plan& plan);
    // Ends the run: a wait ends at once, a read or write at its next reply wait. finished()
    // follows.
    void stop();

    State state() const { return m_state; }
    Ending ending() const { return m_ending; }
    bool isRunning() const { return m_state != State::Idle && m_state != State::Finished; }
    int radiosDone() const { return m_done; }
    // Why the run failed, in the user's language; empty unless it ended by a failure.
    QString problem() const { return m_problem; }

    // The first "radio-001.dat", "radio-002.dat" … that is not yet in the folder.
    static QString nextFreeFileName(const QString& folder);

Q_SIGNALS:
    void stateChanged(qrt::comm::RadioSeries::State state);
    // What is happening now, or what the user is to do.
    void statusChanged(const QString& text);
    void radiosDoneChanged(int done, int total);
    // One line per radio, and one at the end of the run.
    void logLineAdded(const QString& line);
    // The progress of the running read or write.
    void progressChanged(int percent);
    void finished(qrt::comm::RadioSeries::Ending ending);

private:
    void setState(State state);
    void askAfter(int delayMs);
    void ask();
    void takeAnswer(const RadioPresence& presence);
    void startTransfer();
    void takeOutcome(const TransferOutcome& outcome);
    bool saveRead(const TransferOutcome& outcome);
    void radioDone();
    void endRun(Ending ending, const QString& problem = {});
    QString extraText(const char* key) const;
    QString radioLine(const char* key) const;
    QString radioEntry(const QString& rest) const;
    int selectedSerialItem() const;
    QString selectedSerialNumber() const;

    RadioLink& m_link;
    Plan m_plan;
    QString m_device;
    int m_portNumber = 1;
    State m_state = State::Idle;
    Ending m_ending = Ending::None;
    QString m_problem;
    int m_done = 0;
    int m_silentAnswers = 0;
    bool m_asking = false;
    bool m_transferring = false;
    bool m_stopping = false;
    // Shared with the question on its way: where its answer goes (nobody once this object
    // is gone) and the stop flag it watches.
    struct PendingQuestion {
        QMutex mutex;
        RadioSeries* receiver = nullptr;
        std::atomic<bool> stop{false};
    };
    std::shared_ptr<PendingQuestion> m_question;
    QTimer m_nextQuestion;
    TransferJob m_job;
    int m_serialItemBefore = -1;
};

} // namespace qrt::comm
