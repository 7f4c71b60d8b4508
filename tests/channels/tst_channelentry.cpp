#include "channels/FrequencyEntry.h"
#include "channels/ToneEntry.h"

#include <QTest>

using namespace qrt;
using namespace qrt::channels;

class TestChannelEntry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedTone_data();
    void typedTone();
    void typedFrequency_data();
    void typedFrequency();
    void frequencyCellText_data();
    void frequencyCellText();
};

void TestChannelEntry::typedTone_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: not a tone, the none text is stored
    QTest::newRow("list text") << "88.5"
                               << "88.5";
    QTest::newRow("hundredths round to tenths") << "88.52"
                                                << "88.5";
    QTest::newRow("whole hertz") << "67"
                                 << "67.0";
    QTest::newRow("100.04") << "100.04"
                            << "100.0";
    QTest::newRow("half tenth to even") << "67.05"
                                        << "67.0";
    QTest::newRow("lowest") << "60"
                            << "60.0";
    QTest::newRow("highest") << "265"
                             << "265.0";
    QTest::newRow("not in the list but in range") << "100.5"
                                                  << "100.5";
    QTest::newRow("two digits below the range") << "25"
                                                << "";
    QTest::newRow("number read as octal") << "023"
                                          << "D023N";
    QTest::newRow("four digits") << "7540"
                                 << "D754N";
    QTest::newRow("above the range, octal") << "266"
                                            << "D266N";
    QTest::newRow("number with digit 8") << "089"
                                         << "89.0";
    QTest::newRow("number above the range with digit 8") << "780"
                                                         << "";
    QTest::newRow("inverted") << "023I"
                              << "D023I";
    QTest::newRow("inverted lower case") << "023i"
                                         << "D023I";
    QTest::newRow("with D") << "D023I"
                            << "D023I";
    QTest::newRow("with D normal") << "D754N"
                                   << "D754N";
    QTest::newRow("lower case n") << "D023n"
                                  << "D023N";
    QTest::newRow("other letter") << "023x"
                                  << "D023N";
    QTest::newRow("D without polarity") << "D023"
                                        << "D023N";
    QTest::newRow("anything after five characters") << "D023IXYZ"
                                                    << "D023I";
    QTest::newRow("D000N accepted") << "D000N"
                                    << "D000N";
    QTest::newRow("digit 8") << "D089N"
                             << "";
    QTest::newRow("lower case d") << "d023n"
                                  << "";
    QTest::newRow("none text") << "None"
                               << "";
    QTest::newRow("Chinese none text") << "无"
                                       << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("too short") << "D02"
                               << "";
    QTest::newRow("negative") << "-67"
                              << "";
    QTest::newRow("leading blank") << " 023"
                                   << "";
    QTest::newRow("huge number") << "1e300"
                                 << "";
}

void TestChannelEntry::typedTone() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    const std::optional<QString> tone = normalizeTypedTone(typed);
    QCOMPARE(tone.value_or(QString()), stored);
}

void TestChannelEntry::typedFrequency_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("bandMin");
    QTest::addColumn<int>("bandMax");
    QTest::addColumn<int>("stored"); // -1: not a number
    QTest::newRow("5 kHz raster") << "435.0031" << 40000000 << 47000000 << 43500500;
    QTest::newRow("6.25 kHz raster") << "435.00625" << 40000000 << 47000000 << 43500625;
    QTest::newRow("tie goes to 6.25 kHz") << "435.0025" << 40000000 << 47000000 << 43500000;
    QTest::newRow("146.514 in a wide band") << "146.514" << 12000000 << 52000000 << 14651500;
    QTest::newRow("146.5125 in a wide band") << "146.5125" << 12000000 << 52000000 << 14651250;
    QTest::newRow("above the band") << "480" << 40000000 << 47000000 << 47000000;
    QTest::newRow("below the band") << "146.52" << 40000000 << 47000000 << 40000000;
    QTest::newRow("too large for the scale") << "99999" << 40000000 << 47000000 << 40000000;
    QTest::newRow("too large negative") << "-99999" << 40000000 << 47000000 << 40000000;
    QTest::newRow("near the scale's end") << "21474.83647" << 40000000 << 47000000 << 47000000;
    QTest::newRow("negative") << "-5" << 40000000 << 47000000 << 40000000;
    QTest::newRow("blanks around") << " 440.5 " << 40000000 << 47000000 << 44050000;
    QTest::newRow("cleared") << "" << 40000000 << 47000000 << -1;
    QTest::newRow("text") << "abc" << 40000000 << 47000000 << -1;
    QTest::newRow("comma") << "440,5" << 40000000 << 47000000 << -1;
}

void TestChannelEntry::typedFrequency() {
    QFETCH(QString, typed);
    QFETCH(int, bandMin);
    QFETCH(int, bandMax);
    QFETCH(int, stored);
    const std::optional<qint32> f = channels::typedFrequency(typed, {bandMin, bandMax});
    QCOMPARE(f.value_or(-1), stored);
}

void TestChannelEntry::frequencyCellText_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole megahertz") << 13600000 << "136";
    QTest::newRow("5 kHz") << 43500500 << "435.005";
    QTest::newRow("6.25 kHz") << 14651250 << "146.5125";
    QTest::newRow("five decimals") << 43500625 << "435.00625";
    QTest::newRow("below 100 MHz") << 1000000 << "10";
    QTest::newRow("highest") << 99999999 << "999.99999";
    QTest::newRow("empty") << -1 << "";
}

void TestChannelEntry::frequencyCellText() {
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(channels::frequencyCellText(value), text);
}

QTEST_GUILESS_MAIN(TestChannelEntry)
#include "tst_channelentry.moc"
