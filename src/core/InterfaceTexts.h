#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

namespace qrt {

// The interface text table of one language: every caption and message the views show,
// looked up by index. Language 1 is Simplified Chinese, 2 Traditional Chinese, 3 English.
// The texts ship as resources ":/texts/lang<N>.txt" (format in the files' header).
class InterfaceTexts {
public:
    static constexpr int Size = 501;
    static constexpr int DefaultLanguage = 3;

    InterfaceTexts();

    // Fills the table with the texts of a language; a language outside 1..3 is taken as 3.
    // On a malformed line the table still holds every well-formed line of the file and the
    // result fails with the reason; a missing resource leaves the table empty.
    Result load(int language);

    // The text at an index; empty for an index outside 0..Size - 1 or one the language leaves empty.
    QString text(int index) const;
    // The language of the loaded table (after the fallback to 3), 0 before the first load.
    int language() const { return m_language; }

    static int effectiveLanguage(int language);
    // The locale of a language: "zh_CN", "zh_TW", or "en" (also for a language outside 1..3).
    static QString localeName(int language);
    static QString resourcePath(int language);

    // Reads the contents of a text file into a table of Size entries. Every line that is
    // well-formed is taken; the first malformed one fails the result (with its line number
    // in the reason). An index listed twice keeps its first text.
    static Result parse(const QString& content, QStringList* table);

private:
    QStringList m_texts;
    int m_language = 0;
};

} // namespace qrt
