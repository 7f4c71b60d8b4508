#pragma once

#include "core/Language.h"

#include <QObject>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QWidget;

namespace qrt {
class AppContext;
}

namespace qrt::gui {

class FileCommands;
class ProgramRestarter;
class UserPrompts;

// The language entries mnuLangSel0 (Simplified Chinese), mnuLangSel1 (Traditional Chinese)
// and mnuLangSel2 (English), checked for the language in use. Choosing another language
// stores it, says that the program restarts, starts the new instance and closes this
// one without the exit question.
class LanguageSwitch : public QObject {
    Q_OBJECT
public:
    struct Entries {
        QAction* simplified;
        QAction* traditional;
        QAction* english;
    };

    LanguageSwitch(AppContext& context, const Entries& entries, FileCommands& files, UserPrompts& prompts,
                   ProgramRestarter& restarter, QWidget& window, std::function<void()> closeWithoutAsking);

    std::optional<Language> checkedLanguage() const;

private:
    void choose(Language language);
    void showChecks(Language language);

    AppContext& m_context;
    std::array<QAction*, 3> m_entries; // Simplified Chinese, Traditional Chinese, English
    FileCommands& m_files;
    UserPrompts& m_prompts;
    ProgramRestarter& m_restarter;
    QWidget& m_window;
    std::function<void()> m_closeWithoutAsking;
    Language m_language;
};

} // namespace qrt::gui
