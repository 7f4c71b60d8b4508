#pragma once

#include <QString>

namespace qrt {
class ExtraTexts;
}

namespace qrt::gui::info {

// The texts of the about dialog in the language of the program's own texts (keys
// "about.*"); they name the product and its makers, so they are not in the interface
// text table.
struct AboutTexts {
    QString caption;
    QString title;
    QString ok;
    QString useRange;
    QString version;
    QString release;
    QString description;
    QString rights;
};

AboutTexts aboutTexts(const ExtraTexts& texts, const QString& modelName);

} // namespace qrt::gui::info
