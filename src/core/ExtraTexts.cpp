#include "core/ExtraTexts.h"

#include "core/InterfaceTexts.h"
#include "core/TextFileFormat.h"

#include <QFile>

static void initExtraTextResources() {
    Q_INIT_RESOURCE(texts);
}

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
    initExtraTextResources();
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
    QString firstError;
    const auto fail = [&](int lineNumber, const QString& what) {
        if (firstError.isEmpty())
            firstError = QStringLiteral("line %1: %2").arg(lineNumber).arg(what);
    };

    QStringView rest(content);
    if (rest.startsWith(QChar(0xFEFF)))
        rest = rest.mid(1);
    int lineNumber = 0;
    for (QStringView line : rest.split(QLatin1Char('\n'))) {
        ++lineNumber;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (textfile::isIgnored(line))
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0) {
            fail(lineNumber, QStringLiteral("no tab between key and text"));
            continue;
        }
        const QString key = line.left(tab).trimmed().toString();
        if (key.isEmpty()) {
            fail(lineNumber, QStringLiteral("empty key"));
            continue;
        }
        if (firstLine.contains(key)) {
            fail(lineNumber, QStringLiteral("key %1 is already given on line %2").arg(key).arg(firstLine.value(key)));
            continue;
        }
        QString text;
        if (!textfile::unescape(line.mid(tab + 1), &text)) {
            fail(lineNumber, QStringLiteral("bad escape in the text of %1").arg(key));
            continue;
        }
        firstLine.insert(key, lineNumber);
        parsed.insert(key, text);
    }
    if (texts)
        *texts = parsed;
    if (!firstError.isEmpty() && error)
        *error = firstError;
    return firstError.isEmpty();
}

} // namespace qrt
