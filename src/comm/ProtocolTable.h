#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

namespace qrt {
class ErrorLog;
class RadioImage;
} // namespace qrt

namespace qrt::comm {

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

// Which way an operation moves the image: from the radio, or to it.
enum class TransferDirection { Read, Write };

// The scripts of a read and of a write.
class ProtocolTable {
public:
    static constexpr int MaxSteps = 520;
    // Block addresses are sent as four hexadecimal digits, a 1 KB page per leading digit.
    static constexpr int MaxAddress = 0x3FFF;
    // The command of a block written in layout::AlternateWriteCommandRange, and of the last
    // packets of a write.
    static constexpr quint8 AlternateWriteCommand = 0x75;

    // Builds both directions with the read and write codes as two-digit texts ("52", "57"),
    // the read steps first. A range that needs more than MaxSteps steps or reaches past
    // MaxAddress is logged ("modCommun->InitProtocol") and stops the build there: a bad read
    // range leaves both directions as they were, a bad write range only the write steps;
    // what was left as it was is marked not valid.
    bool build(const QString& rd, const QString& wr, const TableInputs& in, ErrorLog* log);

    bool isValid() const { return m_valid[0] && m_valid[1]; }
    bool isValid(TransferDirection direction) const { return m_valid[slot(direction)]; }
    int count(TransferDirection direction) const { return m_count[slot(direction)]; }
    // Step 1..count of a direction; an empty step outside.
    const ProtocolStep& step(TransferDirection direction, int index) const;
    bool codeFieldShown() const { return m_codeFieldShown; }

    // "0400" -> the wire address text of image address a: page a / 1024 as the first digit.
    static QString addressText(int a);
    static QString hex2(int value);
    // The program-code check of step 3, or the plain acknowledge when it is skipped.
    static QString codeCheckScript(const TableInputs& in);
    static int blockCount(int start, int end);

    static inline const QString Acknowledge = QStringLiteral("TX06RX06EN");

private:
    static constexpr size_t slot(TransferDirection direction) { return direction == TransferDirection::Read ? 0 : 1; }

    std::array<std::array<ProtocolStep, MaxSteps + 1>, 2> m_steps{};
    std::array<int, 2> m_count{};
    std::array<bool, 2> m_valid{};
    bool m_codeFieldShown = false;
};

} // namespace qrt::comm
