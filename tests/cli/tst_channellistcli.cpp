#include "CliRun.h"
#include "TestSupport.h"
#include "channels/ChannelCsv.h"
#include "channels/ChirpCsv.h"
#include "cli/StartedProgram.h"

#include <QFile>
#include <QTest>

using namespace qrt;
using test::runCli;

namespace {

// The channel lists of a data file, as the program exports them.
QByteArray listOf(const test::TempAppDir& dir, const QString& file, bool chirp) {
    QString errors;
    QTextStream err(&errors);
    cli::StartedProgram program(dir.path(), Language::English, err);
    if (!program.open(dir.filePath(file)))
        return {};
    const channels::ChannelTableModel& model = program.document().channelModel();
    return chirp ? channels::exportChirpCsv(model) : channels::exportChannelCsv(model);
}

} // namespace

class TestChannelListCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exportWritesBothFormats();
    void importTypesTheListAsSetDoes();
    void chirpListRoundTrips();
    void refusalsWriteNothing_data();
    void refusalsWriteNothing();
};

void TestChannelListCli::exportWritesBothFormats() {
    test::TempAppDir dir;
    const QString factory = dir.filePath(AppContext::FactoryFileName);
    QCOMPARE(runCli(dir.path(), {"export", factory, "-o", dir.filePath("own.csv")}).code, 0);
    QCOMPARE(dir.readFile("own.csv"), listOf(dir, AppContext::FactoryFileName, false));
    QCOMPARE(runCli(dir.path(), {"export", factory, "-o", dir.filePath("chirp.csv"), "--format", "chirp"}).code, 0);
    QCOMPARE(dir.readFile("chirp.csv"), listOf(dir, AppContext::FactoryFileName, true));
}

void TestChannelListCli::importTypesTheListAsSetDoes() {
    test::TempAppDir dir;
    const QString factory = dir.filePath(AppContext::FactoryFileName);
    QCOMPARE(runCli(dir.path(), {"export", factory, "-o", dir.filePath("own.csv")}).code, 0);
    QString list = QString::fromUtf8(dir.readFile("own.csv"));
    const QStringList lines = list.split(QStringLiteral("\r\n"));
    QStringList row3 = lines.at(3).split(u',');
    row3[1] = QStringLiteral("440.5");
    row3[5] = QStringLiteral("#1");
    list.replace(lines.at(3), row3.join(u','));
    QVERIFY(dir.writeFile("edited.csv", list.toUtf8()));

    const test::CliRun imported =
        runCli(dir.path(), {"import", factory, dir.filePath("edited.csv"), "-o", dir.filePath("imported.dat")});
    QCOMPARE(imported.code, 0);
    QCOMPARE(runCli(dir.path(), {"set", factory, "ch3.rx=440.5", "ch3.5=#1", "-o", dir.filePath("typed.dat")}).code, 0);
    QCOMPARE(dir.readFile("imported.dat"), dir.readFile("typed.dat"));
}

void TestChannelListCli::chirpListRoundTrips() {
    test::TempAppDir dir;
    const QString factory = dir.filePath(AppContext::FactoryFileName);
    QCOMPARE(runCli(dir.path(), {"export", factory, "-o", dir.filePath("chirp.csv"), "--format", "chirp"}).code, 0);
    const test::CliRun imported =
        runCli(dir.path(), {"import", dir.filePath(AppContext::TemplateFileName), dir.filePath("chirp.csv"), "-o",
                            dir.filePath("imported.dat"), "--format", "chirp"});
    QCOMPARE(imported.code, 0);
    QCOMPARE(listOf(dir, "imported.dat", true), dir.readFile("chirp.csv"));
}

void TestChannelListCli::refusalsWriteNothing_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("errors in the list") << QStringList{"import", "BASE", "bad.csv", "-o", "OUT"} << 1
                                        << "bad.csv: line 2, Rx Freq[MHz]: '44O' is not a frequency in MHz";
    QTest::newRow("unknown format") << QStringList{"import", "BASE", "bad.csv", "-o", "OUT", "--format", "xls"} << 1
                                    << "--format takes qrt or chirp";
    QTest::newRow("no list file") << QStringList{"import", "BASE", "missing.csv", "-o", "OUT"} << 2 << "Cannot read";
    QTest::newRow("export without -o") << QStringList{"export", "BASE"} << 1 << "export takes one data file";
}

void TestChannelListCli::refusalsWriteNothing() {
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, message);
    test::TempAppDir dir;
    QVERIFY(dir.writeFile("bad.csv", "CH,Rx Freq[MHz]\r\n1,44O\r\n"));
    QVERIFY(dir.writeFile("OUT", "kept"));
    for (QString& arg : args) {
        if (arg == QLatin1String("BASE"))
            arg = dir.filePath(AppContext::FactoryFileName);
        else if (!arg.startsWith(u'-') && arg.contains(u'.'))
            arg = dir.filePath(arg);
        else if (arg == QLatin1String("OUT"))
            arg = dir.filePath(arg);
    }
    const test::CliRun run = runCli(dir.path(), args);
    QCOMPARE(run.code, code);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(dir.readFile("OUT"), QByteArray("kept"));
}

QTEST_GUILESS_MAIN(TestChannelListCli)
#include "tst_channellistcli.moc"
