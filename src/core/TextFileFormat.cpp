#include "core/TextFileFormat.h"

// The text resources live in the static core library; registering them here makes sure
// the linker keeps them in every program that looks up a text.
static void initTextResources() {
    Q_INIT_RESOURCE(texts);
}

namespace qrt::textfile {

void registerTextResources() {
    initTextResources();
}

bool unescape(QStringView raw, QString* text) {
    text->clear();
    text->reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c != QLatin1Char('\\')) {
            text->append(c);
            continue;
        }
        if (++i == raw.size())
            return false;
        switch (raw[i].unicode()) {
        case 't':
            text->append(QLatin1Char('\t'));
            break;
        case 'n':
            text->append(QLatin1Char('\n'));
            break;
        case '\\':
            text->append(QLatin1Char('\\'));
            break;
        default:
            return false;
        }
    }
    return true;
}

bool isIgnored(QStringView line) {
    if (line.startsWith(QLatin1Char('#')))
        return true;
    for (const QChar c : line) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

QString forEachEntry(const QString& content, const QString& keyName,
                     const std::function<QString(int lineNumber, QStringView key, QStringView rawText)>& take) {
    QString firstError;
    const auto note = [&](int lineNumber, const QString& what) {
        if (firstError.isEmpty() && !what.isEmpty())
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
        if (isIgnored(line))
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0)
            note(lineNumber, QStringLiteral("no tab between %1 and text").arg(keyName));
        else
            note(lineNumber, take(lineNumber, line.left(tab), line.mid(tab + 1)));
    }
    return firstError;
}

} // namespace qrt::textfile
