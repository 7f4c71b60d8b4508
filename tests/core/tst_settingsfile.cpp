#include "core/ChannelTableDef.h"
#include "core/ErrorLog.h"
#include "core/ProgramSettings.h"
#include "core/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace qrt;

namespace {

QString writeIni(const QTemporaryDir& dir, const QByteArray& content) {
    const QString path = dir.filePath(QStringLiteral("holvard.def"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return path;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void read_data();
    void read();
    void readMissingFileGivesDefaults();
    void writeKeepsOtherLines();
    void writeAddsKeysAndSections();
    void writeKeepsOtherLinesByteForByte_data();
    void writeKeepsOtherLinesByteForByte();
    void writeFailureIsReported();
    void indexKeepsLookupRules_data();
    void indexKeepsLookupRules();
    void writesKeepTheIndexInStep();
    void unusableFilesGiveDefaultsAndAreNeverWritten_data();
    void unusableFilesGiveDefaultsAndAreNeverWritten();
    void sizeLimit();
    void programSettingsRepairs_data();
    void programSettingsRepairs();
    void programSettingsWithoutFile();
    void channelTableDefinition();
    void channelTableWithoutEndMarkerStopsAtThatList();
    void channelTableDefaults();
    void anyContentReadsSafely();
};

void TestSettingsFile::read_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "COM" << 9 << "3";
    QTest::newRow("case-insensitive key and section") << "datnum" << 9 << "8191";
    QTest::newRow("cut to width - 1") << "Long" << 5 << "abcd";
    QTest::newRow("surrounding blanks dropped") << "Spaced" << 20 << "a b";
    QTest::newRow("empty value is not the default") << "Empty" << 9 << "";
    QTest::newRow("missing key gives the default") << "Nope" << 9 << "dflt";
    QTest::newRow("default is cut too") << "Nope" << 3 << "df";
    QTest::newRow("utf-8") << "ChsFont" << 30 << QStringLiteral("宋体");
    QTest::newRow("first of a duplicated key") << "Dup" << 9 << "first";
}

void TestSettingsFile::read() {
    QFETCH(QString, key);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = writeIni(dir, "; comment\r\n[Other]\r\nCOM=9\r\n[ setting ]\r\nCOM=3\r\nDATNUM=8191\r\n"
                                       "Long=abcdefgh\r\nSpaced =   a b   \r\nEmpty=\r\nChsFont=宋体\r\nDup=first\r\n"
                                       "Dup=second\r\n");
    SettingsFile file(path);
    QCOMPARE(file.read(QStringLiteral("Setting"), key, QStringLiteral("dflt"), width), expected);
}

void TestSettingsFile::readMissingFileGivesDefaults() {
    SettingsFile file(QStringLiteral("/nonexistent/holvard.def"));
    QCOMPARE(file.read(QStringLiteral("Setting"), QStringLiteral("COM"), QStringLiteral("1"), 9), QStringLiteral("1"));
    QVERIFY(!file.contains(QStringLiteral("Setting"), QStringLiteral("COM")));
}

void TestSettingsFile::writeKeepsOtherLines() {
    QTemporaryDir dir;
    const QString path =
        writeIni(dir, "; my notes\r\n[Setting]\r\ncom = 3\r\nLanguage=1\r\n\r\n[ChInfo]\r\n1000=16\r\n");
    SettingsFile file(path);
    QVERIFY(file.write(QStringLiteral("Setting"), QStringLiteral("COM"), QStringLiteral("12")));
    QCOMPARE(readAll(path),
             QByteArray("; my notes\r\n[Setting]\r\ncom=12\r\nLanguage=1\r\n\r\n[ChInfo]\r\n1000=16\r\n"));
    QCOMPARE(SettingsFile(path).read(QStringLiteral("Setting"), QStringLiteral("COM"), QString(), 9),
             QStringLiteral("12"));
}

void TestSettingsFile::writeAddsKeysAndSections() {
    QTemporaryDir dir;
    const QString path = writeIni(dir, "[Setting]\nLanguage=1\n\n[ChInfo]\n1000=16\n");
    SettingsFile file(path);
    QVERIFY(file.write(QStringLiteral("Setting"), QStringLiteral("FirRun"), QStringLiteral("0")));
    QVERIFY(file.write(QStringLiteral("Ports"), QStringLiteral("COM1"), QStringLiteral("/dev/ttyUSB0")));
    QCOMPARE(readAll(path),
             QByteArray("[Setting]\nLanguage=1\nFirRun=0\n\n[ChInfo]\n1000=16\n[Ports]\nCOM1=/dev/ttyUSB0\n"));

    // A file that does not exist yet is created with the one key.
    SettingsFile fresh(dir.filePath(QStringLiteral("new.def")));
    QVERIFY(fresh.write(QStringLiteral("Setting"), QStringLiteral("COM"), QStringLiteral("2")));
    QCOMPARE(readAll(dir.filePath(QStringLiteral("new.def"))), QByteArray("[Setting]\r\nCOM=2\r\n"));
}

void TestSettingsFile::writeKeepsOtherLinesByteForByte_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    // A font name saved in a legacy Chinese code page is not UTF-8; it must survive as it was.
    QTest::newRow("legacy code page line") << QByteArray("[Setting]\r\nChsFont=\xCB\xCE\xCC\xE5\r\nCOM=3\r\n")
                                           << QByteArray("[Setting]\r\nChsFont=\xCB\xCE\xCC\xE5\r\nCOM=5\r\n");
    QTest::newRow("byte order mark kept")
        << QByteArray("\xEF\xBB\xBF[Setting]\nCOM=3\n") << QByteArray("\xEF\xBB\xBF[Setting]\nCOM=5\n");
    QTest::newRow("stray bytes in another section")
        << QByteArray("[Notes]\r\nx=\xFF\xFE\x80\r\n[Setting]\r\n")
        << QByteArray("[Notes]\r\nx=\xFF\xFE\x80\r\n[Setting]\r\nCOM=5\r\n");
}

void TestSettingsFile::writeKeepsOtherLinesByteForByte() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = writeIni(dir, before);
    SettingsFile file(path);
    QVERIFY(file.write(QStringLiteral("Setting"), QStringLiteral("COM"), QStringLiteral("5")));
    QCOMPARE(readAll(path), after);
    QCOMPARE(SettingsFile(path).read(QStringLiteral("Setting"), QStringLiteral("COM"), QString(), 9),
             QStringLiteral("5"));
}

void TestSettingsFile::writeFailureIsReported() {
    SettingsFile file(QStringLiteral("/nonexistent-folder/holvard.def"));
    const Result failure = file.write(QStringLiteral("Setting"), QStringLiteral("COM"), QStringLiteral("2"));
    QVERIFY(failure.failed());
    QVERIFY(!failure.reason().isEmpty());

    // A value with a line break would add lines of its own; it is refused and nothing changes.
    QTemporaryDir dir;
    const QString path = writeIni(dir, "[Setting]\r\nReadStartAddr=0000\r\n");
    SettingsFile settings(path);
    const Result refused = settings.write(QStringLiteral("Setting"), QStringLiteral("ReadStartAddr"),
                                          QStringLiteral("0000\r\n[Setting]\r\nDatNum=99"));
    QVERIFY(refused.failed());
    QVERIFY(!refused.reason().isEmpty());
    QCOMPARE(readAll(path), QByteArray("[Setting]\r\nReadStartAddr=0000\r\n"));
}

void TestSettingsFile::indexKeepsLookupRules_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("keys of a repeated section are not read")
        << QByteArray("[Setting]\nA=1\n[Other]\n[Setting]\nB=2\n") << "Setting"
        << "B"
        << "dflt";
    QTest::newRow("the first of a section repeated in other case")
        << QByteArray("[setting]\nA=1\n[SETTING]\nA=2\n") << "Setting"
        << "a"
        << "1";
    QTest::newRow("a later section ends the first") << QByteArray("[Setting]\nA=1\n[Other]\nB=2\n") << "Setting"
                                                    << "B"
                                                    << "dflt";
    QTest::newRow("a key before any section belongs to none") << QByteArray("B=2\n[Setting]\nA=1\n") << "Setting"
                                                              << "B"
                                                              << "dflt";
    QTest::newRow("a comment is no key") << QByteArray("[Setting]\n;B=2\n  ; B=3\n") << "Setting"
                                         << "B"
                                         << "dflt";
    QTest::newRow("a bracket without its close is a key line") << QByteArray("[Setting]\n[B=2\n") << "Setting"
                                                               << "[B"
                                                               << "2";
    QTest::newRow("non-ASCII names ignore case")
        << QByteArray("[Ärger]\nÖl=1\n") << QStringLiteral("äRGER") << QStringLiteral("öL") << "1";
}

void TestSettingsFile::indexKeepsLookupRules() {
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const SettingsFile file(writeIni(dir, content));
    QCOMPARE(file.read(section, key, QStringLiteral("dflt"), 30), expected);
    QCOMPARE(file.contains(section, key), expected != QLatin1String("dflt"));
}

void TestSettingsFile::writesKeepTheIndexInStep() {
    // Each write that adds a line moves the lines after it; later look-ups and writes must
    // still find their own lines, and a repeated section never takes a new key.
    QTemporaryDir dir;
    const QString path = writeIni(dir, "[A]\nk=1\n\n[B]\nk=2\n[A]\nlate=3\n");
    SettingsFile file(path);
    QVERIFY(file.write(QStringLiteral("A"), QStringLiteral("new"), QStringLiteral("x")));
    QCOMPARE(file.read(QStringLiteral("B"), QStringLiteral("k"), QString(), 9), QStringLiteral("2"));
    QVERIFY(file.write(QStringLiteral("B"), QStringLiteral("k"), QStringLiteral("5")));
    QVERIFY(file.write(QStringLiteral("B"), QStringLiteral("more"), QStringLiteral("6")));
    QVERIFY(file.write(QStringLiteral("C"), QStringLiteral("c"), QStringLiteral("7")));
    QVERIFY(file.write(QStringLiteral("a"), QStringLiteral("K"), QStringLiteral("8")));
    QCOMPARE(readAll(path), QByteArray("[A]\nk=8\nnew=x\n\n[B]\nk=5\nmore=6\n[A]\nlate=3\n[C]\nc=7\n"));
    QCOMPARE(file.read(QStringLiteral("A"), QStringLiteral("late"), QStringLiteral("dflt"), 9), QStringLiteral("dflt"));
    QCOMPARE(file.read(QStringLiteral("C"), QStringLiteral("c"), QString(), 9), QStringLiteral("7"));
}

void TestSettingsFile::unusableFilesGiveDefaultsAndAreNeverWritten_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder") << "folder"
                            << "folder";
    QTest::newRow("pipe") << "pipe"
                          << "not a regular file";
    QTest::newRow("link to a pipe") << "link"
                                    << "not a regular file";
    QTest::newRow("larger than the limit") << "large"
                                           << "larger than";
    QTest::newRow("unreadable") << "unreadable"
                                << "cannot be read";
}

void TestSettingsFile::unusableFilesGiveDefaultsAndAreNeverWritten() {
    // Opening a pipe would wait for ever and a device would never end; a huge file would
    // slow every look-up. Such a file reads as missing, and writing into it is refused,
    // since what it holds was never read.
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("holvard.def"));
    const QByteArray large = "[Setting]\r\nCOM=3\r\n" + QByteArray(SettingsFile::MaxFileSize, ';');
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("holvard.def")));
    } else if (kind == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("link")) {
        const QString pipe = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(QFile::link(pipe, path));
    } else if (kind == QLatin1String("large")) {
        writeIni(dir, large);
    } else {
        writeIni(dir, "[Setting]\r\nCOM=3\r\n");
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        if (QFile(path).open(QIODevice::ReadOnly))
            QSKIP("This user reads files without read permission");
    }

    SettingsFile file(path);
    QCOMPARE(file.read(QStringLiteral("Setting"), QStringLiteral("COM"), QStringLiteral("1"), 9), QStringLiteral("1"));
    QVERIFY(!file.contains(QStringLiteral("Setting"), QStringLiteral("COM")));
    QVERIFY(file.status().failed());
    QVERIFY2(file.status().reason().contains(reason), qPrintable(file.status().reason()));
    QCOMPARE(ProgramSettings::load(file).portNumber, 1);

    const Result failure = file.write(QStringLiteral("Setting"), QStringLiteral("COM"), QStringLiteral("2"));
    QVERIFY(failure.failed());
    QVERIFY2(failure.reason().contains(reason), qPrintable(failure.reason()));
    const QFileInfo after(path);
    if (kind == QLatin1String("folder"))
        QVERIFY(after.isDir());
    else if (kind == QLatin1String("link"))
        QVERIFY(after.isSymLink() && !after.isFile());
    else if (kind == QLatin1String("pipe"))
        QVERIFY(after.exists() && !after.isFile());
    else if (kind == QLatin1String("large"))
        QCOMPARE(readAll(path), large);
}

void TestSettingsFile::sizeLimit() {
    QTemporaryDir dir;
    QByteArray content = "[Setting]\r\nCOM=3\r\n";
    content += QByteArray(SettingsFile::MaxFileSize - content.size(), ';');
    const QString path = writeIni(dir, content);
    QCOMPARE(SettingsFile(path).read(QStringLiteral("Setting"), QStringLiteral("COM"), QString(), 9),
             QStringLiteral("3"));
    QVERIFY(SettingsFile(path).status().ok());
    writeIni(dir, content + ';');
    QCOMPARE(SettingsFile(path).read(QStringLiteral("Setting"), QStringLiteral("COM"), QStringLiteral("1"), 9),
             QStringLiteral("1"));
}

void TestSettingsFile::programSettingsRepairs_data() {
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<Language>("language");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("imageLastAddress");
    QTest::addColumn<int>("tableMaxAddr");
    QTest::addColumn<bool>("locked");
    QTest::newRow("defaults") << QByteArray() << Language::TraditionalChinese << 1 << 8191 << 0x1FFF << false;
    QTest::newRow("language 7 is English")
        << QByteArray("Language=7") << Language::English << 1 << 8191 << 0x1FFF << false;
    QTest::newRow("language text is English")
        << QByteArray("Language=zh") << Language::English << 1 << 8191 << 0x1FFF << false;
    QTest::newRow("empty language is English")
        << QByteArray("Language=") << Language::English << 1 << 8191 << 0x1FFF << false;
    QTest::newRow("port 16") << QByteArray("COM=16") << Language::TraditionalChinese << 16 << 8191 << 0x1FFF << false;
    QTest::newRow("port 17 is 1") << QByteArray("COM=17") << Language::TraditionalChinese << 1 << 8191 << 0x1FFF
                                  << false;
    QTest::newRow("port 0 is 1") << QByteArray("COM=0") << Language::TraditionalChinese << 1 << 8191 << 0x1FFF << false;
    QTest::newRow("port text is 1") << QByteArray("COM=COM3") << Language::TraditionalChinese << 1 << 8191 << 0x1FFF
                                    << false;
    QTest::newRow("datnum larger") << QByteArray("DatNum=9000") << Language::TraditionalChinese << 1 << 9000 << 0x1FFF
                                   << false;
    QTest::newRow("datnum small") << QByteArray("DatNum=1039") << Language::TraditionalChinese << 1 << 8191 << 0x1FFF
                                  << false;
    QTest::newRow("datnum negative") << QByteArray("DatNum=-5") << Language::TraditionalChinese << 1 << 8191 << 0x1FFF
                                     << false;
    QTest::newRow("datnum huge") << QByteArray("DatNum=99999999") << Language::TraditionalChinese << 1 << 65535
                                 << 0x1FFF << false;
    QTest::newRow("datnum text") << QByteArray("DatNum=lots") << Language::TraditionalChinese << 1 << 8191 << 0x1FFF
                                 << false;
    QTest::newRow("max addr 3FF") << QByteArray("TableMaxAddr=3FF") << Language::TraditionalChinese << 1 << 8191
                                  << 0x3FF << false;
    QTest::newRow("max addr lower case") << QByteArray("TableMaxAddr=3ff") << Language::TraditionalChinese << 1 << 8191
                                         << 0x3FF << false;
    QTest::newRow("max addr not hex") << QByteArray("TableMaxAddr=XYZ") << Language::TraditionalChinese << 1 << 8191
                                      << 0x1FFF << false;
    QTest::newRow("max addr too big") << QByteArray("TableMaxAddr=10000") << Language::TraditionalChinese << 1 << 8191
                                      << 0x1FFF << false;
    QTest::newRow("lock") << QByteArray("ChannelLock=ShowLock") << Language::TraditionalChinese << 1 << 8191 << 0x1FFF
                          << true;
    QTest::newRow("lock is case-sensitive")
        << QByteArray("ChannelLock=showlock") << Language::TraditionalChinese << 1 << 8191 << 0x1FFF << false;
}

void TestSettingsFile::programSettingsRepairs() {
    QFETCH(QByteArray, lines);
    QFETCH(Language, language);
    QFETCH(int, port);
    QFETCH(int, imageLastAddress);
    QFETCH(int, tableMaxAddr);
    QFETCH(bool, locked);
    QTemporaryDir dir;
    const ProgramSettings s = ProgramSettings::load(SettingsFile(writeIni(dir, "[Setting]\r\n" + lines + "\r\n")));
    QCOMPARE(s.language, language);
    QCOMPARE(s.portNumber, port);
    QCOMPARE(s.imageLastAddress, imageLastAddress);
    QCOMPARE(s.tableMaxAddr, tableMaxAddr);
    QCOMPARE(s.channelLocked(), locked);
}

void TestSettingsFile::programSettingsWithoutFile() {
    ProgramSettings s = ProgramSettings::load(SettingsFile(QStringLiteral("/nonexistent/holvard.def")));
    QCOMPARE(s.uiFontName(), QStringLiteral("Times New Roman"));
    s.language = Language::SimplifiedChinese;
    QCOMPARE(s.uiFontName(), QStringLiteral("宋体"));
    QCOMPARE(s.readEndAddrText, QStringLiteral("1FFF"));
    QCOMPARE(s.outOfBandColor, ProgramSettings::DefaultOutOfBandColor);
}

void TestSettingsFile::channelTableDefinition() {
    QTemporaryDir dir;
    const QString path = writeIni(dir, "[ChInfo]\n3000=16\n3002=5\n3003=No|Rx|Tx|Dec|Enc|Power\n3105=800\n"
                                       "3200=RxFre\n3201=*EndOfThisItem*\n"
                                       "3250=TxFre\n3251=*EndOfThisItem*\n"
                                       "3300=CtcssDcsDec\n3301=*EndOfThisItem*\n"
                                       "3350=CtcssDcsEnc\n3351=*EndOfThisItem*\n"
                                       "3400=High|Low\n3401=2\n3402=1\n3403=High\n3404=Low\n3405=*EndOfThisItem*\n");
    ErrorLog log;
    const ChannelTableDef def = ChannelTableDef::read(SettingsFile(path), Language::English, &log);
    QCOMPARE(log.count(), 0);
    QCOMPARE(def.colCount, 5);
    QCOMPARE(def.colWidths.value(5), 800);
    QCOMPARE(def.colWidths.value(1), 1000);
    QCOMPARE(def.columnKey(1), QStringLiteral("RxFre"));
    QVERIFY(!def.isOptionColumn(4));
    QVERIFY(def.isOptionColumn(5));
    QCOMPARE(def.optionCount(5), 2);
    QCOMPARE(def.defaultValue(5), 1);
    QString text;
    QVERIFY(def.optionText(5, 1, &text));
    QCOMPARE(text, QStringLiteral("Low"));
    QVERIFY(!def.optionText(5, 2, &text));
    QCOMPARE(def.captions().value(5), QStringLiteral("Power"));
}

void TestSettingsFile::channelTableWithoutEndMarkerStopsAtThatList() {
    QTemporaryDir dir;
    const QString path = writeIni(dir, "[ChInfo]\n1002=3\n1200=RxFre\n1201=*EndOfThisItem*\n1250=TxFre\n"
                                       "1300=CtcssDcsDec\n1301=*EndOfThisItem*\n");
    ErrorLog log;
    const ChannelTableDef def = ChannelTableDef::read(SettingsFile(path), Language::SimplifiedChinese, &log);
    QCOMPARE(log.count(), 1);
    QCOMPARE(log.lastTag(), QStringLiteral("modChMem->ReadChInfo"));
    QCOMPARE(def.columnKey(1), QStringLiteral("RxFre"));
    QCOMPARE(def.columnKey(2), QStringLiteral("TxFre"));
    // Reading stopped at column 2: column 3 was never read.
    QVERIFY(def.items.value(3).isEmpty());
}

void TestSettingsFile::channelTableDefaults() {
    QTemporaryDir dir;
    // Counts beyond the table's limits are clamped rather than trusted.
    const QString path = writeIni(dir, "[ChInfo]\n2000=300\n2002=99\n");
    ErrorLog log;
    const ChannelTableDef def = ChannelTableDef::read(SettingsFile(path), Language::TraditionalChinese, &log);
    QCOMPARE(def.chCount, ChannelTableDef::MaxChannels);
    QCOMPARE(def.colCount, ChannelTableDef::MaxColumn);
    QCOMPARE(def.captions(), QStringList(10, QStringLiteral("0")));
}

void TestSettingsFile::anyContentReadsSafely() {
    // Random bytes and random INI-like lines: reading never fails, values stay in range.
    QRandomGenerator rng(7);
    const QByteArray pieces[] = {"[Setting]", "[ChInfo]",    "=",    "\r\n", "\n",      "DatNum",
                                 "COM",       "Language",    "3002", "3003", "3200",    "*EndOfThisItem*",
                                 "-1",        "99999999999", "|",    " ",    "\xE5\xAE"};
    for (int round = 0; round < 60; ++round) {
        QByteArray content;
        for (int i = 0; i < 300; ++i) {
            content += round % 3 == 0 ? QByteArray(1, char(rng.generate() & 0xFF))
                                      : pieces[rng.bounded(int(std::size(pieces)))];
        }
        QTemporaryDir dir;
        const QString path = writeIni(dir, content);
        const ProgramSettings s = ProgramSettings::load(SettingsFile(path));
        QVERIFY(languageFromNumber(languageNumber(s.language)).has_value());
        QVERIFY(s.portNumber >= 1 && s.portNumber <= 16);
        QVERIFY(s.imageLastAddress >= ProgramSettings::MinImageLastAddress &&
                s.imageLastAddress <= ProgramSettings::MaxImageLastAddress);
        ErrorLog log;
        const ChannelTableDef def = ChannelTableDef::read(SettingsFile(path), Language::English, &log);
        QVERIFY(def.chCount >= 0 && def.chCount <= ChannelTableDef::MaxChannels);
        QVERIFY(def.colCount >= 0 && def.colCount <= ChannelTableDef::MaxColumn);
        QString text;
        for (int c = 0; c <= def.colCount + 1; ++c)
            def.optionText(c, def.defaultValue(c), &text);
        SettingsFile file(path);
        QVERIFY(file.write(QStringLiteral("Setting"), QStringLiteral("COM"), QStringLiteral("5")));
        QCOMPARE(SettingsFile(path).read(QStringLiteral("Setting"), QStringLiteral("COM"), QString(), 9),
                 QStringLiteral("5"));
    }
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
