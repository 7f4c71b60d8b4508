#include "comm/RadioSeries.h"

#include "comm/DocumentTransfer.h"
#include "comm/PortMap.h"
#include "comm/RadioLink.h"
#include "comm/RadioTransfer.h"
#include "core/AppContext.h"
#include "core/DataFile.h"
#include "document/Document.h"
#include "options/SettingsModel.h"

#include <QDir>
#include <QFileInfo>

namespace qrt::comm {

namespace {
const QString SerialList = QStringLiteral("cboImportSeq");
// An item of the serial list is its number, " -- " and the serial number.
constexpr int SerialValueStart = 8;
constexpr int MaxFileNumber = 999;
} // namespace

RadioSeries::RadioSeries(RadioLink& link, QObject* parent) : QObject(parent), m_link(link) {
    m_nextQuestion.setSingleShot(true);
    connect(&m_nextQuestion, &QTimer::timeout, this, &RadioSeries::ask);
    RadioTransfer& transfer = m_link.transferThread().transfer();
    connect(&transfer, &RadioTransfer::progressChanged, this, [this](int percent) {
        if (m_transferring)
            Q_EMIT progressChanged(percent);
    });
    // The operation clears the stop request as it begins; a stop asked for before that is
    // asked for again once it runs.
    connect(&transfer, &RadioTransfer::operationActiveChanged, this, [this](bool active) {
        if (m_transferring && m_stopping && active)
            m_link.transferThread().transfer().setStopRequested(true);
    });
    connect(&transfer, &RadioTransfer::finished, this, [this](const TransferOutcome& outcome) {
        if (m_transferring)
            takeOutcome(outcome);
    });
}

RadioSeries::~RadioSeries() {
    if (m_question) {
        // A question still on its way finds nobody to answer.
        const QMutexLocker lock(&m_question->mutex);
        m_question->receiver = nullptr;
        m_question->stop = true;
    }
    if (m_transferring)
        m_link.transferThread().transfer().setStopRequested(true);
    if (isRunning())
        m_link.setOperationRunning(false);
}

QString RadioSeries::extraText(const char* key) const {
    return m_link.document().context().extraText(QString::fromLatin1(key));
}

// A line about the radio being handled now: "Radio 2: " and the rest.
QString RadioSeries::radioEntry(const QString& rest) const {
    return extraText("series.radio").arg(QString::number(m_done + 1), rest);
}

// A text about the radio being handled now: %1 its number, %2 the number of radios.
QString RadioSeries::radioLine(const char* key) const {
    return extraText(key).arg(m_done + 1).arg(m_plan.radios);
}

Result RadioSeries::start(const Plan& plan) {
    if (isRunning() || m_link.operationRunning())
        return Result::failure(extraText("series.busy"));
    if (plan.radios < 1 || plan.radios > MaxRadios)
        return Result::failure(extraText("series.badCount").arg(MaxRadios));
    if (plan.kind == TransferJob::Read) {
        const QFileInfo folder(plan.folder);
        if (plan.folder.isEmpty() || !folder.isDir() || !folder.isWritable())
            return Result::failure(extraText("series.noFolder"));
    }
    m_plan = plan;
    m_plan.intervalMs = qMax(0, plan.intervalMs);
    m_device = m_link.port().currentDevice();
    m_portNumber = m_link.port().portNumber();
    m_ending = Ending::None;
    m_problem.clear();
    m_done = 0;
    m_silentAnswers = 0;
    m_stopping = false;
    if (m_question) {
        const QMutexLocker lock(&m_question->mutex);
        m_question->receiver = nullptr;
    }
    m_question = std::make_shared<PendingQuestion>();
    m_question->receiver = this;
    m_link.setOperationRunning(true);
    Q_EMIT radiosDoneChanged(0, m_plan.radios);
    setState(State::WaitingForRadio);
    Q_EMIT statusChanged(radioLine("series.connectRadio"));
    ask();
    return {};
}

void RadioSeries::stop() {
    if (!isRunning() || m_stopping)
        return;
    m_stopping = true;
    m_question->stop = true;
    if (m_transferring) {
        m_link.transferThread().transfer().setStopRequested(true);
        return;
    }
    // A question on its way ends at once and its answer ends the run.
    if (!m_asking)
        endRun(Ending::Stopped);
}

void RadioSeries::setState(State state) {
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

void RadioSeries::askAfter(int delayMs) {
    // A handler of the signals just sent may have stopped the run.
    if (isRunning() && !m_stopping)
        m_nextQuestion.start(delayMs);
}

void RadioSeries::ask() {
    m_asking = true;
    const SerialPortFactory factory = m_link.portFactory();
    const QString device = m_device;
    const int window = m_plan.replyWindowMs;
    const std::shared_ptr<PendingQuestion> question = m_question;
    m_link.transferThread().post([factory, device, window, question] {
        const RadioPresence presence = askRadioPresence(factory, device, window, question->stop);
        const QMutexLocker lock(&question->mutex);
        if (RadioSeries* receiver = question->receiver)
            QMetaObject::invokeMethod(
                receiver, [receiver, presence] { receiver->takeAnswer(presence); }, Qt::QueuedConnection);
    });
}

void RadioSeries::takeAnswer(const RadioPresence& presence) {
    m_asking = false;
    if (m_stopping) {
        endRun(Ending::Stopped);
        return;
    }
    const bool answered = presence.answer == RadioPresence::Answered;
    if (m_state == State::WaitingForRadio) {
        if (answered) {
            startTransfer();
            return;
        }
        // The port may be missing while the cable is changed: the run waits, and says why.
        QString status = radioLine("series.connectRadio");
        if (presence.answer == RadioPresence::NoPort)
            status +=
                QLatin1Char('\n') + portmap::openFailureText(m_link.document().context().extraTexts(), m_portNumber,
                                                             m_device, presence.portError, presence.portErrorDetail);
        Q_EMIT statusChanged(status);
        askAfter(m_plan.intervalMs);
        return;
    }
    if (m_state != State::WaitingForRemoval)
        return;
    m_silentAnswers = answered ? 0 : m_silentAnswers + 1;
    if (m_silentAnswers < m_plan.silentAnswersForRemoval) {
        askAfter(m_plan.intervalMs);
        return;
    }
    setState(State::WaitingForRadio);
    Q_EMIT statusChanged(radioLine("series.connectRadio"));
    askAfter(m_plan.intervalMs);
}

int RadioSeries::selectedSerialItem() const {
    const options::Control* list = m_link.document().settings().control(SerialList);
    return list ? list->item : -1;
}

QString RadioSeries::selectedSerialNumber() const {
    const options::Control* list = m_link.document().settings().control(SerialList);
    if (!list || list->item < 0 || list->item >= list->items.size())
        return {};
    return list->items.at(list->item).mid(SerialValueStart);
}

void RadioSeries::startTransfer() {
    m_job = m_link.prepareJob(m_plan.kind, false);
    m_job.device = m_device;
    m_job.portNumber = m_portNumber;
    m_serialItemBefore = selectedSerialItem();
    m_transferring = true;
    m_link.transferThread().start(m_job);
    setState(State::Transferring);
    Q_EMIT statusChanged(radioLine(m_plan.kind == TransferJob::Read ? "series.reading" : "series.writing"));
    Q_EMIT progressChanged(0);
}

void RadioSeries::takeOutcome(const TransferOutcome& outcome) {
    m_transferring = false;
    const AppContext& context = m_link.document().context();
    if (outcome.portOpenFailed) {
        endRun(Ending::TransferFailed,
               radioEntry(portmap::openFailureText(context.extraTexts(), m_portNumber, m_device, outcome.portError,
                                                   outcome.portErrorDetail)));
        return;
    }
    if (outcome.result == TransferResult::BadRange) {
        const QString lastAddress = QString::number(m_job.image.size() - 1, 16).toUpper();
        endRun(Ending::TransferFailed,
               radioEntry(context.extraText(QStringLiteral("comm.rangeNotSendable")).arg(lastAddress)));
        return;
    }
    const QString serialNumber = m_job.autoNextSerial ? selectedSerialNumber() : QString();
    // As after a write in the communication window: the forced bytes go into the data, and
    // the serial list moves on after a success. A read goes to its file, not into the data.
    if (m_plan.kind == TransferJob::Write)
        applyTransferOutcome(m_link.document(), m_job, outcome);

    if (m_stopping || outcome.result == TransferResult::Stopped) {
        m_stopping = true;
        Q_EMIT logLineAdded(
            radioEntry(extraText(m_plan.kind == TransferJob::Read ? "series.readStopped" : "series.writeStopped")));
        endRun(Ending::Stopped);
        return;
    }
    if (outcome.result != TransferResult::Ok) {
        QStringList reasons;
        for (const Result& problem : outcome.problems)
            reasons << problem.reason();
        if (reasons.isEmpty())
            reasons << context.text(m_plan.kind == TransferJob::Read ? TextId::ReadFailed
                                                                     : TextId::CommunicationFailed);
        endRun(Ending::TransferFailed, radioEntry(reasons.join(QLatin1Char(' '))));
        return;
    }
    if (m_plan.kind == TransferJob::Read) {
        if (!saveRead(outcome))
            return;
    } else {
        Q_EMIT logLineAdded(serialNumber.isEmpty() ? radioEntry(extraText("series.written"))
                                                   : radioEntry(extraText("series.writtenSerial").arg(serialNumber)));
    }
    radioDone();
}

bool RadioSeries::saveRead(const TransferOutcome& outcome) {
    // The backup of every read comes first, as for a single read; a backup that cannot be
    // written is told in the log and the radio's own file is still saved.
    const readbackup::Backup backup = m_link.document().backUpRadioRead(outcome.image->bytes());
    if (backup.status.failed())
        Q_EMIT logLineAdded(radioEntry(m_link.document()
                                           .context()
                                           .extraText(QStringLiteral("series.backupFailed"))
                                           .arg(QDir::toNativeSeparators(backup.path), backup.status.reason())));
    const QString path = nextFreeFileName(m_plan.folder);
    const AppContext& context = m_link.document().context();
    Result saved = path.isEmpty() ? Result::failure(context.extraText(QStringLiteral("series.noFreeName")))
                                  : datafile::writeFile(path, datafile::fileLayout(*outcome.image));
    if (saved.failed()) {
        saved = saved.inLanguage(context.extraTexts());
        endRun(Ending::NotSaved,
               radioEntry(extraText("series.notSaved").arg(QDir::toNativeSeparators(path), saved.reason())));
        return false;
    }
    Q_EMIT logLineAdded(radioEntry(extraText("series.saved").arg(QDir::toNativeSeparators(path))));
    return true;
}

void RadioSeries::radioDone() {
    ++m_done;
    Q_EMIT radiosDoneChanged(m_done, m_plan.radios);
    if (m_done >= m_plan.radios) {
        endRun(Ending::Completed);
        return;
    }
    // The list stays at its last serial number: the next radio would get the same one.
    if (m_job.autoNextSerial && selectedSerialItem() == m_serialItemBefore) {
        endRun(Ending::SerialNumbersUsedUp, radioLine("series.serialsUsedUp"));
        return;
    }
    setState(State::WaitingForRemoval);
    m_silentAnswers = 0;
    Q_EMIT statusChanged(extraText("series.changeRadio").arg(m_done));
    askAfter(m_plan.intervalMs);
}

void RadioSeries::endRun(Ending ending, const QString& problem) {
    // Ended before anything is announced, so that a handler's stop finds nothing to end.
    m_nextQuestion.stop();
    m_state = State::Finished;
    m_ending = ending;
    m_problem = problem;
    m_link.setOperationRunning(false);
    if (!problem.isEmpty())
        Q_EMIT logLineAdded(problem);
    QString summary;
    switch (ending) {
    case Ending::Completed:
        summary = extraText("series.completed").arg(m_done);
        break;
    case Ending::Stopped:
        summary = extraText("series.stopped").arg(m_done).arg(m_plan.radios);
        break;
    default:
        summary = extraText("series.failed").arg(m_done).arg(m_plan.radios);
        break;
    }
    Q_EMIT logLineAdded(summary);
    Q_EMIT statusChanged(summary);
    Q_EMIT stateChanged(State::Finished);
    Q_EMIT finished(ending);
}

QString RadioSeries::nextFreeFileName(const QString& folder) {
    const QDir dir(folder);
    for (int n = 1; n <= MaxFileNumber; ++n) {
        const QString path = dir.filePath(QStringLiteral("radio-%1.dat").arg(n, 3, 10, QLatin1Char('0')));
        if (!QFileInfo::exists(path))
            return path;
    }
    return {};
}

} // namespace qrt::comm
