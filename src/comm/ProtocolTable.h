#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

namespace qrt {

class ErrorLog;
class RadioImage;

// One step of a read or a write: its script, the image block it moves and the percent
// shown when it has succeeded.
struct ProtocolStep {
    QString script;
    int address = 0;
    int count = 0;
    int percent = 0;
};

// What the table is built from besides the two command codes.
struct TableInputs {
    const RadioImage* image = nullptr; // program-code bytes and the bytes of write step 1
    int readStart = 0, readEnd = 0x1FFF;
    int writeStart = 0, writeEnd = 0x1FFF;
    bool codeFieldShown = true;  // the program-code box is shown
    bool newCodeShown = false;   // the new-program-code box is shown ("Set New Program Code" ticked)
    QString newCodeText;         // its text
    QByteArray newCodeBlock;     // 16 bytes laid out like 0x380..0x38F
    QStringList reservedCodes;   // codes that skip the program-code check
    bool radioCodeBlank = false; // the radio holds no program code
    bool useNewCode = false;     // compare with the new code instead of the image's
};

// The scripts of a read (direction 1) and of a write (direction 2).
class ProtocolTable {
public:
    static constexpr int MaxSteps = 520;
    static constexpr int Read = 1;
    static constexpr int Write = 2;
    // Block addresses are sent as four hexadecimal digits, a 1 KB page per leading digit.
    static constexpr int MaxAddress = 0x3FFF;

    // Builds both directions with the read and write codes as two-digit texts ("52", "57"),
    // the read steps first. A range that needs more than MaxSteps steps or reaches past
    // MaxAddress is logged ("modCommun->InitProtocol") and stops the build there: a bad read
    // range leaves both directions as they were, a bad write range only the write steps;
    // what was left as it was is marked not valid.
    bool build(const QString& rd, const QString& wr, const TableInputs& in, ErrorLog* log);

    bool isValid() const { return m_valid[Read] && m_valid[Write]; }
    bool isValid(int direction) const { return (direction == Read || direction == Write) && m_valid[direction]; }
    int count(int direction) const { return (direction == Read || direction == Write) ? m_count[direction] : 0; }
    // Step 1..count of a direction; an empty step outside.
    const ProtocolStep& step(int direction, int index) const;
    bool codeFieldShown() const { return m_codeFieldShown; }

    // "0400" -> the wire address text of image address a: page a / 1024 as the first digit.
    static QString addressText(int a);
    static QString hex2(int value);
    // The program-code check of step 3, or the plain acknowledge when it is skipped.
    static QString codeCheckScript(const TableInputs& in);
    static int blockCount(int start, int end);

    static inline const QString Acknowledge = QStringLiteral("TX06RX06EN");

private:
    std::array<std::array<ProtocolStep, MaxSteps + 1>, 3> m_steps{};
    std::array<int, 3> m_count{};
    std::array<bool, 3> m_valid{};
    bool m_codeFieldShown = false;
};

} // namespace qrt
