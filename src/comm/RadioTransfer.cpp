#include "comm/RadioTransfer.h"

#include "core/ErrorLog.h"

namespace qrt::comm {

RadioTransfer::RadioTransfer(ErrorLog& errors, SerialPortFactory portFactory, QObject* parent)
    : QObject(parent), m_errors(errors), m_portFactory(std::move(portFactory)), m_engine(errors, m_clock, m_log) {
    m_log.lineAdded = [this](int index, const QString& line) { Q_EMIT logLineAdded(index, line); };
    m_log.cleared = [this] { Q_EMIT logCleared(); };
    m_engine.stopRequested = [this] { return m_stopRequested.load(); };
    m_engine.showMessage = [this](TextId message) { tellProblem(message); };
    m_engine.text = [this](TextId id) { return text(id); };
    // The engine starts on the alternative command set; its script table is built by each
    // operation from the job's ranges (beginOperation), not here.
}

RadioTransfer::~RadioTransfer() = default;

void RadioTransfer::run(const TransferJob& job) {
    execute(job);
}

TransferOutcome RadioTransfer::execute(const TransferJob& job) {
    TransferOutcome outcome;
    m_job = &job;
    m_outcome = &outcome;
    m_image = job.image;
    m_log.showBytes = job.showBytes;
    outcome.result = job.kind == TransferJob::Read ? read() : write();
    m_port.reset();
    m_engine.setPort(nullptr);
    m_engine.tableInputs().image = nullptr;
    m_job = nullptr;
    m_outcome = nullptr;
    Q_EMIT finished(outcome);
    return outcome;
}

void RadioTransfer::tellProblem(TextId message) {
    if (m_outcome)
        m_outcome->problems << Result::failure(text(message)).setMessage(message);
}

QString RadioTransfer::text(TextId id) const {
    return m_job ? m_job->texts.text(id) : QString();
}

void RadioTransfer::showProgress(int percent) {
    Q_EMIT progressChanged(percent);
    Q_EMIT statusChanged(m_progressPrefix + QString::number(percent) + QStringLiteral(" %"));
}

void RadioTransfer::showStopBox(bool shown) {
    if (!shown)
        m_stopRequested = false;
    Q_EMIT stopBoxShown(shown);
}

bool RadioTransfer::openPort() {
    m_outcome->portOpenFailed = false;
    if (m_job->device.isEmpty()) {
        m_outcome->portError = PortError::NotFound;
    } else {
        m_port = m_portFactory(m_job->device);
        if (m_port->open())
            return true;
        m_outcome->portError = m_port->error();
        m_outcome->portErrorDetail = m_port->errorDetail();
        m_port.reset();
    }
    m_outcome->portOpenFailed = true;
    return false;
}

void RadioTransfer::closePort() {
    if (m_port && !m_port->close())
        m_errors.logErr(QStringLiteral("modCommun->CloseCom"), err::IoDeviceError);
}

TransferResult RadioTransfer::beginOperation(TransferDirection direction, bool freshLog) {
    m_engine.retryCount = 0;
    m_engine.pollDelayMs = 1;
    m_engine.currentStep = 0;
    showStopBox(false);
    if (freshLog)
        m_log.clear();
    Q_EMIT lampChanged(true);
    Q_EMIT operationActiveChanged(false);

    TableInputs& t = m_engine.tableInputs();
    t.image = &m_image;
    t.readStart = m_job->readStart;
    t.readEnd = m_job->readEnd;
    t.writeStart = m_job->writeStart;
    t.writeEnd = m_job->writeEnd;
    t.codeFieldShown = m_job->codeFieldShown;
    t.newCodeShown = m_job->newCodeTicked;
    t.newCodeText = m_job->newCodeText;
    t.newCodeBlock = m_job->newCodeBlock;
    t.reservedCodes = m_job->reservedCodes;
    t.radioCodeBlank = false;
    t.useNewCode = false;

    // A range the scripts cannot express, or one reaching past the image, would read radio
    // bytes into nowhere or send bytes the image does not hold: nothing is sent at all.
    m_engine.selectAlternativeCodes();
    const bool reading = direction == TransferDirection::Read;
    const int start = reading ? m_job->readStart : m_job->writeStart;
    const int end = reading ? m_job->readEnd : m_job->writeEnd;
    if (!m_engine.table().isValid(direction)) {
        Q_EMIT lampChanged(false);
        return TransferResult::BadRange;
    }
    if (end >= start && !m_image.contains(start, end - start + 1)) {
        m_errors.logErr(reading ? QStringLiteral("frmCommun->cmdRead_Click")
                                : QStringLiteral("frmCommun->cmdWrite_Click"),
                        err::IndexOutOfRange);
        Q_EMIT lampChanged(false);
        return TransferResult::BadRange;
    }
    if (!openPort()) {
        Q_EMIT lampChanged(false);
        return TransferResult::PortFailed;
    }
    m_engine.setPort(m_port.get());
    Q_EMIT operationActiveChanged(true);
    return TransferResult::Ok;
}

TransferResult RadioTransfer::runSteps(TransferDirection d, RadioImage& target) {
    const TextId statusText = d == TransferDirection::Read ? TextId::Reading : TextId::Writing;
    int step = 1;
    while (step <= m_engine.table().count(d)) {
        m_engine.currentStep = step;
        const ProtocolStep s = m_engine.table().step(d, step);
        if (d == TransferDirection::Write) {
            for (int j = 1; j <= s.count; ++j)
                m_engine.setScriptByte(j, target.at(s.address + j - 1));
        }
        m_engine.loadScript(s.script);
        m_engine.runScript();
        if (!m_engine.replyFailed()) {
            showProgress(s.percent);
            if (d == TransferDirection::Read) {
                for (int j = 1; j <= s.count; ++j)
                    target.set(s.address + j - 1, m_engine.scriptByte(j));
            }
            ++step;
            continue;
        }
        if (m_engine.retryCount == ProtocolEngine::RejectedRadio)
            return TransferResult::Rejected;
        ++m_engine.retryCount;
        if (m_engine.retryCount > 5) {
            showStopBox(true);
            if (m_stopRequested)
                return TransferResult::Stopped;
        }
        if (m_engine.retryCount > 8)
            Q_EMIT statusChanged(text(statusText) + QLatin1Char(' ') + QString::number(m_engine.retryCount));
        if (m_engine.retryCount < MaxFailures) {
            step = 1;
            continue;
        }
        if (step == 3 && m_engine.table().codeFieldShown()) {
            if (!m_engine.tableInputs().useNewCode && m_job->newCodeTicked) {
                m_engine.tableInputs().useNewCode = true;
                m_engine.selectAlternativeCodes();
                step = 1;
                continue;
            }
            tellProblem(TextId::ProgramCodeError);
            return TransferResult::CodeError;
        }
        tellProblem(TextId::CommunicationFailed);
        return TransferResult::CommFailed;
    }
    return TransferResult::Ok;
}

TransferResult RadioTransfer::read() {
    if (const TransferResult started = beginOperation(TransferDirection::Read); started != TransferResult::Ok) {
        if (started == TransferResult::BadRange)
            Q_EMIT statusChanged(text(TextId::ReadFailed));
        return started;
    }
    Q_EMIT statusChanged(text(TextId::Reading));

    // The radio's bytes go into a copy; the caller's image takes them only when every step
    // passed, so a failed read never leaves a mix of radio and editor data behind. The
    // program-code check keeps comparing with the image's own code.
    RadioImage staging = m_image;
    const TransferResult result = runSteps(TransferDirection::Read, staging);

    closePort();
    showStopBox(false);
    Q_EMIT lampChanged(false);
    m_clock.waitAtLeastMs(5);
    if (result == TransferResult::Ok) {
        m_outcome->image = staging;
        Q_EMIT statusChanged(text(TextId::ReadSucceeded));
        Q_EMIT progressChanged(100);
    } else {
        Q_EMIT statusChanged(text(TextId::ReadFailed));
    }
    m_clock.waitAtLeastMs(1);
    m_clock.sleepMs(1);
    Q_EMIT progressChanged(0);
    Q_EMIT statusChanged(QString());
    showStopBox(false);
    Q_EMIT operationActiveChanged(false);
    return result;
}

} // namespace qrt::comm
