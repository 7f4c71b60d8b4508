#include "comm/CommAddresses.h"
#include "comm/CommLog.h"
#include "core/ErrorLog.h"
#include "core/ProgramSettings.h"
#include "core/SettingsFile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace qrt;
using namespace qrt::comm;

namespace {

QByteArray counting(int n) {
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b.append(char(i));
    return b;
}

} // namespace

class TestCommLog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void byteLines_data();
    void byteLines();
    void notShownByDefault();
    void emptiedPastTheLimit_data();
    void emptiedPastTheLimit();
    void addressBoxes_data();
    void addressBoxes();
};

void TestCommLog::byteLines_data() {
    QTest::addColumn<bool>("received");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("command header") << false << QByteArray::fromHex("52038803") << QStringList{"Tx: 52 03 88 03 "};
    QTest::newRow("one byte") << true << QByteArray::fromHex("06") << QStringList{"Rx: 06 "};
    QTest::newRow("20 bytes") << true << counting(20)
                              << QStringList{"Rx: 00 01 02 03 ",
                                             "       04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 "};
    QTest::newRow("22 bytes") << true << counting(22)
                              << QStringList{"Rx: 00 01 02 03 ",
                                             "       04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 ", "    14 15 "};
    QTest::newRow("5 bytes") << false << QByteArray::fromHex("5A5A5A5AFF")
                             << QStringList{"Tx: 5A 5A 5A 5A ", "    FF "};
}

void TestCommLog::byteLines() {
    QFETCH(bool, received);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    CommLog log;
    log.showBytes = true;
    QList<int> indexes;
    log.lineAdded = [&indexes](int index, const QString&) { indexes << index; };
    log.logBytes(received ? ByteDirection::Receive : ByteDirection::Transmit, bytes);
    QCOMPARE(log.lines(), lines);
    QCOMPARE(log.lineCount(), lines.size());
    QCOMPARE(indexes.size(), lines.size());
}

void TestCommLog::notShownByDefault() {
    CommLog log;
    log.logBytes(ByteDirection::Transmit, counting(8));
    log.addLine(QStringLiteral("timeout"));
    QCOMPARE(log.lines(), QStringList{QStringLiteral("timeout")});
}

void TestCommLog::emptiedPastTheLimit_data() {
    QTest::addColumn<int>("linesBefore");
    QTest::addColumn<int>("linesAfter");
    QTest::newRow("at the limit: appended") << CommLog::MaxLines << CommLog::MaxLines + 1;
    QTest::newRow("past the limit: emptied first") << CommLog::MaxLines + 1 << 1;
}

void TestCommLog::emptiedPastTheLimit() {
    QFETCH(int, linesBefore);
    QFETCH(int, linesAfter);
    CommLog log;
    log.showBytes = true;
    for (int i = 0; i < linesBefore; ++i)
        log.addLine(QStringLiteral("x"));
    QCOMPARE(log.lineCount(), linesBefore);
    log.logBytes(ByteDirection::Receive, QByteArray::fromHex("06"));
    QCOMPARE(log.lineCount(), linesAfter);
    QCOMPARE(log.lines().size(), linesAfter);
    QCOMPARE(log.lines().last(), QStringLiteral("Rx: 06 "));
}

void TestCommLog::addressBoxes_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("loggedTag");
    QTest::newRow("read end 3FF") << int(CommAddresses::ReadEnd) << "3FF" << 0x3FF << QString();
    QTest::newRow("write start not hex") << int(CommAddresses::WriteStart) << "12G4" << 0
                                         << "frmCommun->txtWriteStartAddr_Change";
    QTest::newRow("grid max not hex") << int(CommAddresses::MaxAddr) << "zz" << 0x1FFF << QString();
}

void TestCommLog::addressBoxes() {
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(QString, loggedTag);
    QTemporaryDir dir;
    SettingsFile settings(dir.filePath(QStringLiteral("holvard.def")));
    ErrorLog log;
    CommAddresses boxes(settings, log, ProgramSettings{});
    const auto b = CommAddresses::Box(box);
    boxes.setText(b, text);
    QCOMPARE(boxes.value(b), value);
    QCOMPARE(boxes.text(b), text);
    QCOMPARE(SettingsFile(settings.path()).read(QStringLiteral("Setting"), CommAddresses::keyOf(b), {}, 14), text);
    QCOMPARE(log.lastTag(), loggedTag);
}

QTEST_GUILESS_MAIN(TestCommLog)
#include "tst_commlog.moc"
