#include "comm/ProtocolTable.h"

#include "core/ErrorLog.h"
#include "core/RadioImage.h"

#include <QTest>

using namespace qrt;
using namespace qrt::comm;

class TestProtocolTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readBlocks_data();
    void readBlocks();
    void writeBlockCommand_data();
    void writeBlockCommand();
    void addressText_data();
    void addressText();
    void hexBytes();
    void codeCheckStep_data();
    void codeCheckStep();
    void writeStep1CarriesTheImageBytes();
    void rangeTooLargeKeepsTheTable_data();
    void rangeTooLargeKeepsTheTable();
    void largestTableIsBuilt();
};

void TestProtocolTable::readBlocks_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("count");     // steps of the read
    QTest::addColumn<int>("lastBlock"); // step of the last block
    QTest::addColumn<QString>("lastScript");
    QTest::addColumn<int>("lastPercent");
    QTest::newRow("whole memory") << 0 << 0x1FFF << 516 << 515
                                  << "TX5273F010RX5773F010" + QStringLiteral("VA").repeated(16) + "EN" << 97;
    // Half a block of range rounds to no steps, taken as one: the percent is capped at 98.
    QTest::newRow("nine bytes") << 0 << 8 << 5 << 4 << "TX52000009RX57000009" + QStringLiteral("VA").repeated(9) + "EN"
                                << 98;
    QTest::newRow("one byte") << 0x3FF << 0x3FF << 5 << 4 << "TX5203FF01RX5703FF01VAEN" << 98;
    QTest::newRow("odd length") << 0x10 << 0x30 << 7 << 6 << "TX52003001RX57003001VAEN" << 98;
}

void TestProtocolTable::readBlocks() {
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, count);
    QFETCH(int, lastBlock);
    QFETCH(QString, lastScript);
    QFETCH(int, lastPercent);
    RadioImage image(0x2000);
    TableInputs in;
    in.image = &image;
    in.readStart = start;
    in.readEnd = end;
    ProtocolTable table;
    QVERIFY(table.build(QStringLiteral("52"), QStringLiteral("57"), in, nullptr));
    QCOMPARE(table.count(TransferDirection::Read), count);
    QCOMPARE(table.step(TransferDirection::Read, lastBlock).script, lastScript);
    QCOMPARE(table.step(TransferDirection::Read, lastBlock).percent, lastPercent);
    QCOMPARE(table.step(TransferDirection::Read, count).script, ProtocolTable::Acknowledge);
    QCOMPARE(table.step(TransferDirection::Read, count).percent, 100);
    // The blocks cover the range exactly once, in order.
    int next = start;
    for (int i = 4; i < count; ++i) {
        QCOMPARE(table.step(TransferDirection::Read, i).address, next);
        next += table.step(TransferDirection::Read, i).count;
    }
    QCOMPARE(next, end + 1);
    QCOMPARE(table.step(TransferDirection::Read, 1).script,
             QStringLiteral("TX50524F4752414DRX06TX52038803RXVA038803VAVAVAEN"));
}

void TestProtocolTable::writeBlockCommand_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("head");
    QTest::newRow("below 0x280") << 0x270 << "TX290270";
    QTest::newRow("0x280") << 0x280 << "TX750280";
    QTest::newRow("0x2F0") << 0x2F0 << "TX7502F0";
    QTest::newRow("0x300") << 0x300 << "TX290300";
}

void TestProtocolTable::writeBlockCommand() {
    QFETCH(int, address);
    QFETCH(QString, head);
    RadioImage image(0x2000);
    TableInputs in;
    in.image = &image;
    in.writeStart = address;
    in.writeEnd = address + 15;
    ProtocolTable table;
    QVERIFY(table.build(QStringLiteral("24"), QStringLiteral("29"), in, nullptr));
    QCOMPARE(table.count(TransferDirection::Write), 5);
    QCOMPARE(table.step(TransferDirection::Write, 4).script,
             head + "10" + QStringLiteral("VA").repeated(16) + QStringLiteral("RX06EN"));
    QCOMPARE(table.step(TransferDirection::Write, 5).script, ProtocolTable::Acknowledge);
}

void TestProtocolTable::addressText_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("text");
    QTest::newRow("0x03F0") << 0x03F0 << "03F0";
    QTest::newRow("0x0400") << 0x0400 << "1000";
    QTest::newRow("0x07FF") << 0x07FF << "13FF";
    QTest::newRow("0x1FF0") << 0x1FF0 << "73F0";
    QTest::newRow("0x0ABC") << 0x0ABC << "22BC";
    // Past the memory the page takes two digits, as the number it is.
    QTest::newRow("0x4000") << 0x4000 << "10000";
    QTest::newRow("0x4ABC") << 0x4ABC << "122BC";
}

void TestProtocolTable::addressText() {
    QFETCH(int, address);
    QFETCH(QString, text);
    QCOMPARE(ProtocolTable::addressText(address), text);
}

void TestProtocolTable::hexBytes() {
    const QList<std::pair<int, QString>> cases = {{0x00, "00"}, {0x0A, "0A"},  {0x5A, "5A"},
                                                  {0xFF, "FF"}, {0x1AB, "AB"}, {-1, "FF"}};
    for (const auto& [value, text] : cases)
        QCOMPARE(ProtocolTable::hex2(value), text);
}

void TestProtocolTable::codeCheckStep_data() {
    QTest::addColumn<bool>("codeShown");
    QTest::addColumn<bool>("blank");
    QTest::addColumn<bool>("newShown");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<bool>("useNew");
    QTest::addColumn<QString>("script");
    const QString imageCode = QStringLiteral("TX52038010RXVA038010VAVAVAVAVA414243VAVAVA444546VAVAEN");
    const QString newCode = QStringLiteral("TX52038010RXVA038010VAVAVAVAVA616263VAVAVA646566VAVAEN");
    QTest::newRow("image code") << true << false << false << "" << false << imageCode;
    QTest::newRow("code box hidden") << false << false << false << "" << false << ProtocolTable::Acknowledge;
    QTest::newRow("radio without code") << true << true << false << "" << false << ProtocolTable::Acknowledge;
    QTest::newRow("new code") << true << false << true << "xyz" << true << newCode;
    QTest::newRow("new code box hidden") << true << false << false << "xyz" << true << imageCode;
    QTest::newRow("reserved new code") << true << false << true << "888" << false << ProtocolTable::Acknowledge;
    QTest::newRow("reserved code, box hidden") << true << false << false << "888" << false << imageCode;
}

void TestProtocolTable::codeCheckStep() {
    QFETCH(bool, codeShown);
    QFETCH(bool, blank);
    QFETCH(bool, newShown);
    QFETCH(QString, newText);
    QFETCH(bool, useNew);
    QFETCH(QString, script);
    RadioImage image(0x2000);
    const int at[6] = {0x385, 0x386, 0x387, 0x38B, 0x38C, 0x38D};
    for (int i = 0; i < 6; ++i)
        image.set(at[i], quint8(0x41 + i));
    TableInputs in;
    in.image = &image;
    in.codeFieldShown = codeShown;
    in.radioCodeBlank = blank;
    in.newCodeShown = newShown;
    in.newCodeText = newText;
    in.useNewCode = useNew;
    in.reservedCodes = {QStringLiteral("888")};
    in.newCodeBlock = QByteArray::fromHex("FFFFFFFFFF616263FFFFFF646566FFFF");
    ProtocolTable table;
    QVERIFY(table.build(QStringLiteral("52"), QStringLiteral("57"), in, nullptr));
    QCOMPARE(table.step(TransferDirection::Read, 3).script, script);
    QCOMPARE(table.step(TransferDirection::Write, 3).script, script);
    QCOMPARE(table.step(TransferDirection::Read, 3).percent, 3);
}

void TestProtocolTable::writeStep1CarriesTheImageBytes() {
    RadioImage image(0x2000);
    for (int a = 0x194; a <= 0x19E; ++a)
        image.set(a, quint8(a - 0x194 + 0xA0));
    TableInputs in;
    in.image = &image;
    ProtocolTable table;
    QVERIFY(table.build(QStringLiteral("52"), QStringLiteral("57"), in, nullptr));
    QCOMPARE(table.step(TransferDirection::Write, 1).script,
             QStringLiteral("TX50524F4752414DRX06TX50524F4752414DRX06TX52038803RXVA038803VAVAVA"
                            "TX7501940BA0A1A2A3A4A5A6A7A8A9AARX06EN"));
}

void TestProtocolTable::rangeTooLargeKeepsTheTable_data() {
    QTest::addColumn<int>("end");
    QTest::newRow("more than 520 steps") << 0x2100;
    QTest::newRow("beyond the page digit") << 0x4000;
}

void TestProtocolTable::rangeTooLargeKeepsTheTable() {
    QFETCH(int, end);
    RadioImage image(0x10000);
    ErrorLog log;
    TableInputs in;
    in.image = &image;
    ProtocolTable table;
    QVERIFY(table.build(QStringLiteral("52"), QStringLiteral("57"), in, &log));
    in.readStart = end > 0x3000 ? end - 0x20 : 0;
    in.readEnd = end;
    QVERIFY(!table.build(QStringLiteral("52"), QStringLiteral("57"), in, &log));
    QVERIFY(!table.isValid());
    QCOMPARE(log.lastTag(), QStringLiteral("modCommun->InitProtocol"));
    QCOMPARE(table.count(TransferDirection::Read), 516);
    QCOMPARE(table.step(TransferDirection::Read, 515).address, 0x1FF0);
}

// 516 blocks and the four fixed steps fill the table to its last step, in both directions.
void TestProtocolTable::largestTableIsBuilt() {
    RadioImage image(0x4000);
    ErrorLog log;
    TableInputs in;
    in.image = &image;
    in.readEnd = in.writeEnd = 516 * 16 - 1;
    ProtocolTable table;
    QVERIFY(table.build(QStringLiteral("52"), QStringLiteral("57"), in, &log));
    QVERIFY(table.isValid());
    QCOMPARE(log.count(), 0);
    for (TransferDirection d : {TransferDirection::Read, TransferDirection::Write}) {
        QCOMPARE(table.count(d), ProtocolTable::MaxSteps);
        QCOMPARE(table.step(d, ProtocolTable::MaxSteps - 1).address, 515 * 16);
        QCOMPARE(table.step(d, ProtocolTable::MaxSteps).script, ProtocolTable::Acknowledge);
    }
}

QTEST_GUILESS_MAIN(TestProtocolTable)
#include "tst_protocoltable.moc"
