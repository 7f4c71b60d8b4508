// Reads and writes against the radio emulator, and the pseudo-terminal it serves.
#include "CommRig.h"
#include "SimProcess.h"
#include "TransferFixtures.h"

#include "comm/PosixTtyPort.h"
#include "comm/QtSerialPortDevice.h"

#include <QProcess>
#include <QTest>

using namespace qrt;
using namespace qrt::comm;
using qrt::test::CommRig;
using qrt::test::EmulatedRadio;
using qrt::test::SimProcess;
using namespace qrt::test::fixtures;

class TestTransfer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readCopiesTheRangeOnly_data();
    void readCopiesTheRangeOnly();
    void writeThenReadBackIsIdentical_data();
    void writeThenReadBackIsIdentical();
    void serialPortLibraryOnAPseudoTerminal();
    void onePortOneProgram_data();
    void onePortOneProgram();
    void emulatorRefusesBadOptions_data();
    void emulatorRefusesBadOptions();
};

void TestTransfer::readCopiesTheRangeOnly_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::newRow("first KB") << 0x0000 << 0x03FF;
    QTest::newRow("nine bytes") << 0x0000 << 0x0008;
    QTest::newRow("across a page") << 0x03F8 << 0x0417;
    QTest::newRow("last block") << 0x1FF0 << 0x1FFF;
}

void TestTransfer::readCopiesTheRangeOnly() {
    QFETCH(int, start);
    QFETCH(int, end);
    const QByteArray radio = patternMemory(1);
    EmulatedRadio sim(radio);
    CommRig rig(sim);
    rig.setRange(start, end);
    RadioImage image(MemorySize);
    QCOMPARE(rig.read(image), TransferResult::Ok);
    QVERIFY(rig.messages.isEmpty());
    for (int a = 0; a < MemorySize; ++a) {
        const quint8 want = (a >= start && a <= end) ? quint8(radio.at(a)) : 0;
        if (image.at(a) != want)
            QFAIL(qPrintable(QStringLiteral("address %1").arg(a, 4, 16)));
    }
    QCOMPARE(rig.percents.last(), 0);
    QVERIFY(rig.percents.contains(100));
    QVERIFY(rig.statuses.contains(rig.texts.text(TextId::ReadSucceeded)));
}

void TestTransfer::writeThenReadBackIsIdentical_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QByteArray>("declared"); // radio bytes 0x388..0x38A
    QTest::addColumn<QString>("firstBlock");  // the write of the first block on the wire
    QTest::newRow("settings area") << 0x0000 << 0x03FF << QByteArray::fromHex("5A5257") << "57 00 00 10";
    QTest::newRow("above the editor") << 0x0400 << 0x07FF << QByteArray::fromHex("5A5257") << "57 10 00 10";
    // Block writes, the model and band write and the parameter read all in the radio's own codes.
    QTest::newRow("alternative set") << 0x0400 << 0x041F << QByteArray::fromHex("5A2429") << "29 10 00 10";
}

void TestTransfer::writeThenReadBackIsIdentical() {
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QByteArray, declared);
    QFETCH(QString, firstBlock);
    QByteArray radio = patternMemory(1);
    radio.replace(0x388, 3, declared);
    EmulatedRadio sim(radio);
    CommRig rig(sim);
    rig.setRange(start, end);
    RadioImage image = imageOf(patternMemory(2));
    // The radio's band bytes are rewritten from the editor's band by the write.
    rig.job.bandLimits = {40000000, 47000000};
    band::writeLimits(image, rig.job.bandLimits);
    QCOMPARE(rig.write(image), TransferResult::Ok);
    QVERIFY(rig.messages.isEmpty());

    RadioImage readBack(MemorySize);
    QCOMPARE(rig.read(readBack), TransferResult::Ok);
    QCOMPARE(readBack.mid(start, end - start + 1), image.mid(start, end - start + 1));
    QCOMPARE(sim.memory().mid(start, end - start + 1), image.mid(start, end - start + 1));
    QCOMPARE(sim.commandsStartingWith(QStringLiteral("45 5A A5 32 23 45 F2")).size(), 6);
    QCOMPARE(sim.commandsStartingWith(firstBlock).size(), 1);
}

// The emulator in a process of its own, on a pseudo-terminal opened by the serial port library.
void TestTransfer::serialPortLibraryOnAPseudoTerminal() {
    const QByteArray radio = patternMemory(3);
    SimProcess sim;
    QVERIFY(sim.start(FullSpeed, radio));
    CommRig rig(sim.device(), [](const QString& device) { return std::make_unique<QtSerialPortDevice>(device); });
    rig.setRange(0, 0xFF);
    RadioImage image(MemorySize);
    QCOMPARE(rig.read(image), TransferResult::Ok);
    QCOMPARE(image.mid(0, 0x100), radio.mid(0, 0x100));
}

namespace {

std::unique_ptr<SerialPort> openPortOf(const QString& kind, const QString& device) {
    if (kind == QLatin1String("terminal"))
        return std::make_unique<PosixTtyPort>(device);
    return std::make_unique<QtSerialPortDevice>(device);
}

} // namespace

void TestTransfer::onePortOneProgram_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    const QString terminal = QStringLiteral("terminal"), library = QStringLiteral("serial port library");
    for (const QString& first : {terminal, library}) {
        for (const QString& second : {terminal, library})
            QTest::addRow("%s, then %s", qPrintable(first), qPrintable(second)) << first << second;
    }
}

// A second program on the line would mix its bytes into the transfer: while one holds the
// port, another is told that it is in use, and gets it once the first has let go.
void TestTransfer::onePortOneProgram() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    SimProcess sim;
    QVERIFY(sim.start(FullSpeed));
    std::unique_ptr<SerialPort> holder = openPortOf(first, sim.device());
    QVERIFY(holder->open());
    std::unique_ptr<SerialPort> other = openPortOf(second, sim.device());
    QVERIFY(!other->open());
    QCOMPARE(other->error(), PortError::Busy);
    QVERIFY(holder->close());
    QVERIFY2(other->open(), qPrintable(other->errorDetail()));
    QVERIFY(other->close());
}

void TestTransfer::emulatorRefusesBadOptions_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("baud not a number") << QStringList{QStringLiteral("--baud"), QStringLiteral("fast")};
    QTest::newRow("negative turnaround") << QStringList{QStringLiteral("--turnaround"), QStringLiteral("-3")};
    QTest::newRow("silent after nothing") << QStringList{QStringLiteral("--silent-after"), QStringLiteral("x")};
    QTest::newRow("negative delay") << QStringList{QStringLiteral("--delay"), QStringLiteral("0:-5")};
    QTest::newRow("short command set") << QStringList{QStringLiteral("--command-set"), QStringLiteral("5A52")};
}

// A mistyped option must not leave a radio running with settings nobody asked for.
void TestTransfer::emulatorRefusesBadOptions() {
    QFETCH(QStringList, args);
    QProcess sim;
    sim.start(SimProcess::program(), args + QStringList{QStringLiteral("--no-stdin")});
    QVERIFY(sim.waitForStarted(SimProcess::PatienceMs));
    if (!sim.waitForFinished(SimProcess::PatienceMs)) {
        sim.kill();
        sim.waitForFinished(SimProcess::PatienceMs);
        QFAIL("the emulator started");
    }
    QCOMPARE(sim.exitCode(), 1);
    QVERIFY(sim.readAllStandardOutput().isEmpty());
}

QTEST_GUILESS_MAIN(TestTransfer)
#include "tst_transfer.moc"
