#pragma once

#include "comm/SerialPort.h"
#include "core/Band.h"
#include "core/ExtraTexts.h"
#include "core/InterfaceTexts.h"
#include "core/RadioImage.h"
#include "core/Result.h"
#include "document/DataComparison.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <optional>

namespace qrt::comm {

// Everything a read or a write needs, copied from the editor, the settings pages and the
// communication window before the operation starts, so that it can run on a thread of its
// own while the window stays live.
struct TransferJob {
    enum Kind { Read, Write };
    Kind kind = Read;

    // Read: the image as it is; the radio's blocks replace its bytes in the read range.
    // Write: the image to send, with the channel table already encoded into it and the
    // side-key lists' codes stored.
    RadioImage image;

    QString device;     // the serial device of the current port
    int portNumber = 1; // the port number it stands for (1..16), for messages

    int readStart = 0, readEnd = 0x1FFF;
    int writeStart = 0, writeEnd = 0x1FFF;
    bool codeFieldShown = true;                           // the program-code box is shown
    bool newCodeTicked = false;                           // "Set New Program Code" ticked (the new-code box shown)
    QString newCodeText;                                  // the new-code box's text
    QByteArray newCodeBlock = QByteArray(16, char(0xFF)); // the encoded new code, laid out like 0x380..0x38F
    QStringList reservedCodes;
    band::Limits bandLimits;     // the band shown by the editor
    bool autoNextSerial = false; // the serial list is shown, holds items and "Auto" is ticked
    bool showBytes = false;      // "Not Show Course" unticked when the operation starts
    // Write: read the written range back afterwards and compare it with what was sent.
    bool verifyAfterWrite = false;

    InterfaceTexts texts;  // the status texts and the timeout line of the data log
    ExtraTexts extraTexts; // the program's own texts (the verify's messages)
};

enum class TransferResult {
    Ok,
    PortFailed, // the port did not open; nothing was sent
    BadRange,   // the range cannot be sent as scripts or lies outside the image; nothing was sent
    Rejected,   // the radio does not speak a command set of this program (message 69)
    Stopped,    // the user stopped the operation
    CommFailed, // the radio did not answer (message 79)
    CodeError,  // the program code did not match (message 97)
    // The write went through, but the radio read back does not hold what was sent
    // (TransferOutcome::differences).
    VerifyFailed,
};

// What an operation hands back when it has ended; the caller applies it on its own thread.
struct TransferOutcome {
    TransferResult result = TransferResult::Ok;

    // The bytes the caller's image takes: after a successful read the radio's data (a
    // failed read gives none, so the image stays as it was); after a write that reached the
    // port, the image with the bytes the write forces (also when the write failed later).
    std::optional<RadioImage> image;

    // What to tell the user in message boxes (title text 70, exclamation icon), in order:
    // each a failure whose reason is the interface text of its message index.
    QList<Result> problems;

    // The port did not open: the caller shows the port dialog, then logs the failure
    // (PortControl::logOpenFailure). portmap::openFailureText tells the user why.
    bool portOpenFailed = false;
    PortError portError = PortError::None;
    QString portErrorDetail;

    // Write: the serial list is to move to its next number (cmdSeqSwitch_Click with 1).
    bool advanceSerial = false;
    // Write: the radio's bytes 0x3D0..0x3FF as read by its parameter exchange.
    QByteArray paramBlock;

    // Write with verify: whether the read back took place and matched, and where it did
    // not (ours = what the write sent, theirs = what the radio holds).
    bool verified = false;
    QList<ByteDifference> differences;
};

} // namespace qrt::comm

Q_DECLARE_METATYPE(qrt::comm::TransferJob)
Q_DECLARE_METATYPE(qrt::comm::TransferOutcome)
