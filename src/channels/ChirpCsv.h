#pragma once

#include "channels/ChannelImport.h"

#include <QByteArray>

namespace qrt::channels {

// The channel list of the widely used open multi-radio programming tool, which carries
// frequencies, tones, bandwidth, power and scan but none of the other columns of ours.
// Export writes one row per channel in use with the columns that tool writes, filling
// the tone columns a row does not use with the tool's defaults.
QByteArray exportChirpCsv(const ChannelTableModel& model);

// Reads such a list onto the current data: columns found by name (unknown ones ignored
// with one note), a list counting from 0 moved up by one, rows outside the channels
// skipped with a note, only the tone columns the tone mode names read. Columns of ours
// the list has no place for stay as the channel has them (a new channel gets the
// defaults, as typing its receive frequency gives).
ChannelImport parseChirpCsv(const QByteArray& bytes, const ImportTarget& target);

} // namespace qrt::channels
