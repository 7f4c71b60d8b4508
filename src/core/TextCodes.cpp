#include "core/TextCodes.h"

#include "core/ErrorLog.h"

namespace qrt {

namespace hanzi {

namespace {
constexpr int FirstIdeographCode = 1000;
constexpr char16_t FirstIdeograph = 0x4E00;
constexpr char16_t LastIdeograph = 0x9FA5;
} // namespace

QString entry(int code) {
    if (code < 0 || code >= TableSize)
        return {};
    if (code < 32 || code == 34 || code == 127)
        return QStringLiteral(" ");
    if (code < 127)
        return QString(QChar(char16_t(code)));
    if (code < FirstIdeographCode)
        return {};
    return QString(QChar(char16_t(FirstIdeograph + (code - FirstIdeographCode))));
}

int codeOf(QChar c) {
    const char16_t u = c.unicode();
    if (u == ' ')
        return 0; // the first entry holding a space
    if (u >= 33 && u <= 126 && u != 34)
        return u;
    if (u >= FirstIdeograph && u <= LastIdeograph)
        return FirstIdeographCode + (u - FirstIdeograph);
    return UnknownCode;
}

QList<int> encode(const QString& text, int n) {
    QList<int> codes;
    codes.reserve(qMax(0, n));
    for (int i = 0; i < n; ++i)
        codes << (i < text.size() ? codeOf(text.at(i)) : 0);
    return codes;
}

QByteArray encodeBytes(const QString& text, int n) {
    QByteArray bytes;
    for (int code : encode(text, n))
        bytes.append(char(code % 256)).append(char(code / 256));
    return bytes;
}

QString decode(const QList<int>& codes) {
    QString text;
    for (int code : codes)
        text += entry(code);
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

QString decodeBytes(const QByteArray& bytes) {
    QList<int> codes;
    for (int i = 0; i + 1 < bytes.size(); i += 2)
        codes << (quint8(bytes.at(i)) + 256 * quint8(bytes.at(i + 1)));
    return decode(codes);
}

} // namespace hanzi

namespace dtmf {

quint8 byteOf(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return quint8(u);
    if (u >= 'A' && u <= 'F')
        return quint8(u);
    if (u >= 'a' && u <= 'f')
        return quint8(u - 'a' + 'A');
    if (u == '*' || u == '#' || u == ' ')
        return quint8(u);
    return 0xFF;
}

QByteArray textToBytes(const QString& text, ErrorLog* log) {
    QByteArray bytes(BufferSize, char(0xFF));
    for (int p = 0; p < text.size(); ++p) {
        if (p >= BufferSize) {
            if (log)
                log->logErr(QStringLiteral("modChMem->TextToAscii"), err::IndexOutOfRange);
            break;
        }
        bytes[p] = char(byteOf(text.at(p)));
    }
    return bytes;
}

QString bytesToText(const QByteArray& bytes) {
    QString text;
    for (int i = 0; i < BufferSize && i < bytes.size(); ++i) {
        const quint8 b = quint8(bytes.at(i));
        if ((b >= 0x30 && b <= 0x39) || b == 0x20 || b == 0x23 || b == 0x2A || (b >= 0x41 && b <= 0x46))
            text += QChar(b);
    }
    return text;
}

QString removeInvalid(const QString& text, Filter filter) {
    QString out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9')
            out += c;
        else if (filter == Filter::Dtmf && ((u >= 'A' && u <= 'D') || u == '*' || u == '#' || u == ' '))
            out += c;
        else if (filter == Filter::Dtmf && u >= 'a' && u <= 'd')
            out += QChar(char16_t(u - 'a' + 'A'));
    }
    return out;
}

} // namespace dtmf

} // namespace qrt
