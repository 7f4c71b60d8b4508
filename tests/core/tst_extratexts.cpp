#include "core/ExtraTexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using qrt::ExtraTexts;
using qrt::Language;
using qrt::Result;

namespace {

QHash<QString, QString> fileTexts(Language language) {
    QFile file(ExtraTexts::resourcePath(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QHash<QString, QString> texts;
    if (const Result parsed = ExtraTexts::parse(QString::fromUtf8(file.readAll()), &texts); parsed.failed())
        qWarning("language %d: %s", qrt::languageNumber(language), qPrintable(parsed.reason()));
    return texts;
}

QSet<QString> placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& m : marker.globalMatch(text))
        found.insert(m.captured());
    return found;
}

} // namespace

class TestExtraTexts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyLanguageHasEveryKeyWithTheSamePlaceholders() {
        ExtraTexts english;
        QVERIFY(english.load(Language::English));
        const QHash<QString, QString> reference = fileTexts(Language::English);
        QVERIFY(!reference.isEmpty());
        for (Language language : {Language::SimplifiedChinese, Language::TraditionalChinese}) {
            const QHash<QString, QString> texts = fileTexts(language);
            for (auto it = reference.cbegin(); it != reference.cend(); ++it) {
                QVERIFY2(texts.contains(it.key()),
                         qPrintable(
                             QStringLiteral("language %1 lacks %2").arg(qrt::languageNumber(language)).arg(it.key())));
                QVERIFY2(!texts.value(it.key()).isEmpty(), qPrintable(it.key()));
                QCOMPARE(placeholders(texts.value(it.key())), placeholders(it.value()));
            }
            for (const QString& key : texts.keys())
                QVERIFY2(
                    reference.contains(key),
                    qPrintable(QStringLiteral("only language %1 has %2").arg(qrt::languageNumber(language)).arg(key)));
        }
    }

    void lookupFallsBackToEnglishThenToTheKey() {
        ExtraTexts chinese;
        QVERIFY(chinese.load(Language::SimplifiedChinese));
        QCOMPARE(chinese.text(QStringLiteral("edit.undo")), QStringLiteral("撤销"));
        QCOMPARE(chinese.text(QStringLiteral("no.such.key")), QStringLiteral("no.such.key"));
        ExtraTexts outOfRange;
        QVERIFY(outOfRange.load(static_cast<Language>(9)));
        QCOMPARE(outOfRange.language(), Language::English);
        QCOMPARE(outOfRange.text(QStringLiteral("edit.undo")), QStringLiteral("Undo"));
    }

    void parseReportsTheFirstMalformedLine_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("count");
        QTest::newRow("good with comment, blank and escapes")
            << QStringLiteral("# c\n\na\tx\\ty\\n\\\\\r\nb\tz\n") << true << QString() << 2;
        QTest::newRow("no tab") << QStringLiteral("a\tx\nbroken\n") << false
                                << QStringLiteral("line 2: no tab between key and text") << 1;
        QTest::newRow("empty key") << QStringLiteral(" \tx\n") << false << QStringLiteral("line 1: empty key") << 0;
        QTest::newRow("repeated key keeps the first")
            << QStringLiteral("a\tx\na\ty\n") << false << QStringLiteral("line 2: key a is already given on line 1")
            << 1;
        QTest::newRow("bad escape") << QStringLiteral("a\tx\\q\n") << false
                                    << QStringLiteral("line 1: bad escape in the text of a") << 0;
        QTest::newRow("byte order mark") << QString(QChar(0xFEFF)) + QStringLiteral("a\tx") << true << QString() << 1;
    }
    void parseReportsTheFirstMalformedLine() {
        QFETCH(QString, content);
        QFETCH(bool, ok);
        QFETCH(QString, error);
        QFETCH(int, count);
        QHash<QString, QString> texts;
        const Result parsed = ExtraTexts::parse(content, &texts);
        QCOMPARE(parsed.ok(), ok);
        QCOMPARE(parsed.reason(), error);
        QCOMPARE(texts.size(), count);
        if (QTest::currentDataTag() == QByteArray("good with comment, blank and escapes"))
            QCOMPARE(texts.value(QStringLiteral("a")), QStringLiteral("x\ty\n\\"));
    }
};

QTEST_GUILESS_MAIN(TestExtraTexts)
#include "tst_extratexts.moc"
