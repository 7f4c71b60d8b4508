#include "gui/info/AboutTexts.h"

#include "core/ExtraTexts.h"

namespace qrt::gui::info {

AboutTexts aboutTexts(const ExtraTexts& texts, const QString& modelName) {
    const auto text = [&texts](const char* key) { return texts.text(QLatin1String("about.") + QLatin1String(key)); };
    return {text("caption"),
            text("title").arg(modelName),
            text("ok"),
            text("for").arg(modelName),
            text("version"),
            text("released"),
            text("description").arg(modelName),
            text("rights").arg(modelName)};
}

} // namespace qrt::gui::info
