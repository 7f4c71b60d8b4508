#include "core/TextFileFormat.h"

namespace qrt::textfile {

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

} // namespace qrt::textfile
