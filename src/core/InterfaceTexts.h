#pragma once

#include "core/Language.h"
#include "core/Result.h"
#include "core/TextIndex.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace qrt {

// The interface text table of one language: every caption and message the views show,
// looked up by index.
// The texts ship as resources ":/texts/lang<N>.txt" (format in the files' header).
class InterfaceTexts {
public:
    static constexpr int Size = 501;

    InterfaceTexts();

    // Fills the table with the texts of a language; a value outside the three languages is taken as English.
    // On a malformed line the table still holds every well-formed line of the file and the
    // result fails with the reason; a missing resource leaves the table empty.
    Result load(Language language);

    // The text at an index; empty for an index outside 0..Size - 1 or one the language leaves empty.
    QString text(TextId id) const;
    // The language of the loaded table (after the fallback to English), none before the first load.
    std::optional<Language> language() const { return m_language; }

    // The locale of a language: "zh_CN", "zh_TW", or "en" (also for a value outside the three languages).
    static QString localeName(Language language);
    static QString resourcePath(Language language);

    // Reads the contents of a text file into a table of Size entries. Every line that is
    // well-formed is taken; the first malformed one fails the result (with its line number
    // in the reason). An index listed twice keeps its first text.
    static Result parse(const QString& content, QStringList* table);

private:
    QStringList m_texts;
    std::optional<Language> m_language;
};

} // namespace qrt
