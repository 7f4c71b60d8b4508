#include "core/ExtraTexts.h"

#include "core/TextFileFormat.h"

#include <QFile>

namespace qrt {

namespace {

Result loadFile(const QString& path, QHash<QString, QString>* texts) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        texts->clear();
        return Result::failure(QStringLiteral("cannot open the texts %1: %2").arg(path, file.errorString()));
    }
    const Result parsed = ExtraTexts::parse(QString::fromUtf8(file.readAll()), texts);
    if (parsed.failed())
        return Result::failure(QStringLiteral("%1: %2").arg(path, parsed.reason()));
    return {};
}

} // namespace

ExtraTexts::ExtraTexts() = default;

QString ExtraTexts::resourcePath(Language language) {
    return QStringLiteral(":/texts/extra%1.txt").arg(languageNumber(knownLanguageOr(language)));
}

Result ExtraTexts::load(Language language) {
    textfile::registerTextResources();
    m_language = knownLanguageOr(language);
    const Result own = loadFile(resourcePath(*m_language), &m_texts);
    if (m_language == Language::English) {
        m_english = m_texts;
        return own;
    }
    const Result english = loadFile(resourcePath(Language::English), &m_english);
    return own.failed() ? own : english;
}

QString ExtraTexts::text(const QString& key) const {
    const auto own = m_texts.constFind(key);
    if (own != m_texts.constEnd())
        return *own;
    return m_english.value(key, key);
}

Result ExtraTexts::parse(const QString& content, QHash<QString, QString>* texts) {
    QHash<QString, QString> parsed;
    QHash<QString, int> firstLine;
    const QString firstError = textfile::forEachEntry(
        content, QStringLiteral("key"), [&](int lineNumber, QStringView keyText, QStringView rawText) -> QString {
            const QString key = keyText.trimmed().toString();
            if (key.isEmpty())
                return QStringLiteral("empty key");
            if (firstLine.contains(key))
                return QStringLiteral("key %1 is already given on line %2").arg(key).arg(firstLine.value(key));
            QString text;
            if (!textfile::unescape(rawText, &text))
                return QStringLiteral("bad escape in the text of %1").arg(key);
            firstLine.insert(key, lineNumber);
            parsed.insert(key, text);
            return {};
        });
    if (texts)
        *texts = parsed;
    if (!firstError.isEmpty())
        return Result::failure(firstError);
    return {};
}

} // namespace qrt
