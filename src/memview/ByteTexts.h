#pragma once

#include <QString>

namespace qrt::memview {

// The texts of the memory viewer: byte cells, the binary and decimal forms of the tool
// tip and the checked reading of typed numbers.
namespace bytetext {

// Two uppercase hexadecimal digits ("0A", "FF").
QString formatByte(int value);
// Four bits per hexadecimal digit of the text; characters that are not hexadecimal
// digits give nothing ("0a" -> "00001010").
QString hexToBinary(const QString& hex);
// The number the binary text stands for (each character's digit value doubled in).
int binaryToValue(const QString& binary);
// "B7:0 B6:0 B5:0 B4:0   B3:1 B2:0 B1:1 B0:0 ": bit i of the text counted from the
// right, highest first, two more blanks in front of bit 3.
QString bitDisplay(const QString& binary);
// The tool tip of the cell at `address` showing `cellText`.
QString cellToolTip(int address, const QString& cellText);

// Strict reading of a number typed in base 16, 10 or 2: surrounding blanks are ignored,
// anything else that is not a digit of the base is refused. Values above `ceiling` read
// as `ceiling`, so a long text cannot overflow.
enum class NumberStatus { Ok, Empty, NotANumber, Negative };
struct ReadNumber {
    NumberStatus status = NumberStatus::Empty;
    int value = 0;
};
ReadNumber readNumber(const QString& text, int base, int ceiling);

} // namespace bytetext
} // namespace qrt::memview
