#include "core/ProgramVersion.h"

#include "ProgramVersionText.h"

namespace qrt {

QString programVersion() {
    return QStringLiteral(QRT_VERSION_TEXT);
}

} // namespace qrt
