// Files that are not radio data: what is wrong with them, and what the tool does with them.
#include "CliRun.h"
#include "TestSupport.h"
#include "core/DataFile.h"
#include "core/ExtraTexts.h"

#include <QTest>

using namespace qrt;

namespace {

QByteArray savedFile() {
    QByteArray bytes(datafile::FileSize, char(0x5A));
    bytes.replace(0, datafile::HeaderText.size(), datafile::HeaderText);
    return bytes;
}

// Files a user may pick by mistake, with what is said about them.
void addNotRadioDataRows() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QByteArray noHeader = savedFile();
    noHeader[0] = 'k';
    QTest::newRow("empty") << QByteArray() << "the file is empty";
    QTest::newRow("truncated") << savedFile().left(1000) << "the file holds 1000 bytes, a data file 1040";
    QTest::newRow("longer") << savedFile() + "x"
                            << "the file holds more than 1040 bytes, a data file exactly 1040";
    QTest::newRow("text") << QByteArray("CH1 435.000\nCH2 436.000\n") << "the file holds 24 bytes, a data file 1040";
    QTest::newRow("no header") << noHeader << "the file does not begin with \"KW5182\" as every saved data file does";
}

} // namespace

class TestRadioDataCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void whyNotRadioData_data();
    void whyNotRadioData();
    void dumpAndNormalizeWarnButGoOn_data();
    void dumpAndNormalizeWarnButGoOn();
    void writeRefusesWithoutForce_data();
    void writeRefusesWithoutForce();
};

void TestRadioDataCheck::whyNotRadioData_data() {
    addNotRadioDataRows();
    QTest::newRow("saved file") << savedFile() << QString();
}

void TestRadioDataCheck::whyNotRadioData() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    ExtraTexts english;
    QVERIFY(english.load(Language::English));
    QCOMPARE(datafile::whyNotRadioData(bytes, english), reason);
}

void TestRadioDataCheck::dumpAndNormalizeWarnButGoOn_data() {
    addNotRadioDataRows();
}

void TestRadioDataCheck::dumpAndNormalizeWarnButGoOn() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    test::TempAppDir dir;
    QVERIFY(dir.writeFile(QStringLiteral("in.dat"), bytes));
    const QString in = dir.filePath(QStringLiteral("in.dat"));
    const QString warning = QStringLiteral("Warning: ") + in + QStringLiteral(" is not radio data: ") + reason;

    const test::CliRun dump = test::runCli(dir.path(), {QStringLiteral("dump"), in});
    QCOMPARE(dump.code, 0);
    QVERIFY2(dump.err.contains(warning), qPrintable(dump.err));
    QVERIFY(dump.out.startsWith(QStringLiteral("Model: ")));

    const test::CliRun normalize =
        test::runCli(dir.path(), {QStringLiteral("normalize"), in, QStringLiteral("-o"), dir.filePath("out.dat")});
    QCOMPARE(normalize.code, 0);
    QVERIFY2(normalize.err.contains(warning), qPrintable(normalize.err));
    QCOMPARE(dir.readFile(QStringLiteral("out.dat")).size(), datafile::FileSize);
}

void TestRadioDataCheck::writeRefusesWithoutForce_data() {
    addNotRadioDataRows();
}

// The refusal comes before the port is looked at: no port is needed to see it.
void TestRadioDataCheck::writeRefusesWithoutForce() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    test::TempAppDir dir;
    QVERIFY(dir.writeFile(QStringLiteral("in.dat"), bytes));
    const QString in = dir.filePath(QStringLiteral("in.dat"));
    const QStringList write = {QStringLiteral("write"), in, QStringLiteral("--port"), dir.filePath("no-such-tty")};

    const test::CliRun refused = test::runCli(dir.path(), write);
    QCOMPARE(refused.code, 2);
    QVERIFY2(refused.err.contains(in + QStringLiteral(" is not radio data: ") + reason), qPrintable(refused.err));
    QVERIFY(refused.err.contains(QStringLiteral("--force")));
    QVERIFY(!refused.err.contains(QStringLiteral("Port:")));

    const test::CliRun forced = test::runCli(dir.path(), write + QStringList{QStringLiteral("--force")});
    QCOMPARE(forced.code, 2);
    QVERIFY2(forced.err.contains(QStringLiteral("Warning: ") + in + QStringLiteral(" is not radio data")),
             qPrintable(forced.err));
    QVERIFY2(forced.err.contains(QStringLiteral("does not exist")), qPrintable(forced.err));
}

QTEST_GUILESS_MAIN(TestRadioDataCheck)
#include "tst_radiodatacheck.moc"
