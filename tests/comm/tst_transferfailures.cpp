// How reads end when the radio is silent, refuses, or holds another program code.
#include "CommRig.h"
#include "SimProcess.h"
#include "TransferFixtures.h"
#include "core/ReservedCodes.h"

#include <QTest>

using namespace qrt;
using namespace qrt::comm;
using namespace qrt::test::fixtures;
using qrt::test::CommRig;
using qrt::test::EmulatedRadio;
using qrt::test::SimProcess;

Q_DECLARE_METATYPE(qrt::comm::TransferResult)

namespace {

const QString Handshake = QStringLiteral("50 52 4F 47 52 41 4D");

} // namespace

class TestTransferFailures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void silentRadioGivesUpAfterTwentyFailures();
    void stopEndsTheReadWithoutMessage();
    void failedReadLeavesTheImageAsItWas();
    void commandSetOfTheRadio_data();
    void commandSetOfTheRadio();
    void programCode_data();
    void programCode();
    void slowLineTimesOutOnceThenRunsSlow();
    void radioUnpluggedDuringTheRead();
    void rangesThatCannotBeSent_data();
    void rangesThatCannotBeSent();
};

void TestTransferFailures::silentRadioGivesUpAfterTwentyFailures() {
    EmulatedRadio sim;
    sim.faults.silent = true;
    CommRig rig(sim);
    rig.setRange(0, 0x0F);
    RadioImage image = imageOf(patternMemory(4));
    const RadioImage before = image;
    QCOMPARE(rig.read(image), TransferResult::CommFailed);
    QCOMPARE(rig.messages, QList<TextId>{TextId::CommunicationFailed});
    QVERIFY(image == before);
    const QString reading = rig.texts.text(TextId::Reading);
    QVERIFY(!rig.statuses.contains(reading + QStringLiteral(" 8")));
    QVERIFY(rig.statuses.contains(reading + QStringLiteral(" 9")));
    QVERIFY(rig.statuses.contains(reading + QStringLiteral(" 19")));
    QVERIFY(rig.statuses.contains(rig.texts.text(TextId::ReadFailed)));
    QVERIFY(rig.transfer.engine().slowLineMode());
    QVERIFY(rig.logLines.contains(rig.texts.text(TextId::NoDataReceived)));
    QCOMPARE(sim.commandsStartingWith(Handshake).size(), 20);
}

void TestTransferFailures::stopEndsTheReadWithoutMessage() {
    EmulatedRadio sim;
    sim.faults.silent = true;
    CommRig rig(sim);
    rig.setRange(0, 0x0F);
    rig.stopWhenBoxShown = true;
    RadioImage image(MemorySize);
    QCOMPARE(rig.read(image), TransferResult::Stopped);
    QVERIFY(rig.messages.isEmpty());
    QVERIFY(rig.statuses.contains(rig.texts.text(TextId::ReadFailed)));
    QVERIFY(!rig.stopBoxShown);
    QVERIFY(!rig.transfer.stopRequested());
    // The stop box appears after the 6th failure and is ticked during the next wait, which ends
    // that attempt at once: the six failures take 0.32 s of the line's time, the full wait of
    // the seventh attempt would add 0.27 s more.
    QCOMPARE(sim.commandsStartingWith(Handshake).size(), 7);
    QVERIFY(sim.time.nowUs() < 450'000);
}

void TestTransferFailures::failedReadLeavesTheImageAsItWas() {
    EmulatedRadio sim(patternMemory(1));
    // Answers the header steps and a few blocks, then falls silent.
    sim.faults.silentAfter = 9;
    CommRig rig(sim);
    rig.setRange(0, 0xFF);
    rig.stopWhenBoxShown = true;
    RadioImage image = imageOf(patternMemory(5));
    const RadioImage before = image;
    QCOMPARE(rig.read(image), TransferResult::Stopped);
    QVERIFY(image == before);
    QVERIFY(!sim.commandsStartingWith(QStringLiteral("52 00 10 10")).isEmpty());
}

void TestTransferFailures::commandSetOfTheRadio_data() {
    QTest::addColumn<QByteArray>("declared"); // radio bytes 0x388..0x38A
    QTest::addColumn<TransferResult>("result");
    QTest::addColumn<QList<TextId>>("messages");
    QTest::addColumn<QString>("blockRead"); // first bytes of the block read sent
    QTest::newRow("standard set") << QByteArray::fromHex("5A5257") << TransferResult::Ok << QList<TextId>()
                                  << QStringLiteral("52 00 00 10");
    QTest::newRow("alternative set") << QByteArray::fromHex("5A2429") << TransferResult::Ok << QList<TextId>()
                                     << QStringLiteral("24 00 00 10");
    QTest::newRow("no mark") << QByteArray::fromHex("002429") << TransferResult::Ok << QList<TextId>()
                             << QStringLiteral("52 00 00 10");
    // No mark and 0xFF where the codes would be: an erased radio still speaks the standard set.
    QTest::newRow("erased radio") << QByteArray::fromHex("FFFFFF") << TransferResult::Ok << QList<TextId>()
                                  << QStringLiteral("52 00 00 10");
    QTest::newRow("unknown set") << QByteArray::fromHex("5A4142") << TransferResult::Rejected
                                 << QList<TextId>{TextId::RadioNotSupported} << QString();
}

void TestTransferFailures::commandSetOfTheRadio() {
    QFETCH(QByteArray, declared);
    QFETCH(TransferResult, result);
    QFETCH(QList<TextId>, messages);
    QFETCH(QString, blockRead);
    QByteArray radio = patternMemory(1);
    radio.replace(0x388, 3, declared);
    EmulatedRadio sim(radio);
    CommRig rig(sim);
    rig.setRange(0, 0x0F);
    RadioImage image(MemorySize);
    QCOMPARE(rig.read(image), result);
    QCOMPARE(rig.messages, messages);
    if (result == TransferResult::Ok)
        QCOMPARE(image.mid(0, 16), radio.mid(0, 16));
    if (!blockRead.isEmpty())
        QCOMPARE(sim.commandsStartingWith(blockRead).size(), 1);
    else
        QCOMPARE(sim.commandsStartingWith(Handshake).size(), 1);
}

void TestTransferFailures::programCode_data() {
    QTest::addColumn<QString>("imageCode");
    QTest::addColumn<bool>("codeShown");
    QTest::addColumn<bool>("newTicked");
    QTest::addColumn<QString>("newCode");
    QTest::addColumn<TransferResult>("result");
    QTest::addColumn<int>("handshakes");
    const QString radioCode = QStringLiteral("A1中");
    QTest::newRow("same code") << radioCode << true << false << QString() << TransferResult::Ok << 1;
    QTest::newRow("other code") << "XYZ" << true << false << QString() << TransferResult::CodeError << 20;
    QTest::newRow("other code, new code matches") << "XYZ" << true << true << radioCode << TransferResult::Ok << 21;
    QTest::newRow("other code, new code wrong too")
        << "XYZ" << true << true << "QQQ" << TransferResult::CodeError << 21;
    QTest::newRow("code box hidden") << "XYZ" << false << false << QString() << TransferResult::Ok << 1;
    QTest::newRow("reserved new code") << "XYZ" << true << true << "888" << TransferResult::Ok << 1;
}

void TestTransferFailures::programCode() {
    QFETCH(QString, imageCode);
    QFETCH(bool, codeShown);
    QFETCH(bool, newTicked);
    QFETCH(QString, newCode);
    QFETCH(TransferResult, result);
    QFETCH(int, handshakes);
    RadioImage radio = imageOf(patternMemory(1));
    setImageCode(radio, QStringLiteral("A1中"));
    EmulatedRadio sim(radio.bytes());
    CommRig rig(sim);
    rig.setRange(0, 0x0F);
    rig.job.codeFieldShown = codeShown;
    rig.job.newCodeTicked = newTicked;
    rig.job.newCodeText = newCode;
    rig.job.newCodeBlock = newCodeBlock(newCode);
    rig.job.reservedCodes = reservedProgramCodes();
    RadioImage image = imageOf(patternMemory(5));
    setImageCode(image, imageCode);
    QCOMPARE(rig.read(image), result);
    QCOMPARE(rig.messages, result == TransferResult::Ok ? QList<TextId>() : QList<TextId>{TextId::ProgramCodeError});
    QCOMPARE(sim.commandsStartingWith(Handshake).size(), handshakes);
}

void TestTransferFailures::slowLineTimesOutOnceThenRunsSlow() {
    EmulatedRadio sim(patternMemory(1));
    sim.line.baud = 9600;
    sim.line.turnaroundMs = 2;
    CommRig rig(sim);
    rig.setRange(0, 0x3F);
    RadioImage image(MemorySize);
    QCOMPARE(rig.read(image), TransferResult::Ok);
    QVERIFY(rig.transfer.engine().slowLineMode());
    QCOMPARE(image.mid(0, 0x40), patternMemory(1).mid(0, 0x40));
    QCOMPARE(rig.logLines.count(rig.texts.text(TextId::NoDataReceived)), 1);
}

// The emulator in a process of its own: the line really goes away.
void TestTransferFailures::radioUnpluggedDuringTheRead() {
    SimProcess sim;
    QVERIFY(sim.start(FullSpeed, patternMemory(1)));
    CommRig rig(sim.device());
    rig.setRange(0, 0xFF);
    // The far end of the line goes away after the first blocks.
    bool unplugged = false;
    QObject::connect(&rig.transfer, &RadioTransfer::progressChanged, [&](int percent) {
        if (percent > 10 && !unplugged)
            unplugged = sim.stop();
    });
    RadioImage image = imageOf(patternMemory(5));
    const RadioImage before = image;
    QCOMPARE(rig.read(image), TransferResult::CommFailed);
    QCOMPARE(rig.messages, QList<TextId>{TextId::CommunicationFailed});
    QVERIFY(unplugged);
    QVERIFY(image == before);
    QVERIFY(!rig.portOpen);
}

void TestTransferFailures::rangesThatCannotBeSent_data() {
    QTest::addColumn<bool>("reading");
    QTest::addColumn<QList<int>>("ranges"); // read start, read end, write start, write end
    QTest::addColumn<TransferResult>("result");
    QTest::addColumn<QString>("tag"); // last error logged
    const QString table = QStringLiteral("modCommun->InitProtocol");
    // The image holds 0000-1FFF: nothing beyond it may be read into it or sent from it.
    QTest::newRow("read past the image") << true << QList<int>{0x1F00, 0x20FF, 0, 0x0F} << TransferResult::BadRange
                                         << "frmCommun->cmdRead_Click";
    QTest::newRow("write past the image")
        << false << QList<int>{0, 0x0F, 0x1FF0, 0x200F} << TransferResult::BadRange << "frmCommun->cmdWrite_Click";
    // The write steps are built after the read steps: a write range that cannot be built
    // leaves the read usable, a read range that cannot be built stops both.
    QTest::newRow("read, write range too long")
        << true << QList<int>{0, 0x0F, 0, 0xFFFF} << TransferResult::Ok << table;
    QTest::newRow("write, read range too long")
        << false << QList<int>{0, 0xFFFF, 0, 0x0F} << TransferResult::BadRange << table;
    QTest::newRow("write, own range too long")
        << false << QList<int>{0, 0x0F, 0, 0x2100} << TransferResult::BadRange << table;
}

void TestTransferFailures::rangesThatCannotBeSent() {
    QFETCH(bool, reading);
    QFETCH(QList<int>, ranges);
    QFETCH(TransferResult, result);
    QFETCH(QString, tag);
    const QByteArray radio = patternMemory(1);
    EmulatedRadio sim(radio);
    CommRig rig(sim);
    rig.job.readStart = ranges.at(0);
    rig.job.readEnd = ranges.at(1);
    rig.job.writeStart = ranges.at(2);
    rig.job.writeEnd = ranges.at(3);
    RadioImage image = imageOf(patternMemory(2));
    const RadioImage before = image;
    QCOMPARE(reading ? rig.read(image) : rig.write(image), result);
    QCOMPARE(rig.errors.lastTag(), tag);
    if (result == TransferResult::Ok) {
        QCOMPARE(image.mid(0, 16), radio.mid(0, 16));
        return;
    }
    QVERIFY(image == before);
    QVERIFY(rig.messages.isEmpty());
    QVERIFY(sim.commands.isEmpty());
    QCOMPARE(sim.memory(), radio);
}

QTEST_GUILESS_MAIN(TestTransferFailures)
#include "tst_transferfailures.moc"
