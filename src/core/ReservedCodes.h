#pragma once

#include <QStringList>

namespace qrt {

// The eleven reserved program codes: a new program code equal to one of them makes the
// read and the write skip the program-code check.
QStringList reservedProgramCodes();

} // namespace qrt
