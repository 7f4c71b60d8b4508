#include "memview/PartFill.h"

#include "core/ExtraTexts.h"
#include "memview/ByteTexts.h"

namespace qrt::memview::partfill {

namespace {

using bytetext::NumberStatus;

constexpr int LargestValue = 255;

QString baseWord(Base base, const ExtraTexts& texts) {
    switch (base) {
    case Base::Decimal:
        return texts.text(QStringLiteral("fill.decimal"));
    case Base::Binary:
        return texts.text(QStringLiteral("fill.binary"));
    default:
        return texts.text(QStringLiteral("fill.hexadecimal"));
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

Result readAddress(const QString& caption, const QString& text, int imageSize, const ExtraTexts& texts, int* address) {
    const bytetext::ReadNumber read = bytetext::readNumber(text, 16, 0xFFFF + 1);
    if (read.status != NumberStatus::Ok)
        return Result::failure(texts.text(QStringLiteral("fill.addressNotHex")).arg(caption, text.trimmed()));
    if (read.value >= imageSize)
        return Result::failure(texts.text(QStringLiteral("fill.addressOutside"))
                                   .arg(caption, text.trimmed().toUpper(), addressText(0), addressText(imageSize - 1)));
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

Plan plan(const Request& request, int imageSize, const ExtraTexts& texts) {
    Plan result;
    if (request.base < 0 || request.base >= int(baseNames().size()))
        return result;
    const Base base = Base(request.base);
    const bytetext::ReadNumber value = bytetext::readNumber(request.value, radixOf(base), LargestValue);
    if (value.status == NumberStatus::Negative) {
        result.status = Result::failure(texts.text(QStringLiteral("fill.negative")));
        return result;
    }
    if (value.status != NumberStatus::Ok) {
        result.status = Result::failure(
            texts.text(QStringLiteral("fill.notANumber")).arg(request.value.trimmed(), baseWord(base, texts)));
        return result;
    }
    result.status = readAddress(QStringLiteral("Start Addr"), request.start, imageSize, texts, &result.start);
    if (result.status.ok())
        result.status = readAddress(QStringLiteral("End Addr"), request.end, imageSize, texts, &result.end);
    if (result.status.failed())
        return result;
    result.value = value.value;
    return result;
}

} // namespace qrt::memview::partfill
