#include "gui/shell/FrameTexts.h"

#include <QRegularExpression>

namespace qrt::gui {

QString withoutAccessKey(const QString& caption) {
    static const QRegularExpression bracketedKey(QStringLiteral("\\(&.\\)"));
    QString text = caption;
    text.remove(bracketedKey);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text.trimmed();
}

} // namespace qrt::gui
