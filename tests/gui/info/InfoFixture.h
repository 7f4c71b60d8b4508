#pragma once

#include "TestSupport.h"
#include "core/AppContext.h"

#include <QTest>

#include <memory>

namespace qrt::test {

// The shipped files in a temporary application folder and a context loaded in one
// language. A language outside 1..3 is written into the settings file as it stands.
class LanguageContext {
public:
    explicit LanguageContext(Language language) : m_context(std::make_unique<AppContext>(m_dir.path())) {
        m_context->load(language);
    }
    // The language number as the settings file holds it, in range or not.
    explicit LanguageContext(int storedNumber) : m_context(std::make_unique<AppContext>(m_dir.path())) {
        if (const std::optional<Language> language = languageFromNumber(storedNumber)) {
            m_context->load(*language);
            return;
        }
        QByteArray settings = m_dir.readFile(AppContext::SettingsFileName);
        settings.replace(QByteArray("Language=2"), QByteArray("Language=").append(QByteArray::number(storedNumber)));
        m_dir.writeFile(AppContext::SettingsFileName, settings);
        m_context->load();
    }
    AppContext& operator*() { return *m_context; }
    AppContext* operator->() { return m_context.get(); }

private:
    TempAppDir m_dir;
    std::unique_ptr<AppContext> m_context;
};

} // namespace qrt::test
