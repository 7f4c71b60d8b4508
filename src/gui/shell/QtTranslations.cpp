#include "gui/shell/QtTranslations.h"

#include "core/InterfaceTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qrt::gui {

QtTranslations::QtTranslations(Language language, const QString& folder) {
    const QString locale = localeName(language);
    if (locale.isEmpty())
        return;
    auto translator = std::make_unique<QTranslator>();
    // "qt_<locale>" gathers the translations of every Qt module installed.
    if (!translator->load(QLocale(locale), QStringLiteral("qt"), QStringLiteral("_"),
                          folder.isEmpty() ? defaultFolder() : folder))
        return;
    if (QCoreApplication::installTranslator(translator.get()))
        m_translator = std::move(translator);
}

QtTranslations::~QtTranslations() {
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
}

QString QtTranslations::localeName(Language language) {
    // English needs no translation of Qt's own texts.
    const QString locale = InterfaceTexts::localeName(language);
    return locale == InterfaceTexts::localeName(Language::English) ? QString() : locale;
}

QString QtTranslations::defaultFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace qrt::gui
