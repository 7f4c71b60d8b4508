#pragma once

#include "core/MemoryLayout.h"

#include <QString>

#include <array>

namespace qrt {

class ErrorLog;
class RadioImage;
class ToneCodec;
struct ChannelTableDef;

// The decoded channel table: per channel the numbers of columns 0..20 and the two tone
// texts. Frequencies are in 10 Hz units, -1 for an empty channel or no transmit frequency.
class ChannelTable {
public:
    static constexpr int Rows = 16;
    static constexpr int Columns = 21;
    static constexpr int RxColumn = 1;
    static constexpr int TxColumn = 2;
    static constexpr int FirstOptionColumn = 5;
    static constexpr int LastOptionColumn = 13;
    static constexpr int Empty = -1;
    static constexpr int RecordSize = layout::ChannelRecordSize;
    static constexpr int FlagBitmapAddress = layout::ChannelFlagBitmap.first;

    static int recordAddress(int channel) { return layout::channelRecordAddress(channel); }
    static bool isChannel(int channel) { return channel >= 1 && channel <= Rows; }

    qint32 value(int channel, int column) const;
    void setValue(int channel, int column, qint32 value);
    QString decodeTone(int channel) const;
    QString encodeTone(int channel) const;
    void setDecodeTone(int channel, const QString& text);
    void setEncodeTone(int channel, const QString& text);
    bool isInUse(int channel) const { return value(channel, RxColumn) != Empty; }
    bool hasTransmit(int channel) const { return value(channel, TxColumn) != Empty; }

    bool operator==(const ChannelTable& other) const = default;

private:
    std::array<std::array<qint32, Columns>, Rows + 1> m_info{};
    std::array<QString, Rows + 1> m_decode;
    std::array<QString, Rows + 1> m_encode;
};

// Converts between the channel records of the image and the decoded table.
class ChannelCodec {
public:
    ChannelCodec(const ToneCodec& tones, ErrorLog* log) : m_tones(tones), m_log(log) {}

    // Decodes channels 1..chCount.
    void decodeAll(const RadioImage& image, const ChannelTableDef& def, ChannelTable& table);
    void decodeChannel(const RadioImage& image, const ChannelTableDef& def, int channel, ChannelTable& table);
    // Encodes channels 1..chCount. Option column 12 is clamped to 0..7 in the table too.
    void encodeAll(ChannelTable& table, const ChannelTableDef& def, RadioImage& image);
    void encodeChannel(ChannelTable& table, int channel, RadioImage& image);
    // The delete command's rule: no frequencies and no tones in the table (the option
    // columns keep their values), and the channel's record bytes back from the template,
    // which is in data file layout. False (and logged) for a channel that does not exist.
    bool emptyChannel(ChannelTable& table, int channel, RadioImage& image, const RadioImage& templateFile);

    // A frequency in 10 Hz units from four BCD bytes, most significant first; false when
    // a byte holds a digit above 9.
    static bool bcdToFrequency(quint8 b3, quint8 b2, quint8 b1, quint8 b0, qint32* value);
    static bool isBcdInUse(quint8 highByte) { return highByte >= 0x01 && highByte <= 0x99; }

private:
    void decodeOptions(const RadioImage& image, int channel, ChannelTable& table);
    void encodeOptions(ChannelTable& table, int channel, RadioImage& image);
    void encodeFrequency(qint32 value, int address, RadioImage& image);
    void encodeTone(const QString& text, int address, RadioImage& image);

    const ToneCodec& m_tones;
    ErrorLog* m_log;
    // The bytes last encoded: the BCD bytes of the last frequency, or a tone word; a tone
    // text that names no tone keeps the first two.
    std::array<quint8, 4> m_lastEncodedBytes{};
};

} // namespace qrt
