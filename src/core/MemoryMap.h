#pragma once

#include <QString>

namespace qrt {

// What lives at a radio address: for a channel record its channel (1..16) and field, else
// the area of the radio-wide data. `part` is a short name ("rx", "tx", "decode", "encode",
// "options", or an area such as "header", "common", "codes") that texts are looked up by.
struct AddressPart {
    int channel = 0; // 0: not a channel record
    const char* part = "";
};
AddressPart addressPart(int address);

// A readable name for what lives at a radio address: the channel and field of a channel
// record, or the area of the radio-wide data.
QString describeAddress(int address);

} // namespace qrt
