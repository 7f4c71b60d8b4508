#pragma once

#include <QString>

#include <cmath>

namespace qrt {

// Round to the nearest integer, a half going to the even neighbour.
inline double roundHalfEven(double x) {
    return std::nearbyint(x);
}

// Reads a plain decimal number as a user types it: optional blanks and sign, digits with
// an optional decimal point, an optional exponent. Returns false for anything else,
// including an empty text, and for values that are not finite.
bool parseDecimal(const QString& text, double* value);

} // namespace qrt
