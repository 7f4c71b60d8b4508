#include "memview/ByteTexts.h"

namespace qrt::memview::bytetext {

namespace {

int digitValue(QChar c, int base) {
    int value = -1;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        value = c.unicode() - '0';
    else if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        value = c.unicode() - 'A' + 10;
    else if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        value = c.unicode() - 'a' + 10;
    return value < base ? value : -1;
}

} // namespace

QString formatByte(int value) {
    return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

QString hexToBinary(const QString& hex) {
    QString binary;
    binary.reserve(hex.size() * 4);
    for (const QChar c : hex) {
        const int digit = digitValue(c, 16);
        if (digit >= 0)
            binary += QStringLiteral("%1").arg(digit, 4, 2, QLatin1Char('0'));
    }
    return binary;
}

int binaryToValue(const QString& binary) {
    int value = 0;
    for (const QChar c : binary) {
        const int digit = digitValue(c, 10);
        value = value * 2 + qMax(digit, 0);
        if (value > 0xFFFF) // the tool tip shows bytes; a longer text must not overflow
            return 0xFFFF;
    }
    return value;
}

QString bitDisplay(const QString& binary) {
    QString shown;
    const int length = int(binary.size());
    for (int bit = 0; bit < length; ++bit) {
        shown.prepend(QStringLiteral("B%1:%2 ").arg(bit).arg(binary.at(length - 1 - bit)));
        if (bit == 3)
            shown.prepend(QStringLiteral("  "));
    }
    return shown;
}

QString cellToolTip(int address, const QString& cellText) {
    const QString binary = hexToBinary(cellText);
    return QStringLiteral("地址为: 0x") + QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper() +
           QStringLiteral("    二进制:") + binary + QStringLiteral("    ") + bitDisplay(binary) +
           QStringLiteral("    十进制") + QString::number(binaryToValue(binary)) + QStringLiteral("    \r\n");
}

ReadNumber readNumber(const QString& text, int base, int ceiling) {
    QString digits = text.trimmed();
    if (digits.isEmpty())
        return {NumberStatus::Empty, 0};
    bool negative = false;
    if (digits.startsWith(QLatin1Char('-'))) {
        negative = true;
        digits = digits.mid(1);
        if (digits.isEmpty())
            return {NumberStatus::NotANumber, 0};
    }
    int value = 0;
    for (const QChar c : digits) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            return {NumberStatus::NotANumber, 0};
        value = qMin(value * base + digit, ceiling + 1);
    }
    if (negative)
        return {value == 0 ? NumberStatus::Ok : NumberStatus::Negative, 0};
    return {NumberStatus::Ok, qMin(value, ceiling)};
}

} // namespace qrt::memview::bytetext
