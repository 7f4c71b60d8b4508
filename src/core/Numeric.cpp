#include "core/Numeric.h"

#include <QRegularExpression>

namespace qrt {

bool parseDecimal(const QString& text, double* value) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (!pattern.match(text).hasMatch())
        return false;
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

} // namespace qrt
