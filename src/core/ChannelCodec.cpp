#include "core/ChannelCodec.h"

#include "core/ChannelTableDef.h"
#include "core/DataFile.h"
#include "core/ErrorLog.h"
#include "core/ProgramSettings.h"
#include "core/RadioImage.h"
#include "core/ToneCodec.h"

namespace qrt {

namespace {

bool validRow(int channel) {
    return ChannelTable::isChannel(channel);
}
bool validColumn(int column) {
    return column >= 0 && column < ChannelTable::Columns;
}

} // namespace

qint32 ChannelTable::value(int channel, int column) const {
    return validRow(channel) && validColumn(column) ? m_info[channel][column] : Empty;
}

void ChannelTable::setValue(int channel, int column, qint32 value) {
    if (validRow(channel) && validColumn(column))
        m_info[channel][column] = value;
}

QString ChannelTable::decodeTone(int channel) const {
    return validRow(channel) ? m_decode[channel] : QString();
}
QString ChannelTable::encodeTone(int channel) const {
    return validRow(channel) ? m_encode[channel] : QString();
}

void ChannelTable::setDecodeTone(int channel, const QString& text) {
    if (validRow(channel))
        m_decode[channel] = text;
}

void ChannelTable::setEncodeTone(int channel, const QString& text) {
    if (validRow(channel))
        m_encode[channel] = text;
}

bool ChannelCodec::bcdToFrequency(quint8 b3, quint8 b2, quint8 b1, quint8 b0, qint32* value) {
    qint32 v = 0;
    for (quint8 b : {b3, b2, b1, b0}) {
        const int hi = b >> 4, lo = b & 0x0F;
        if (hi > 9 || lo > 9)
            return false;
        v = v * 100 + hi * 10 + lo;
    }
    *value = v;
    return true;
}

void ChannelCodec::decodeAll(const RadioImage& image, const ChannelTableDef& def, ChannelTable& table) {
    for (int n = 1; n <= def.chCount; ++n) {
        if (!ChannelTable::isChannel(n)) {
            if (m_log)
                m_log->logErr(QStringLiteral("modChMem->IicDatToChInfo"), err::IndexOutOfRange);
            return;
        }
        decodeChannel(image, def, n, table);
    }
}

void ChannelCodec::decodeChannel(const RadioImage& image, const ChannelTableDef& def, int n, ChannelTable& table) {
    const int a = ChannelTable::recordAddress(n);
    if (!isBcdInUse(image.at(a + 3))) {
        table.setValue(n, ChannelTable::RxColumn, ChannelTable::Empty);
        table.setValue(n, ChannelTable::TxColumn, ChannelTable::Empty);
        for (int c = ChannelTable::FirstOptionColumn; c <= def.colCount; ++c)
            table.setValue(n, c, def.defaultValue(c));
        return;
    }
    decodeOptions(image, n, table);

    qint32 f = 0;
    if (bcdToFrequency(image.at(a + 3), image.at(a + 2), image.at(a + 1), image.at(a), &f)) {
        table.setValue(n, ChannelTable::RxColumn, f);
    } else {
        table.setValue(n, ChannelTable::RxColumn, 12000000);
        if (m_log)
            m_log->logErr(QStringLiteral("modChMem->IcRxFreSol"), err::TypeMismatch);
    }

    if (!isBcdInUse(image.at(a + 7))) {
        table.setValue(n, ChannelTable::TxColumn, ChannelTable::Empty);
    } else if (bcdToFrequency(image.at(a + 7), image.at(a + 6), image.at(a + 5), image.at(a + 4), &f)) {
        table.setValue(n, ChannelTable::TxColumn, f);
    } else if (m_log) {
        m_log->logErr(QStringLiteral("modChMem->IcTxFreSol"), err::TypeMismatch);
    }

    table.setDecodeTone(n, m_tones.wordToText(image.at(a + 9), image.at(a + 8)));
    table.setEncodeTone(n, m_tones.wordToText(image.at(a + 11), image.at(a + 10)));
}

void ChannelCodec::decodeOptions(const RadioImage& image, int n, ChannelTable& table) {
    const int a = ChannelTable::recordAddress(n);
    const quint8 b12 = image.at(a + 12), b13 = image.at(a + 13), b14 = image.at(a + 14), b15 = image.at(a + 15);
    const int flags = image.at(ChannelTable::FlagBitmapAddress) | (image.at(ChannelTable::FlagBitmapAddress + 1) << 8);
    const int field8 = b12 & 0x18, field11 = b12 & 0x06;
    table.setValue(n, 5, (b13 >> 5) & 1);
    table.setValue(n, 6, (b13 >> 4) & 1);
    table.setValue(n, 7, (flags & bitMask(n - 1)) ? 1 : 0);
    table.setValue(n, 8, field8 == 0x08 ? 1 : field8 == 0x10 ? 2 : 0);
    table.setValue(n, 9, (b13 >> 7) & 1);
    table.setValue(n, 10, 2 * (b14 & 1) + (b12 & 1));
    table.setValue(n, 11, field11 == 0x02 ? 1 : field11 == 0x04 ? 2 : 0);
    table.setValue(n, 12, b15 & 0x07);
    table.setValue(n, 13, (b12 & 0x60) == 0x20 ? 1 : 0);
}

void ChannelCodec::encodeAll(ChannelTable& table, const ChannelTableDef& def, RadioImage& image) {
    for (int n = 1; n <= def.chCount; ++n) {
        if (!ChannelTable::isChannel(n)) {
            if (m_log)
                m_log->logErr(QStringLiteral("modChMem->ChInfoToIicDat"), err::IndexOutOfRange);
            return;
        }
        encodeChannel(table, n, image);
    }
}

void ChannelCodec::encodeChannel(ChannelTable& table, int n, RadioImage& image) {
    const int a = ChannelTable::recordAddress(n);
    encodeOptions(table, n, image);
    encodeFrequency(table.value(n, ChannelTable::RxColumn), a, image);
    encodeFrequency(table.value(n, ChannelTable::TxColumn), a + 4, image);
    encodeTone(table.decodeTone(n), a + 8, image);
    encodeTone(table.encodeTone(n), a + 10, image);
}

bool ChannelCodec::emptyChannel(ChannelTable& table, int n, RadioImage& image, const RadioImage& templateFile) {
    if (!ChannelTable::isChannel(n)) {
        if (m_log)
            m_log->logErr(QStringLiteral("modChMem->DelOneChannel"), err::IndexOutOfRange);
        return false;
    }
    table.setValue(n, ChannelTable::RxColumn, ChannelTable::Empty);
    table.setValue(n, ChannelTable::TxColumn, ChannelTable::Empty);
    // In file layout the record of channel n sits 16 bytes further on.
    const int address = ChannelTable::recordAddress(n);
    image.write(address, templateFile.mid(address + datafile::HeaderSize, ChannelTable::RecordSize));
    table.setDecodeTone(n, QString());
    table.setEncodeTone(n, QString());
    return true;
}

void ChannelCodec::encodeOptions(ChannelTable& table, int n, RadioImage& image) {
    const int a = ChannelTable::recordAddress(n);
    auto col = [&](int c) { return table.value(n, c); };

    image.setBit(a + 13, 5, col(5) == 1);
    image.setBit(a + 13, 4, col(6) == 1);

    int flags = image.at(ChannelTable::FlagBitmapAddress + 1) * 256 + image.at(ChannelTable::FlagBitmapAddress);
    flags = col(7) == 1 ? (flags | bitMask(n - 1)) : (flags & bitClearMask(n - 1));
    image.set(ChannelTable::FlagBitmapAddress + 1, quint8(flags >> 8));
    image.set(ChannelTable::FlagBitmapAddress, quint8(flags & 0xFF));

    image.setBits(a + 12, 3, 2, col(8) == 1 ? 1 : col(8) == 2 ? 2 : 0);
    image.setBit(a + 13, 7, col(9) == 1);
    if (col(10) < 2) {
        image.setBit(a + 14, 0, false);
        image.setBit(a + 12, 0, col(10) == 1);
    } else {
        image.setBit(a + 14, 0, true);
        image.setBit(a + 12, 0, col(10) == 3);
    }
    image.setBits(a + 12, 1, 2, col(11) == 1 ? 1 : col(11) == 2 ? 2 : 0);
    const int field12 = qBound(0, col(12), 7);
    table.setValue(n, 12, field12);
    image.setBits(a + 15, 0, 3, field12);
    image.setBits(a + 12, 5, 2, col(13) == 1 ? 1 : 0);
}

void ChannelCodec::encodeFrequency(qint32 value, int address, RadioImage& image) {
    if (value == ChannelTable::Empty) {
        for (int i = 0; i < 4; ++i)
            image.set(address + i, 0xFF);
        return;
    }
    // Eight decimal digits become four BCD bytes, with leading zeros for a frequency
    // below 100 MHz so that it reads back the same. More digits do not fit.
    if (value < 0 || value > 99999999) {
        if (m_log)
            m_log->logErr(QStringLiteral("modChMem->SeparateFreChar"), err::IndexOutOfRange);
        return;
    }
    qint32 v = value;
    for (int i = 3; i >= 0; --i) {
        const int pair = v % 100;
        v /= 100;
        m_lastEncodedBytes[i] = quint8((pair / 10) << 4 | (pair % 10));
    }
    for (int i = 0; i < 4; ++i)
        image.set(address + i, m_lastEncodedBytes[3 - i]);
}

void ChannelCodec::encodeTone(const QString& text, int address, RadioImage& image) {
    const ToneCodec::Bytes bytes = m_tones.textToWord(text, {m_lastEncodedBytes[0], m_lastEncodedBytes[1]});
    m_lastEncodedBytes[0] = bytes.low;
    m_lastEncodedBytes[1] = bytes.high;
    image.set(address, bytes.low);
    image.set(address + 1, bytes.high);
}

} // namespace qrt
