#include "comm/RadioTransfer.h"

#include "comm/CommClock.h"
#include "comm/CommLog.h"
#include "comm/PortControl.h"
#include "comm/ProtocolEngine.h"
#include "core/ErrorLog.h"
#include "core/RadioImage.h"

namespace qrt {

namespace {

template <typename F, typename... A> void call(const F& f, A&&... args) {
    if (f)
        f(std::forward<A>(args)...);
}

} // namespace

RadioTransfer::RadioTransfer(ProtocolEngine& engine, PortControl& port, CommLog& log, CommClock& clock,
                             ErrorLog& errors)
    : m_engine(engine), m_port(port), m_log(log), m_clock(clock), m_errors(errors) {}

QString RadioTransfer::text(int index, const TransferCallbacks& cb) const {
    return cb.text ? cb.text(index) : QString();
}

void RadioTransfer::showComPercent(int percent, const TransferCallbacks& cb) {
    call(cb.progress, percent);
    call(cb.status, QString::number(percent) + QStringLiteral(" %"));
}

TransferResult RadioTransfer::commonStart(int direction, RadioImage& image, const TransferInputs& in,
                                          const TransferCallbacks& cb) {
    m_engine.retryCount = 0;
    m_engine.pollDelayMs = 1;
    m_engine.currentStep = 0;
    call(cb.stopBoxShown, false);
    m_log.clear();
    call(cb.lamp, true);
    call(cb.operationActive, false);

    TableInputs& t = m_engine.tableInputs();
    t.image = &image;
    t.readStart = in.readStart;
    t.readEnd = in.readEnd;
    t.writeStart = in.writeStart;
    t.writeEnd = in.writeEnd;
    t.codeFieldShown = in.codeFieldShown;
    t.newCodeShown = in.newCodeTicked;
    t.newCodeText = in.newCodeText;
    t.newCodeBlock = in.newCodeBlock;
    t.reservedCodes = in.reservedCodes;
    t.radioCodeBlank = false;
    t.useNewCode = false;
    m_engine.stopRequested = cb.stopRequested;
    m_engine.showMessage = cb.message;
    m_engine.text = cb.text;

    // A range the scripts cannot express, or one reaching past the image, would read radio
    // bytes into nowhere or send bytes the image does not hold: nothing is sent at all.
    m_engine.selectAltCodes();
    const bool reading = direction == ProtocolTable::Read;
    const int start = reading ? in.readStart : in.writeStart;
    const int end = reading ? in.readEnd : in.writeEnd;
    if (!m_engine.table().isValid(direction)) {
        call(cb.lamp, false);
        return TransferResult::BadRange;
    }
    if (end >= start && !image.contains(start, end - start + 1)) {
        m_errors.logErr(reading ? QStringLiteral("frmCommun->cmdRead_Click")
                                : QStringLiteral("frmCommun->cmdWrite_Click"),
                        err::IndexOutOfRange);
        call(cb.lamp, false);
        return TransferResult::BadRange;
    }
    if (!m_port.openCom()) {
        call(cb.lamp, false);
        return TransferResult::PortFailed;
    }
    m_engine.setPort(m_port.port());
    call(cb.operationActive, true);
    return TransferResult::Ok;
}

TransferResult RadioTransfer::stepLoop(int d, RadioImage& target, const TransferInputs& in,
                                       const TransferCallbacks& cb) {
    const int statusText = d == ProtocolTable::Read ? TextReading : TextWriting;
    int step = 1;
    while (step <= m_engine.table().count(d)) {
        m_engine.currentStep = step;
        const ProtocolStep s = m_engine.table().step(d, step);
        if (d == ProtocolTable::Write) {
            for (int j = 1; j <= s.count; ++j)
                m_engine.setVa(j, target.at(s.address + j - 1));
        }
        m_engine.convComCode(s.script);
        m_engine.protocolCom();
        if (!m_engine.comStop()) {
            showComPercent(s.percent, cb);
            if (d == ProtocolTable::Read) {
                for (int j = 1; j <= s.count; ++j)
                    target.set(s.address + j - 1, m_engine.va(j));
            }
            ++step;
            continue;
        }
        if (m_engine.retryCount == ProtocolEngine::RejectedRadio)
            return TransferResult::Rejected;
        ++m_engine.retryCount;
        if (m_engine.retryCount > 5) {
            call(cb.stopBoxShown, true);
            if (cb.stopRequested && cb.stopRequested())
                return TransferResult::Stopped;
        }
        if (m_engine.retryCount > 8)
            call(cb.status, text(statusText, cb) + QLatin1Char(' ') + QString::number(m_engine.retryCount));
        if (m_engine.retryCount < MaxFailures) {
            step = 1;
            continue;
        }
        if (step == 3 && m_engine.table().codeFieldShown()) {
            if (!m_engine.tableInputs().useNewCode && in.newCodeTicked) {
                m_engine.tableInputs().useNewCode = true;
                m_engine.selectAltCodes();
                step = 1;
                continue;
            }
            call(cb.message, TextCodeError);
            return TransferResult::CodeError;
        }
        call(cb.message, TextCommFailed);
        return TransferResult::CommFailed;
    }
    return TransferResult::Ok;
}

TransferResult RadioTransfer::read(RadioImage& image, const TransferInputs& in, const TransferCallbacks& cb) {
    if (const TransferResult started = commonStart(ProtocolTable::Read, image, in, cb); started != TransferResult::Ok) {
        if (started == TransferResult::BadRange)
            call(cb.status, text(TextReadFailed, cb));
        return started;
    }
    call(cb.status, text(TextReading, cb));

    // The radio's bytes go into a copy; the image takes them only when every step passed,
    // so a failed read never leaves a mix of radio and editor data behind.
    RadioImage staging = image;
    const TransferResult result = stepLoop(ProtocolTable::Read, staging, in, cb);

    m_port.closeCom();
    call(cb.stopBoxShown, false);
    call(cb.lamp, false);
    m_clock.delayNms(5);
    if (result == TransferResult::Ok) {
        image = staging;
        call(cb.softDisplay);
        call(cb.status, text(TextReadOk, cb));
        call(cb.progress, 100);
        if (in.showMemData)
            call(cb.refreshMemoryView);
    } else {
        call(cb.status, text(TextReadFailed, cb));
    }
    m_clock.delayNms(1);
    CommClock::pause(1);
    call(cb.progress, 0);
    call(cb.status, QString());
    call(cb.stopBoxShown, false);
    call(cb.operationActive, false);
    call(cb.closeWindow);
    return result;
}

} // namespace qrt
