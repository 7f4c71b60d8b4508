#include "core/MemoryMap.h"

#include "core/ChannelCodec.h"

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
    {0x000, 0x00F, "header"},
    {0x110, 0x17D, "radio-wide settings"},
    {0x17E, 0x17F, "channel flag bitmap (field 7)"},
    {0x180, 0x1B7, "radio-wide settings"},
    {0x1B8, 0x1BF, "identification text"},
    {0x1C0, 0x35F, "radio-wide data"},
    {0x360, 0x36F, "common settings option bits"},
    {0x370, 0x378, "radio-wide settings"},
    {0x379, 0x379, "model index"},
    {0x37A, 0x37B, "band lower limit"},
    {0x37C, 0x37D, "band upper limit"},
    {0x37E, 0x37F, "radio-wide settings"},
    {0x380, 0x3FF, "access codes, timing values and further settings"},
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
