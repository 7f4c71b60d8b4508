#pragma once

#include "core/Language.h"

#include <QString>

#include <memory>

class QTranslator;

namespace qrt::gui {

// Qt's own texts (the standard buttons of message boxes, the file dialogs and their
// questions) in the interface language: the translation of Simplified Chinese or
// Traditional Chinese is installed into the application while the object lives.
// English needs none. A translation that is not installed on this computer is no
// error: Qt's texts then stay English.
class QtTranslations {
public:
    // folder: where Qt's translation files are; empty for the folder Qt was built with.
    explicit QtTranslations(Language language, const QString& folder = QString());
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // True when a translation is installed.
    bool installed() const { return m_translator != nullptr; }

    // The locale name of Qt's translation for a language: "zh_CN", "zh_TW", or empty.
    static QString localeName(Language language);
    static QString defaultFolder();

private:
    std::unique_ptr<QTranslator> m_translator;
};

} // namespace qrt::gui
