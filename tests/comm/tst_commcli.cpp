// The command-line read and write against the radio emulator.
#include "CliRun.h"
#include "SimProcess.h"
#include "TestSupport.h"
#include "TransferFixtures.h"

#include "comm/SerialPort.h"
#include "core/DataFile.h"
#include "core/RadioImage.h"
#include "core/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace qrt;
using namespace qrt::comm;
using namespace qrt::test::fixtures;
using qrt::test::CliRun;
using qrt::test::runCli;
using qrt::test::SimProcess;
using qrt::test::TempAppDir;

namespace {

// A radio whose memory holds valid band limits (400 - 470 MHz), so the editor shows its data.
QByteArray radioMemory(int seed) {
    QByteArray m = patternMemory(seed);
    m.replace(0x379, 5, QByteArray::fromHex("0040004700"));
    return m;
}

// A run that must talk with the emulator. The emulator is a process of its own here (this
// test covers the pseudo-terminal), and a very busy machine can keep it from answering
// within the windows the protocol allows, which no test may widen: a run that ended for
// want of answers is repeated, twice at most. A failed write sends no end sequence, and
// reading or writing again gives the same result.
CliRun runCliWithRadio(const QString& appDir, const QStringList& args) {
    CliRun r;
    for (int attempt = 0; attempt < 3; ++attempt) {
        r = runCli(appDir, args);
        if (!r.err.contains(QStringLiteral("Communication failed")))
            break;
    }
    return r;
}

} // namespace

class TestCommCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readSavesTheRadioData();
    void readNeedsAPlaceToSave_data();
    void readNeedsAPlaceToSave();
    void writeSendsTheFile();
    void writeWithVerify_data();
    void writeWithVerify();
    void verifyComparesTheRadioWithAFile_data();
    void verifyComparesTheRadioWithAFile();
    void writeSendsOnlyRadioData_data();
    void writeSendsOnlyRadioData();
    void programCodeOptions_data();
    void programCodeOptions();
    void rejectedRadio();
    void badArguments_data();
    void badArguments();
    void portsShowsTheOverride();
    void portInUse();
};

void TestCommCli::readSavesTheRadioData() {
    TempAppDir app;
    // The factory settings as the radio holds them: a normalized file reads back unchanged.
    const QString factory = app.filePath(QStringLiteral("DefRadioSet.def"));
    const QString normalized = app.filePath(QStringLiteral("factory.dat"));
    QCOMPARE(runCli(app.path(), {QStringLiteral("normalize"), factory, QStringLiteral("-o"), normalized}).code, 0);
    const QByteArray file = app.readFile(QStringLiteral("factory.dat"));
    RadioImage image(MemorySize);
    image.fill(0xFF);
    datafile::loadIntoImage(file, image);
    const QByteArray radio = image.bytes();
    SimProcess sim;
    QVERIFY(sim.start(FullSpeed, radio));
    const QString out = app.filePath(QStringLiteral("read.dat"));
    const CliRun r = runCliWithRadio(app.path(), {QStringLiteral("read"), QStringLiteral("--port"), sim.device(),
                                                  QStringLiteral("-o"), out, QStringLiteral("--range"),
                                                  QStringLiteral("0000-03FF")});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(r.err.contains(QStringLiteral("Read Successful")));
    QVERIFY(r.err.contains(QStringLiteral("100 %")));
    const QByteArray saved = app.readFile(QStringLiteral("read.dat"));
    QCOMPARE(saved.size(), datafile::FileSize);
    QCOMPARE(saved, file);
}

void TestCommCli::readNeedsAPlaceToSave_data() {
    QTest::addColumn<QString>("output"); // below the application folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << "missing/folder/x.dat"
                                    << "The folder does not exist";
    QTest::newRow("a folder") << "Data"
                              << "It is a folder, not a file";
}

// What is read must not be lost for want of a place to save it: the place is checked first.
void TestCommCli::readNeedsAPlaceToSave() {
    QFETCH(QString, output);
    QFETCH(QString, reason);
    TempAppDir app;
    QVERIFY(QDir(app.path()).mkpath(QStringLiteral("Data")));
    SimProcess sim;
    QVERIFY(sim.start(FullSpeed, radioMemory(1)));
    const QString path = app.filePath(output);
    const CliRun r =
        runCli(app.path(), {QStringLiteral("read"), QStringLiteral("--port"), sim.device(), QStringLiteral("-o"), path,
                            QStringLiteral("--range"), QStringLiteral("0000-000F")});
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(QStringLiteral("Cannot save to ") + path + QStringLiteral(": ") + reason),
             qPrintable(r.err));
    QVERIFY(r.err.contains(QStringLiteral("the radio was not read")));
    QVERIFY(sim.stop());
    QVERIFY(sim.trace().isEmpty());
}

void TestCommCli::writeSendsTheFile() {
    TempAppDir app;
    SimProcess sim;
    QVERIFY(sim.start(FullSpeed, radioMemory(1)));
    const QString file = app.filePath(QStringLiteral("dhcpqec.def"));
    const CliRun r = runCliWithRadio(app.path(), {QStringLiteral("write"), QStringLiteral("--port"), sim.device(), file,
                                                  QStringLiteral("--range"), QStringLiteral("0100-01FF")});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(sim.stop());
    const QByteArray bytes = app.readFile(QStringLiteral("dhcpqec.def"));
    QCOMPARE(sim.memory().mid(0x100, 0xE0), bytes.mid(0x100 + 16, 0xE0));
    QCOMPARE(sim.commandsStartingWith(QStringLiteral("45 5A A5 32 23 45 F2")).size(), 6);
}

void TestCommCli::writeWithVerify_data() {
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("listed");
    QTest::newRow("sound radio") << QStringList{} << 0 << QString();
    QTest::newRow("radio keeps a byte") << QStringList{QStringLiteral("--keep-bytes"), QStringLiteral("0013")} << 2
                                        << "0013  Channel 1: receive frequency  written ";
    QTest::newRow("line corrupts a written byte")
        << QStringList{QStringLiteral("--corrupt-write"), QStringLiteral("0130")} << 2
        << "0130  radio-wide settings: Time-out Timer[s]  written ";
}

void TestCommCli::writeWithVerify() {
    QFETCH(QStringList, faults);
    QFETCH(int, code);
    QFETCH(QString, listed);
    TempAppDir app;
    const QString file = app.filePath(QStringLiteral("dhcpqec.def"));
    QByteArray radio = radioMemory(1);
    // The radio's old byte differs from the file's, so that a kept byte shows.
    radio[0x13] = char(~app.readFile(QStringLiteral("dhcpqec.def")).at(0x13 + 16));
    SimProcess sim;
    QVERIFY(sim.start(FullSpeed + faults, radio));
    const CliRun r = runCliWithRadio(app.path(), {QStringLiteral("write"), QStringLiteral("--port"), sim.device(), file,
                                                  QStringLiteral("--range"), QStringLiteral("0000-01FF"),
                                                  QStringLiteral("--verify")});
    QVERIFY2(r.code == code, qPrintable(r.err + r.out));
    if (code == 0) {
        QVERIFY2(r.err.contains(QStringLiteral("Written and verified.")), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    } else {
        QVERIFY2(r.out.contains(listed), qPrintable(r.out));
        QVERIFY2(r.out.contains(QStringLiteral("1 byte(s) differ.")), qPrintable(r.out));
        QVERIFY2(r.err.contains(QStringLiteral("does not hold what was written")), qPrintable(r.err));
    }
}

void TestCommCli::verifyComparesTheRadioWithAFile_data() {
    QTest::addColumn<QStringList>("simOptions");
    QTest::addColumn<bool>("writeFirst");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("listed");
    QTest::newRow("radio holds the file") << QStringList{} << true << 0 << QString();
    QTest::newRow("radio holds other data") << QStringList{} << false << 3 << "0010  Channel 1: receive frequency";
    QTest::newRow("a byte read wrong") << QStringList{QStringLiteral("--corrupt-read"), QStringLiteral("0130")} << true
                                       << 3 << "0130  radio-wide settings: Time-out Timer[s]";
    QTest::newRow("radio does not answer") << QStringList{QStringLiteral("--silent")} << false << 2 << QString();
}

void TestCommCli::verifyComparesTheRadioWithAFile() {
    QFETCH(QStringList, simOptions);
    QFETCH(bool, writeFirst);
    QFETCH(int, code);
    QFETCH(QString, listed);
    TempAppDir app;
    const QString file = app.filePath(QStringLiteral("dhcpqec.def"));
    QByteArray radio = radioMemory(1);
    radio[0x10] = char(~app.readFile(QStringLiteral("dhcpqec.def")).at(0x10 + 16));
    SimProcess sim;
    QVERIFY(sim.start(FullSpeed + simOptions, radio));
    const QStringList range = {QStringLiteral("--range"), QStringLiteral("0000-01FF")};
    if (writeFirst) {
        const CliRun w = runCliWithRadio(
            app.path(), QStringList{QStringLiteral("write"), QStringLiteral("--port"), sim.device(), file} + range);
        QVERIFY2(w.code == 0, qPrintable(w.err));
    }
    // A radio that does not answer is what the last case tests.
    const QStringList verify =
        QStringList{QStringLiteral("verify"), QStringLiteral("--port"), sim.device(), file} + range;
    const CliRun r = code == 2 ? runCli(app.path(), verify) : runCliWithRadio(app.path(), verify);
    QVERIFY2(r.code == code, qPrintable(r.err + r.out));
    if (code == 0)
        QVERIFY2(r.out.isEmpty(), qPrintable(r.out));
    if (!listed.isEmpty())
        QVERIFY2(r.out.contains(listed), qPrintable(r.out));
}

void TestCommCli::writeSendsOnlyRadioData_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("force");
    QTest::addColumn<bool>("sent");
    QByteArray random(datafile::FileSize, '\0');
    for (int i = 0; i < random.size(); ++i)
        random[i] = char((i * 151 + 7) % 251);
    const QByteArray text = "Channels: 435.000, 436.000\n";
    QTest::newRow("empty") << QByteArray() << false << false;
    QTest::newRow("text") << text << false << false;
    QTest::newRow("random bytes") << random << false << false;
    QTest::newRow("text, forced") << text << true << true;
}

// A file that is not radio data would overwrite the radio with nonsense: it is sent only
// when the user insists.
void TestCommCli::writeSendsOnlyRadioData() {
    QFETCH(QByteArray, file);
    QFETCH(bool, force);
    QFETCH(bool, sent);
    TempAppDir app;
    QVERIFY(app.writeFile(QStringLiteral("odd.dat"), file));
    const QByteArray radio = radioMemory(1);
    SimProcess sim;
    QVERIFY(sim.start(FullSpeed, radio));
    QStringList args = {QStringLiteral("write"), QStringLiteral("--port"),  sim.device(),
                        app.filePath("odd.dat"), QStringLiteral("--range"), QStringLiteral("0100-010F")};
    if (force)
        args << QStringLiteral("--force");
    const CliRun r = runCliWithRadio(app.path(), args);
    QVERIFY2(r.code == (sent ? 0 : 2), qPrintable(r.err));
    QVERIFY2(r.err.contains(QStringLiteral(" is not radio data: ")), qPrintable(r.err));
    QCOMPARE(r.err.contains(QStringLiteral("Written.")), sent);
    QVERIFY(sim.stop());
    QCOMPARE(sim.trace().isEmpty(), !sent);
    if (!sent)
        QCOMPARE(sim.memory(), radio);
}

void TestCommCli::programCodeOptions_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("code");
    QTest::newRow("right code") << QStringList{QStringLiteral("--code"), QStringLiteral("K9")} << 0;
    QTest::newRow("wrong code") << QStringList{QStringLiteral("--code"), QStringLiteral("K8")} << 2;
    QTest::newRow("wrong code, right new code") << QStringList{QStringLiteral("--code"), QStringLiteral("K8"),
                                                               QStringLiteral("--new-code"), QStringLiteral("K9")}
                                                << 0;
}

void TestCommCli::programCodeOptions() {
    QFETCH(QStringList, options);
    QFETCH(int, code);
    TempAppDir app;
    SimProcess sim;
    QVERIFY(sim.start(FullSpeed + QStringList{QStringLiteral("--code"), QStringLiteral("K9")}, radioMemory(1)));
    const QStringList args = QStringList{QStringLiteral("read"),
                                         QStringLiteral("--port"),
                                         sim.device(),
                                         QStringLiteral("-o"),
                                         app.filePath(QStringLiteral("r.dat")),
                                         QStringLiteral("--range"),
                                         QStringLiteral("0000-000F")} +
                             options;
    const CliRun r = code == 0 ? runCliWithRadio(app.path(), args) : runCli(app.path(), args);
    QCOMPARE(r.code, code);
    QCOMPARE(r.err.contains(QStringLiteral("Program Code Error")), code != 0);
    QCOMPARE(QFile::exists(app.filePath(QStringLiteral("r.dat"))), code == 0);
}

void TestCommCli::rejectedRadio() {
    TempAppDir app;
    QByteArray radio = radioMemory(1);
    radio.replace(0x388, 3, QByteArray::fromHex("5A4142"));
    SimProcess sim;
    QVERIFY(sim.start(FullSpeed, radio));
    const CliRun r = runCli(app.path(), {QStringLiteral("read"), QStringLiteral("--port"), sim.device(),
                                         QStringLiteral("-o"), app.filePath(QStringLiteral("r.dat"))});
    QCOMPARE(r.code, 2);
    QVERIFY(r.err.contains(QStringLiteral("This software Can't support this radio")));
}

void TestCommCli::badArguments_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("range backwards") << QStringList{QStringLiteral("--range"), QStringLiteral("03FF-0000")} << 1
                                     << "--range";
    QTest::newRow("range not hex") << QStringList{QStringLiteral("--range"), QStringLiteral("0-XYZ")} << 1 << "--range";
    QTest::newRow("range past the image")
        << QStringList{QStringLiteral("--range"), QStringLiteral("0000-FFFF")} << 1 << "beyond the memory image";
    QTest::newRow("port 17") << QStringList{QStringLiteral("--port"), QStringLiteral("17")} << 1 << "--port";
    QTest::newRow("missing device") << QStringList{QStringLiteral("--port"), QStringLiteral("/nonexistent/ttyQ0")} << 2
                                    << "does not exist";
}

void TestCommCli::badArguments() {
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, message);
    TempAppDir app;
    const CliRun r =
        runCli(app.path(),
               QStringList{QStringLiteral("read"), QStringLiteral("-o"), app.filePath(QStringLiteral("r.dat"))} + args);
    QCOMPARE(r.code, code);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
}

void TestCommCli::portsShowsTheOverride() {
    TempAppDir app;
    SettingsFile settings(app.filePath(QStringLiteral("holvard.def")));
    QVERIFY(settings.write(QStringLiteral("Ports"), QStringLiteral("COM2"), QStringLiteral("/dev/serial/by-id/cable")));
    QVERIFY(settings.write(QStringLiteral("Setting"), QStringLiteral("COM"), QStringLiteral("2")));
    const CliRun r = runCli(app.path(), {QStringLiteral("ports")});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(QStringLiteral("* COM2 = /dev/serial/by-id/cable\n")), qPrintable(r.out));
    QCOMPARE(r.out.count(QLatin1Char('\n')), 16);
}

void TestCommCli::portInUse() {
    TempAppDir app;
    SimProcess sim;
    QVERIFY(sim.start(FullSpeed, radioMemory(1)));
    std::unique_ptr<SerialPort> otherProgram = createSerialPort(sim.device());
    QVERIFY(otherProgram->open());
    const CliRun r = runCli(app.path(), {QStringLiteral("read"), QStringLiteral("--port"), sim.device(),
                                         QStringLiteral("-o"), app.filePath(QStringLiteral("r.dat"))});
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(sim.device() + QStringLiteral(" is in use by another program")), qPrintable(r.err));
    QVERIFY(!QFile::exists(app.filePath(QStringLiteral("r.dat"))));
    otherProgram->close();
    QVERIFY(sim.stop());
    QVERIFY(sim.trace().isEmpty());
}

QTEST_GUILESS_MAIN(TestCommCli)
#include "tst_commcli.moc"
