#pragma once

#include <QString>

namespace qrt {

// A readable name for what lives at a radio address: the channel and field of a channel
// record, or the area of the radio-wide data.
QString describeAddress(int address);

} // namespace qrt
