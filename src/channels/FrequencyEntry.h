#pragma once

#include "core/Band.h"

#include <QString>

#include <optional>

namespace qrt::channels {

// The text of a frequency cell: megahertz with up to five decimals and no trailing zeros
// ("136", "435.005", "146.5125"); empty for an empty cell (-1).
QString frequencyCellText(qint32 value);

// A frequency typed into a receive or transmit cell, in 10 Hz units: snapped to the
// 5 kHz or 6.25 kHz raster and pulled into the band. nullopt when the text is not a
// number (a cleared cell too). A number too large for the 10 Hz scale counts as 1200,
// so it ends at the band's lower limit.
std::optional<qint32> typedFrequency(const QString& text, band::Limits limits);

} // namespace qrt::channels
