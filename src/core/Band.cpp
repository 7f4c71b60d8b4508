#include "core/Band.h"

#include "core/Numeric.h"
#include "core/RadioImage.h"

#include <cmath>

namespace qrt::band {

namespace {

struct Entry {
    const char* text;
    Limits limits;
};

constexpr Entry kBands[CustomPosition] = {
    {"134 - 174 MHz", {13400000, 17400000}}, {"136 - 174 MHz", {13600000, 17400000}},
    {"136 - 150 MHz", {13600000, 15000000}}, {"150 - 174 MHz", {15000000, 17400000}},
    {"200 - 260 MHz", {20000000, 26000000}}, {"245 - 246 MHz", {24500000, 24600000}},
    {"320 - 400 MHz", {32000000, 40000000}}, {"400 - 470 MHz", {40000000, 47000000}},
    {"400 - 480 MHz", {40000000, 48000000}}, {"400 - 440 MHz", {40000000, 44000000}},
    {"440 - 480 MHz", {44000000, 48000000}}, {"470 - 520 MHz", {47000000, 52000000}},
    {"400 - 520 MHz", {40000000, 52000000}}, {"120 - 520 MHz", {12000000, 52000000}},
};

void appendTenths(QByteArray& bytes, int tenths) {
    bytes.append(char((tenths / 1000) % 10 * 16 + (tenths % 1000) / 100));
    bytes.append(char(((tenths % 100) / 10) * 16 + tenths % 10));
}

bool readTenths(const RadioImage& image, int address, int* tenths) {
    int v = 0;
    for (quint8 b : {image.at(address), image.at(address + 1)}) {
        if ((b >> 4) > 9 || (b & 0x0F) > 9)
            return false;
        v = v * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    *tenths = v;
    return true;
}

} // namespace

QString fixedText(int position) {
    return position >= 0 && position < CustomPosition ? QString::fromLatin1(kBands[position].text) : QString();
}

Limits fixedLimits(int position) {
    return position >= 0 && position < CustomPosition ? kBands[position].limits : Limits{};
}

int positionOf(Limits limits) {
    for (int p = 0; p < CustomPosition; ++p) {
        if (kBands[p].limits == limits)
            return p;
    }
    return CustomPosition;
}

QByteArray limitsBytes(Limits limits) {
    QByteArray bytes;
    appendTenths(bytes, int(roundHalfEven(limits.min / 10000.0)));
    appendTenths(bytes, int(roundHalfEven(limits.max / 10000.0)));
    return bytes;
}

void writeLimits(RadioImage& image, Limits limits) {
    image.write(LimitsAddress, limitsBytes(limits));
}

bool readLimits(const RadioImage& image, Limits* limits) {
    int lo = 0, hi = 0;
    if (!readTenths(image, LimitsAddress, &lo) || !readTenths(image, LimitsAddress + 2, &hi))
        return false;
    *limits = {lo * 10000, hi * 10000};
    return true;
}

QString caption(int position, Limits limits, const QString& customText) {
    if (position != CustomPosition)
        return fixedText(position);
    // Whole megahertz of the limits as stored: the tenths first, then truncated.
    const int lo = int(roundHalfEven(limits.min / 10000.0));
    const int hi = int(roundHalfEven(limits.max / 10000.0));
    return customText + QStringLiteral("  ") + QString::number(lo / 10) + QStringLiteral(" - ") +
           QString::number(hi / 10) + QStringLiteral(" MHz");
}

CustomBand customBand(const QString& minText, const QString& maxText) {
    double lo = 0, hi = 0;
    if (parseDecimal(minText, &lo) && parseDecimal(maxText, &hi)) {
        const double f = roundHalfEven(lo * 100000), h = roundHalfEven(hi * 100000);
        if (f >= CustomMin && f <= CustomMax && h >= CustomMin && h <= CustomMax && h >= f)
            return {{qint32(f), qint32(h)}, minText, maxText};
    }
    return {{CustomMin, CustomMax}, QStringLiteral("120"), QStringLiteral("520")};
}

qint32 snapToRaster(qint32 frequency) {
    const double x = frequency;
    const double d = roundHalfEven(x / 500) * 0.005;
    const double e1 = roundHalfEven(std::fabs(x - d * 100000));
    const double r = roundHalfEven(x / 625) * 0.00625;
    const double e2 = roundHalfEven(std::fabs(x - r * 100000));
    return qint32(roundHalfEven((e1 < e2 ? d : r) * 100000));
}

} // namespace qrt::band
