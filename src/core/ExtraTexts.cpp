#include "core/ExtraTexts.h"

#include "core/InterfaceTexts.h"
#include "core/TextFileFormat.h"

#include <QFile>

namespace qrt {

namespace {

bool loadFile(const QString& path, QHash<QString, QString>* texts, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        texts->clear();
        if (error)
            *error = QStringLiteral("cannot open the texts %1: %2").arg(path, file.errorString());
        return false;
    }
    QString reason;
    const bool ok = ExtraTexts::parse(QString::fromUtf8(file.readAll()), texts, &reason);
    if (!ok && error)
        *error = QStringLiteral("%1: %2").arg(path, reason);
    return ok;
}

} // namespace

ExtraTexts::ExtraTexts() = default;

QString ExtraTexts::resourcePath(int language) {
    return QStringLiteral(":/texts/extra%1.txt").arg(InterfaceTexts::effectiveLanguage(language));
}

bool ExtraTexts::load(int language, QString* error) {
    textfile::registerTextResources();
    m_language = InterfaceTexts::effectiveLanguage(language);
    bool ok = loadFile(resourcePath(m_language), &m_texts, error);
    if (m_language == InterfaceTexts::DefaultLanguage)
        m_english = m_texts;
    else
        ok = loadFile(resourcePath(InterfaceTexts::DefaultLanguage), &m_english, ok ? error : nullptr) && ok;
    return ok;
}

QString ExtraTexts::text(const QString& key) const {
    const auto own = m_texts.constFind(key);
    if (own != m_texts.constEnd())
        return *own;
    return m_english.value(key, key);
}

bool ExtraTexts::parse(const QString& content, QHash<QString, QString>* texts, QString* error) {
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
    if (!firstError.isEmpty() && error)
        *error = firstError;
    return firstError.isEmpty();
}

} // namespace qrt
