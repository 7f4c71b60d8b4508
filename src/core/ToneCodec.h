#pragma once

#include "core/Language.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace qrt {

class ErrorLog;

// The squelch tones: none, 50 CTCSS tones and 105 DCS codes in normal and inverted
// polarity, as list texts ("67.0", "D023N", "D023I", the none text) and as the 16-bit
// words the radio stores.
class ToneCodec {
public:
    static constexpr int CtcssCount = 50;
    static constexpr int DcsCount = 105;
    static constexpr int ListSize = 1 + CtcssCount + 2 * DcsCount; // 261
    static constexpr quint16 NoToneWord = 0xFFFF;

    explicit ToneCodec(Language language = Language::English, ErrorLog* log = nullptr);

    const QString& noneText() const { return m_noneText; }
    static QString noneTextFor(Language language);
    // True for the none text of any of the languages: a text may come from a user of another language.
    static bool isNoneTextOfAnyLanguage(const QString& text);
    // The 261 list texts in list order.
    const QStringList& toneList() const { return m_list; }

    // Word (given as its two bytes) to text; anything outside the tone ranges is the none text.
    QString wordToText(quint8 high, quint8 low) const;
    QString wordToText(quint16 word) const { return wordToText(quint8(word >> 8), quint8(word & 0xFF)); }

    struct Bytes {
        quint8 low;
        quint8 high;
    };
    // Text to word. A text the conversion cannot read is logged and gives `fallback`.
    Bytes textToWord(const QString& text, Bytes fallback) const;

    static const std::array<int, CtcssCount>& ctcssTenths();
    static const std::array<int, DcsCount>& dcsCodes(); // the octal digits written as a decimal number

private:
    ErrorLog* m_log;
    QString m_noneText;
    QStringList m_list;
};

} // namespace qrt
