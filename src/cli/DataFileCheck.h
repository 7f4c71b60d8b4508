#pragma once

#include <QString>

namespace qrt::cli {

// "FILE is not radio data: why." for a file that a saved data file could not be (wrong
// length, no header text); empty when it could be, or when the file cannot be read (opening
// it says why).
QString notRadioDataText(const QString& path);

} // namespace qrt::cli
