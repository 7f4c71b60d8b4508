#include "core/InterfaceTexts.h"

#include "core/TextFileFormat.h"

#include <QFile>

#include <vector>

namespace qrt {

namespace {

bool parseIndex(QStringView digits, int* index) {
    if (digits.isEmpty() || digits.size() > 9)
        return false;
    int value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        value = value * 10 + (c.unicode() - '0');
    }
    *index = value;
    return true;
}

} // namespace

InterfaceTexts::InterfaceTexts() {
    for (int i = 0; i < Size; ++i)
        m_texts.append(QString());
}

QString InterfaceTexts::localeName(Language language) {
    switch (knownLanguageOr(language)) {
    case Language::SimplifiedChinese:
        return QStringLiteral("zh_CN");
    case Language::TraditionalChinese:
        return QStringLiteral("zh_TW");
    case Language::English:
        break;
    }
    return QStringLiteral("en");
}

QString InterfaceTexts::resourcePath(Language language) {
    return QStringLiteral(":/texts/lang%1.txt").arg(languageNumber(knownLanguageOr(language)));
}

Result InterfaceTexts::load(Language language) {
    textfile::registerTextResources();
    m_language = knownLanguageOr(language);
    const QString path = resourcePath(*m_language);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_texts.clear();
        for (int i = 0; i < Size; ++i)
            m_texts.append(QString());
        return Result::failure(QStringLiteral("cannot open the interface texts %1: %2").arg(path, file.errorString()));
    }
    const Result parsed = parse(QString::fromUtf8(file.readAll()), &m_texts);
    if (parsed.failed())
        return Result::failure(QStringLiteral("%1: %2").arg(path, parsed.reason()));
    return {};
}

QString InterfaceTexts::text(TextId id) const {
    const int index = indexOf(id);
    if (index < 0 || index >= m_texts.size())
        return QString();
    return m_texts.at(index);
}

Result InterfaceTexts::parse(const QString& content, QStringList* table) {
    QStringList texts;
    texts.reserve(Size);
    for (int i = 0; i < Size; ++i)
        texts.append(QString());
    std::vector<int> firstLine(Size, 0);

    const QString firstError = textfile::forEachEntry(
        content, QStringLiteral("index"), [&](int lineNumber, QStringView key, QStringView rawText) -> QString {
            int index = 0;
            if (!parseIndex(key, &index))
                return QStringLiteral("\"%1\" is not an index").arg(key);
            if (index >= Size)
                return QStringLiteral("index %1 is above %2").arg(index).arg(Size - 1);
            if (firstLine[index] != 0)
                return QStringLiteral("index %1 is already given on line %2").arg(index).arg(firstLine[index]);
            QString text;
            if (!textfile::unescape(rawText, &text))
                return QStringLiteral("bad escape in the text of index %1").arg(index);
            firstLine[index] = lineNumber;
            texts[index] = text;
            return {};
        });

    if (table)
        *table = texts;
    if (!firstError.isEmpty())
        return Result::failure(firstError);
    return {};
}

} // namespace qrt
