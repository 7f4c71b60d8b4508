#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace qrt::channels::csv {

// Comma-separated text as RFC 4180 describes it: fields separated by commas, records by
// CRLF or LF (a lone CR too), a field in double quotes may hold commas, line breaks and
// doubled quotes. Reading is strict where a guess could change data (text after a
// closing quote, an unclosed quote) and bounded, so that any file is read quickly.
constexpr qsizetype MaxFileBytes = 1024 * 1024;
constexpr qsizetype MaxLineLength = 4096;

// A record and the line of the file it starts on (1 for the first).
struct Record {
    int line = 0;
    QStringList fields;
};

enum class ReadError {
    None,
    Empty,          // no record at all (also only blank lines or a byte-order mark)
    NotText,        // not UTF-8, or holds control characters other than tab and line ends
    TooLarge,       // more than MaxFileBytes
    LineTooLong,    // a line longer than MaxLineLength characters
    UnclosedQuote,  // a quoted field runs to the end of the file
    TextAfterQuote, // a quoted field is followed by more than a comma or a line end
};

struct ReadResult {
    QList<Record> records; // blank lines and rows of empty fields are left out
    ReadError error = ReadError::None;
    int errorLine = 0;
};

// Reads UTF-8 bytes, with or without a byte-order mark.
ReadResult read(const QByteArray& bytes);

enum class ByteOrderMark { Without, With };
// Writes rows as UTF-8 with CRLF line ends, quoting a field only where it must be.
QByteArray write(const QList<QStringList>& rows, ByteOrderMark mark);

} // namespace qrt::channels::csv
