#include "core/InterfaceTexts.h"
#include "core/TextFileFormat.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <climits>

using qrt::InterfaceTexts;
using qrt::Language;
using qrt::Result;

namespace {

// The English text file as it ships in the source tree.
QString englishSourceFile() {
    return QDir(qrt::test::sourceDir()).filePath(QStringLiteral("src/core/texts/lang3.txt"));
}

// The entries of a text file read line by line, apart from the program's reader: index ->
// text, empty where the file has no text. *entries counts the entry lines.
QStringList entriesOf(const QByteArray& content, int* entries) {
    QStringList table;
    for (int i = 0; i < InterfaceTexts::Size; ++i)
        table.append(QString());
    *entries = 0;
    for (QString line : QString::fromUtf8(content).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const int tab = int(line.indexOf(QLatin1Char('\t')));
        bool isNumber = false;
        const int index = line.left(tab).toInt(&isNumber);
        if (tab < 0 || !isNumber || index < 0 || index >= InterfaceTexts::Size)
            continue;
        QString text;
        for (qsizetype at = tab + 1; at < line.size(); ++at) {
            const QChar c = line.at(at);
            if (c != QLatin1Char('\\') || at + 1 == line.size()) {
                text += c;
                continue;
            }
            const QChar escaped = line.at(++at);
            text += escaped == QLatin1Char('t')   ? QChar(QLatin1Char('\t'))
                    : escaped == QLatin1Char('n') ? QChar(QLatin1Char('\n'))
                                                  : escaped;
        }
        table[index] = text;
        ++*entries;
    }
    return table;
}

// Index -> English text of the shipped file, empty where it has no text.
QStringList shippedEnglish() {
    QFile file(englishSourceFile());
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    int entries = 0;
    return entriesOf(file.readAll(), &entries);
}

InterfaceTexts loaded(Language language) {
    InterfaceTexts texts;
    if (const Result result = texts.load(language); result.failed())
        qWarning("%s", qPrintable(result.reason()));
    return texts;
}

} // namespace

class TestInterfaceTexts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void englishIsTheShippedFile();
    void everyLanguageFillsTheSameIndices_data();
    void everyLanguageFillsTheSameIndices();
    void wordingsThatMustSurvive_data();
    void wordingsThatMustSurvive();
    void languageFallback_data();
    void languageFallback();
    void indexOutsideTheTable();
    void parse_data();
    void parse();
    void parseKeepsGoingAfterAnError();
};

// The program shows every English text of the shipped file, at its index, as written there.
void TestInterfaceTexts::englishIsTheShippedFile() {
    QVERIFY2(!qrt::test::sourceDir().isEmpty(), "QRT_SOURCE_DIR is not set");
    QFile source(englishSourceFile());
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray content = source.readAll();
    QFile resource(InterfaceTexts::resourcePath(Language::English));
    qrt::textfile::registerTextResources();
    QVERIFY(resource.open(QIODevice::ReadOnly));
    QCOMPARE(resource.readAll(), content); // what the program reads is what ships

    int entries = 0;
    const QStringList expected = entriesOf(content, &entries);
    QCOMPARE(entries, 376);
    const InterfaceTexts texts = loaded(Language::English);
    for (int i = 0; i < InterfaceTexts::Size; ++i) {
        if (texts.text(qrt::textIdAt(i)) != expected.at(i))
            QFAIL(qPrintable(QStringLiteral("index %1: \"%2\", expected \"%3\"")
                                 .arg(i)
                                 .arg(texts.text(qrt::textIdAt(i)), expected.at(i))));
    }
}

void TestInterfaceTexts::everyLanguageFillsTheSameIndices_data() {
    QTest::addColumn<Language>("language");
    QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese;
    QTest::newRow("Traditional Chinese") << Language::TraditionalChinese;
    QTest::newRow("English") << Language::English;
}

// An index filled in one language and empty in another shows a blank caption to some users.
void TestInterfaceTexts::everyLanguageFillsTheSameIndices() {
    QFETCH(Language, language);
    InterfaceTexts texts;
    const Result result = texts.load(language);
    QVERIFY2(result.ok(), qPrintable(result.reason()));
    QCOMPARE(texts.language(), language);

    const QStringList english = shippedEnglish();
    for (int i = 0; i < InterfaceTexts::Size; ++i) {
        const bool filled = !english.at(i).isEmpty() || (i == qrt::indexOf(qrt::TextId::LevelUnit) && language != Language::English);
        if (filled != !texts.text(qrt::textIdAt(i)).isEmpty())
            QFAIL(qPrintable(QStringLiteral("index %1 is \"%2\"").arg(i).arg(texts.text(qrt::textIdAt(i)))));
    }
}

void TestInterfaceTexts::wordingsThatMustSurvive_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    const QString restart = QStringLiteral("Language has changed, you need to restart the software.");
    QTest::newRow("restart notice, zh-CN") << Language::SimplifiedChinese << 68 << restart;
    QTest::newRow("restart notice, zh-TW") << Language::TraditionalChinese << 68 << restart;
    QTest::newRow("restart notice, en") << Language::English << 68 << restart;
    QTest::newRow("level unit, zh-CN") << Language::SimplifiedChinese << 402 << QStringLiteral("级");
    QTest::newRow("level unit, zh-TW") << Language::TraditionalChinese << 402 << QStringLiteral("級");
    QTest::newRow("level unit, en") << Language::English << 402 << QString();
    QTest::newRow("1750Hz, zh-CN") << Language::SimplifiedChinese << 441 << QStringLiteral("31--1750Hz中继");
    QTest::newRow("1750Hz, zh-TW") << Language::TraditionalChinese << 441 << QStringLiteral("31--1750Hz中繼");
    QTest::newRow("1750Hz, en") << Language::English << 441 << QStringLiteral("31--1750Hz");
    QTest::newRow("title, zh-CN") << Language::SimplifiedChinese << 16 << QStringLiteral("QRT506对讲机写频软件");
    QTest::newRow("title, zh-TW") << Language::TraditionalChinese << 16 << QStringLiteral("QRT506對講機寫頻軟體");
    QTest::newRow("help, zh-TW") << Language::TraditionalChinese << 6 << QStringLiteral("説明");
    QTest::newRow("alarm key, trailing blanks, zh-CN")
        << Language::SimplifiedChinese << 426 << QStringLiteral("16--紧急报警    ");
    QTest::newRow("alarm key, trailing blanks, zh-TW")
        << Language::TraditionalChinese << 426 << QStringLiteral("16--緊急報警    ");
    QTest::newRow("PTT ID key, trailing blanks, zh-CN")
        << Language::SimplifiedChinese << 430 << QStringLiteral("20--切换:PTT ID  ");
    QTest::newRow("inner blanks, en") << Language::English << 208 << QStringLiteral("Model   Type:");
    QTest::newRow("full-width comma, en")
        << Language::English << 89 << QStringLiteral("Frequency range is not right，continue?");
    QTest::newRow("no-data message, zh-CN")
        << Language::SimplifiedChinese << 175 << QStringLiteral("Rx：没有收到数据，请检查串口及连线！");
    QTest::newRow("custom band, zh-CN") << Language::SimplifiedChinese << 374 << QStringLiteral("自定义频率范围");
    QTest::newRow("seconds, zh-CN") << Language::SimplifiedChinese << 261 << QStringLiteral("秒");
    QTest::newRow("off, zh-TW") << Language::TraditionalChinese << 260 << QStringLiteral("關");
    QTest::newRow("empty status text, zh-CN") << Language::SimplifiedChinese << 168 << QString();
    QTest::newRow("unused, zh-TW") << Language::TraditionalChinese << 445 << QString();
}

void TestInterfaceTexts::wordingsThatMustSurvive() {
    QFETCH(Language, language);
    QFETCH(int, index);
    QFETCH(QString, text);
    QCOMPARE(loaded(language).text(qrt::textIdAt(index)), text);
}

void TestInterfaceTexts::languageFallback_data() {
    QTest::addColumn<int>("requested");
    QTest::addColumn<Language>("effective");
    QTest::addColumn<QString>("title");

    const QString english = QStringLiteral("QRT506 Radio Software");
    QTest::newRow("0") << 0 << Language::English << english;
    QTest::newRow("4") << 4 << Language::English << english;
    QTest::newRow("7") << 7 << Language::English << english;
    QTest::newRow("-1") << -1 << Language::English << english;
    QTest::newRow("1") << 1 << Language::SimplifiedChinese << QStringLiteral("QRT506对讲机写频软件");
    QTest::newRow("2") << 2 << Language::TraditionalChinese << QStringLiteral("QRT506對講機寫頻軟體");
}

void TestInterfaceTexts::languageFallback() {
    QFETCH(int, requested);
    QFETCH(Language, effective);
    QFETCH(QString, title);

    InterfaceTexts texts;
    QVERIFY(texts.load(static_cast<Language>(requested))); // a value cast from an unchecked number
    QCOMPARE(texts.language(), effective);
    QCOMPARE(texts.text(qrt::TextId::ProgramTitle), title);
}

void TestInterfaceTexts::indexOutsideTheTable() {
    const InterfaceTexts empty;
    QVERIFY(!empty.language().has_value());
    QCOMPARE(empty.text(qrt::TextId::ProgramTitle), QString());

    const InterfaceTexts texts = loaded(Language::English);
    for (int index : {-1, InterfaceTexts::Size, 1000, INT_MIN, INT_MAX})
        QCOMPARE(texts.text(qrt::textIdAt(index)), QString());
    QCOMPARE(texts.text(qrt::textIdAt(0)), QStringLiteral("New"));
}

void TestInterfaceTexts::parse_data() {
    QTest::addColumn<QString>("content");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("errorPart"); // part of the message, with its line number
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    QTest::newRow("escapes") << QStringLiteral("5\ta\\tb\\nc\\\\d\n") << true << QString() << 5
                             << QStringLiteral("a\tb\nc\\d");
    QTest::newRow("text kept as written")
        << QStringLiteral("7\t# not a comment  \n") << true << QString() << 7 << QStringLiteral("# not a comment  ");
    QTest::newRow("comments, blank lines, CRLF, BOM")
        << QStringLiteral("\uFEFF# header\r\n\r\n   \r\n500\tlast\r\n0\tfirst\r\n") << true << QString() << 500
        << QStringLiteral("last");
    QTest::newRow("empty text") << QStringLiteral("3\t\n") << true << QString() << 3 << QString();
    QTest::newRow("index not listed") << QStringLiteral("3\tthree\n") << true << QString() << 4 << QString();
    QTest::newRow("duplicate index keeps the first") << QStringLiteral("9\tfirst\n# comment\n9\tsecond\n") << false
                                                     << QStringLiteral("line 3") << 9 << QStringLiteral("first");
    QTest::newRow("index with a letter") << QStringLiteral("1a\tx\n") << false << QStringLiteral("line 1") << 1
                                         << QString();
    QTest::newRow("negative index") << QStringLiteral("-1\tx\n") << false << QStringLiteral("line 1") << 1 << QString();
    QTest::newRow("blank before index") << QStringLiteral(" 2\tx\n") << false << QStringLiteral("line 1") << 2
                                        << QString();
    QTest::newRow("index above 500") << QStringLiteral("0\tok\n501\tx\n") << false << QStringLiteral("line 2") << 0
                                     << QStringLiteral("ok");
    QTest::newRow("huge index") << QStringLiteral("99999999999999999999\tx\n") << false << QStringLiteral("line 1") << 0
                                << QString();
    QTest::newRow("missing tab") << QStringLiteral("12 twelve\n") << false << QStringLiteral("line 1") << 12
                                 << QString();
    QTest::newRow("unknown escape") << QStringLiteral("4\ta\\qb\n") << false << QStringLiteral("line 1") << 4
                                    << QString();
    QTest::newRow("backslash at the end")
        << QStringLiteral("4\tab\\\n") << false << QStringLiteral("line 1") << 4 << QString();
}

void TestInterfaceTexts::parse() {
    QFETCH(QString, content);
    QFETCH(bool, ok);
    QFETCH(QString, errorPart);
    QFETCH(int, index);
    QFETCH(QString, text);

    QStringList table;
    const Result parsed = InterfaceTexts::parse(content, &table);
    const QString error = parsed.reason();
    QCOMPARE(parsed.ok(), ok);
    QCOMPARE(table.size(), InterfaceTexts::Size);
    QCOMPARE(table.at(index), text);
    if (ok) {
        QVERIFY(error.isEmpty());
    } else {
        QVERIFY2(error.contains(errorPart), qPrintable(error));
    }
}

// A damaged line must not cost the user the other captions of the language.
void TestInterfaceTexts::parseKeepsGoingAfterAnError() {
    QStringList table;
    const Result parsed =
        InterfaceTexts::parse(QStringLiteral("1\tone\nbroken line\n2\ttwo\n777\tx\n3\tthree\n"), &table);
    QVERIFY(parsed.failed());
    const QString error = parsed.reason();
    QVERIFY2(error.contains(QStringLiteral("line 2")), qPrintable(error)); // the first fault is reported
    QCOMPARE(table.at(1), QStringLiteral("one"));
    QCOMPARE(table.at(2), QStringLiteral("two"));
    QCOMPARE(table.at(3), QStringLiteral("three"));
}

QTEST_GUILESS_MAIN(TestInterfaceTexts)
#include "tst_interfacetexts.moc"
