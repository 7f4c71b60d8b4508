#include "channels/FrequencyEntry.h"

#include "core/ChannelCodec.h"
#include "core/Numeric.h"

#include <limits>

namespace qrt::channels {

namespace {
constexpr qint32 UnitsPerMhz = 100000;
constexpr qint32 TooLargeFrequency = 1200;
} // namespace

QString frequencyCellText(qint32 value) {
    if (value == ChannelTable::Empty)
        return QString();
    const qint64 v = value;
    QString text = QString::number(v / UnitsPerMhz);
    const qint64 fraction = (v < 0 ? -v : v) % UnitsPerMhz;
    if (fraction == 0)
        return text;
    QString decimals = QStringLiteral("%1").arg(fraction, 5, 10, QLatin1Char('0'));
    while (decimals.endsWith(QLatin1Char('0')))
        decimals.chop(1);
    if (v < 0 && v > -UnitsPerMhz)
        text = QStringLiteral("-0");
    return text + QLatin1Char('.') + decimals;
}

std::optional<qint32> typedFrequency(const QString& text, band::Limits limits) {
    double megahertz = 0;
    if (!parseDecimal(text, &megahertz))
        return std::nullopt;
    const double units = roundHalfEven(megahertz * UnitsPerMhz);
    qint32 f = TooLargeFrequency;
    if (units >= double(std::numeric_limits<qint32>::min()) && units <= double(std::numeric_limits<qint32>::max()))
        f = qint32(units);
    // The raster moves a frequency by less than 320 units, so a value far outside every
    // band may be bounded first; it ends at a band limit all the same.
    f = band::snapToRaster(qBound(-1000000000, f, 1000000000));
    return qBound(limits.min, f, limits.max);
}

} // namespace qrt::channels
