#include "memview/PartFill.h"

#include "memview/ByteTexts.h"

namespace qrt::memview::partfill {

namespace {

using bytetext::NumberStatus;

constexpr int LargestValue = 255;

QString baseWord(Base base) {
    switch (base) {
    case Base::Decimal:
        return QStringLiteral("decimal");
    case Base::Binary:
        return QStringLiteral("binary");
    default:
        return QStringLiteral("hexadecimal");
    }
}

int radixOf(Base base) {
    switch (base) {
    case Base::Decimal:
        return 10;
    case Base::Binary:
        return 2;
    default:
        return 16;
    }
}

// Reads one address; an empty problem means it was read.
QString readAddress(const QString& caption, const QString& text, int imageSize, int* address) {
    const bytetext::ReadNumber read = bytetext::readNumber(text, 16, 0xFFFF + 1);
    if (read.status != NumberStatus::Ok)
        return QStringLiteral("%1 \"%2\" is not a hexadecimal number.").arg(caption, text.trimmed());
    if (read.value >= imageSize)
        return QStringLiteral("%1 %2H is outside the memory (%3H - %4H).")
            .arg(caption, text.trimmed().toUpper(), addressText(0), addressText(imageSize - 1));
    *address = read.value;
    return {};
}

} // namespace

QStringList baseNames() {
    return {QStringLiteral("H"), QStringLiteral("D"), QStringLiteral("B")};
}

QString addressText(int address) {
    return QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
}

Plan plan(const Request& request, int imageSize) {
    Plan result;
    if (request.base < 0 || request.base >= int(baseNames().size()))
        return result;
    const Base base = Base(request.base);
    const bytetext::ReadNumber value = bytetext::readNumber(request.value, radixOf(base), LargestValue);
    if (value.status == NumberStatus::Negative) {
        result.problem = QStringLiteral("Fill Data must not be negative.");
        return result;
    }
    if (value.status != NumberStatus::Ok) {
        result.problem =
            QStringLiteral("Fill Data \"%1\" is not a %2 number.").arg(request.value.trimmed(), baseWord(base));
        return result;
    }
    result.problem = readAddress(QStringLiteral("Start Addr"), request.start, imageSize, &result.start);
    if (result.problem.isEmpty())
        result.problem = readAddress(QStringLiteral("End Addr"), request.end, imageSize, &result.end);
    if (!result.problem.isEmpty())
        return result;
    result.value = value.value;
    result.ok = true;
    return result;
}

} // namespace qrt::memview::partfill
