// The command-line tool's part in safe programming: the backup of every read and the
// check of a data file.
#include "CliRun.h"
#include "SimProcess.h"
#include "TestSupport.h"
#include "TransferFixtures.h"

#include "core/DataFile.h"
#include "core/RadioImage.h"
#include "document/ReadBackup.h"

#include <QDir>
#include <QTest>

using namespace qrt;
using namespace qrt::test::fixtures;
using qrt::test::CliRun;
using qrt::test::runCli;
using qrt::test::SimProcess;
using qrt::test::TempAppDir;

namespace {

QByteArray factoryRadio(const TempAppDir& app) {
    RadioImage image(MemorySize);
    image.fill(0xFF);
    datafile::loadIntoImage(app.readFile(QStringLiteral("DefRadioSet.def")), image);
    return image.bytes();
}

CliRun readRadio(const TempAppDir& app, const SimProcess& sim, const QString& out) {
    return runCli(app.path(), {QStringLiteral("read"), QStringLiteral("--port"), sim.device(), QStringLiteral("-o"),
                               out, QStringLiteral("--range"), QStringLiteral("0000-03FF")});
}

} // namespace

class TestSafeProgrammingCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each read leaves a backup of its own in Data/Backups, named when and from which radio
    // (its radio ID), and never over an earlier one.
    void readKeepsABackup() {
        TempAppDir app;
        QByteArray radio = factoryRadio(app);
        radio.replace(0x3E9, 3, QByteArray::fromHex("2143C5"));
        SimProcess sim;
        QVERIFY(sim.start(FullSpeed, radio));
        const QString out = app.filePath(QStringLiteral("read.dat"));
        const CliRun first = readRadio(app, sim, out);
        QVERIFY2(first.code == 0, qPrintable(first.err));
        const CliRun second = readRadio(app, sim, out);
        QVERIFY2(second.code == 0, qPrintable(second.err));

        const QDir folder(readbackup::folderOf(app.path()));
        const QStringList files = folder.entryList(QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 2);
        const QRegularExpression name(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d_\\d{6}_12345(-2)?\\.dat$"));
        for (const QString& file : files) {
            QVERIFY2(name.match(file).hasMatch(), qPrintable(file));
            QCOMPARE(app.readFile(QStringLiteral("Data/Backups/") + file), app.readFile(QStringLiteral("read.dat")));
        }
        QVERIFY(
            first.err.contains(QStringLiteral("Backup: ") + QDir::toNativeSeparators(folder.filePath(files.at(0)))) ||
            first.err.contains(QStringLiteral("Backup: ") + QDir::toNativeSeparators(folder.filePath(files.at(1)))));
    }

    // A backup that cannot be written is told; the data read is saved all the same.
    void backupFailureIsTold() {
        TempAppDir app;
        SimProcess sim;
        QVERIFY(sim.start(FullSpeed, factoryRadio(app)));
        QVERIFY(QDir(app.path()).mkpath(QStringLiteral("Data")));
        QVERIFY(app.writeFile(QStringLiteral("Data/Backups"), "in the way"));
        const CliRun r = readRadio(app, sim, app.filePath(QStringLiteral("read.dat")));
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY2(r.err.contains(QStringLiteral("could not be kept as a backup")), qPrintable(r.err));
        QCOMPARE(app.readFile(QStringLiteral("read.dat")).size(), datafile::FileSize);
    }

    void checkListsOneFindingALine_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("findings");
        QTest::newRow("factory data") << "DefRadioSet.def" << QStringList();
        QTest::newRow("the template") << "dhcpqec.def"
                                      << QStringList{"All channels are empty: the radio would have no channel to use."};
    }
    void checkListsOneFindingALine() {
        QFETCH(QString, file);
        QFETCH(QStringList, findings);
        TempAppDir app;
        const CliRun r = runCli(app.path(), {QStringLiteral("check"), app.filePath(file)});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out.split(u'\n', Qt::SkipEmptyParts), findings);
    }

    // A write tells what the check finds, then writes all the same.
    void writeTellsTheFindings() {
        TempAppDir app;
        const QString file = app.filePath(QStringLiteral("fixed-priority.dat"));
        QCOMPARE(runCli(app.path(), {QStringLiteral("set"), app.filePath(QStringLiteral("DefRadioSet.def")),
                                     QStringLiteral("cboScanPriChSort=#1"), QStringLiteral("cboPriCh=#0"),
                                     QStringLiteral("-o"), file})
                     .code,
                 0);
        const QString finding = QStringLiteral("Scan: Priority is “Fixed”, but Priority Channel is “Off”.");
        const CliRun check = runCli(app.path(), {QStringLiteral("check"), file});
        QCOMPARE(check.out, finding + QLatin1Char('\n'));

        SimProcess sim;
        QVERIFY(sim.start(FullSpeed, factoryRadio(app)));
        const CliRun r = runCli(app.path(), {QStringLiteral("write"), QStringLiteral("--port"), sim.device(), file,
                                             QStringLiteral("--range"), QStringLiteral("0000-03FF")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY2(r.err.contains(QStringLiteral("Check: ") + finding), qPrintable(r.err));
        QVERIFY(r.err.contains(QStringLiteral("Written.")));
    }

    void checkOfAFileThatCannotBeRead() {
        TempAppDir app;
        QCOMPARE(runCli(app.path(), {QStringLiteral("check"), app.filePath(QStringLiteral("missing.dat"))}).code, 2);
        QCOMPARE(runCli(app.path(), {QStringLiteral("check")}).code, 1);
    }
};

QTEST_GUILESS_MAIN(TestSafeProgrammingCli)
#include "tst_safeprogrammingcli.moc"
