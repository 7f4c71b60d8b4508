#include "core/ExtraTexts.h"
#include "memview/ByteTexts.h"
#include "memview/PartFill.h"

#include <QTest>

using namespace qrt::memview;
using qrt::Language;

class TestMemoryTexts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cellTexts_data();
    void cellTexts();
    void toolTipOfAByte();
    void bitDisplay_data();
    void bitDisplay();
    void typedNumbers_data();
    void typedNumbers();
    void fillPlans_data();
    void fillPlans();
    void fillProblemsInTheLanguage_data();
    void fillProblemsInTheLanguage();
};

void TestMemoryTexts::cellTexts_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("binary");
    QTest::newRow("zero") << 0 << "00"
                          << "00000000";
    QTest::newRow("below 0x10") << 0x0A << "0A"
                                << "00001010";
    QTest::newRow("letters upper") << 0xBE << "BE"
                                   << "10111110";
    QTest::newRow("largest") << 0xFF << "FF"
                             << "11111111";
}

void TestMemoryTexts::cellTexts() {
    QFETCH(int, value);
    QFETCH(QString, cell);
    QFETCH(QString, binary);
    QCOMPARE(bytetext::formatByte(value), cell);
    QCOMPARE(bytetext::hexToBinary(cell), binary);
    QCOMPARE(bytetext::hexToBinary(cell.toLower()), binary);
    QCOMPARE(bytetext::binaryToValue(binary), value);
}

void TestMemoryTexts::toolTipOfAByte() {
    QCOMPARE(bytetext::cellToolTip(0x000A, QStringLiteral("0A")),
             QStringLiteral("地址为: 0x000A    二进制:00001010    B7:0 B6:0 B5:0 B4:0   B3:1 B2:0 B1:1 B0:0     "
                            "十进制10    \r\n"));
    QCOMPARE(bytetext::cellToolTip(0x1FFF, QStringLiteral("FF")),
             QStringLiteral("地址为: 0x1FFF    二进制:11111111    B7:1 B6:1 B5:1 B4:1   B3:1 B2:1 B1:1 B0:1     "
                            "十进制255    \r\n"));
}

void TestMemoryTexts::bitDisplay_data() {
    QTest::addColumn<QString>("binary");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("three bits, no extra blanks") << "101"
                                                 << "B2:1 B1:0 B0:1 ";
    QTest::newRow("four bits begin with two blanks") << "1000"
                                                     << "  B3:1 B2:0 B1:0 B0:0 ";
    QTest::newRow("five bits") << "10001"
                               << "B4:1   B3:0 B2:0 B1:0 B0:1 ";
}

void TestMemoryTexts::bitDisplay() {
    QFETCH(QString, binary);
    QFETCH(QString, shown);
    QCOMPARE(bytetext::bitDisplay(binary), shown);
}

void TestMemoryTexts::typedNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("value");
    const int ok = int(bytetext::NumberStatus::Ok);
    const int empty = int(bytetext::NumberStatus::Empty);
    const int bad = int(bytetext::NumberStatus::NotANumber);
    const int negative = int(bytetext::NumberStatus::Negative);
    QTest::newRow("hex") << "1a" << 16 << ok << 0x1A;
    QTest::newRow("hex with blanks") << " FF " << 16 << ok << 0xFF;
    QTest::newRow("hex saturates") << "FFFFFFFFFFFFFFFFFFFF" << 16 << ok << 255;
    QTest::newRow("hex letter beyond F") << "FG" << 16 << bad << 0;
    QTest::newRow("hex prefix") << "0x10" << 16 << bad << 0;
    QTest::newRow("decimal") << "300" << 10 << ok << 255;
    QTest::newRow("decimal saturates") << "99999999999999999999" << 10 << ok << 255;
    QTest::newRow("decimal fraction") << "1.5" << 10 << bad << 0;
    QTest::newRow("decimal negative") << "-5" << 10 << negative << 0;
    QTest::newRow("minus alone") << "-" << 10 << bad << 0;
    QTest::newRow("minus zero") << "-0" << 10 << ok << 0;
    QTest::newRow("binary") << "1010" << 2 << ok << 10;
    QTest::newRow("binary with a 2") << "12" << 2 << bad << 0;
    QTest::newRow("blank") << "   " << 16 << empty << 0;
}

void TestMemoryTexts::typedNumbers() {
    QFETCH(QString, text);
    QFETCH(int, base);
    QFETCH(int, status);
    QFETCH(int, value);
    const bytetext::ReadNumber read = bytetext::readNumber(text, base, 255);
    QCOMPARE(int(read.status), status);
    QCOMPARE(read.value, value);
}

void TestMemoryTexts::fillPlans_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("fillValue");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("problem");
    QTest::newRow("hex FF over one row") << "FF" << 0 << "0010"
                                         << "001F" << true << 255 << 0x10 << 0x1F << "";
    QTest::newRow("decimal 300 is 255") << "300" << 1 << "0"
                                        << "0" << true << 255 << 0 << 0 << "";
    QTest::newRow("binary 1010 is 10") << "1010" << 2 << "0"
                                       << "1FFF" << true << 10 << 0 << 0x1FFF << "";
    QTest::newRow("end below start") << "00" << 0 << "001F"
                                     << "0010" << true << 0 << 0x1F << 0x10 << "";
    QTest::newRow("value not hex") << "FG" << 0 << "0"
                                   << "1" << false << 0 << 0 << 0 << "Fill Data \"FG\" is not a hexadecimal number.";
    QTest::newRow("value not binary") << "12" << 2 << "0"
                                      << "1" << false << 0 << 0 << 0 << "Fill Data \"12\" is not a binary number.";
    QTest::newRow("value empty") << "" << 1 << "0"
                                 << "1" << false << 0 << 0 << 0 << "Fill Data \"\" is not a decimal number.";
    QTest::newRow("value negative") << "-1" << 1 << "0"
                                    << "1" << false << 0 << 0 << 0 << "Fill Data must not be negative.";
    QTest::newRow("start not hex") << "1" << 0 << "12Z4"
                                   << "1" << false << 0 << 0 << 0 << "Start Addr \"12Z4\" is not a hexadecimal number.";
    QTest::newRow("end negative") << "1" << 0 << "0"
                                  << "-1" << false << 0 << 0 << 0 << "End Addr \"-1\" is not a hexadecimal number.";
    QTest::newRow("end outside") << "1" << 0 << "0"
                                 << "2000" << false << 0 << 0 << 0
                                 << "End Addr 2000H is outside the memory (0000H - 1FFFH).";
    QTest::newRow("start far outside") << "1" << 0 << "ffffffffff"
                                       << "0" << false << 0 << 0 << 0
                                       << "Start Addr FFFFFFFFFFH is outside the memory (0000H - 1FFFH).";
    QTest::newRow("no base chosen") << "1" << -1 << "0"
                                    << "1" << false << 0 << 0 << 0 << "";
}

void TestMemoryTexts::fillPlans() {
    QFETCH(QString, value);
    QFETCH(int, base);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(bool, ok);
    QFETCH(QString, problem);
    qrt::ExtraTexts english;
    QVERIFY(english.load(Language::English));
    const partfill::Plan plan = partfill::plan({value, base, start, end}, 0x2000, english);
    QCOMPARE(plan.status.ok(), ok);
    QCOMPARE(plan.status.reason(), problem);
    if (ok) {
        QTEST(plan.value, "fillValue");
        QTEST(plan.start, "first");
        QTEST(plan.end, "last");
    }
}

void TestMemoryTexts::fillProblemsInTheLanguage_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("request"); // value, start, end; decimal
    QTest::addColumn<QString>("problem");
    QTest::newRow("negative, Simplified Chinese")
        << Language::SimplifiedChinese << QStringList{"-3", "0", "1"} << "Fill Data 不能是负数。";
    QTest::newRow("not decimal, Simplified Chinese")
        << Language::SimplifiedChinese << QStringList{"1A", "0", "1"} << "Fill Data“1A”不是十进制数。";
    QTest::newRow("outside, Traditional Chinese") << Language::TraditionalChinese << QStringList{"1", "0", "2000"}
                                                  << "End Addr 2000H 超出了記憶體的範圍（0000H - 1FFFH）。";
}

// The dialog's captions stay as the dialog shows them; the sentence is the user's language.
void TestMemoryTexts::fillProblemsInTheLanguage() {
    QFETCH(Language, language);
    QFETCH(QStringList, request);
    QFETCH(QString, problem);
    qrt::ExtraTexts texts;
    QVERIFY(texts.load(language));
    const int decimal = int(partfill::Base::Decimal);
    QCOMPARE(partfill::plan({request.at(0), decimal, request.at(1), request.at(2)}, 0x2000, texts).status.reason(),
             problem);
}

QTEST_GUILESS_MAIN(TestMemoryTexts)
#include "tst_memorytexts.moc"
