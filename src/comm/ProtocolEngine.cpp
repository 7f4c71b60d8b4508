#include "comm/ProtocolEngine.h"

#include "comm/CommClock.h"
#include "comm/CommLog.h"
#include "comm/SerialPort.h"
#include "core/ErrorLog.h"

namespace qrt {

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

bool ProtocolEngine::initProtocol(const QString& rd, const QString& wr) {
    return m_table.build(rd, wr, m_inputs, &m_log);
}

bool ProtocolEngine::setCommandCodes(const QString& rdText, const QString& wrText, quint8 rdByte, quint8 wrByte) {
    m_rdText = rdText;
    m_wrText = wrText;
    m_rdByte = rdByte;
    m_wrByte = wrByte;
    return initProtocol(rdText, wrText);
}

bool ProtocolEngine::selectStdCodes() {
    m_stdRdByte = StdRead;
    m_stdWrByte = StdWrite;
    return setCommandCodes(QStringLiteral("52"), QStringLiteral("57"), StdRead, StdWrite);
}

bool ProtocolEngine::selectAltCodes() {
    return setCommandCodes(QStringLiteral("24"), QStringLiteral("29"), AltRead, AltWrite);
}

void ProtocolEngine::delayNms(int n) {
    m_clock.delayNms(n);
}

void ProtocolEngine::trap(const char* tag, int number) {
    m_log.logErr(QString::fromLatin1(tag), number);
    // A script cut short must never count as a success.
    m_comStop = true;
}

bool ProtocolEngine::convComCode(const QString& script) {
    const int tokens = int((script.size() + 1) / 2);
    m_scriptOk = tokens <= MaxTokens;
    if (!m_scriptOk) {
        m_log.logErr(QStringLiteral("modCommun->ConvComCode"), err::IndexOutOfRange);
        return false;
    }
    for (int k = 1; k <= MaxTokens; ++k)
        m_comCodes[size_t(k)] = k <= tokens ? script.mid(2 * (k - 1), 2) : QString();
    return true;
}

void ProtocolEngine::protocolCom() {
    if (!m_scriptOk || !m_port || !m_port->isOpen()) {
        m_comStop = true;
        return;
    }
    auto token = [this](int k) { return (k >= 1 && k <= MaxTokens) ? m_comCodes[size_t(k)] : QString(); };
    int index = 1;
    m_vaPos = 1;
    m_port->setBinaryMode();
    for (;;) {
        m_txDat.clear();
        m_rxExpect.clear();
        if (m_comSlow)
            delayNms(1);
        const QString t = token(index);
        if (t == QLatin1String("TX")) {
            bool reply = false;
            for (;;) {
                if (++index > MaxTokens) {
                    trap("modCommun->ProtocolCom", err::IndexOutOfRange);
                    return;
                }
                const QString u = token(index);
                if (reply) {
                    if (endsReply(u))
                        break;
                    if (m_rxExpect.size() >= MaxSectionBytes) {
                        trap("modCommun->ProtocolCom", err::IndexOutOfRange);
                        return;
                    }
                    m_rxExpect.append(u);
                    continue;
                }
                if (u == QLatin1String("RX")) {
                    reply = true;
                    continue;
                }
                if (u == QLatin1String("EN"))
                    break;
                if (m_txDat.size() >= MaxSectionBytes) {
                    trap("modCommun->ProtocolCom", err::IndexOutOfRange);
                    return;
                }
                if (u == QLatin1String("VA")) {
                    if (m_vaPos > VaSize) {
                        trap("modCommun->ProtocolCom", err::IndexOutOfRange);
                        return;
                    }
                    m_txDat.append(char(m_vaDat[size_t(m_vaPos++)]));
                    continue;
                }
                quint8 b = 0;
                if (!parseHexByte(u, &b)) {
                    trap("modCommun->ProtocolCom", err::TypeMismatch);
                    return;
                }
                m_txDat.append(char(b));
            }
            m_comStop = false;
            m_port->clearOutput();
            m_port->clearInput();
            if (!m_txDat.isEmpty()) {
                m_commLog.comDataShow(CommLog::Transmit, m_txDat);
                if (!m_port->send(m_txDat)) {
                    trap("modCommun->ProtocolCom", err::IoDeviceError);
                    return;
                }
            }
            if (!m_rxExpect.isEmpty())
                rxComDat(int(m_rxExpect.size()));
        } else if (t == QLatin1String("RF") || t == QLatin1String("WF")) {
            // Frequency hooks: no script of this program uses them; the three values are skipped.
            index += 4;
        } else {
            return;
        }
        if (m_comStop)
            return;
    }
}

void ProtocolEngine::replyFailed(bool timeout) {
    m_commLog.addLine(text ? text(TextNoReceiveData) : QString());
    m_comStop = true;
    if (timeout)
        m_comSlow = true;
}

void ProtocolEngine::rxComDat(int n) {
    m_maxWaitCount = maxWaitCountFor(retryCount);
    m_vaPos = 1;
    int waits = 0;
    while (m_port->bytesWaiting() < n) {
        delayNms(pollDelayMs);
        ++waits;
        if (stopRequested && stopRequested())
            waits = m_maxWaitCount + 1;
        if (waits > m_maxWaitCount) {
            replyFailed(true);
            return;
        }
    }
    m_rxDat = m_port->readWaiting();
    m_commLog.comDataShow(CommLog::Receive, m_rxDat);
    if (m_rxDat.size() < n) {
        replyFailed(true);
        return;
    }
    for (int i = 0; i < n; ++i) {
        const QString& expected = m_rxExpect.at(i);
        const quint8 got = quint8(m_rxDat.at(i));
        if (expected == QLatin1String("VA")) {
            if (m_vaPos > VaSize) {
                m_log.logErr(QStringLiteral("modCommun->RxComDat"), err::IndexOutOfRange);
                m_comStop = true;
                return;
            }
            m_vaDat[size_t(m_vaPos++)] = got;
            continue;
        }
        quint8 want = 0;
        if (!parseHexByte(expected, &want)) {
            m_log.logErr(QStringLiteral("modCommun->RxComDat"), err::TypeMismatch);
            m_comStop = true;
            return;
        }
        if (got != want) {
            replyFailed(false);
            return;
        }
    }
    checkCommandSet();
}

void ProtocolEngine::checkCommandSet() {
    if (currentStep == 1 && m_vaPos == 5) {
        // First reply byte, then the radio's bytes at 0x388, 0x389, 0x38A.
        const quint8 mark = va(2), rd = va(3), wr = va(4);
        if (mark != 0x5A || (rd == m_stdRdByte && wr == m_stdWrByte)) {
            selectStdCodes();
        } else if (rd == m_rdByte && wr == m_wrByte) {
            // The radio speaks the set in effect.
        } else {
            if (showMessage)
                showMessage(TextNotSupported);
            m_comStop = true;
            retryCount = RejectedRadio;
        }
        return;
    }
    if (currentStep == 2 && m_table.codeFieldShown() && m_vaPos == 11) {
        // First reply byte, then the radio's bytes 0x385..0x38D.
        const bool blank =
            va(2) == 0xFF && va(3) == 0xFF && va(4) == 0xFF && va(8) == 0xFF && va(9) == 0xFF && va(10) == 0xFF;
        if (!blank)
            return;
        m_inputs.radioCodeBlank = true;
        // A radio without the set mark speaks the standard set (step 1 has just chosen it).
        if (va(5) != 0x5A || (va(6) == m_stdRdByte && va(7) == m_stdWrByte))
            selectStdCodes();
        else
            selectAltCodes();
        m_inputs.radioCodeBlank = false;
    }
}

} // namespace qrt
