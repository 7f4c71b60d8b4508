#include "core/ErrorLog.h"
#include "core/TextCodes.h"

#include <QTest>

using namespace qrt;

class TestTextCodes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void encode_data();
    void encode();
    void directCodesMatchTableSearch();
    void decode();
    void dtmfBytes_data();
    void dtmfBytes();
    void dtmfTooLongIsLogged();
    void filter_data();
    void filter();
};

void TestTextCodes::encode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("codes");
    QTest::newRow("ideograph") << QStringLiteral("中") << 3 << QList<int>{1045, 0, 0};
    QTest::newRow("ascii and space") << QStringLiteral("ab 1") << 3 << QList<int>{97, 98, 0};
    QTest::newRow("double quote and accents are unknown")
        << QStringLiteral("\"é，") << 3 << QList<int>{21902, 21902, 21902};
    QTest::newRow("last ideograph") << QStringLiteral("龥") << 1 << QList<int>{21901};
    QTest::newRow("past the block") << QString(QChar(0x9FA6)) << 1 << QList<int>{21902};
    QTest::newRow("empty") << QString() << 2 << QList<int>{0, 0};
}

void TestTextCodes::encode() {
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QList<int>, codes);
    QCOMPARE(hanzi::encode(text, n), codes);
}

void TestTextCodes::directCodesMatchTableSearch() {
    // The code of a character is the first table entry holding it.
    for (int u = 0; u < 0xA000; ++u) {
        const QChar c{char16_t(u)};
        int expected = hanzi::UnknownCode;
        if (u == ' ') {
            expected = 0;
        } else if (u >= 33 && u <= 126 && u != 34) {
            expected = u;
        } else if (u >= 0x4E00 && u <= 0x9FA5) {
            expected = u - 18968;
        }
        QCOMPARE(hanzi::codeOf(c), expected);
        if (expected < hanzi::UnknownCode && u != ' ')
            QCOMPARE(hanzi::entry(expected), QString(c));
    }
}

void TestTextCodes::decode() {
    QCOMPARE(hanzi::decode({65, 128, 66, 22000}), QStringLiteral("AB"));
    QCOMPARE(hanzi::decodeBytes(hanzi::encodeBytes(QString(16, QLatin1Char(' ')), 16)), QString());
    QCOMPARE(hanzi::encodeBytes(QString(16, QLatin1Char(' ')), 16), QByteArray(32, '\0'));
    QCOMPARE(hanzi::encodeBytes(QStringLiteral("中"), 16).left(4), QByteArray("\x15\x04\x00\x00", 4));
    QCOMPARE(hanzi::decodeBytes(hanzi::encodeBytes(QStringLiteral("Radio 中文 \"x\""), 16)),
             QStringLiteral("Radio 中文 x"));
}

void TestTextCodes::dtmfBytes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("back");
    QTest::newRow("digits and signs") << "12*#" << QByteArray("\x31\x32\x2A\x23") + QByteArray(12, '\xFF') << "12*#";
    QTest::newRow("lower case") << "ef" << QByteArray("\x45\x46") + QByteArray(14, '\xFF') << "EF";
    QTest::newRow("other characters") << "1x 2" << QByteArray("\x31\xFF\x20\x32") + QByteArray(12, '\xFF') << "1 2";
    QTest::newRow("empty") << "" << QByteArray(16, '\xFF') << "";
}

void TestTextCodes::dtmfBytes() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, back);
    QCOMPARE(dtmf::textToBytes(text), bytes);
    QCOMPARE(dtmf::bytesToText(bytes), back);
}

void TestTextCodes::dtmfTooLongIsLogged() {
    ErrorLog log;
    const QByteArray bytes = dtmf::textToBytes(QStringLiteral("12345678901234567890"), &log);
    QCOMPARE(bytes, QByteArray("1234567890123456"));
    QCOMPARE(log.lastTag(), QStringLiteral("modChMem->TextToAscii"));
    QCOMPARE(log.count(), 1);
}

void TestTextCodes::filter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("result");
    QTest::newRow("dtmf") << "1a2b-x*#" << 0 << "1A2B*#";
    QTest::newRow("digits") << "1a2b-x*#" << 2 << "12";
    QTest::newRow("E and F are not DTMF keys") << "EFef 9" << 0 << " 9";
}

void TestTextCodes::filter() {
    QFETCH(QString, text);
    QFETCH(int, type);
    QFETCH(QString, result);
    QCOMPARE(dtmf::removeInvalid(text, dtmf::Filter(type)), result);
}

QTEST_GUILESS_MAIN(TestTextCodes)
#include "tst_textcodes.moc"
