#pragma once

#include "channels/ChannelImport.h"

#include <QByteArray>

namespace qrt::channels {

// The program's own channel list: every column of the grid. A header row (the caption of
// the channel numbers, then every column's caption in the interface language) and one
// row per channel with the texts the grid shows, an empty channel with an empty receive
// frequency. UTF-8 with a byte-order mark (so spreadsheets read the captions right),
// CRLF line ends.
QByteArray exportChannelCsv(const ChannelTableModel& model);

// Reads such a list, with the captions, option texts and none texts of any language and
// options also as "#n", in any column order, the first column always the channel number.
// Every value must be one the grid stores as it stands; anything else is an error naming
// line and column. Rows may leave channels out (they stay as they are); an empty cell of
// a tone or option column leaves that cell as it is.
ChannelImport parseChannelCsv(const QByteArray& bytes, const ImportTarget& target);

} // namespace qrt::channels
