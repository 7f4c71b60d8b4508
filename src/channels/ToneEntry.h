#pragma once

#include <QString>

#include <optional>

namespace qrt::channels {

// A tone as typed or chosen in the tone list, brought to one of the list's forms:
// a number of hertz from 60.0 to 265.0 in tenths ("67" gives "67.0"), else three octal
// digits with an optional leading "D" and polarity letter ("023", "023i", "D754N" give
// "D023N", "D023I", "D754N"). nullopt when the text is neither; the caller then stores
// the language's none text. The result is not checked against the tone list.
std::optional<QString> normalizeTypedTone(const QString& typed);

} // namespace qrt::channels
