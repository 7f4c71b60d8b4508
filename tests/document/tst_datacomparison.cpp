#include "core/ExtraTexts.h"
#include "core/InterfaceTexts.h"
#include "document/DataComparison.h"

#include <QTest>

using namespace qrt;

namespace {

QString listed(const QList<ByteDifference>& differences) {
    QStringList parts;
    for (const ByteDifference& d : differences)
        parts << QStringLiteral("%1:%2>%3").arg(d.position).arg(d.ours).arg(d.theirs);
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestDataComparison : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void differencesInRange_data();
    void differencesInRange();
    void placesInTheUsersLanguage_data();
    void placesInTheUsersLanguage();
};

void TestDataComparison::differencesInRange_data() {
    QTest::addColumn<QByteArray>("ours");
    QTest::addColumn<QByteArray>("theirs");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QList<int>>("skipped");
    QTest::addColumn<QString>("expected");

    const QByteArray base = QByteArray::fromHex("00112233445566778899");
    QByteArray changed = base;
    changed[1] = char(0xAA);
    changed[5] = char(0xBB);
    changed[9] = char(0xCC);
    QTest::newRow("same") << base << base << 0 << 9 << QList<int>{} << QString();
    QTest::newRow("all differences, in order")
        << base << changed << 0 << 9 << QList<int>{} << "1:17>170 5:85>187 9:153>204";
    QTest::newRow("only inside the range") << base << changed << 2 << 8 << QList<int>{} << "5:85>187";
    QTest::newRow("skipped positions left out") << base << changed << 0 << 9 << QList<int>{1, 9} << "5:85>187";
    QTest::newRow("a shorter side has no byte")
        << base.left(8) << base << 0 << 100 << QList<int>{} << "8:-1>136 9:-1>153";
    QTest::newRow("range beyond both") << base << changed << 20 << 30 << QList<int>{} << QString();
    QTest::newRow("range starting below zero") << base << changed << -5 << 1 << QList<int>{} << "1:17>170";
}

void TestDataComparison::differencesInRange() {
    QFETCH(QByteArray, ours);
    QFETCH(QByteArray, theirs);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QList<int>, skipped);
    QFETCH(QString, expected);
    const SkippedPosition skip = [&skipped](int position) { return skipped.contains(position); };
    QCOMPARE(listed(compareBytes(ours, theirs, first, last, skip)), expected);
}

void TestDataComparison::placesInTheUsersLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("expected");
    QTest::newRow("channel field") << 3 << 0x13 << "Channel 1: receive frequency";
    QTest::newRow("last channel's tone") << 3 << 0x10A << "Channel 16: encode tone";
    QTest::newRow("option with its caption") << 3 << 0x130 << "radio-wide settings: Time-out Timer[s]";
    QTest::newRow("band limit") << 3 << 0x37C << "band upper limit";
    QTest::newRow("memory the editor leaves") << 3 << 0x1000 << "memory the editor does not use";
    QTest::newRow("Simplified Chinese") << 1 << 0x130 << "整机设置：发射定时[秒]";
    QTest::newRow("Traditional Chinese channel") << 2 << 0x24 << "信道 2：發射頻率";
}

void TestDataComparison::placesInTheUsersLanguage() {
    QFETCH(int, language);
    QFETCH(int, address);
    QFETCH(QString, expected);
    InterfaceTexts texts;
    ExtraTexts extra;
    QVERIFY(texts.load(Language(language)).ok());
    QVERIFY(extra.load(Language(language)).ok());
    QCOMPARE(placeInWords(address, texts, extra), expected);
}

QTEST_GUILESS_MAIN(TestDataComparison)
#include "tst_datacomparison.moc"
