#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace qrt {

class ErrorLog;

// The character code of messages and program codes: a 16-bit number per character
// covering printable ASCII and the CJK ideographs U+4E00..U+9FA5, stored low byte first.
namespace hanzi {

constexpr int TableSize = 21902; // codes 0..21901
constexpr int UnknownCode = 21902;

// Table entry of a code: the character, or the empty text where the code has none.
QString entry(int code);
// Code of one character: the first table entry that equals it.
int codeOf(QChar c);
// Codes of the first n characters, positions past the end reading as spaces.
QList<int> encode(const QString& text, int n);
// The 2n bytes of encode(), low byte first.
QByteArray encodeBytes(const QString& text, int n);
QString decode(const QList<int>& codes);
QString decodeBytes(const QByteArray& bytes);

} // namespace hanzi

// The DTMF code bytes of the DTMF fields.
namespace dtmf {

constexpr int BufferSize = 16;
enum class Filter { Dtmf = 0, Digits = 2 };

quint8 byteOf(QChar c);
// 16 bytes: one per character, 0xFF after the end. A 17th character is logged.
QByteArray textToBytes(const QString& text, ErrorLog* log = nullptr);
// The text of 16 buffer bytes; bytes that are not DTMF characters add nothing.
QString bytesToText(const QByteArray& bytes);
// Keeps the characters a DTMF field may hold.
QString removeInvalid(const QString& text, Filter filter);

} // namespace dtmf

} // namespace qrt
