#include "core/ToneCodec.h"

#include "core/ErrorLog.h"
#include "core/Numeric.h"

#include <algorithm>

namespace qrt {

namespace {

constexpr std::array<int, ToneCodec::CtcssCount> kCtcss = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035, 1072, 1109, 1148,
    1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799,
    1835, 1862, 1899, 1928, 1966, 1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

constexpr std::array<int, ToneCodec::DcsCount> kDcs = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115, 116, 122, 125,
    131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223, 225, 226, 243, 244, 245, 246,
    251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365,
    371, 411, 412, 413, 423, 431, 432, 445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526,
    532, 546, 565, 606, 612, 624, 627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

QString ctcssText(int tenths) {
    return QString::number(tenths / 10) + QLatin1Char('.') + QString::number(tenths % 10);
}

QString dcsText(int code, QChar polarity) {
    return QLatin1Char('D') + QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0')) + polarity;
}

bool isOctalDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('7');
}

} // namespace

const std::array<int, ToneCodec::CtcssCount>& ToneCodec::ctcssTenths() {
    return kCtcss;
}
const std::array<int, ToneCodec::DcsCount>& ToneCodec::dcsCodes() {
    return kDcs;
}

QString ToneCodec::noneTextFor(Language language) {
    switch (language) {
    case Language::SimplifiedChinese:
        return QStringLiteral("无");
    case Language::TraditionalChinese:
        return QStringLiteral("無");
    case Language::English:
        break;
    }
    return QStringLiteral("None");
}

bool ToneCodec::isNoneTextOfAnyLanguage(const QString& text) {
    return std::any_of(AllLanguages.begin(), AllLanguages.end(),
                       [&text](Language language) { return text == noneTextFor(language); });
}

ToneCodec::ToneCodec(Language language, ErrorLog* log) : m_log(log), m_noneText(noneTextFor(language)) {
    m_list.reserve(ListSize);
    m_list << m_noneText;
    for (int t : kCtcss)
        m_list << ctcssText(t);
    for (int c : kDcs)
        m_list << dcsText(c, QLatin1Char('N'));
    for (int c : kDcs)
        m_list << dcsText(c, QLatin1Char('I'));
}

QString ToneCodec::wordToText(quint8 high, quint8 low) const {
    const int w = high * 256 + low;
    if (w >= 600 && w <= 2650)
        return ctcssText(w);
    const bool normal = w >= 0x2800 && w <= 0x29FF;
    const bool inverted = w >= 0xA800 && w <= 0xA9FF;
    if (!normal && !inverted)
        return m_noneText;
    const int d1 = (high & 1) * 4 + (low & 0xC0) / 64;
    const int d2 = (low & 0x38) / 8;
    const int d3 = low & 7;
    return QLatin1Char('D') + QString::number(d1) + QString::number(d2) + QString::number(d3) +
           QLatin1Char(normal ? 'N' : 'I');
}

ToneCodec::Bytes ToneCodec::textToWord(const QString& text, Bytes fallback) const {
    if (text.isEmpty() || text == m_noneText)
        return {0xFF, 0xFF};
    double number = 0;
    if (parseDecimal(text, &number)) {
        const double tenths = roundHalfEven(number * 10);
        if (tenths < 0 || tenths > 0xFFFF) {
            if (m_log)
                m_log->logErr(QStringLiteral("modChMem->QtDqtCharToIic"), err::Overflow);
            return fallback;
        }
        const int v = int(tenths);
        return {quint8(v & 0xFF), quint8(v >> 8)};
    }
    // A DCS text: "D", three octal digits, the polarity letter.
    if (text.size() != 5 || !isOctalDigit(text.at(1)) || !isOctalDigit(text.at(2)) || !isOctalDigit(text.at(3))) {
        if (m_log)
            m_log->logErr(QStringLiteral("modChMem->QtDqtCharToIic"), err::TypeMismatch);
        return fallback;
    }
    const int v = text.at(1).digitValue() * 64 + text.at(2).digitValue() * 8 + text.at(3).digitValue() + 2048;
    const quint8 high = quint8(v / 256 + (text.at(4) == QLatin1Char('N') ? 0x20 : 0xA0));
    return {quint8(v & 0xFF), high};
}

} // namespace qrt
