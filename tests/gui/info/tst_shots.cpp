#include "TestSupport.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// qrt506-shots pictures every window in the chosen language, and refuses bad input with a
// message instead of pictures of something else.
class TestShots : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void run_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString factoryFile = qrt::test::builtAppDir() + QStringLiteral("/DefRadioSet.def");
        QTest::newRow("Simplified Chinese") << QStringList{"--lang", "1"} << 0 << "";
        QTest::newRow("English, a data file opened") << QStringList{"--lang", "3", "--open", factoryFile} << 0 << "";
        QTest::newRow("language out of range") << QStringList{"--lang", "4"} << 2 << "--lang must be 1, 2 or 3";
        QTest::newRow("missing data file") << QStringList{"--open", "/nonexistent/x.dat"} << 1 << "cannot open";
    }
    void run() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir out;
        QProcess shots;
        shots.start(qrt::test::builtAppDir() + QStringLiteral("/qrt506-shots"),
                    arguments + QStringList{"--out", out.path()});
        QVERIFY(shots.waitForFinished(60000));
        const QString errors = QString::fromUtf8(shots.readAllStandardError());
        QCOMPARE(shots.exitCode(), exitCode);
        QVERIFY2(errors.contains(message), qPrintable(errors));

        const QStringList pictures = QDir(out.path()).entryList({"*.png"}, QDir::Files, QDir::Name);
        if (exitCode != 0) {
            QVERIFY(pictures.isEmpty());
            return;
        }
        QCOMPARE(pictures, (QStringList{"frmAboutSoft.png",       "frmCommun.png",     "frmCommunEngineering.png",
                                        "frmComparison.png",      "frmCustomFre.png",  "frmFindings.png",
                                        "frmMemDat.png",          "frmPartFill.png",   "frmPrintSelect.png",
                                        "frmPttIdPauseChSet.png", "frmRadioInfo.png",  "frmSetVolume.png",
                                        "frmSeveralRadios.png",   "frmShowErr.png",    "frmSysSet.png",
                                        "frmToolCom.png",         "frmTreeView.png",   "mdifrmMain.png",
                                        "sstabSetMode0.png",      "sstabSetMode1.png", "sstabSetMode2.png",
                                        "sstabSetMode3.png",      "sstabSetMode4.png", "sstabSetMode5.png",
                                        "sstabSetMode6.png",      "sstabSetMode7.png", "vsfgGridTwoTone.png"}));
        for (const QString& name : pictures) {
            const QImage picture(QDir(out.path()).filePath(name));
            QVERIFY2(!picture.isNull() && picture.width() > 50 && picture.height() > 50, qPrintable(name));
        }
    }
};

QTEST_MAIN(TestShots)
#include "tst_shots.moc"
