#include "core/MemoryMap.h"

#include "core/ChannelCodec.h"
#include "core/MemoryLayout.h"

namespace qrt {

namespace {

struct ChannelField {
    const char* part;
    const char* name;
};

// By byte of the channel record.
constexpr ChannelField kChannelFields[ChannelTable::RecordSize] = {
    {"rx", "receive frequency"},
    {"rx", "receive frequency"},
    {"rx", "receive frequency"},
    {"rx", "receive frequency"},
    {"tx", "transmit frequency"},
    {"tx", "transmit frequency"},
    {"tx", "transmit frequency"},
    {"tx", "transmit frequency"},
    {"decode", "decode tone"},
    {"decode", "decode tone"},
    {"encode", "encode tone"},
    {"encode", "encode tone"},
    {"options", "options (fields 8, 10, 11, 13)"},
    {"options", "options (fields 5, 6, 9, PTT ID pause)"},
    {"options", "options (field 10)"},
    {"options", "options (field 12)"},
};

struct Area {
    int first;
    int last;
    const char* part;
    const char* name;
};

constexpr Area kAreas[] = {
    {layout::Header.first, layout::Header.last, "header", "header"},
    {layout::RadioWideSettings.first, layout::RadioWideSettings.last, "settings", "radio-wide settings"},
    {layout::ChannelFlagBitmap.first, layout::ChannelFlagBitmap.last, "flags", "channel flag bitmap (field 7)"},
    {layout::RadioWideSettings2.first, layout::RadioWideSettings2.last, "settings", "radio-wide settings"},
    {layout::IdentificationText.first, layout::IdentificationText.last, "idText", "identification text"},
    {layout::RadioWideData.first, layout::RadioWideData.last, "data", "radio-wide data"},
    {layout::CommonOptionBytes.first, layout::CommonOptionBytes.last, "common", "common settings option bits"},
    {0x370, 0x378, "settings", "radio-wide settings"},
    {layout::ModelIndex, layout::ModelIndex, "model", "model index"},
    {layout::BandLimits.first, layout::BandLimits.first + 1, "bandLow", "band lower limit"},
    {layout::BandLimits.last - 1, layout::BandLimits.last, "bandHigh", "band upper limit"},
    {0x37E, 0x37F, "settings", "radio-wide settings"},
    {layout::AccessCodesAndTimings.first, layout::AccessCodesAndTimings.last, "codes",
     "access codes, timing values and further settings"},
};

constexpr const char* kUpperPart = "upper";
constexpr const char* kUpperName = "upper memory (not used by the editor)";

bool inChannelRecords(int address) {
    return address >= ChannelTable::recordAddress(1) &&
           address < ChannelTable::recordAddress(ChannelTable::Rows) + ChannelTable::RecordSize;
}

const Area* areaOf(int address) {
    for (const Area& area : kAreas) {
        if (address >= area.first && address <= area.last)
            return &area;
    }
    return nullptr;
}

} // namespace

AddressPart addressPart(int address) {
    if (inChannelRecords(address))
        return {address / ChannelTable::RecordSize, kChannelFields[address % ChannelTable::RecordSize].part};
    const Area* area = areaOf(address);
    return {0, area ? area->part : kUpperPart};
}

QString describeAddress(int address) {
    if (inChannelRecords(address)) {
        const int channel = address / ChannelTable::RecordSize;
        return QStringLiteral("channel %1 %2")
            .arg(channel)
            .arg(QLatin1String(kChannelFields[address % ChannelTable::RecordSize].name));
    }
    const Area* area = areaOf(address);
    return QString::fromLatin1(area ? area->name : kUpperName);
}

} // namespace qrt
