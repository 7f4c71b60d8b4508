#pragma once

#include "core/Band.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace qrt {

class CommClock;
class CommLog;
class ErrorLog;
class PortControl;
class ProtocolEngine;
class RadioImage;

// What a read or a write needs to know from the editor and the settings pages.
struct TransferInputs {
    int readStart = 0, readEnd = 0x1FFF;
    int writeStart = 0, writeEnd = 0x1FFF;
    bool codeFieldShown = true;                           // the program-code box is shown
    bool newCodeTicked = false;                           // "Set New Program Code" ticked (the new-code box shown)
    QString newCodeText;                                  // the new-code box's text
    QByteArray newCodeBlock = QByteArray(16, char(0xFF)); // the encoded new code, laid out like 0x380..0x38F
    QStringList reservedCodes;
    band::Limits bandLimits;     // the band shown by the editor
    bool autoNextSerial = false; // the serial list is shown, holds items and "Auto" is ticked
    bool showMemData = false;    // "Show Memory Data" ticked
};

// How the operation talks to the window around it. Every member may be left empty.
struct TransferCallbacks {
    std::function<QString(int)> text;           // interface text by index
    std::function<void(int)> progress;          // the progress bar
    std::function<void(const QString&)> status; // the status label
    std::function<void(int)> message;           // a message box with an interface text
    std::function<bool()> stopRequested;        // the stop box is ticked
    std::function<void(bool)> stopBoxShown;     // show the stop box; hiding also unticks it
    std::function<void(bool)> lamp;             // the blinking lamp on or off
    std::function<void(bool)> operationActive;  // the window refuses to close while true
    std::function<void()> encodeChannels;       // the channel table into the image
    std::function<void()> storeSideKeys;        // the side-key lists store their codes
    std::function<void()> advanceSerial;        // the next serial number
    std::function<void()> softDisplay;          // all views from the image
    std::function<void()> refreshMemoryView;    // the memory viewer from the image
    std::function<void()> closeWindow;
};

enum class TransferResult {
    Ok,
    PortFailed, // the port did not open; nothing was sent
    BadRange,   // the range cannot be sent as scripts or lies outside the image; nothing was sent
    Rejected,   // the radio does not speak a command set of this program (message 69)
    Stopped,    // the user stopped the operation
    CommFailed, // the radio did not answer (message 79)
    CodeError,  // the program code did not match (message 97)
};

// The read and write operations of the communication window, without the window.
class RadioTransfer {
public:
    static constexpr int MaxFailures = 20;
    static constexpr int FixedAttempts = 16;
    static constexpr int ProbeAttempts = 3;
    static constexpr int TextCommFailed = 79;
    static constexpr int TextCodeError = 97;
    static constexpr int TextReading = 164;
    static constexpr int TextReadOk = 165;
    static constexpr int TextReadFailed = 166;
    static constexpr int TextWriting = 168;
    static inline const QByteArray EndSequence = QByteArray::fromHex("455AA5322345F2");

    RadioTransfer(ProtocolEngine& engine, PortControl& port, CommLog& log, CommClock& clock, ErrorLog& errors);

    // Reads the radio into the image. The image changes only when the whole read succeeded.
    TransferResult read(RadioImage& image, const TransferInputs& in, const TransferCallbacks& cb);
    // Writes the image into the radio, with the fixed exchanges and the end sequence.
    TransferResult write(RadioImage& image, const TransferInputs& in, const TransferCallbacks& cb);

    // The radio's bytes 0x3D0..0x3FF as read by the last write.
    const QByteArray& paramBlock() const { return m_paramBlock; }

private:
    // Ok when the port is open and the operation may talk to the radio.
    TransferResult commonStart(int direction, RadioImage& image, const TransferInputs& in, const TransferCallbacks& cb);
    TransferResult stepLoop(int direction, RadioImage& target, const TransferInputs& in, const TransferCallbacks& cb);
    void showComPercent(int percent, const TransferCallbacks& cb);
    QString text(int index, const TransferCallbacks& cb) const;
    // One fixed exchange of the write: up to 16 attempts; true when a reply of at least
    // `need` bytes began with `first`.
    bool fixedExchange(const QByteArray& packet, int need, quint8 first, bool extraPause, const QString& timeoutLine,
                       const TransferCallbacks& cb, QByteArray* reply = nullptr, const QString& attemptLine = {});
    bool writeExtras(RadioImage& image, const TransferInputs& in, const TransferCallbacks& cb, bool f1, bool f2);
    void sendEndSequence();
    void writeCloseDown(const TransferCallbacks& cb);

    ProtocolEngine& m_engine;
    PortControl& m_port;
    CommLog& m_log;
    CommClock& m_clock;
    ErrorLog& m_errors;
    QByteArray m_paramBlock;
};

} // namespace qrt
