#include "core/ErrorLog.h"
#include "core/ToneCodec.h"

#include <QTest>

using namespace qrt;

class TestToneCodec : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wordToText_data();
    void wordToText();
    void textToWord_data();
    void textToWord();
    void listOrderAndRoundTrip();
    void noneTextFollowsLanguage();
    void unreadableTextKeepsFallback();
    void textsTheListNeverGivesKeepFallback_data();
    void textsTheListNeverGivesKeepFallback();
};

void TestToneCodec::wordToText_data() {
    QTest::addColumn<int>("word");
    QTest::addColumn<QString>("text");
    QTest::newRow("67.0") << 0x029E << "67.0";
    QTest::newRow("100.0") << 1000 << "100.0";
    QTest::newRow("250.0") << 2500 << "250.0";
    QTest::newRow("off-list ctcss") << 0x0258 << "60.0";
    QTest::newRow("top of the ctcss range") << 2650 << "265.0";
    QTest::newRow("D023N") << 0x2813 << "D023N";
    QTest::newRow("D754N") << 0x29EC << "D754N";
    QTest::newRow("D754I") << 0xA9EC << "D754I";
    QTest::newRow("zero") << 0x0000 << "None";
    QTest::newRow("below ctcss") << 0x0257 << "None";
    QTest::newRow("above ctcss") << 0x0A5B << "None";
    QTest::newRow("between ranges") << 0x3000 << "None";
    QTest::newRow("no tone") << 0xFFFF << "None";
}

void TestToneCodec::wordToText() {
    QFETCH(int, word);
    QFETCH(QString, text);
    QCOMPARE(ToneCodec(Language::English).wordToText(quint16(word)), text);
}

void TestToneCodec::textToWord_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("word");
    QTest::newRow("67.0") << "67.0" << 0x029E;
    QTest::newRow("D023N") << "D023N" << 0x2813;
    QTest::newRow("D023I") << "D023I" << 0xA813;
    QTest::newRow("other polarity letter is inverted") << "D023X" << 0xA813;
    QTest::newRow("none") << "None" << 0xFFFF;
    QTest::newRow("empty") << "" << 0xFFFF;
    QTest::newRow("any frequency in tenths") << "100.5" << 1005;
    QTest::newRow("half to even") << "88.25" << 882;
}

void TestToneCodec::textToWord() {
    QFETCH(QString, text);
    QFETCH(int, word);
    const ToneCodec::Bytes b = ToneCodec(Language::English).textToWord(text, {0, 0});
    QCOMPARE(b.high * 256 + b.low, word);
}

void TestToneCodec::listOrderAndRoundTrip() {
    const ToneCodec codec(Language::English);
    const QStringList& list = codec.toneList();
    QCOMPARE(list.size(), 261);
    QCOMPARE(list.at(0), QStringLiteral("None"));
    QCOMPARE(list.at(1), QStringLiteral("67.0"));
    QCOMPARE(list.at(50), QStringLiteral("254.1"));
    QCOMPARE(list.at(51), QStringLiteral("D023N"));
    QCOMPARE(list.at(155), QStringLiteral("D754N"));
    QCOMPARE(list.at(156), QStringLiteral("D023I"));
    QCOMPARE(list.at(260), QStringLiteral("D754I"));
    // Every entry survives text -> word -> text.
    for (const QString& text : list) {
        const ToneCodec::Bytes b = codec.textToWord(text, {0, 0});
        QCOMPARE(codec.wordToText(b.high, b.low), text);
    }
}

void TestToneCodec::noneTextFollowsLanguage() {
    QCOMPARE(ToneCodec(Language::SimplifiedChinese).wordToText(0xFFFF), QStringLiteral("无"));
    QCOMPARE(ToneCodec(Language::TraditionalChinese).wordToText(0xFFFF), QStringLiteral("無"));
    QCOMPARE(ToneCodec(Language::SimplifiedChinese).toneList().first(), QStringLiteral("无"));
    const ToneCodec::Bytes b = ToneCodec(Language::TraditionalChinese).textToWord(QStringLiteral("無"), {0, 0});
    QCOMPARE(b.low, quint8(0xFF));
    QCOMPARE(b.high, quint8(0xFF));

    // A list or a pasted block may come from a user of another language.
    for (const char* noneText : {"None", "无", "無"})
        QVERIFY2(ToneCodec::isNoneTextOfAnyLanguage(QString::fromUtf8(noneText)), noneText);
    for (const char* other : {"", "none", "None ", "67.0", "D023N"})
        QVERIFY2(!ToneCodec::isNoneTextOfAnyLanguage(QString::fromUtf8(other)), other);
}

void TestToneCodec::unreadableTextKeepsFallback() {
    ErrorLog log;
    const ToneCodec codec(Language::English, &log);
    const ToneCodec::Bytes b = codec.textToWord(QStringLiteral("D0231N"), {0x12, 0x34});
    QCOMPARE(b.low, quint8(0x12));
    QCOMPARE(b.high, quint8(0x34));
    QCOMPARE(log.lastTag(), QStringLiteral("modChMem->QtDqtCharToIic"));
}

void TestToneCodec::textsTheListNeverGivesKeepFallback_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("digit 8 is not octal") << "D089N";
    QTest::newRow("letters for digits") << "DABCN";
    QTest::newRow("four characters") << "D23N";
    QTest::newRow("another language's none text") << QStringLiteral("无");
    QTest::newRow("negative frequency") << "-67.0";
    QTest::newRow("frequency beyond a word") << "7000.0";
}

void TestToneCodec::textsTheListNeverGivesKeepFallback() {
    // A text the list never produces must not be stored as some other tone.
    QFETCH(QString, text);
    ErrorLog log;
    const ToneCodec codec(Language::English, &log);
    const ToneCodec::Bytes b = codec.textToWord(text, {0x56, 0x78});
    QCOMPARE(b.low, quint8(0x56));
    QCOMPARE(b.high, quint8(0x78));
    QCOMPARE(log.count(), 1);
    QCOMPARE(log.lastTag(), QStringLiteral("modChMem->QtDqtCharToIic"));
}

QTEST_GUILESS_MAIN(TestToneCodec)
#include "tst_tonecodec.moc"
