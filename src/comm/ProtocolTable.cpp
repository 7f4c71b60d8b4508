#include "comm/ProtocolTable.h"

#include "core/ErrorLog.h"
#include "core/MemoryLayout.h"
#include "core/RadioImage.h"

#include <cmath>

namespace qrt::comm {

namespace {

const QString ReadStep1 = QStringLiteral("TX50524F4752414DRX06TX52038803RXVA038803VAVAVAEN");
const QString ReadStep2 = QStringLiteral("TX52038509RXVA038509VAVAVAVAVAVAVAVAVAEN");
const QString WriteStep1Start = QStringLiteral("TX50524F4752414DRX06TX50524F4752414DRX06TX52038803RXVA038803VAVAVA");
const QString WriteStep2 =
    QStringLiteral("TX50524F4752414DRX06TX50524F4752414DRX06TX52038509RXVA038509VAVAVAVAVAVAVAVAVAEN");

// Halves go to the even neighbour.
int roundEven(double v) {
    return int(std::nearbyint(v));
}

int blockPercent(int i, int steps) {
    return qMin(98, roundEven(double(i - 1) * 94.0 / double(steps) + 3.0));
}

int percentSteps(int start, int end) {
    const int steps = roundEven(double(end - start) / 16.0);
    return steps == 0 ? 1 : steps;
}

bool rangeFits(int start, int end) {
    if (end < start)
        return true; // no blocks at all
    return start >= 0 && end <= ProtocolTable::MaxAddress &&
           ProtocolTable::blockCount(start, end) + 4 <= ProtocolTable::MaxSteps;
}

} // namespace

namespace {

// An uppercase hexadecimal digit; a whole table of scripts is built of thousands of them.
QChar hexDigit(int value) {
    return QLatin1Char("0123456789ABCDEF"[value & 0xF]);
}

} // namespace

QString ProtocolTable::hex2(int value) {
    const QChar digits[2] = {hexDigit(value >> 4), hexDigit(value)};
    return QString(digits, 2);
}

QString ProtocolTable::addressText(int a) {
    const int digits[4] = {a / 1024, (a % 1024) / 256, (a % 256) / 16, a % 16};
    // Only the page digit can reach 16 and more, for an address past the memory.
    if (digits[0] < 0 || digits[0] > 15 || a < 0)
        return QString::number(digits[0], 16).toUpper() + QString::number(digits[1], 16).toUpper() +
               QString::number(digits[2], 16).toUpper() + QString::number(digits[3], 16).toUpper();
    const QChar text[4] = {hexDigit(digits[0]), hexDigit(digits[1]), hexDigit(digits[2]), hexDigit(digits[3])};
    return QString(text, 4);
}

int ProtocolTable::blockCount(int start, int end) {
    return end < start ? 0 : (end - start) / 16 + 1;
}

QString ProtocolTable::codeCheckScript(const TableInputs& in) {
    if (!in.codeFieldShown || in.radioCodeBlank)
        return Acknowledge;
    if (in.newCodeShown && in.reservedCodes.contains(in.newCodeText))
        return Acknowledge;
    // The new-code block is laid out like AccessCodesAndTimings from its first address on.
    constexpr int BlockStart = layout::AccessCodesAndTimings.first;
    constexpr layout::AddressRange First = layout::ProgramCodeFirst, Second = layout::ProgramCodeSecond;
    static constexpr int ImagePositions[6] = {First.first,  First.first + 1,  First.first + 2,
                                              Second.first, Second.first + 1, Second.first + 2};
    static_assert(First.size() == 3 && Second.size() == 3);
    const bool useNew = in.useNewCode && in.newCodeShown;
    QString k[6];
    for (int i = 0; i < 6; ++i) {
        int byte = 0xFF;
        const int inBlock = ImagePositions[i] - BlockStart;
        if (useNew)
            byte = inBlock < in.newCodeBlock.size() ? quint8(in.newCodeBlock.at(inBlock)) : 0xFF;
        else if (in.image)
            byte = in.image->at(ImagePositions[i]);
        k[i] = hex2(byte);
    }
    return QStringLiteral("TX52038010RXVA038010VAVAVAVAVA") + k[0] + k[1] + k[2] + QStringLiteral("VAVAVA") + k[3] +
           k[4] + k[5] + QStringLiteral("VAVAEN");
}

const ProtocolStep& ProtocolTable::step(TransferDirection direction, int index) const {
    static const ProtocolStep empty;
    if (index < 1 || index > MaxSteps)
        return empty;
    return m_steps[slot(direction)][size_t(index)];
}

bool ProtocolTable::build(const QString& rd, const QString& wr, const TableInputs& in, ErrorLog* log) {
    constexpr size_t Read = slot(TransferDirection::Read), Write = slot(TransferDirection::Write);
    // A bad read range leaves both directions not valid, a bad write range the write only.
    auto refuse = [this, log](size_t first) {
        if (log)
            log->logErr(QStringLiteral("modCommun->InitProtocol"), err::IndexOutOfRange);
        for (size_t d = first; d <= Write; ++d)
            m_valid[d] = false;
        return false;
    };
    if (!rangeFits(in.readStart, in.readEnd))
        return refuse(Read);
    m_codeFieldShown = in.codeFieldShown;
    const QString codeCheck = codeCheckScript(in);

    // The "VA" tokens of a block's bytes; the text of a whole block is shared by all of them.
    const QString wholeBlockValues = QStringLiteral("VA").repeated(16);
    auto values = [&wholeBlockValues](int length) {
        return length == 16 ? wholeBlockValues : QStringLiteral("VA").repeated(length);
    };
    auto& r = m_steps[Read];
    r[1] = {ReadStep1, 0, 0, 0};
    r[2] = {ReadStep2, 0, 0, 0};
    r[3] = {codeCheck, 0, 0, 3};
    int i = 4;
    int steps = percentSteps(in.readStart, in.readEnd);
    for (int a = in.readStart; a <= in.readEnd; ++i) {
        const int length = in.readEnd - a >= 16 ? 16 : in.readEnd - a + 1;
        const QString head = addressText(a) + hex2(length);
        r[size_t(i)] = {QStringLiteral("TX") + rd + head + QStringLiteral("RX") + wr + head + values(length) +
                            QStringLiteral("EN"),
                        a, length, blockPercent(i, steps)};
        a += length;
    }
    r[size_t(i)] = {Acknowledge, 0, 0, 100};
    m_count[Read] = i;
    m_valid[Read] = true;
    if (!rangeFits(in.writeStart, in.writeEnd))
        return refuse(Write);

    auto& w = m_steps[Write];
    constexpr layout::AddressRange Step1Block = layout::WriteStep1Block;
    QString step1 = WriteStep1Start + QStringLiteral("TX") + hex2(AlternateWriteCommand) +
                    addressText(Step1Block.first) + hex2(Step1Block.size());
    for (int a = Step1Block.first; a <= Step1Block.last; ++a)
        step1 += hex2(in.image ? in.image->at(a) : 0);
    w[1] = {step1 + QStringLiteral("RX06EN"), 0, 0, 0};
    w[2] = {WriteStep2, 0, 0, 0};
    w[3] = {codeCheck, 0, 0, 3};
    i = 4;
    steps = percentSteps(in.writeStart, in.writeEnd);
    for (int a = in.writeStart; a <= in.writeEnd; ++i) {
        const int length = in.writeEnd - a >= 16 ? 16 : in.writeEnd - a + 1;
        const QString command = layout::AlternateWriteCommandRange.contains(a) ? hex2(AlternateWriteCommand) : wr;
        w[size_t(i)] = {QStringLiteral("TX") + command + addressText(a) + hex2(length) + values(length) +
                            QStringLiteral("RX06EN"),
                        a, length, blockPercent(i, steps)};
        a += length;
    }
    // The closing acknowledge, also when the program-code box is shown.
    w[size_t(i)] = {Acknowledge, 0, 0, 100};
    m_count[Write] = i;
    m_valid[Write] = true;
    return true;
}

} // namespace qrt::comm
