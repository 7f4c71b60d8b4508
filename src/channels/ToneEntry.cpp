#include "channels/ToneEntry.h"

#include "core/Numeric.h"

namespace qrt::channels {

namespace {

constexpr double LowestTenths = 600;
constexpr double HighestTenths = 2650;

bool octalDigitsAt(const QString& text, int first) {
    if (text.size() < first + 3)
        return false;
    for (int i = first; i < first + 3; ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('7'))
            return false;
    }
    return true;
}

QString dcsText(const QString& digits, QChar typedPolarity) {
    const bool inverted = typedPolarity == QLatin1Char('I') || typedPolarity == QLatin1Char('i');
    return QLatin1Char('D') + digits + QLatin1Char(inverted ? 'I' : 'N');
}

} // namespace

std::optional<QString> normalizeTypedTone(const QString& typed) {
    double number = 0;
    if (parseDecimal(typed, &number)) {
        const double tenths = roundHalfEven(number * 10);
        if (tenths >= LowestTenths && tenths <= HighestTenths) {
            const int v = int(tenths);
            return QString::number(v / 10) + QLatin1Char('.') + QString::number(v % 10);
        }
        // A number outside the CTCSS range is read as a DCS code: "023" or "7540".
        if (octalDigitsAt(typed, 0))
            return dcsText(typed.left(3), QLatin1Char('N'));
        return std::nullopt;
    }
    const QString head = typed.left(5);
    const int first = head.startsWith(QLatin1Char('D')) ? 1 : 0;
    if (!octalDigitsAt(head, first))
        return std::nullopt;
    const QChar polarity = head.size() > first + 3 ? head.at(first + 3) : QChar();
    return dcsText(head.mid(first, 3), polarity);
}

} // namespace qrt::channels
