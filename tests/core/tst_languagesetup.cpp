#include "core/LanguageSetup.h"

#include "FullFileSystem.h"
#include "core/ErrorLog.h"
#include "core/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace qrt;
using OptionalLanguage = std::optional<Language>; // none: the stored language applies

namespace {

const QString Section = QStringLiteral("Setting");

// A settings file in a temporary folder, with its raw bytes at hand.
struct TempSettings {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("holvard.def"));

    void write(const QByteArray& bytes) const {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray bytes() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString value(const QString& key) const {
        return SettingsFile(path).read(Section, key, QStringLiteral("<none>"), 30);
    }
};

const QByteArray OtherSettings = "[Setting]\r\nCOM=3\r\nEngFont=Arial\r\n[ChInfo]\r\nChNum=16\r\n";

} // namespace

class TestLanguageSetup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void languageForLocaleId_data();
    void languageForLocaleId();
    void localeIdOf_data();
    void localeIdOf();
    void firstStartWritesLanguage_data();
    void firstStartWritesLanguage();
    void laterStartChangesNothing_data();
    void laterStartChangesNothing();
    void firstStartRunsOnce();
    void unwritableSettingsAreLogged();
    void fullDiskKeepsTheSettingsFile();
    void storeLanguageWritesTheKey();
    void languageOfARunThatSkipsTheFirstStart_data();
    void languageOfARunThatSkipsTheFirstStart();
};

void TestLanguageSetup::languageForLocaleId_data() {
    QTest::addColumn<int>("localeId");
    QTest::addColumn<Language>("language");
    QTest::newRow("Chinese, Taiwan") << 1028 << Language::TraditionalChinese;
    QTest::newRow("English, United States") << 1033 << Language::English;
    QTest::newRow("Chinese, PRC") << 2052 << Language::SimplifiedChinese;
    QTest::newRow("Japanese") << 1041 << Language::English;
    QTest::newRow("Chinese, Hong Kong") << 3076 << Language::English;
    QTest::newRow("unknown") << 0 << Language::English;
    QTest::newRow("negative") << -1 << Language::English;
}

void TestLanguageSetup::languageForLocaleId() {
    QFETCH(int, localeId);
    QFETCH(Language, language);
    QCOMPARE(qrt::languageForLocaleId(localeId), language);
}

void TestLanguageSetup::localeIdOf_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("localeId");
    QTest::newRow("zh_TW") << QStringLiteral("zh_TW") << 1028;
    QTest::newRow("en_US") << QStringLiteral("en_US") << 1033;
    QTest::newRow("zh_CN") << QStringLiteral("zh_CN") << 2052;
    QTest::newRow("zh_HK") << QStringLiteral("zh_HK") << 0;
    QTest::newRow("zh_SG") << QStringLiteral("zh_SG") << 0;
    QTest::newRow("en_GB") << QStringLiteral("en_GB") << 0;
    QTest::newRow("ja_JP") << QStringLiteral("ja_JP") << 0;
    QTest::newRow("C") << QStringLiteral("C") << 0;
}

void TestLanguageSetup::localeIdOf() {
    QFETCH(QString, name);
    QFETCH(int, localeId);
    QCOMPARE(qrt::localeIdOf(QLocale(name)), localeId);
}

void TestLanguageSetup::firstStartWritesLanguage_data() {
    QTest::addColumn<QByteArray>("initial");
    QTest::addColumn<int>("localeId");
    QTest::addColumn<QString>("language");
    QTest::newRow("no FirRun, Taiwan") << OtherSettings << 1028 << QStringLiteral("2");
    QTest::newRow("no FirRun, PRC") << OtherSettings << 2052 << QStringLiteral("1");
    QTest::newRow("no FirRun, Japan") << OtherSettings << 1041 << QStringLiteral("3");
    QTest::newRow("FirRun=1, United States")
        << QByteArray(OtherSettings).replace("COM=3", "COM=3\r\nFirRun=1") << 1033 << QStringLiteral("3");
    QTest::newRow("FirRun=7 replaces a stored language")
        << QByteArray("[Setting]\r\nFirRun=7\r\nLanguage=3\r\nCOM=3\r\nEngFont=Arial\r\n[ChInfo]\r\nChNum=16\r\n")
        << 2052 << QStringLiteral("1");
    QTest::newRow("no settings file") << QByteArray() << 1028 << QStringLiteral("2");
}

void TestLanguageSetup::firstStartWritesLanguage() {
    QFETCH(QByteArray, initial);
    QFETCH(int, localeId);
    QFETCH(QString, language);

    TempSettings settings;
    if (!initial.isEmpty())
        settings.write(initial);
    SettingsFile file(settings.path);
    ErrorLog log;

    QVERIFY(runFirstStartLanguageStep(file, localeId, &log));
    QCOMPARE(log.count(), 0);
    QCOMPARE(settings.value(QStringLiteral("FirRun")), QStringLiteral("0"));
    QCOMPARE(settings.value(QStringLiteral("Language")), language);
    if (!initial.isEmpty()) {
        // the rest of the file is untouched
        QCOMPARE(settings.value(QStringLiteral("COM")), QStringLiteral("3"));
        QCOMPARE(settings.value(QStringLiteral("EngFont")), QStringLiteral("Arial"));
        QCOMPARE(SettingsFile(settings.path).read(QStringLiteral("ChInfo"), QStringLiteral("ChNum"), {}, 9),
                 QStringLiteral("16"));
    }
}

void TestLanguageSetup::laterStartChangesNothing_data() {
    QTest::addColumn<QByteArray>("initial");
    QTest::addColumn<int>("loggedErrors");
    QTest::newRow("FirRun=0") << QByteArray("[Setting]\r\nFirRun=0\r\nLanguage=1\r\n") << 0;
    QTest::newRow("FirRun=00") << QByteArray("[Setting]\r\nFirRun=00\r\nLanguage=1\r\n") << 0;
    QTest::newRow("FirRun not a number") << QByteArray("[Setting]\r\nFirRun=ab\r\nLanguage=1\r\n") << 1;
    QTest::newRow("FirRun empty") << QByteArray("[Setting]\r\nFirRun=\r\nLanguage=1\r\n") << 1;
}

void TestLanguageSetup::laterStartChangesNothing() {
    QFETCH(QByteArray, initial);
    QFETCH(int, loggedErrors);

    TempSettings settings;
    settings.write(initial);
    SettingsFile file(settings.path);
    ErrorLog log;

    QVERIFY(!runFirstStartLanguageStep(file, 1028, &log));
    QCOMPARE(settings.bytes(), initial);
    QCOMPARE(log.count(), loggedErrors);
    if (loggedErrors)
        QCOMPARE(log.lastTag(), QStringLiteral("mdifrmMain->GetSysLang"));
}

void TestLanguageSetup::firstStartRunsOnce() {
    TempSettings settings;
    settings.write(OtherSettings);
    SettingsFile file(settings.path);

    QVERIFY(runFirstStartLanguageStep(file, 1028));
    const QByteArray afterFirst = settings.bytes();
    QVERIFY(!runFirstStartLanguageStep(file, 2052));
    QCOMPARE(settings.bytes(), afterFirst);
    QCOMPARE(settings.value(QStringLiteral("Language")), QStringLiteral("2"));
}

void TestLanguageSetup::unwritableSettingsAreLogged() {
    QTemporaryDir dir;
    SettingsFile file(dir.filePath(QStringLiteral("missing-folder/holvard.def")));
    ErrorLog log;

    QVERIFY(!runFirstStartLanguageStep(file, 1033, &log));
    QCOMPARE(log.count(), 1);
    QCOMPARE(log.lastTag(), QStringLiteral("mdifrmMain->GetSysLang"));

    QVERIFY(!storeLanguage(file, Language::English, &log));
    QCOMPARE(log.count(), 2);
    QCOMPARE(log.lastTag(), QStringLiteral("mdifrmMain->SwiLangFace"));
}

void TestLanguageSetup::fullDiskKeepsTheSettingsFile() {
    // A first start on a full disk emptied the settings file without a word; the next start
    // had no channel table captions.
    test::FullFileSystem disk;
    if (!disk.isMounted())
        QSKIP("Mounting a small file system needs root");
    const QByteArray initial = "[Setting]\r\nFirRun=1\r\nLanguage=2\r\n[ChInfo]\r\n3000=16\r\n";
    QVERIFY(disk.put(QStringLiteral("holvard.def"), initial));
    QVERIFY(disk.fill());
    SettingsFile file(disk.filePath(QStringLiteral("holvard.def")));
    ErrorLog log;

    QVERIFY(!runFirstStartLanguageStep(file, 1033, &log));
    QCOMPARE(log.lastTag(), QStringLiteral("mdifrmMain->GetSysLang"));
    QCOMPARE(log.lastNumber(), err::DiskFull);
    QVERIFY(!storeLanguage(file, Language::SimplifiedChinese, &log));
    QCOMPARE(log.lastTag(), QStringLiteral("mdifrmMain->SwiLangFace"));
    QCOMPARE(disk.read(QStringLiteral("holvard.def")), initial);
}

void TestLanguageSetup::storeLanguageWritesTheKey() {
    TempSettings settings;
    settings.write("[Setting]\r\nFirRun=0\r\nLanguage=1\r\nCOM=3\r\n");
    SettingsFile file(settings.path);

    QVERIFY(storeLanguage(file, Language::English));
    QCOMPARE(settings.bytes(), QByteArray("[Setting]\r\nFirRun=0\r\nLanguage=3\r\nCOM=3\r\n"));
    QVERIFY(storeLanguage(file, Language::TraditionalChinese));
    QCOMPARE(settings.value(QStringLiteral("Language")), QStringLiteral("2"));
}

void TestLanguageSetup::languageOfARunThatSkipsTheFirstStart_data() {
    QTest::addColumn<QByteArray>("initial");
    QTest::addColumn<int>("localeId");
    QTest::addColumn<OptionalLanguage>("language");
    const QByteArray stored = "[Setting]\r\nFirRun=%1\r\nLanguage=2\r\n";
    QTest::newRow("pending, English system")
        << QByteArray(stored).replace("%1", "1") << 1033 << OptionalLanguage(Language::English);
    QTest::newRow("pending, PRC system") << QByteArray(stored).replace("%1", "1") << 2052
                                         << OptionalLanguage(Language::SimplifiedChinese);
    QTest::newRow("pending, Taiwan system")
        << QByteArray(stored).replace("%1", "1") << 1028 << OptionalLanguage(Language::TraditionalChinese);
    QTest::newRow("pending, other system")
        << QByteArray(stored).replace("%1", "1") << 1041 << OptionalLanguage(Language::English);
    QTest::newRow("pending, no FirRun") << QByteArray("[Setting]\r\nLanguage=2\r\n") << 1033
                                        << OptionalLanguage(Language::English);
    QTest::newRow("pending, no settings file") << QByteArray() << 2052 << OptionalLanguage(Language::SimplifiedChinese);
    QTest::newRow("done: the stored language") << QByteArray(stored).replace("%1", "0") << 1033 << OptionalLanguage();
    QTest::newRow("FirRun not a number: the stored language")
        << QByteArray(stored).replace("%1", "x") << 1033 << OptionalLanguage();
}

void TestLanguageSetup::languageOfARunThatSkipsTheFirstStart() {
    QFETCH(QByteArray, initial);
    QFETCH(int, localeId);
    QFETCH(OptionalLanguage, language);
    TempSettings settings;
    if (!initial.isEmpty())
        settings.write(initial);
    const SettingsFile file(settings.path);
    QCOMPARE(firstStartLanguage(file, localeId), language);
    QCOMPARE(settings.bytes(), initial);
}

QTEST_GUILESS_MAIN(TestLanguageSetup)
#include "tst_languagesetup.moc"
