#include "core/MemoryMap.h"

#include "core/ChannelCodec.h"
#include "core/MemoryLayout.h"

namespace qrt {

namespace {

QString channelField(int byte) {
    switch (byte) {
    case 0:
    case 1:
    case 2:
    case 3:
        return QStringLiteral("receive frequency");
    case 4:
    case 5:
    case 6:
    case 7:
        return QStringLiteral("transmit frequency");
    case 8:
    case 9:
        return QStringLiteral("decode tone");
    case 10:
    case 11:
        return QStringLiteral("encode tone");
    case 12:
        return QStringLiteral("options (fields 8, 10, 11, 13)");
    case 13:
        return QStringLiteral("options (fields 5, 6, 9, PTT ID pause)");
    case 14:
        return QStringLiteral("options (field 10)");
    default:
        return QStringLiteral("options (field 12)");
    }
}

struct Area {
    int first;
    int last;
    const char* name;
};

constexpr Area kAreas[] = {
    {layout::Header.first, layout::Header.last, "header"},
    {layout::RadioWideSettings.first, layout::RadioWideSettings.last, "radio-wide settings"},
    {layout::ChannelFlagBitmap.first, layout::ChannelFlagBitmap.last, "channel flag bitmap (field 7)"},
    {layout::RadioWideSettings2.first, layout::RadioWideSettings2.last, "radio-wide settings"},
    {layout::IdentificationText.first, layout::IdentificationText.last, "identification text"},
    {layout::RadioWideData.first, layout::RadioWideData.last, "radio-wide data"},
    {layout::CommonOptionBytes.first, layout::CommonOptionBytes.last, "common settings option bits"},
    {0x370, 0x378, "radio-wide settings"},
    {layout::ModelIndex, layout::ModelIndex, "model index"},
    {layout::BandLimits.first, layout::BandLimits.first + 1, "band lower limit"},
    {layout::BandLimits.last - 1, layout::BandLimits.last, "band upper limit"},
    {0x37E, 0x37F, "radio-wide settings"},
    {layout::AccessCodesAndTimings.first, layout::AccessCodesAndTimings.last,
     "access codes, timing values and further settings"},
};

} // namespace

QString describeAddress(int address) {
    if (address >= ChannelTable::recordAddress(1) &&
        address < ChannelTable::recordAddress(ChannelTable::Rows) + ChannelTable::RecordSize) {
        const int channel = address / ChannelTable::RecordSize;
        return QStringLiteral("channel %1 %2").arg(channel).arg(channelField(address % ChannelTable::RecordSize));
    }
    for (const Area& area : kAreas) {
        if (address >= area.first && address <= area.last)
            return QString::fromLatin1(area.name);
    }
    return QStringLiteral("upper memory (not used by the editor)");
}

} // namespace qrt
