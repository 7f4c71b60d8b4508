#include "comm/ProtocolEngine.h"

#include "comm/CommClock.h"
#include "comm/CommLog.h"
#include "comm/SerialPort.h"
#include "core/ErrorLog.h"

namespace qrt::comm {

namespace {

bool parseHexByte(const QString& token, quint8* value) {
    bool ok = false;
    const uint v = token.toUInt(&ok, 16);
    if (!ok || token.size() != 2 || v > 0xFF)
        return false;
    *value = quint8(v);
    return true;
}

bool endsReply(const QString& t) {
    return t == QLatin1String("TX") || t == QLatin1String("EN") || t == QLatin1String("RF") || t == QLatin1String("WF");
}

} // namespace

ProtocolEngine::ProtocolEngine(ErrorLog& log, CommClock& clock, CommLog& commLog)
    : m_log(log), m_clock(clock), m_commLog(commLog) {}

int ProtocolEngine::maxWaitCountFor(int r) {
    if (r < 6)
        return (r % 3) * 10 + 5;
    if (r < 15)
        return (r % 10) * 10 + 30;
    return (r % 5) * 10 + 120;
}

bool ProtocolEngine::buildScriptTable(const QString& rd, const QString& wr) {
    return m_table.build(rd, wr, m_inputs, &m_log);
}

bool ProtocolEngine::setCommandCodes(const QString& rdText, const QString& wrText, quint8 rdByte, quint8 wrByte) {
    m_rdText = rdText;
    m_wrText = wrText;
    m_rdByte = rdByte;
    m_wrByte = wrByte;
    return buildScriptTable(rdText, wrText);
}

bool ProtocolEngine::selectStandardCodes() {
    return setCommandCodes(QStringLiteral("52"), QStringLiteral("57"), StdRead, StdWrite);
}

bool ProtocolEngine::selectAlternativeCodes() {
    return setCommandCodes(QStringLiteral("24"), QStringLiteral("29"), AltRead, AltWrite);
}

void ProtocolEngine::waitAtLeastMs(int n) {
    m_clock.waitAtLeastMs(n);
}

void ProtocolEngine::abortScript(const char* tag, int number) {
    m_log.logErr(QString::fromLatin1(tag), number);
    // A script cut short must never count as a success.
    m_replyFailed = true;
}

bool ProtocolEngine::loadScript(const QString& script) {
    const int tokens = int((script.size() + 1) / 2);
    m_scriptOk = tokens <= MaxTokens;
    if (!m_scriptOk) {
        m_log.logErr(QStringLiteral("modCommun->ConvComCode"), err::IndexOutOfRange);
        return false;
    }
    for (int k = 1; k <= MaxTokens; ++k)
        m_tokens[size_t(k)] = k <= tokens ? script.mid(2 * (k - 1), 2) : QString();
    return true;
}

void ProtocolEngine::runScript() {
    if (!m_scriptOk || !m_port || !m_port->isOpen()) {
        m_replyFailed = true;
        return;
    }
    auto token = [this](int k) { return (k >= 1 && k <= MaxTokens) ? m_tokens[size_t(k)] : QString(); };
    int index = 1;
    m_nextScriptByte = 1;
    m_port->setBinaryMode();
    for (;;) {
        m_packet.clear();
        m_expectedReply.clear();
        if (m_slowLineMode)
            waitAtLeastMs(1);
        const QString t = token(index);
        if (t == QLatin1String("TX")) {
            bool reply = false;
            for (;;) {
                if (++index > MaxTokens) {
                    abortScript("modCommun->ProtocolCom", err::IndexOutOfRange);
                    return;
                }
                const QString u = token(index);
                if (reply) {
                    if (endsReply(u))
                        break;
                    if (m_expectedReply.size() >= MaxSectionBytes) {
                        abortScript("modCommun->ProtocolCom", err::IndexOutOfRange);
                        return;
                    }
                    m_expectedReply.append(u);
                    continue;
                }
                if (u == QLatin1String("RX")) {
                    reply = true;
                    continue;
                }
                if (u == QLatin1String("EN"))
                    break;
                if (m_packet.size() >= MaxSectionBytes) {
                    abortScript("modCommun->ProtocolCom", err::IndexOutOfRange);
                    return;
                }
                if (u == QLatin1String("VA")) {
                    if (m_nextScriptByte > ScriptByteCount) {
                        abortScript("modCommun->ProtocolCom", err::IndexOutOfRange);
                        return;
                    }
                    m_packet.append(char(m_scriptBytes[size_t(m_nextScriptByte++)]));
                    continue;
                }
                quint8 b = 0;
                if (!parseHexByte(u, &b)) {
                    abortScript("modCommun->ProtocolCom", err::TypeMismatch);
                    return;
                }
                m_packet.append(char(b));
            }
            m_replyFailed = false;
            m_port->clearOutput();
            m_port->clearInput();
            if (!m_packet.isEmpty()) {
                m_commLog.logBytes(ByteDirection::Transmit, m_packet);
                if (!m_port->send(m_packet)) {
                    abortScript("modCommun->ProtocolCom", err::IoDeviceError);
                    return;
                }
            }
            if (!m_expectedReply.isEmpty())
                receiveReply(int(m_expectedReply.size()));
        } else if (t == QLatin1String("RF") || t == QLatin1String("WF")) {
            // Frequency hooks: no script of this program uses them; the three values are skipped.
            index += 4;
        } else {
            return;
        }
        if (m_replyFailed)
            return;
    }
}

void ProtocolEngine::failReply(bool timeout) {
    m_commLog.addLine(text ? text(TextId::NoDataReceived) : QString());
    m_replyFailed = true;
    if (timeout)
        m_slowLineMode = true;
}

void ProtocolEngine::receiveReply(int n) {
    m_maxWaitCount = maxWaitCountFor(retryCount);
    m_nextScriptByte = 1;
    int waits = 0;
    while (m_port->bytesWaiting() < n) {
        waitAtLeastMs(pollDelayMs);
        ++waits;
        if (stopRequested && stopRequested())
            waits = m_maxWaitCount + 1;
        if (waits > m_maxWaitCount) {
            failReply(true);
            return;
        }
    }
    m_reply = m_port->readWaiting();
    m_commLog.logBytes(ByteDirection::Receive, m_reply);
    if (m_reply.size() < n) {
        failReply(true);
        return;
    }
    for (int i = 0; i < n; ++i) {
        const QString& expected = m_expectedReply.at(i);
        const quint8 got = quint8(m_reply.at(i));
        if (expected == QLatin1String("VA")) {
            if (m_nextScriptByte > ScriptByteCount) {
                m_log.logErr(QStringLiteral("modCommun->RxComDat"), err::IndexOutOfRange);
                m_replyFailed = true;
                return;
            }
            m_scriptBytes[size_t(m_nextScriptByte++)] = got;
            continue;
        }
        quint8 want = 0;
        if (!parseHexByte(expected, &want)) {
            m_log.logErr(QStringLiteral("modCommun->RxComDat"), err::TypeMismatch);
            m_replyFailed = true;
            return;
        }
        if (got != want) {
            failReply(false);
            return;
        }
    }
    checkCommandSet();
}

void ProtocolEngine::checkCommandSet() {
    if (currentStep == 1 && m_nextScriptByte == 5) {
        // First reply byte, then the radio's bytes at 0x388, 0x389, 0x38A.
        const quint8 mark = scriptByte(2), rd = scriptByte(3), wr = scriptByte(4);
        if (mark != 0x5A || (rd == StdRead && wr == StdWrite)) {
            selectStandardCodes();
        } else if (rd == m_rdByte && wr == m_wrByte) {
            // The radio speaks the set in effect.
        } else {
            if (showMessage)
                showMessage(TextId::RadioNotSupported);
            m_replyFailed = true;
            retryCount = RejectedRadio;
        }
        return;
    }
    if (currentStep == 2 && m_table.codeFieldShown() && m_nextScriptByte == 11) {
        // First reply byte, then the radio's bytes 0x385..0x38D.
        const bool blank = scriptByte(2) == 0xFF && scriptByte(3) == 0xFF && scriptByte(4) == 0xFF &&
                           scriptByte(8) == 0xFF && scriptByte(9) == 0xFF && scriptByte(10) == 0xFF;
        if (!blank)
            return;
        m_inputs.radioCodeBlank = true;
        // A radio without the set mark speaks the standard set (step 1 has just chosen it).
        if (scriptByte(5) != 0x5A || (scriptByte(6) == StdRead && scriptByte(7) == StdWrite))
            selectStandardCodes();
        else
            selectAlternativeCodes();
        m_inputs.radioCodeBlank = false;
    }
}

} // namespace qrt::comm
