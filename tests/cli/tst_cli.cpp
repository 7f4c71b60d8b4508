#include "FullFileSystem.h"
#include "TestSupport.h"
#include "channels/ChannelGridModel.h"
#include "cli/ChannelAssignment.h"
#include "cli/Cli.h"
#include "cli/StartedProgram.h"
#include "core/DataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>

using namespace qrt;

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

// Runs the tool in-process with the application folder given.
Run runCli(const test::TempAppDir& dir, QStringList args) {
    Run r;
    QTextStream out(&r.out), err(&r.err);
    args.prepend(QStringLiteral("qrt506-cli"));
    args << QStringLiteral("--app-dir") << dir.path();
    r.code = cli::run(args, QStringLiteral("/nonexistent"), out, err);
    out.flush();
    err.flush();
    return r;
}

// The program opened on a file, edited as the grid edits it (its item model's cells, the
// named edits of a double-click): the reference the set command's channel assignments are
// compared with.
struct ModelReference {
    ModelReference(const test::TempAppDir& dir, const QString& input)
        : program(dir.path(), Language::English, errStream), model(program.document().channelModel()), grid(model) {
        opened = program.open(input);
    }
    QModelIndex cell(int channel, int column) const { return grid.cell(channel, column); }
    void chooseTone(int channel, int column, const QString& typed) {
        QVERIFY(grid.setData(cell(channel, column), typed));
    }
    QByteArray saved(const test::TempAppDir& dir) {
        const QString path = dir.filePath(QStringLiteral("reference.dat"));
        return program.saveAs(path) ? dir.readFile(QStringLiteral("reference.dat")) : QByteArray();
    }

    QString errors;
    QTextStream errStream{&errors};
    cli::StartedProgram program;
    channels::ChannelTableModel& model;
    channels::ChannelGridModel grid;
    bool opened = false;
};

Run runSet(const test::TempAppDir& dir, const QString& input, const QStringList& assignments) {
    return runCli(dir, QStringList{QStringLiteral("set"), input} + assignments +
                           QStringList{QStringLiteral("-o"), dir.filePath(QStringLiteral("out.dat")),
                                       QStringLiteral("--lang"), QStringLiteral("3")});
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dumpJsonOfUntitledData();
    void dumpJsonOfFactoryFile();
    void dumpTextAndLanguage();
    void normalizeIsWhatASaveWrites();
    void hexdumpAndDiff();
    void largeFilesAreNotCalledIdentical();
    void setChannelsAsTheGridDoes();
    void setDefaultsReplacesTheDataInOrder();
    void setDeleteAllChannels();
    void lockedDataRefusesWholeDataCommands_data();
    void lockedDataRefusesWholeDataCommands();
    void setRefusesChannelAssignments_data();
    void setRefusesChannelAssignments();
    void helpNamesChannelAssignments();
    void usageAndInputErrors_data();
    void usageAndInputErrors();
    void builtToolEndToEnd();
    void printUsage_data();
    void printUsage();
    void printWritesThePdfSheet();
    void unusableSettingsFileIsNamedAndDefaultsApply_data();
    void unusableSettingsFileIsNamedAndDefaultsApply();
    void saveLeavesAPipeAlone();
    void fullDiskFailsAndKeepsTheOldFile_data();
    void fullDiskFailsAndKeepsTheOldFile();
    void pipesAreRefusedAtOnce_data();
    void pipesAreRefusedAtOnce();
    void readChecksTheOutputBeforeTheRadio_data();
    void readChecksTheOutputBeforeTheRadio();
    void languageBeforeTheFirstStartFollowsTheSystem_data();
    void languageBeforeTheFirstStartFollowsTheSystem();
};

void TestCli::dumpJsonOfUntitledData() {
    test::TempAppDir dir;
    const Run r = runCli(dir, {QStringLiteral("dump"), QStringLiteral("--json")});
    QCOMPARE(r.code, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QCOMPARE(o.value(QStringLiteral("model")).toInt(), 0);
    const QJsonObject band = o.value(QStringLiteral("band")).toObject();
    QCOMPARE(band.value(QStringLiteral("position")).toInt(), 7);
    QCOMPARE(band.value(QStringLiteral("min")).toInt(), 40000000);
    QCOMPARE(band.value(QStringLiteral("max")).toInt(), 47000000);
    const QJsonArray channels = o.value(QStringLiteral("channels")).toArray();
    QCOMPARE(channels.size(), 16);
    for (const QJsonValue& v : channels) {
        const QJsonObject ch = v.toObject();
        QCOMPARE(ch.value(QStringLiteral("rx")).toInt(), -1);
        QCOMPARE(ch.value(QStringLiteral("options")).toObject().keys(),
                 (QStringList{"10", "11", "12", "13", "5", "6", "7", "8", "9"}));
    }
    QCOMPARE(channels.first().toObject().value(QStringLiteral("number")).toInt(), 1);
}

void TestCli::dumpJsonOfFactoryFile() {
    test::TempAppDir dir;
    const Run r = runCli(dir, {QStringLiteral("--json"), QStringLiteral("dump"), dir.filePath("DefRadioSet.def")});
    QCOMPARE(r.code, 0);
    const QJsonArray channels =
        QJsonDocument::fromJson(r.out.toUtf8()).object().value(QStringLiteral("channels")).toArray();
    // The factory data holds at least one channel in use, with its tones as texts.
    bool anyInUse = false;
    for (const QJsonValue& v : channels) {
        const QJsonObject ch = v.toObject();
        if (ch.value(QStringLiteral("rx")).toInt() == -1)
            continue;
        anyInUse = true;
        QVERIFY(ch.value(QStringLiteral("rx")).toInt() >= 40000000);
        QVERIFY(!ch.value(QStringLiteral("decode")).toString().isEmpty());
    }
    QVERIFY(anyInUse);
    QCOMPARE(r.err, QString());
}

void TestCli::dumpTextAndLanguage() {
    test::TempAppDir dir;
    // One channel without tones: its decode tone reads as the language's none text.
    QByteArray file = dir.readFile(QStringLiteral("dhcpqec.def"));
    file.replace(32, 12,
                 QByteArray::fromHex("00500144"
                                     "00500144"
                                     "FFFFFFFF"));
    dir.writeFile(QStringLiteral("one.dat"), file);

    const QByteArray settingsBefore = dir.readFile(QStringLiteral("holvard.def"));
    Run r =
        runCli(dir, {QStringLiteral("dump"), dir.filePath("one.dat"), QStringLiteral("--lang"), QStringLiteral("1")});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(QStringLiteral("Band: 400 - 470 MHz")), qPrintable(r.out));
    QVERIFY2(r.out.contains(QStringLiteral("\n1\t440.15000\t440.15000\t无\t无")), qPrintable(r.out));

    r = runCli(dir, {QStringLiteral("dump"), dir.filePath("one.dat"), QStringLiteral("--json"),
                     QStringLiteral("--lang"), QStringLiteral("2")});
    const QJsonObject first =
        QJsonDocument::fromJson(r.out.toUtf8()).object().value(QStringLiteral("channels")).toArray().first().toObject();
    QCOMPARE(first.value(QStringLiteral("rx")).toInt(), 44015000);
    QCOMPARE(first.value(QStringLiteral("decode")).toString(), QStringLiteral("無"));
    // The language of a call is not stored.
    QCOMPARE(dir.readFile(QStringLiteral("holvard.def")), settingsBefore);
}

void TestCli::normalizeIsWhatASaveWrites() {
    test::TempAppDir dir;
    // Upper memory and the filler of the input do not survive; the layout does.
    QByteArray file = dir.readFile(QStringLiteral("DefRadioSet.def"));
    file.replace(16, 16, QByteArray(16, '\0'));
    file.replace(0, 6, "XXXXXX");
    dir.writeFile(QStringLiteral("in.dat"), file);
    Run r = runCli(
        dir, {QStringLiteral("normalize"), dir.filePath("in.dat"), QStringLiteral("-o"), dir.filePath("out.dat")});
    QCOMPARE(r.code, 0);
    const QByteArray out = dir.readFile(QStringLiteral("out.dat"));
    QCOMPARE(out.size(), datafile::FileSize);
    QCOMPARE(out.left(6), QByteArray("KW5182"));
    QCOMPARE(out.mid(16, 16), QByteArray(16, '\xFF'));

    // Normalising again changes nothing.
    r = runCli(dir,
               {QStringLiteral("normalize"), dir.filePath("out.dat"), QStringLiteral("-o"), dir.filePath("again.dat")});
    QCOMPARE(r.code, 0);
    QCOMPARE(dir.readFile(QStringLiteral("again.dat")), out);
}

void TestCli::hexdumpAndDiff() {
    test::TempAppDir dir;
    QByteArray file = dir.readFile(QStringLiteral("dhcpqec.def"));
    Run r = runCli(dir, {QStringLiteral("hexdump"), dir.filePath("dhcpqec.def")});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.startsWith(QStringLiteral("0000  4B 57 35 31 38 32 ")));
    QCOMPARE(r.out.count(QLatin1Char('\n')), 65);

    r = runCli(dir, {QStringLiteral("diff"), dir.filePath("dhcpqec.def"), dir.filePath("dhcpqec.def")});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains(QStringLiteral("identical")));

    file[32 + 3] = char(0x44);     // channel 1, receive frequency
    file[0x37C + 16] = char(0x48); // band upper limit
    file[0x130 + 16] = char(0x09); // an option: the line gains its caption
    file.append('\x01');
    dir.writeFile(QStringLiteral("b.dat"), file);
    r = runCli(dir, {QStringLiteral("diff"), dir.filePath("dhcpqec.def"), dir.filePath("b.dat")});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(QStringLiteral("offset 0x0023")) &&
                 r.out.contains(QStringLiteral("address 0x013  channel 1 receive frequency")),
             qPrintable(r.out));
    QVERIFY2(r.out.contains(QStringLiteral("address 0x37C  band upper limit")), qPrintable(r.out));
    QVERIFY2(r.out.contains(QStringLiteral("address 0x130  radio-wide settings (Time-out Timer[s])")),
             qPrintable(r.out));
    QVERIFY2(r.out.contains(QStringLiteral("-- -> 01  beyond the data file layout")), qPrintable(r.out));
    QVERIFY(r.out.contains(QStringLiteral("4 byte(s) differ.")));
}

void TestCli::largeFilesAreNotCalledIdentical() {
    test::TempAppDir dir;
    // Two files that differ only far beyond anything a data file holds.
    QByteArray a(70000, '\x11');
    QByteArray b = a;
    b[68000] = '\x22';
    dir.writeFile(QStringLiteral("a.bin"), a);
    dir.writeFile(QStringLiteral("b.bin"), b);
    Run r = runCli(dir, {QStringLiteral("diff"), dir.filePath("a.bin"), dir.filePath("b.bin")});
    QCOMPARE(r.code, 0);
    QVERIFY2(!r.out.contains(QStringLiteral("The files are identical.")), qPrintable(r.out));
    QVERIFY2(r.err.contains(QStringLiteral("first 65536 bytes")), qPrintable(r.err));

    r = runCli(dir, {QStringLiteral("hexdump"), dir.filePath("a.bin")});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out.count(QLatin1Char('\n')), 4096);
    QVERIFY2(r.err.contains(QStringLiteral("first 65536 bytes")), qPrintable(r.err));
}

void TestCli::setChannelsAsTheGridDoes() {
    test::TempAppDir dir;
    const QString input = dir.filePath(QStringLiteral("dhcpqec.def")); // every channel empty
    const Run r =
        runSet(dir, input,
               {"ch1.rx=146.52", "ch1.decode=88.52", "ch1.encode=D023i", "ch1.5=Narrow", "ch1.6=#1", "ch1.12=3",
                "ch1.8!", "ch1.tx=", "ch1.2!", "ch2.rx=435.0031", "ch2.tx=436", "ch2.tx!", "ch3.rx=440",
                "ch3.decode=023", "ch3.delete", "ch4.rx=441", "ch4.decode=D025N", "ch4.tx=abc", "cboTot=60s"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(r.err, QStringLiteral("ch2.tx!: the double-click changes nothing.\n"));

    ModelReference ref(dir, input);
    QVERIFY(ref.opened);
    channels::ChannelTableModel& m = ref.model;
    channels::ChannelGridModel& grid = ref.grid;
    QVERIFY(grid.setData(ref.cell(1, 1), QStringLiteral("146.52")));
    ref.chooseTone(1, 3, QStringLiteral("88.52"));
    ref.chooseTone(1, 4, QStringLiteral("D023i"));
    QVERIFY(grid.setData(ref.cell(1, 5), 1));
    QVERIFY(grid.setData(ref.cell(1, 6), 1));
    QVERIFY(grid.setData(ref.cell(1, 12), 3));
    QVERIFY(m.cycleOption(1, 8));
    QVERIFY(grid.setData(ref.cell(1, 2), QString()));
    QVERIFY(m.copyReceiveToTransmit(1));
    QVERIFY(grid.setData(ref.cell(2, 1), QStringLiteral("435.0031")));
    QVERIFY(grid.setData(ref.cell(2, 2), QStringLiteral("436")));
    QVERIFY(grid.setData(ref.cell(3, 1), QStringLiteral("440")));
    ref.chooseTone(3, 3, QStringLiteral("023"));
    QVERIFY(m.deleteChannel(3));
    QVERIFY(grid.setData(ref.cell(4, 1), QStringLiteral("441")));
    ref.chooseTone(4, 3, QStringLiteral("D025N"));
    QVERIFY(grid.setData(ref.cell(4, 2), QStringLiteral("abc")));
    QVERIFY(ref.program.settings().selectItem(QStringLiteral("cboTot"), 4));

    const QByteArray out = dir.readFile(QStringLiteral("out.dat"));
    QCOMPARE(out, ref.saved(dir));
    // What the grid shows of it.
    QCOMPARE(m.cellText(1, 1), QStringLiteral("400"));
    QCOMPARE(m.cellText(1, 2), QStringLiteral("400"));
    QCOMPARE(m.cellText(1, 3), QStringLiteral("88.5"));
    QCOMPARE(m.cellText(1, 4), QStringLiteral("88.5"));
    QCOMPARE(m.cellText(1, 8), QStringLiteral("Carrier"));
    QCOMPARE(m.cellText(1, 12), QStringLiteral("3"));
    QCOMPARE(m.cellText(2, 1), QStringLiteral("435.005"));
    QCOMPARE(m.cellText(4, 3), QStringLiteral("D025N"));
    QCOMPARE(m.cellText(4, 2), QString());
    // Channel 1 as the codec writes it: 400 MHz both ways, 88.5 Hz both ways, the options.
    QCOMPARE(out.mid(0x10 + 16, 12), QByteArray::fromHex("00000040000000407503"
                                                         "7503"));
    QCOMPARE(out.mid(0x20 + 16, 4), QByteArray::fromHex("00055043"));
    QCOMPARE(out.mid(0x30 + 16, 12), QByteArray(12, '\xFF'));
}

void TestCli::setDefaultsReplacesTheDataInOrder() {
    test::TempAppDir dir;
    const Run r = runSet(dir, dir.filePath(QStringLiteral("dhcpqec.def")),
                         {"ch1.rx=440", "cboTot=60s", "defaults", "ch1.delete", "ch2.rx=445"});
    QVERIFY2(r.code == 0, qPrintable(r.err));

    ModelReference ref(dir, dir.filePath(QStringLiteral("DefRadioSet.def")));
    QVERIFY(ref.model.deleteChannel(1));
    QVERIFY(ref.grid.setData(ref.cell(2, 1), QStringLiteral("445")));
    QCOMPARE(dir.readFile(QStringLiteral("out.dat")), ref.saved(dir));

    // Without the factory file the command fails as Open does, and writes nothing.
    QFile::remove(dir.filePath(QStringLiteral("DefRadioSet.def")));
    QFile::remove(dir.filePath(QStringLiteral("out.dat")));
    const Run failed = runSet(dir, dir.filePath(QStringLiteral("dhcpqec.def")), {"ch1.rx=440", "defaults"});
    QCOMPARE(failed.code, 2);
    QVERIFY2(failed.err.contains(QStringLiteral("Wrong file type!")), qPrintable(failed.err));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.dat"))));
}

void TestCli::setDeleteAllChannels() {
    test::TempAppDir dir;
    const QString input = dir.filePath(QStringLiteral("DefRadioSet.def"));
    const Run r = runSet(dir, input, {"ch2.5!", "channels.delete-all", "ch3.rx=450"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    ModelReference ref(dir, input);
    QVERIFY(ref.model.cycleOption(2, 5));
    QVERIFY(ref.model.deleteAll());
    QVERIFY(ref.grid.setData(ref.cell(3, 1), QStringLiteral("450")));
    const QByteArray out = dir.readFile(QStringLiteral("out.dat"));
    QCOMPARE(out, ref.saved(dir));
    for (int n = 1; n <= 16; ++n) {
        if (n != 3)
            QCOMPARE(out.mid(0x10 * n + 16, 12), QByteArray(12, '\xFF'));
    }
}

void TestCli::lockedDataRefusesWholeDataCommands_data() {
    QTest::addColumn<QString>("argument");
    QTest::newRow("restore defaults") << "defaults";
    QTest::newRow("delete all channels") << "channels.delete-all";
}

// The lock refuses as any other refusal does: named, exit 1, the data as it was.
void TestCli::lockedDataRefusesWholeDataCommands() {
    QFETCH(QString, argument);
    test::TempAppDir dir;
    QString errors;
    QTextStream err(&errors);
    cli::StartedProgram program(dir.path(), Language::English, err);
    QVERIFY(program.open(dir.filePath(QStringLiteral("dhcpqec.def"))));
    const QByteArray before = program.document().image().bytes();
    program.document().setLocked(true);

    QString parseError;
    const std::optional<cli::ChannelAssignment> assignment = cli::parseChannelAssignment(argument, &parseError);
    QVERIFY(assignment);
    QCOMPARE(cli::ChannelAssigner(program, err).apply(*assignment), cli::ChannelAssigner::Refused);
    err.flush();
    QCOMPARE(errors, argument + QStringLiteral(": the data is locked.\n"));
    QCOMPARE(program.document().image().bytes(), before);
}

void TestCli::setRefusesChannelAssignments_data() {
    QTest::addColumn<QStringList>("assignments");
    QTest::addColumn<QString>("message");
    QTest::newRow("transmit of an empty channel")
        << QStringList{"ch2.tx=440"} << "ch2.tx=440: channel 2 is empty; the grid edits only its receive frequency.";
    QTest::newRow("no such channel") << QStringList{"ch17.rx=440"} << "there is no channel 17 (channels 1 to 16)";
    QTest::newRow("channel 0") << QStringList{"ch0.delete"} << "there is no channel 0";
    QTest::newRow("no such column") << QStringList{"ch1.rx=440", "ch1.14=1"} << "there is no column 14";
    QTest::newRow("double-click on the number column") << QStringList{"ch1.0!"} << "there is no column 0";
    QTest::newRow("tone of an empty channel") << QStringList{"ch1.decode=67"} << "opens no tone list";
    QTest::newRow("encode tone without transmit")
        << QStringList{"ch1.rx=440", "ch1.tx=", "ch1.encode=67"} << "channel 1 has no transmit frequency";
    QTest::newRow("option of an empty channel") << QStringList{"ch1.5=Wide"} << "channel 1 is empty";
    QTest::newRow("no such option") << QStringList{"ch1.rx=440", "ch1.5=wide"}
                                    << "column 5 has no option \"wide\" (options 0 to 1: Wide, Narrow)";
    QTest::newRow("option number past the list") << QStringList{"ch1.rx=440", "ch1.5=#2"} << "has no option";
    QTest::newRow("tone column as a number") << QStringList{"ch1.3=67"} << "set as rx, tx, decode and encode";
    QTest::newRow("delete an empty channel") << QStringList{"ch4.delete"} << "\"Delete channel 4\" is disabled";
    QTest::newRow("unknown channel word") << QStringList{"ch1.name=x"} << "Not a channel assignment: ch1.name=x";
    QTest::newRow("frequency without value") << QStringList{"ch1.rx"} << "Not a channel assignment: ch1.rx";
    QTest::newRow("unknown channels command") << QStringList{"channels.delete"} << "Not a channel assignment";
    QTest::newRow("later refusal writes nothing")
        << QStringList{"ch1.rx=440", "cboTot=60s", "ch9.tx=1"} << "channel 9 is empty";
}

void TestCli::setRefusesChannelAssignments() {
    QFETCH(QStringList, assignments);
    QFETCH(QString, message);
    test::TempAppDir dir;
    const Run r = runSet(dir, dir.filePath(QStringLiteral("dhcpqec.def")), assignments);
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.dat"))));
}

void TestCli::helpNamesChannelAssignments() {
    test::TempAppDir dir;
    const Run r = runCli(dir, {QStringLiteral("--help")});
    QCOMPARE(r.code, 0);
    for (const char* word : {"set FILE ASSIGNMENT... -o OUT", "chN.rx=TEXT", "chN.decode=TEXT", "chN.C=VALUE", "chN.C!",
                             "chN.delete", "channels.delete-all", "defaults"})
        QVERIFY2(r.out.contains(QLatin1String(word)), word);
}

void TestCli::usageAndInputErrors_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("no command") << QStringList{} << 1 << "No command given.";
    QTest::newRow("unknown command") << QStringList{"fly"} << 1 << "Unknown command: fly";
    QTest::newRow("unknown option") << QStringList{"dump", "--speed"} << 1 << "Unknown option";
    QTest::newRow("bad language") << QStringList{"dump", "--lang", "4"} << 1 << "--lang takes 1, 2 or 3.";
    QTest::newRow("normalize without output") << QStringList{"normalize", "x.dat"} << 1 << "-o OUT";
    QTest::newRow("diff with one file") << QStringList{"diff", "x.dat"} << 1 << "two files";
    QTest::newRow("missing file") << QStringList{"dump", "missing.dat", "--lang", "3"} << 2 << "Wrong file type!";
    QTest::newRow("unwritable output") << QStringList{"normalize",         "DefRadioSet.def", "-o",
                                                      "no/such/dir/x.dat", "--lang",          "3"}
                                       << 2 << "Save file failed!";
    QTest::newRow("hexdump of a missing file") << QStringList{"hexdump", "missing.dat"} << 2 << "Cannot read";
}

void TestCli::usageAndInputErrors() {
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, message);
    test::TempAppDir dir;
    for (QString& a : args) {
        if (a.endsWith(QLatin1String(".dat")) || a.endsWith(QLatin1String(".def")))
            a = dir.filePath(a);
    }
    const Run r = runCli(dir, args);
    QCOMPARE(r.code, code);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
}

void TestCli::builtToolEndToEnd() {
    test::TempAppDir dir;
    const QString tool = test::builtAppDir() + QStringLiteral("/qrt506-cli");
    QProcess p;
    p.start(tool, {QStringLiteral("normalize"), dir.filePath("DefRadioSet.def"), QStringLiteral("-o"),
                   dir.filePath("n.dat"), QStringLiteral("--app-dir"), dir.path()});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(dir.readFile(QStringLiteral("n.dat")).size(), datafile::FileSize);

    p.start(tool, {QStringLiteral("--app-dir"), dir.path(), QStringLiteral("dump"), dir.filePath("none.dat"),
                   QStringLiteral("--lang"), QStringLiteral("3")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(p.readAllStandardError().contains("Wrong file type!"));

    p.start(tool, {QStringLiteral("--app-dir"), dir.filePath("nowhere"), QStringLiteral("dump")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 2);
}

void TestCli::unusableSettingsFileIsNamedAndDefaultsApply_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder") << "folder"
                            << "it is a folder";
    QTest::newRow("pipe") << "pipe"
                          << "it is not a regular file";
    QTest::newRow("too large") << "large"
                               << "it is larger than 1048576 bytes";
}

void TestCli::unusableSettingsFileIsNamedAndDefaultsApply() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    test::TempAppDir dir;
    const QString path = dir.filePath(QStringLiteral("holvard.def"));
    QVERIFY(QFile::remove(path));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("holvard.def")));
    else if (kind == QLatin1String("pipe"))
        QVERIFY(test::makePipe(path));
    else
        QVERIFY(dir.writeFile(QStringLiteral("holvard.def"), QByteArray(2 * 1024 * 1024, ';')));

    const Run r = runCli(dir, {QStringLiteral("dump"), QStringLiteral("--lang"), QStringLiteral("3")});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.err.contains(QStringLiteral("The settings file ") + path + QStringLiteral(" is not used: ") + reason),
             qPrintable(r.err));
    QVERIFY2(r.out.contains(QStringLiteral("Band: 400 - 470 MHz")), qPrintable(r.out));
    QVERIFY(!QFileInfo(path).isFile() || kind == QLatin1String("large"));
}

void TestCli::saveLeavesAPipeAlone() {
    // Saving onto a device or pipe (-o /dev/null) would put a regular file in its place.
    test::TempAppDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.dat"));
    QVERIFY(test::makePipe(pipe));
    const Run r = runCli(dir, {QStringLiteral("normalize"), dir.filePath(QStringLiteral("DefRadioSet.def")),
                               QStringLiteral("-o"), pipe, QStringLiteral("--lang"), QStringLiteral("3")});
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(QStringLiteral("Save file failed! (") + pipe +
                            QStringLiteral(": It is not an ordinary file (it is a pipe or a device))")),
             qPrintable(r.err));
    QVERIFY2(r.err.contains(QStringLiteral("mdifrmMain->SaveDatFile")), qPrintable(r.err));
    QVERIFY(QFileInfo::exists(pipe) && !QFileInfo(pipe).isFile());
}

void TestCli::fullDiskFailsAndKeepsTheOldFile_data() {
    QTest::addColumn<QStringList>("args"); // OUT stands for the output file
    QTest::addColumn<QString>("message");
    QTest::newRow("normalize") << QStringList{"normalize", "DefRadioSet.def", "-o", "OUT"}
                               << "Save file failed! (OUT: The disk is full)";
    QTest::newRow("set") << QStringList{"set", "DefRadioSet.def", "chkBeep=0", "-o", "OUT"}
                         << "Save file failed! (OUT: The disk is full)";
    // The radio is not read at all when its data could not be saved.
    QTest::newRow("read") << QStringList{"read", "--port", "/dev/no-such-port", "-o", "OUT"}
                          << "Cannot save to OUT: The disk is full; the radio was not read.";
}

void TestCli::fullDiskFailsAndKeepsTheOldFile() {
    // Each of these exited 0 and left the output file empty.
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    test::FullFileSystem disk;
    if (!disk.isMounted())
        QSKIP("Mounting a small file system needs root");
    test::TempAppDir dir;
    const QString out = disk.filePath(QStringLiteral("out.dat"));
    QVERIFY(disk.put(QStringLiteral("out.dat"), "the old data"));
    QVERIFY(disk.fill());
    for (QString& a : args) {
        if (a == QLatin1String("OUT"))
            a = out;
        else if (a.endsWith(QLatin1String(".def")))
            a = dir.filePath(a);
    }

    const Run r = runCli(dir, args << QStringLiteral("--lang") << QStringLiteral("3"));

    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(QString(message).replace(QStringLiteral("OUT"), out)), qPrintable(r.err));
    QVERIFY(!r.err.contains(QStringLiteral("Port:")));
    QCOMPARE(disk.read(QStringLiteral("out.dat")), QByteArray("the old data"));
    QCOMPARE(disk.fileNames(), (QStringList{"filler", "out.dat"}));
}

void TestCli::pipesAreRefusedAtOnce_data() {
    QTest::addColumn<QStringList>("args"); // PIPE stands for a pipe
    QTest::addColumn<QString>("pipeName"); // where the pipe is made in the application folder
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    const QString notRegular = QStringLiteral("It is not an ordinary file (it is a pipe or a device)");
    QTest::newRow("dump") << QStringList{"dump", "PIPE"} << "in.dat" << 2 << "Wrong file type! (PIPE: " + notRegular;
    QTest::newRow("normalize") << QStringList{"normalize", "PIPE", "-o", "out.dat"} << "in.dat" << 2
                               << "Wrong file type! (PIPE: " + notRegular;
    QTest::newRow("write") << QStringList{"write", "PIPE", "--port", "/dev/no-such-port"} << "in.dat" << 2
                           << "Wrong file type! (PIPE: " + notRegular;
    QTest::newRow("hexdump") << QStringList{"hexdump", "PIPE"} << "in.dat" << 2 << "Cannot read PIPE";
    // The template builds the untitled data at every start.
    QTest::newRow("template") << QStringList{"dump"} << "dhcpqec.def" << 0 << "mdifrmMain->InitTempArray";
}

void TestCli::pipesAreRefusedAtOnce() {
    // Opening a pipe waits for a writer: each of these hung for ever.
    QFETCH(QStringList, args);
    QFETCH(QString, pipeName);
    QFETCH(int, code);
    QFETCH(QString, message);
    test::TempAppDir dir;
    const QString pipe = dir.filePath(pipeName);
    QFile::remove(pipe);
    QVERIFY(test::makePipe(pipe));
    for (QString& a : args) {
        if (a == QLatin1String("PIPE"))
            a = pipe;
        else if (a.endsWith(QLatin1String(".dat")))
            a = dir.filePath(a);
    }

    const Run r = runCli(dir, args << QStringLiteral("--lang") << QStringLiteral("3"));

    QCOMPARE(r.code, code);
    QVERIFY2(r.err.contains(QString(message).replace(QStringLiteral("PIPE"), pipe)), qPrintable(r.err));
    QVERIFY(!r.err.contains(QStringLiteral("Port:")));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("out.dat"))));
}

void TestCli::readChecksTheOutputBeforeTheRadio_data() {
    QTest::addColumn<QString>("output"); // in the application folder unless absolute
    QTest::addColumn<QString>("reason");
    const QString notRegular = QStringLiteral("It is not an ordinary file (it is a pipe or a device)");
    QTest::newRow("pipe") << "pipe.dat" << notRegular;
    QTest::newRow("device") << "/dev/null" << notRegular;
    QTest::newRow("folder") << "folder.dat"
                            << "It is a folder, not a file";
    QTest::newRow("missing folder") << "none/out.dat"
                                    << "The folder does not exist";
}

void TestCli::readChecksTheOutputBeforeTheRadio() {
    // A pipe or a device passed the check, the whole radio was read, and only then was the
    // save refused.
    QFETCH(QString, output);
    QFETCH(QString, reason);
    test::TempAppDir dir;
    QVERIFY(test::makePipe(dir.filePath(QStringLiteral("pipe.dat"))));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.dat")));
    const QString path = QDir::isAbsolutePath(output) ? output : dir.filePath(output);

    const Run r = runCli(dir, {QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("/dev/no-such-port"),
                               QStringLiteral("-o"), path, QStringLiteral("--lang"), QStringLiteral("3")});

    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(QStringLiteral("Cannot save to ") + path + QStringLiteral(": ") + reason +
                            QStringLiteral("; the radio was not read.")),
             qPrintable(r.err));
    QVERIFY2(!r.err.contains(QStringLiteral("Port:")), qPrintable(r.err));
    QVERIFY(!QFileInfo(dir.filePath(QStringLiteral("pipe.dat"))).isFile());
}

void TestCli::languageBeforeTheFirstStartFollowsTheSystem_data() {
    QTest::addColumn<QString>("firstRun");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("caption");
    const QString traditional = QStringLiteral("接收頻率[MHz]");
    const QString simplified = QStringLiteral("接收频率[MHz]");
    const QString english = QStringLiteral("Rx Freq[MHz]");
    // The shipped settings hold Language=2.
    QTest::newRow("pending, English system") << "1"
                                             << "en_US.UTF-8" << QStringList() << english;
    QTest::newRow("pending, other system") << "1"
                                           << "de_DE.UTF-8" << QStringList() << english;
    QTest::newRow("pending, PRC system") << "1"
                                         << "zh_CN.UTF-8" << QStringList() << simplified;
    QTest::newRow("pending, Taiwan system") << "1"
                                            << "zh_TW.UTF-8" << QStringList() << traditional;
    QTest::newRow("done: the stored language") << "0"
                                               << "en_US.UTF-8" << QStringList() << traditional;
    QTest::newRow("--lang comes first") << "1"
                                        << "zh_CN.UTF-8" << QStringList{"--lang", "3"} << english;
}

void TestCli::languageBeforeTheFirstStartFollowsTheSystem() {
    QFETCH(QString, firstRun);
    QFETCH(QString, locale);
    QFETCH(QStringList, options);
    QFETCH(QString, caption);
    test::TempAppDir dir;
    QByteArray settings = dir.readFile(QStringLiteral("holvard.def"));
    QVERIFY(settings.contains("\nFirRun=1") && settings.contains("\nLanguage=2"));
    settings.replace("FirRun=1", QByteArray("FirRun=").append(firstRun.toLatin1()));
    QVERIFY(dir.writeFile(QStringLiteral("holvard.def"), settings));

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LANGUAGE"));
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("LANG"), locale);
    p.setProcessEnvironment(env);
    p.start(test::builtAppDir() + QStringLiteral("/qrt506-cli"),
            QStringList{QStringLiteral("--app-dir"), dir.path(), QStringLiteral("dump")} + options);
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(out.contains(caption), qPrintable(out));
    // Only the program's own first start stores a language.
    QCOMPARE(dir.readFile(QStringLiteral("holvard.def")), settings);
}

void TestCli::printUsage_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("no output") << QStringList{"print", "DefRadioSet.def"} << 1 << "print takes one data file and -o";
    QTest::newRow("two files") << QStringList{"print", "DefRadioSet.def", "DefRadioSet.def", "-o", "x.pdf"} << 1
                               << "print takes one data file and -o";
    QTest::newRow("unknown item") << QStringList{"print", "DefRadioSet.def", "-o", "x.pdf", "--items", "cover,tones"}
                                  << 1 << "--items takes";
    QTest::newRow("unknown paper") << QStringList{"print", "DefRadioSet.def", "-o", "x.pdf", "--page", "A5"} << 1
                                   << "--page takes A4 or Letter";
    // In-process without a GUI application there are no fonts to lay the sheet out with.
    QTest::newRow("no fonts here") << QStringList{"print", "DefRadioSet.def", "-o", "x.pdf"} << 2
                                   << "print needs the program's fonts";
}

void TestCli::printUsage() {
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, message);
    test::TempAppDir dir;
    for (QString& a : args) {
        if (a.endsWith(QLatin1String(".def")) || a.endsWith(QLatin1String(".pdf")))
            a = dir.filePath(a);
    }
    const Run r = runCli(dir, args);
    QCOMPARE(r.code, code);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("x.pdf"))));
}

// The built tool lays the sheet out in the language asked for; without a display.
void TestCli::printWritesThePdfSheet() {
    test::TempAppDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(test::builtAppDir() + QStringLiteral("/qrt506-cli"),
            {QStringLiteral("--app-dir"), dir.path(), QStringLiteral("print"), dir.filePath("DefRadioSet.def"),
             QStringLiteral("-o"), pdf, QStringLiteral("--items"), QStringLiteral("channels"), QStringLiteral("--lang"),
             QStringLiteral("1"), QStringLiteral("--page"), QStringLiteral("letter")});
    QVERIFY(p.waitForFinished(-1));
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
    QVERIFY(dir.readFile(QStringLiteral("sheet.pdf")).startsWith("%PDF-"));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the PDF's text is not checked");
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(-1));
    // Some characters come out as look-alike Kangxi radicals; normalisation brings them back.
    const QString text = QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
    QVERIFY2(text.contains(QStringLiteral("信道信息")), qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("整机设置")));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
