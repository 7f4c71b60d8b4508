#include "gui/shell/LanguageSwitch.h"

#include "core/AppContext.h"
#include "core/LanguageSetup.h"
#include "gui/common/UserPrompts.h"
#include "gui/shell/FileCommands.h"
#include "gui/shell/FrameTexts.h"
#include "gui/shell/PlatformServices.h"

#include <QAction>

namespace qrt::gui {

namespace {

// The menu entries are in the order of the language numbers.
Language languageAtEntry(int entry) {
    return static_cast<Language>(entry + 1);
}

} // namespace

LanguageSwitch::LanguageSwitch(AppContext& context, const Entries& entries, FileCommands& files, UserPrompts& prompts,
                               ProgramRestarter& restarter, QWidget& window, std::function<void()> closeWithoutAsking)
    : m_context(context), m_entries{entries.simplified, entries.traditional, entries.english}, m_files(files),
      m_prompts(prompts), m_restarter(restarter), m_window(window), m_closeWithoutAsking(std::move(closeWithoutAsking)),
      m_language(context.language()) {
    for (int i = 0; i < 3; ++i) {
        m_entries[i]->setCheckable(true);
        connect(m_entries[i], &QAction::triggered, this, [this, i] { choose(languageAtEntry(i)); });
    }
    showChecks(m_language);
}

std::optional<Language> LanguageSwitch::checkedLanguage() const {
    for (int i = 0; i < 3; ++i)
        if (m_entries[i]->isChecked())
            return languageAtEntry(i);
    return std::nullopt;
}

void LanguageSwitch::showChecks(Language language) {
    for (int i = 0; i < 3; ++i)
        m_entries[i]->setChecked(languageAtEntry(i) == language);
}

void LanguageSwitch::choose(Language language) {
    if (language == m_language || !m_files.offerToSaveChanges()) {
        showChecks(m_language);
        return;
    }
    if (!storeLanguage(m_context.settings(), language, &m_context.errorLog())) {
        showChecks(m_language);
        return;
    }
    showChecks(language);
    m_language = language;
    m_prompts.inform(&m_window, QMessageBox::Question, m_context.extraText(QStringLiteral("language.changedTitle")),
                     m_context.text(TextId::LanguageChanged));
    // Even when the new instance does not start, this one closes; the user starts it again.
    m_restarter.restart(m_context.appDir());
    m_closeWithoutAsking();
}

} // namespace qrt::gui
