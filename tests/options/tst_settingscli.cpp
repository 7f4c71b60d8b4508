#include "TestSupport.h"
#include "core/DataFile.h"
#include "core/RadioImage.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace qrt;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The built command-line tool on a temporary copy of the application folder, with a data
// file made from the factory defaults and a few settings bytes changed.
struct CliFixture {
    test::TempAppDir app;
    QString input = app.filePath(QStringLiteral("in.dat"));
    QString output = app.filePath(QStringLiteral("out.dat"));

    void writeInput(std::initializer_list<std::pair<int, int>> bytes) const {
        RadioImage image(8192);
        datafile::loadIntoImage(app.readFile(QStringLiteral("DefRadioSet.def")), image);
        for (const auto& [address, value] : bytes)
            image.set(address, quint8(value));
        QVERIFY(app.writeFile(QStringLiteral("in.dat"), datafile::fileLayout(image)));
    }
    Run run(const QStringList& args) const {
        QProcess p;
        p.start(QDir(test::builtAppDir()).filePath(QStringLiteral("qrt506-cli")),
                QStringList{QStringLiteral("--app-dir"), app.path(), QStringLiteral("--lang"), QStringLiteral("3")} +
                    args);
        p.waitForFinished(30000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
                p.readAllStandardError()};
    }
    int outputByte(int address) const {
        RadioImage image(8192);
        datafile::loadIntoImage(app.readFile(QStringLiteral("out.dat")), image);
        return image.at(address);
    }
};

} // namespace

class TestSettingsCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void dumpShowsEverySetting();
    void normalizeIncludesTheRefresh();
    void setAppliesChangesInOrder();
    void setRefusesAndWritesNothing_data();
    void setRefusesAndWritesNothing();
    void setCheckBoxWritesOnlyAChange_data();
    void setCheckBoxWritesOnlyAChange();
};

void TestSettingsCli::init() {
    if (!QFile::exists(QDir(test::builtAppDir()).filePath(QStringLiteral("DefRadioSet.def"))))
        QSKIP("the shipped data files are not built");
}

void TestSettingsCli::dumpShowsEverySetting() {
    CliFixture f;
    f.writeInput({{0x130, 19}, {0x36B, 0x00}, {0x369, 147}, {0x36E, 0x00}, {0x1E0, '1'}, {0x1E1, 'E'}});
    const Run r = f.run({QStringLiteral("dump"), QStringLiteral("--json"), f.input});
    QCOMPARE(r.exitCode, 0);
    const QJsonObject settings = QJsonDocument::fromJson(r.out).object().value(QStringLiteral("settings")).toObject();
    QCOMPARE(settings.value("cboTot").toObject(), (QJsonObject{{"item", 4}, {"text", "60s"}, {"enabled", true}}));
    QCOMPARE(settings.value("cboSaveMode").toObject().value("text").toString(), QStringLiteral("1 - 4"));
    QCOMPARE(settings.value("chkNoCdEncTxFreTail").toObject().value("enabled").toBool(), false);
    QVERIFY(settings.value("chkNoCdEncTxFreTail").toObject().contains("checked"));
    QCOMPARE(settings.value("cboRadioSql").toObject().value("text").toString(), QStringLiteral("19"));
    QCOMPARE(settings.value("listSk2Long").toObject().keys(), (QStringList{"enabled", "item", "text"}));
    QCOMPARE(settings.value("txtDtmfCloseCode").toObject().value("text").toString(), QStringLiteral("1"));
    for (const char* name :
         {"cboVoxCmpDat10", "txtAutoMem7", "cboRadioId5", "txtInfo2", "txtRdWrCode", "chkTtBeep", "cboAlarmCh",
          "cboSaveChNo", "chkNewRdWrCode", "txtNewRdWrCode", "cboImportSeq", "chkAutoNextSn"})
        QVERIFY2(settings.contains(QLatin1String(name)), name);
    // The two-tone grids: eight codes each, five cells per code.
    for (const char* grid : {"vsfgGridTwoTone0", "vsfgGridTwoTone1"}) {
        const QJsonArray rows = settings.value(QLatin1String(grid)).toObject().value("rows").toArray();
        QCOMPARE(rows.size(), 8);
        QCOMPARE(rows.first().toArray().size(), 5);
    }
}

void TestSettingsCli::normalizeIncludesTheRefresh() {
    CliFixture f;
    // The VOX compare values lack their valid mark: the defaults replace them, although
    // the lists already showed the defaults of the data the program started with.
    f.writeInput({{0x130, 19}, {0x369, 147}, {0x36B, 0x80}, {0x3E9, 0xF1}, {0x194, 100}, {0x19D, 100}, {0x19E, 0xFF}});
    const Run r = f.run({QStringLiteral("normalize"), f.input, QStringLiteral("-o"), f.output});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(f.outputByte(0x130), 4);
    QCOMPARE(f.outputByte(0x369), 149);
    QCOMPARE(f.outputByte(0x36B), 0x10);
    QCOMPARE(f.outputByte(0x3E9), 0xC1);
    QCOMPARE(f.outputByte(0x194), 170);
    QCOMPARE(f.outputByte(0x19D), 35);
    QCOMPARE(f.outputByte(0x19E), 0x5A);
}

void TestSettingsCli::setAppliesChangesInOrder() {
    CliFixture f;
    f.writeInput({{0x135, 0x00}, {0x36D, 0x00}, {0x367, 0x00}});
    const Run r = f.run({QStringLiteral("set"), f.input, QStringLiteral("chkBatSave=1"),
                         QStringLiteral("cboSaveMode=1 - 4"), QStringLiteral("chkTxEndTone=1"),
                         QStringLiteral("listSk1Short=22"), QStringLiteral("cboCodeContiTime=70"),
                         QStringLiteral("txtPttBot=12ab-*#"), QStringLiteral("cboPreCarTime=#20"),
                         QStringLiteral("chkPttIdPauseChSet4=1"), QStringLiteral("-o"), f.output});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QCOMPARE(f.outputByte(0x135), 1);
    QCOMPARE(f.outputByte(0x369), 149);
    QCOMPARE(f.outputByte(0x36D) & 1, 1);
    QCOMPARE(f.outputByte(0x367) & 0x10, 0x10);
    QCOMPARE(f.outputByte(0x360), 26);
    QCOMPARE(f.outputByte(0x3DA), 6);
    QCOMPARE(f.outputByte(0x3DB), 6);
    QCOMPARE(f.outputByte(0x140), 0x31);
    QCOMPARE(f.outputByte(0x143), 0x42);
    QCOMPARE(f.outputByte(0x146), 0xFF);
    QCOMPARE(f.outputByte(0x3D9), 20);
    QCOMPARE(f.outputByte(0x5D) & 0x40, 0x40);
}

void TestSettingsCli::setRefusesAndWritesNothing_data() {
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown name") << QStringList{"cboTot=4", "cboNoSuch=1"} << 1 << "Unknown option: cboNoSuch";
    QTest::newRow("no such item") << QStringList{"cboTot=61s"} << 1 << "cboTot has no item";
    QTest::newRow("item number past the list") << QStringList{"cboTot=19"} << 1 << "cboTot has no item";
    QTest::newRow("check box 2") << QStringList{"chkBeep=2"} << 1 << "takes 0 or 1";
    QTest::newRow("text too long") << QStringList{"txtDtmfIdCode=12345678901"} << 1 << "at most 10";
    QTest::newRow("disabled control") << QStringList{"cboScanPriChSort=0", "cboPriCh=3"} << 1 << "disabled";
    QTest::newRow("hidden control") << QStringList{"cboRadioSql=3"} << 1 << "not shown";
    QTest::newRow("not a change") << QStringList{"cboTot"} << 1 << "Not a NAME=VALUE";
    QTest::newRow("missing input") << QStringList{"cboTot=4"} << 2 << "";
}

void TestSettingsCli::setRefusesAndWritesNothing() {
    QFETCH(QStringList, changes);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    CliFixture f;
    f.writeInput({});
    const QString input = exitCode == 2 ? f.app.filePath(QStringLiteral("missing.dat")) : f.input;
    const Run r =
        f.run(QStringList{QStringLiteral("set"), input} + changes + QStringList{QStringLiteral("-o"), f.output});
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
    QVERIFY(!QFile::exists(f.output));
}

void TestSettingsCli::setCheckBoxWritesOnlyAChange_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("written");
    // The volume box shows "off" for any mark but 0x5A; setting it off is no change.
    QTest::newRow("volume box already off") << 0x88 << "chkVolumeIic=0" << 0x88;
    QTest::newRow("volume box turned on") << 0x88 << "chkVolumeIic=1" << 0x5A;
    QTest::newRow("volume box already on") << 0x5A << "chkVolumeIic=1" << 0x5A;
    QTest::newRow("volume box turned off") << 0x5A << "chkVolumeIic=0" << 0xFF;
}

void TestSettingsCli::setCheckBoxWritesOnlyAChange() {
    QFETCH(int, stored);
    QFETCH(QString, change);
    QFETCH(int, written);
    CliFixture f;
    f.writeInput({{0x1AB, stored}});
    const Run r = f.run({QStringLiteral("set"), f.input, change, QStringLiteral("-o"), f.output});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QCOMPARE(f.outputByte(0x1AB), written);
}

QTEST_GUILESS_MAIN(TestSettingsCli)
#include "tst_settingscli.moc"
