#pragma once

#include "core/Language.h"
#include "core/Result.h"

#include <QHash>
#include <QString>

#include <optional>

namespace qrt {

// The program's own texts beside the interface text table: captions, questions and
// reasons this program adds, looked up by a key such as "edit.undo". They ship as
// resources ":/texts/extra<N>.txt", one file per language, in the format of the
// interface texts with a key instead of an index. A key the language lacks falls back
// to its English text, and a key no file holds shows as itself.
class ExtraTexts {
public:
    ExtraTexts();

    // Loads the texts of a language (a value outside the three languages is taken as English) with the
    // English texts as the fallback. Fails with the reason on a malformed line; every
    // well-formed line is still taken.
    Result load(Language language);

    QString text(const QString& key) const;
    std::optional<Language> language() const { return m_language; }

    static QString resourcePath(Language language);
    // Reads the contents of a text file. The first malformed line (no tab, an empty or
    // repeated key, a bad escape) is reported with its line number.
    static Result parse(const QString& content, QHash<QString, QString>* texts);

private:
    QHash<QString, QString> m_texts;
    QHash<QString, QString> m_english;
    std::optional<Language> m_language;
};

} // namespace qrt
