#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

namespace qrt {
class ExtraTexts;
}

namespace qrt::memview {

// The part fill: one value for every byte of an address range, typed in base 16, 10 or 2;
// the addresses in base 16.
namespace partfill {

enum class Base { Hexadecimal = 0, Decimal = 1, Binary = 2 };
// The base list as the dialog offers it, in the order of Base.
QStringList baseNames();

struct Request {
    QString value;
    int base = 0; // position in baseNames(); -1: none chosen
    QString start;
    QString end;
};

// What a fill will do, or why it cannot. A value above 255 fills with 255; an end below
// the start fills nothing.
struct Plan {
    // Failed with why; without a reason when nothing is to be done and there is nothing to
    // tell (no base chosen).
    Result status = Result::failure({});
    int value = 0;
    int start = 0;
    int end = -1;
};

// The reason is told in the language of the texts; the captions it names ("Fill Data",
// "Start Addr") are the dialog's own, English in every language.
Plan plan(const Request& request, int imageSize, const ExtraTexts& texts);
// An address as the dialog shows it: four hexadecimal digits.
QString addressText(int address);

} // namespace partfill
} // namespace qrt::memview
