#pragma once

#include <QString>

namespace qrt::gui::info {

// The texts of the about dialog in one language. They name the product and its makers,
// so they are kept here, by language, rather than in the interface text table.
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

// A language outside 1..3 gives the English texts.
AboutTexts aboutTexts(int language, const QString& modelName);

} // namespace qrt::gui::info
