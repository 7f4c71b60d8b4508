#pragma once

#include "comm/ProtocolTable.h"
#include "core/TextIndex.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace qrt {
class ErrorLog;
} // namespace qrt

namespace qrt::comm {

class CommClock;
class CommLog;
class SerialPort;

// The script interpreter and its values: the tokens of the running script, the variable
// bytes, the reply check with its timeouts, and the command-code sets with the script
// table they select. One object lives for the whole run of the program, so that the slow
// mode, once entered, stays.
class ProtocolEngine {
public:
    static constexpr int MaxTokens = 200;
    static constexpr int MaxSectionBytes = 101;
    static constexpr int ScriptByteCount = 100;
    static constexpr int RejectedRadio = 255;
    static constexpr quint8 StdRead = 0x52, StdWrite = 0x57, AltRead = 0x24, AltWrite = 0x29;

    ProtocolEngine(ErrorLog& log, CommClock& clock, CommLog& commLog);

    void setPort(SerialPort* port) { m_port = port; }

    // Hooks of the window: the stop box, the message boxes, the interface texts.
    std::function<bool()> stopRequested;
    std::function<void(TextId message)> showMessage;
    std::function<QString(TextId id)> text;

    // What the script table is built from (ranges, program-code fields, the image).
    void setTableInputs(const TableInputs& in) { m_inputs = in; }
    TableInputs& tableInputs() { return m_inputs; }

    // The command-code sets; each rebuilds the script table.
    bool buildScriptTable(const QString& rd, const QString& wr);
    bool setCommandCodes(const QString& rdText, const QString& wrText, quint8 rdByte, quint8 wrByte);
    bool selectStandardCodes();
    bool selectAlternativeCodes();
    const ProtocolTable& table() const { return m_table; }

    // Splits a script into two-character tokens from index 1. A script of more than
    // MaxTokens tokens is logged and will not run.
    bool loadScript(const QString& script);
    // Runs the tokens; replyFailed() tells whether a reply failed.
    void runScript();
    void waitAtLeastMs(int n);

    bool replyFailed() const { return m_replyFailed; }
    bool slowLineMode() const { return m_slowLineMode; }
    int maxWaitCount() const { return m_maxWaitCount; }
    static int maxWaitCountFor(int retryCount);

    int currentStep = 0;
    int retryCount = 0;
    int pollDelayMs = 1;

    quint8 scriptByte(int j) const { return (j >= 1 && j <= ScriptByteCount) ? m_scriptBytes[size_t(j)] : 0; }
    void setScriptByte(int j, quint8 b) {
        if (j >= 1 && j <= ScriptByteCount)
            m_scriptBytes[size_t(j)] = b;
    }
    int nextScriptByte() const { return m_nextScriptByte; }
    const QByteArray& lastReply() const { return m_reply; }

    quint8 readCodeByte() const { return m_rdByte; }
    quint8 writeCodeByte() const { return m_wrByte; }
    QString readCodeText() const { return m_rdText; }
    QString writeCodeText() const { return m_wrText; }

private:
    void receiveReply(int n);
    void checkCommandSet();
    void failReply(bool timeout);
    void abortScript(const char* tag, int number);

    ErrorLog& m_log;
    CommClock& m_clock;
    CommLog& m_commLog;
    SerialPort* m_port = nullptr;

    std::array<QString, MaxTokens + 1> m_tokens{};
    bool m_scriptOk = true;
    QByteArray m_packet;
    QStringList m_expectedReply;
    QByteArray m_reply;
    std::array<quint8, ScriptByteCount + 1> m_scriptBytes{};
    int m_nextScriptByte = 1;
    bool m_replyFailed = false;
    bool m_slowLineMode = false;
    int m_maxWaitCount = 5;

    QString m_rdText = QStringLiteral("24"), m_wrText = QStringLiteral("29");
    quint8 m_rdByte = AltRead, m_wrByte = AltWrite;

    TableInputs m_inputs;
    ProtocolTable m_table;
};

} // namespace qrt::comm
