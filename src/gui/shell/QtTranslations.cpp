#include "gui/shell/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qrt::gui {

QtTranslations::QtTranslations(int language, const QString& folder) {
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

QString QtTranslations::localeName(int language) {
    switch (language) {
    case 1:
        return QStringLiteral("zh_CN");
    case 2:
        return QStringLiteral("zh_TW");
    default:
        return {};
    }
}

QString QtTranslations::defaultFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace qrt::gui
