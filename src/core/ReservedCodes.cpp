#include "core/ReservedCodes.h"

namespace qrt {

QStringList reservedProgramCodes() {
    return {
        QStringLiteral("000"), QStringLiteral("111"),    QStringLiteral("123"),    QStringLiteral("168"),
        QStringLiteral("518"), QStringLiteral("666"),    QStringLiteral("888"),    QStringLiteral("999"),
        QStringLiteral("ABC"), QStringLiteral("管理员"), QStringLiteral("万能码"),
    };
}

} // namespace qrt
