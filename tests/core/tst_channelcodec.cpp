#include "core/ChannelCodec.h"
#include "core/ChannelTableDef.h"
#include "core/ErrorLog.h"
#include "core/RadioImage.h"
#include "core/ToneCodec.h"

#include <QTest>

using namespace qrt;

namespace {

ChannelTableDef nineOptionColumns() {
    ChannelTableDef def;
    def.colCount = 13;
    def.items.resize(14);
    for (int c = 5; c <= 13; ++c)
        def.items[c] = QStringList{QStringLiteral("A|B"), QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("A"),
                                   QStringLiteral("B")};
    return def;
}

struct Fixture {
    ErrorLog log;
    ToneCodec tones{Language::English, &log};
    ChannelCodec codec{tones, &log};
    ChannelTableDef def = nineOptionColumns();
    RadioImage image{8192};
    ChannelTable table;

    void setRecord(int channel, const QByteArray& bytes) { image.write(ChannelTable::recordAddress(channel), bytes); }
    QByteArray record(int channel) const { return image.mid(ChannelTable::recordAddress(channel), 16); }
};

} // namespace

class TestChannelCodec : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void decodeRecord();
    void emptyChannel_data();
    void emptyChannel();
    void optionBits_data();
    void optionBits();
    void flagBitmapPerChannel();
    void column12IsClamped_data();
    void column12IsClamped();
    void hexDigitInFrequency();
    void lowFrequencyKeepsItsDigits();
    void unencodableFrequencyKeepsBytes_data();
    void unencodableFrequencyKeepsBytes();
    void emptyChannelKeepsToneTexts();
    void roundTripKeepsEveryByte();
};

void TestChannelCodec::decodeRecord() {
    Fixture f;
    f.setRecord(1, QByteArray::fromHex("00004013"
                                       "00004013"
                                       "9E02"
                                       "9E02"
                                       "00000000"));
    f.codec.decodeAll(f.image, f.def, f.table);
    QCOMPARE(f.table.value(1, 1), 13400000);
    QCOMPARE(f.table.value(1, 2), 13400000);
    QCOMPARE(f.table.decodeTone(1), QStringLiteral("67.0"));
    QCOMPARE(f.table.encodeTone(1), QStringLiteral("67.0"));
    for (int c = 5; c <= 13; ++c)
        QCOMPARE(f.table.value(1, c), 0);
    QCOMPARE(f.log.count(), 0);
}

void TestChannelCodec::emptyChannel_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("rx");
    QTest::addColumn<int>("tx");
    QTest::newRow("byte 3 is FF") << QByteArray::fromHex("000040FF"
                                                         "00004013"
                                                         "9E029E02FFFFFFFF")
                                  << -1 << -1;
    QTest::newRow("byte 3 is 00") << QByteArray::fromHex("00004000"
                                                         "00004013"
                                                         "9E029E02FFFFFFFF")
                                  << -1 << -1;
    QTest::newRow("byte 3 is 9A") << QByteArray::fromHex("0000409A"
                                                         "00004013"
                                                         "9E029E02FFFFFFFF")
                                  << -1 << -1;
    QTest::newRow("receive only") << QByteArray::fromHex("00004013"
                                                         "FFFFFFFF"
                                                         "9E029E02FFFFFFFF")
                                  << 13400000 << -1;
}

void TestChannelCodec::emptyChannel() {
    QFETCH(QByteArray, record);
    QFETCH(int, rx);
    QFETCH(int, tx);
    Fixture f;
    f.setRecord(2, record);
    f.codec.decodeAll(f.image, f.def, f.table);
    QCOMPARE(f.table.value(2, 1), rx);
    QCOMPARE(f.table.value(2, 2), tx);
    if (rx == -1) {
        // The option columns of an empty channel take their defaults.
        for (int c = 5; c <= 13; ++c)
            QCOMPARE(f.table.value(2, c), 1);
    }
    f.codec.encodeAll(f.table, f.def, f.image);
    if (tx == -1)
        QCOMPARE(f.record(2).mid(4, 4), QByteArray(4, '\xFF'));
}

void TestChannelCodec::optionBits_data() {
    QTest::addColumn<int>("byte12");
    QTest::addColumn<int>("byte13");
    QTest::addColumn<int>("byte14");
    QTest::addColumn<int>("byte15");
    QTest::addColumn<QList<int>>("fields"); // columns 5, 6, 8, 9, 10, 11, 12, 13
    QTest::addColumn<int>("encoded12");
    QTest::newRow("all clear") << 0x00 << 0x00 << 0x00 << 0x00 << QList<int>{0, 0, 0, 0, 0, 0, 0, 0} << 0x00;
    QTest::newRow("field 13 needs exactly 0x20") << 0x40 << 0 << 0 << 0 << QList<int>{0, 0, 0, 0, 0, 0, 0, 0} << 0x00;
    QTest::newRow("field 13") << 0x20 << 0 << 0 << 0 << QList<int>{0, 0, 0, 0, 0, 0, 0, 1} << 0x20;
    QTest::newRow("field 8 both bits") << 0x18 << 0 << 0 << 0 << QList<int>{0, 0, 0, 0, 0, 0, 0, 0} << 0x00;
    QTest::newRow("field 8 = 2") << 0x10 << 0 << 0 << 0 << QList<int>{0, 0, 2, 0, 0, 0, 0, 0} << 0x10;
    QTest::newRow("field 11 both bits") << 0x06 << 0 << 0 << 0 << QList<int>{0, 0, 0, 0, 0, 0, 0, 0} << 0x00;
    QTest::newRow("field 11 = 1") << 0x02 << 0 << 0 << 0 << QList<int>{0, 0, 0, 0, 0, 1, 0, 0} << 0x02;
    QTest::newRow("field 10 = 3") << 0x01 << 0 << 0x01 << 0 << QList<int>{0, 0, 0, 0, 3, 0, 0, 0} << 0x01;
    QTest::newRow("field 10 = 2") << 0x00 << 0 << 0x01 << 0 << QList<int>{0, 0, 0, 0, 2, 0, 0, 0} << 0x00;
    QTest::newRow("byte 13 fields and pause flag")
        << 0x00 << 0xF0 << 0 << 0x05 << QList<int>{1, 1, 0, 1, 0, 0, 5, 0} << 0x00;
    QTest::newRow("unused bit 7 of byte 12 kept") << 0x80 << 0 << 0 << 0 << QList<int>{0, 0, 0, 0, 0, 0, 0, 0} << 0x80;
}

void TestChannelCodec::optionBits() {
    QFETCH(int, byte12);
    QFETCH(int, byte13);
    QFETCH(int, byte14);
    QFETCH(int, byte15);
    QFETCH(QList<int>, fields);
    QFETCH(int, encoded12);
    Fixture f;
    QByteArray record = QByteArray::fromHex("00004013000040139E029E02");
    record.append(char(byte12)).append(char(byte13)).append(char(byte14)).append(char(byte15));
    f.setRecord(3, record);
    f.codec.decodeAll(f.image, f.def, f.table);
    const QList<int> columns{5, 6, 8, 9, 10, 11, 12, 13};
    for (int i = 0; i < columns.size(); ++i)
        QCOMPARE(f.table.value(3, columns[i]), fields[i]);
    f.codec.encodeAll(f.table, f.def, f.image);
    QCOMPARE(int(f.record(3).at(12)) & 0xFF, encoded12);
    // Bits the editor does not own survive: the pause flag (bit 6) and bits 0-3 of byte 13.
    QCOMPARE(int(f.record(3).at(13)) & 0x4F, byte13 & 0x4F);
}

void TestChannelCodec::flagBitmapPerChannel() {
    Fixture f;
    for (int n = 1; n <= 16; ++n)
        f.setRecord(n, QByteArray::fromHex("00004013000040139E029E0200000000"));
    f.image.set(0x17E, 0x01); // channel 1
    f.image.set(0x17F, 0x80); // channel 16
    f.codec.decodeAll(f.image, f.def, f.table);
    QCOMPARE(f.table.value(1, 7), 1);
    QCOMPARE(f.table.value(2, 7), 0);
    QCOMPARE(f.table.value(16, 7), 1);
    f.table.setValue(1, 7, 0);
    f.table.setValue(9, 7, 1);
    f.codec.encodeAll(f.table, f.def, f.image);
    QCOMPARE(f.image.at(0x17E), quint8(0x00));
    QCOMPARE(f.image.at(0x17F), quint8(0x81));
}

void TestChannelCodec::column12IsClamped_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::newRow("9") << 9 << 7;
    QTest::newRow("-3") << -3 << 0;
    QTest::newRow("4") << 4 << 4;
}

void TestChannelCodec::column12IsClamped() {
    QFETCH(int, value);
    QFETCH(int, stored);
    Fixture f;
    f.table.setValue(1, 1, 40000000);
    f.table.setValue(1, 12, value);
    f.codec.encodeAll(f.table, f.def, f.image);
    QCOMPARE(f.record(1).at(15) & 0x07, stored);
    QCOMPARE(f.table.value(1, 12), stored);
}

void TestChannelCodec::hexDigitInFrequency() {
    Fixture f;
    f.setRecord(1, QByteArray::fromHex("0A004013"
                                       "0A004013"
                                       "9E029E0200000000"));
    f.table.setValue(1, 2, 44400000);
    f.codec.decodeAll(f.image, f.def, f.table);
    QCOMPARE(f.table.value(1, 1), 12000000);
    QCOMPARE(f.table.value(1, 2), 44400000); // the transmit column keeps its value
    QCOMPARE(f.log.count(), 2);
    QCOMPARE(f.log.lastTag(), QStringLiteral("modChMem->IcTxFreSol"));
}

void TestChannelCodec::lowFrequencyKeepsItsDigits() {
    // A frequency below 100 MHz has seven digits; it must encode back as it was read.
    Fixture f;
    const QByteArray record = QByteArray::fromHex("00000001"
                                                  "50000009"
                                                  "FFFFFFFF00000000");
    f.setRecord(1, record);
    f.codec.decodeAll(f.image, f.def, f.table);
    QCOMPARE(f.table.value(1, 1), 1000000);
    QCOMPARE(f.table.value(1, 2), 9000050);
    f.codec.encodeAll(f.table, f.def, f.image);
    QCOMPARE(f.record(1).left(8), record.left(8));
}

void TestChannelCodec::unencodableFrequencyKeepsBytes_data() {
    QTest::addColumn<int>("rx");
    QTest::addColumn<int>("tx");
    QTest::newRow("nine digits receive") << 100000000 << 44600000;
    QTest::newRow("nine digits transmit") << 44600000 << 123456789;
    QTest::newRow("negative receive") << -5 << 44600000;
}

void TestChannelCodec::unencodableFrequencyKeepsBytes() {
    QFETCH(int, rx);
    QFETCH(int, tx);
    Fixture f;
    const QByteArray record = QByteArray::fromHex("12345678"
                                                  "12345678"
                                                  "9E029E0200000000");
    f.setRecord(1, record);
    f.table.setValue(1, 1, rx);
    f.table.setValue(1, 2, tx);
    f.table.setDecodeTone(1, QStringLiteral("67.0"));
    f.table.setEncodeTone(1, QStringLiteral("67.0"));
    f.codec.encodeAll(f.table, f.def, f.image);
    // The frequency that does not fit into eight BCD digits leaves its bytes as they were;
    // the other one is written.
    const int bad = rx == 44600000 ? 4 : 0;
    const int good = bad == 0 ? 4 : 0;
    QCOMPARE(f.record(1).mid(bad, 4), record.mid(bad, 4));
    QCOMPARE(f.record(1).mid(good, 4), QByteArray::fromHex("00006044"));
    QCOMPARE(f.log.count(), 1);
    QCOMPARE(f.log.lastTag(), QStringLiteral("modChMem->SeparateFreChar"));
}

void TestChannelCodec::emptyChannelKeepsToneTexts() {
    Fixture f;
    f.setRecord(1, QByteArray::fromHex("00004013000040139E021328"
                                       "00000000"));
    f.codec.decodeAll(f.image, f.def, f.table);
    f.setRecord(1, QByteArray::fromHex("FFFFFFFFFFFFFFFFFFFFFFFF"
                                       "00000000"));
    f.codec.decodeAll(f.image, f.def, f.table);
    QCOMPARE(f.table.decodeTone(1), QStringLiteral("67.0"));
    f.codec.encodeAll(f.table, f.def, f.image);
    QCOMPARE(f.record(1).mid(8, 4), QByteArray::fromHex("9E021328"));
}

void TestChannelCodec::roundTripKeepsEveryByte() {
    Fixture f;
    f.def.chCount = 2;
    f.setRecord(1, QByteArray::fromHex("25004543"
                                       "25004543"
                                       "13A8FFFF"
                                       "AB5A01FD"));
    f.setRecord(2, QByteArray::fromHex("00501446"
                                       "FFFFFFFF"
                                       "EC29AAAA"
                                       "00000000"));
    f.image.set(0x17E, 0x02);
    const RadioImage before = f.image;
    f.codec.decodeAll(f.image, f.def, f.table);
    f.codec.encodeAll(f.table, f.def, f.image);
    // Channel 2's encode word 0xAAAA is no tone and is rewritten as 0xFFFF; everything else stays.
    RadioImage expected = before;
    expected.write(0x20 + 10, QByteArray("\xFF\xFF", 2));
    QCOMPARE(f.image.mid(0, 0x200), expected.mid(0, 0x200));
}

QTEST_GUILESS_MAIN(TestChannelCodec)
#include "tst_channelcodec.moc"
