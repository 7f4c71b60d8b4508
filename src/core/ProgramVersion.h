#pragma once

#include <QString>

namespace qrt {

// The version of the programs, from the project's build description.
QString programVersion();

} // namespace qrt
