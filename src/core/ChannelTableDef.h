#pragma once

#include "core/Language.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace qrt {

class ErrorLog;
class SettingsFile;

// The definition of the channel table read from the "ChInfo" section of the settings
// file for one language: rows, captions, widths and the item list of every column.
struct ChannelTableDef {
    static constexpr int MaxChannels = 16; // the flag bitmap of the radio has 16 bits
    static constexpr int MaxColumn = 20;   // the decoded table has columns 0..20
    static constexpr int MaxItemIndex = 50;
    static inline const QString ItemEndMarker = QStringLiteral("*EndOfThisItem*");

    int chCount = 16;
    int rowHeight = 240;
    int colCount = 9;
    QString formatString = QStringLiteral("0|0|0|0|0|0|0|0|0|0");
    QList<int> colWidths;     // index 0..colCount
    QList<QStringList> items; // items[c][k] for c = 0..colCount (items[0] unused), up to the end marker

    // Key k of column c's item list ("0" when the list does not hold it, as a missing key reads).
    QString item(int c, int k) const;
    QString columnKey(int c) const { return item(c, 0); }
    int optionCount(int c) const;
    int defaultValue(int c) const;
    // Option text of value v in column c; false when the list has no such entry.
    bool optionText(int c, int value, QString* text) const;
    bool isOptionColumn(int c) const;
    QStringList captions() const { return formatString.split(QLatin1Char('|')); }

    static int languageBase(Language language) {
        return language == Language::SimplifiedChinese ? 1000 : language == Language::TraditionalChinese ? 2000 : 3000;
    }
    // Reads the block of the language. Counts outside the table's limits are clamped.
    static ChannelTableDef read(const SettingsFile& file, Language language, ErrorLog* log);
};

} // namespace qrt
