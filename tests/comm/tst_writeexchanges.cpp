// The fixed exchanges a write adds after its blocks, which depend on the radio's parameters.
#include "CommRig.h"
#include "EmulatedRadio.h"
#include "TransferFixtures.h"

#include <QMap>
#include <QRegularExpression>
#include <QTest>

using namespace qrt;
using namespace qrt::comm;
using namespace qrt::test::fixtures;
using qrt::test::CommRig;
using qrt::test::EmulatedRadio;

namespace {

const QString EndSequence = QStringLiteral("45 5A A5 32 23 45 F2");
const QString RadioParams = QStringLiteral("57 03 F0 10");
const QString Options = QStringLiteral("75 03 60 10");
const QString Timing1 = QStringLiteral("75 03 D9 07");
const QString Timing2 = QStringLiteral("75 03 E0 0C");
const QString NewCode1 = QStringLiteral("75 03 85 03");
const QString NewCode2 = QStringLiteral("75 03 8B 03");

// The bytes of a command as the radio received it.
QByteArray commandBytes(const QString& command) {
    return QByteArray::fromHex(command.toLatin1());
}

// The radio at the given radio byte 0x3D4 with 0x3D3 = 0x28: it answers the exchange that
// begins with `slowHeader` after `slowMs` and every other command after 3 ms.
struct SlowExchangeRadio {
    SlowExchangeRadio(int level, const QString& slowHeader, int slowMs) : sim(patternMemory(1)), rig(sim) {
        sim.radio.memory()[0x3D3] = char(0x28);
        sim.radio.memory()[0x3D4] = char(level);
        sim.line.turnaroundMs = 0;
        sim.line.replyDelay = [header = QByteArray::fromHex(slowHeader.toLatin1()), slowMs](const QByteArray& command) {
            return command.startsWith(header) ? slowMs : 3;
        };
        rig.setRange(0, 0x0F);
    }
    TransferResult write() {
        RadioImage image = imageOf(patternMemory(2));
        return rig.write(image);
    }

    EmulatedRadio sim;
    CommRig rig;
};

} // namespace

class TestWriteExchanges : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void extraWritesFollowTheRadioParameters_data();
    void extraWritesFollowTheRadioParameters();
    void radioParameterPacketKeepsTheRadiosBytes();
    void forcedBytesModelAndBand();
    void probeMarksChannel16();
    void logWithoutBytesHoldsTheStepLines_data();
    void logWithoutBytesHoldsTheStepLines();
    void failedWriteEndsWithMessage79_data();
    void failedWriteEndsWithMessage79();
    void lateReplyToAFixedExchangeIsWaitedFor_data();
    void lateReplyToAFixedExchangeIsWaitedFor();
    void unansweredFixedExchangeTimesOutAfterItsPolls_data();
    void unansweredFixedExchangeTimesOutAfterItsPolls();
};

void TestWriteExchanges::extraWritesFollowTheRadioParameters_data() {
    QTest::addColumn<int>("level");   // radio byte 0x3D4
    QTest::addColumn<int>("variant"); // radio byte 0x3D3
    QTest::addColumn<bool>("newCode");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QStringList>("notSent");
    const QStringList all = {RadioParams, Options, Timing1, Timing2, NewCode1, NewCode2};
    auto without = [&all](const QStringList& sent) {
        QStringList rest = all;
        for (const QString& s : sent)
            rest.removeAll(s);
        return rest;
    };
    QTest::newRow("20: nothing") << 0x14 << 0x28 << true << QStringList() << all;
    QTest::newRow("22: radio parameters") << 22 << 0x28 << true << QStringList{RadioParams} << without({RadioParams});
    QTest::newRow("31: nothing") << 31 << 0x28 << true << QStringList() << all;
    QTest::newRow("99: radio parameters") << 99 << 0x00 << false << QStringList{RadioParams} << without({RadioParams});
    QTest::newRow("100, variant 28") << 100 << 0x28 << false << QStringList{Options, Timing1, Timing2}
                                     << without({Options, Timing1, Timing2});
    QTest::newRow("149, variant 2F, new code")
        << 149 << 0x2F << true << QStringList{NewCode1, NewCode2, Options, Timing1, Timing2}
        << without({NewCode1, NewCode2, Options, Timing1, Timing2});
    QTest::newRow("100, variant 18") << 100 << 0x18 << true << QStringList() << all;
    QTest::newRow("150: nothing") << 150 << 0x28 << true << QStringList() << all;
}

void TestWriteExchanges::extraWritesFollowTheRadioParameters() {
    QFETCH(int, level);
    QFETCH(int, variant);
    QFETCH(bool, newCode);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, notSent);
    QByteArray radio = patternMemory(1);
    radio[0x3D3] = char(variant);
    radio[0x3D4] = char(level);
    EmulatedRadio sim(radio);
    CommRig rig(sim);
    rig.setRange(0, 0x0F);
    rig.job.newCodeTicked = newCode;
    rig.job.newCodeBlock = newCodeBlock(QStringLiteral("9A"));
    RadioImage image = imageOf(patternMemory(2));
    QCOMPARE(rig.write(image), TransferResult::Ok);
    QVERIFY(rig.messages.isEmpty());
    for (const QString& prefix : sent)
        QVERIFY2(sim.commandsStartingWith(prefix).size() == 1, qPrintable(prefix));
    for (const QString& prefix : notSent)
        QVERIFY2(sim.commandsStartingWith(prefix).isEmpty(), qPrintable(prefix));
    if (sent.contains(NewCode1)) {
        QCOMPARE(sim.memory().mid(0x385, 3), newCodeBlock(QStringLiteral("9A")).mid(5, 3));
        QCOMPARE(sim.memory().mid(0x38B, 3), newCodeBlock(QStringLiteral("9A")).mid(11, 3));
    }
    QCOMPARE(sim.commandsStartingWith(EndSequence).size(), 6);
    QCOMPARE(sim.commands.last(), EndSequence);
}

void TestWriteExchanges::radioParameterPacketKeepsTheRadiosBytes() {
    QByteArray radio = patternMemory(1);
    radio[0x3D4] = char(50);
    radio[0x3FC] = char(0x80 | 0x11); // F1 in the radio set, the editor's clear
    radio[0x3FE] = char(0x00);        // F2 in the radio clear, the editor's set
    EmulatedRadio sim(radio);
    CommRig rig(sim);
    rig.setRange(0, 0x0F);
    RadioImage image = imageOf(patternMemory(2));
    image.set(0x3F6, 0xA6);
    image.set(0x3F7, 0xA7);
    image.set(0x3FC, 0x00);
    image.set(0x3FE, 0x04);
    QCOMPARE(rig.write(image), TransferResult::Ok);
    const QStringList lines = sim.commandsStartingWith(RadioParams);
    QCOMPARE(lines.size(), 1);
    QByteArray expected = QByteArray::fromHex("5703F010") + radio.mid(0x3F0, 16);
    expected[10] = char(0xA6);
    expected[11] = char(0xA7);
    expected[16] = char(0x11);
    expected[18] = char(0x04);
    QCOMPARE(commandBytes(lines.first()), expected);
}

void TestWriteExchanges::forcedBytesModelAndBand() {
    QByteArray radio = patternMemory(1);
    radio[0x3D3] = char(0x28);
    radio[0x3D4] = char(100);
    EmulatedRadio sim(radio);
    CommRig rig(sim);
    rig.setRange(0x360, 0x36F);
    rig.job.bandLimits = {13600000, 17400000};
    RadioImage image = imageOf(patternMemory(2));
    image.set(0x360, 0x0E);
    image.set(0x361, 0x00);
    image.set(0x362, 0x00);
    image.set(0x363, 0x0E);
    image.set(0x367, 0x00);
    image.set(0x379, 0x00);
    QCOMPARE(rig.write(image), TransferResult::Ok);
    QCOMPARE(image.mid(0x360, 4), QByteArray::fromHex("0E0E0E0E"));
    QCOMPARE(image.at(0x367), quint8(0x21));
    QCOMPARE(sim.memory().mid(0x360, 16), image.mid(0x360, 16));
    QCOMPARE(sim.memory().mid(0x379, 5), QByteArray::fromHex("0013601740"));
    const QStringList options = sim.commandsStartingWith(Options);
    QCOMPARE(options.size(), 1);
    QCOMPARE(commandBytes(options.last()).mid(4), image.mid(0x360, 16));
}

void TestWriteExchanges::probeMarksChannel16() {
    QByteArray radio = patternMemory(1);
    radio[0x3D0] = char(0x10);
    EmulatedRadio sim(radio);
    CommRig rig(sim);
    rig.setRange(0x100, 0x10F);
    RadioImage image = imageOf(patternMemory(2));
    image.set(0x10D, 0x00);
    QCOMPARE(rig.write(image), TransferResult::Ok);
    QCOMPARE(image.at(0x10D), quint8(0x80));
    QCOMPARE(quint8(sim.memory().at(0x10D)), quint8(0x80));
}

void TestWriteExchanges::logWithoutBytesHoldsTheStepLines_data() {
    QTest::addColumn<int>("level"); // radio byte 0x3D4, with 0x3D3 = 0x28
    QTest::addColumn<QStringList>("lines");
    const QStringList common = {QStringLiteral("写入:频率"), QStringLiteral("写入:机型和频段"),
                                QStringLiteral("读取:对讲机的机型和参数")};
    QTest::newRow("radio parameters") << 50
                                      << common + QStringList{QStringLiteral("写入:收音机的SQL和音量及对讲机的参数")};
    QTest::newRow("code and setting areas")
        << 100
        << common +
               QStringList{QStringLiteral("写入:0x0385 -- 0x0387的数据"), QStringLiteral("写入:0x038B -- 0x038D的数据"),
                           QStringLiteral("写入:0x0360 -- 0x036F的数据"), QStringLiteral("写入:0x03D9 -- 0x03DF的数据"),
                           QStringLiteral("写入:0x03E0 -- 0x03EB的数据")};
}

void TestWriteExchanges::logWithoutBytesHoldsTheStepLines() {
    QFETCH(int, level);
    QFETCH(QStringList, lines);
    QByteArray radio = patternMemory(1);
    radio[0x3D3] = char(0x28);
    radio[0x3D4] = char(level);
    EmulatedRadio sim(radio);
    CommRig rig(sim);
    rig.job.showBytes = false; // "Not Show Course" ticked
    rig.setRange(0, 0x0F);
    rig.job.newCodeTicked = true;
    rig.job.newCodeBlock = newCodeBlock(QStringLiteral("9A"));
    RadioImage image = imageOf(patternMemory(2));
    QCOMPARE(rig.write(image), TransferResult::Ok);
    QCOMPARE(rig.logLines, lines);
}

void TestWriteExchanges::failedWriteEndsWithMessage79_data() {
    QTest::addColumn<QByteArray>("silentFrom"); // empty: silent throughout
    QTest::addColumn<QString>("repeated");      // the command tried again and again
    QTest::addColumn<int>("attempts");
    QTest::newRow("probe") << QByteArray() << QStringLiteral("50 52 4F 47 52 41 4D") << 3;
    // Silent from the model-and-band exchange on.
    QTest::newRow("model and band") << QByteArray::fromHex("57037905") << QStringLiteral("57 03 79 05") << 16;
}

void TestWriteExchanges::failedWriteEndsWithMessage79() {
    QFETCH(QByteArray, silentFrom);
    QFETCH(QString, repeated);
    QFETCH(int, attempts);
    EmulatedRadio sim(patternMemory(1));
    sim.faults.silent = silentFrom.isEmpty();
    sim.faults.silentFrom = silentFrom;
    CommRig rig(sim);
    rig.setRange(0, 0x0F);
    RadioImage image = imageOf(patternMemory(2));
    QCOMPARE(rig.write(image), TransferResult::CommFailed);
    QCOMPARE(rig.messages, QList<TextId>{TextId::CommunicationFailed});
    QCOMPARE(sim.commandsStartingWith(repeated).size(), attempts);
    QVERIFY(sim.commandsStartingWith(EndSequence).isEmpty());
}

void TestWriteExchanges::lateReplyToAFixedExchangeIsWaitedFor_data() {
    QTest::addColumn<QString>("late"); // the exchange whose reply comes late
    QTest::addColumn<int>("level");    // radio byte 0x3D4, with 0x3D3 = 0x28
    QTest::newRow("model and band") << QStringLiteral("57 03 79 05") << 20;
    QTest::newRow("radio parameters read") << QStringLiteral("52 03 D0 30") << 20;
    QTest::newRow("broadcast radio") << RadioParams << 50;
    QTest::newRow("setting area") << Options << 100;
}

// A fixed exchange waits 30 polls longer than a script reply, more than 100 ms in all: a reply
// after 60 ms, beyond any script's first window, is taken at the first attempt.
void TestWriteExchanges::lateReplyToAFixedExchangeIsWaitedFor() {
    QFETCH(QString, late);
    QFETCH(int, level);
    SlowExchangeRadio setup(level, late, 60);
    QCOMPARE(setup.write(), TransferResult::Ok);
    const CommRig& rig = setup.rig;
    const QStringList& commands = setup.sim.commands;
    QVERIFY(rig.messages.isEmpty());
    QCOMPARE(commands.filter(QRegularExpression(QLatin1Char('^') + late)).size(), 1);
    QVERIFY(!rig.logLines.contains(QStringLiteral("Rx: 未收到数据   第 串数据未收到")));
    QVERIFY(!rig.logLines.contains(QStringLiteral("Rx: 未收到数据")));
    QCOMPARE(setup.sim.radio.endSequences(), 6);
}

void TestWriteExchanges::unansweredFixedExchangeTimesOutAfterItsPolls_data() {
    QTest::addColumn<QString>("silent"); // the exchange the radio never answers
    QTest::addColumn<int>("level");      // radio byte 0x3D4, with 0x3D3 = 0x28
    QTest::addColumn<QString>("timeoutLine");
    QTest::newRow("model and band") << QStringLiteral("57 03 79 05") << 20
                                    << QStringLiteral("Rx: 未收到数据   第 串数据未收到");
    QTest::newRow("broadcast radio") << RadioParams << 50 << QStringLiteral("Rx: 未收到数据");
}

// Every attempt polls the line until the count exceeds the last script reply's wait count by
// 30, that is that count + 31 polls of 1 ms, and then gives up.
void TestWriteExchanges::unansweredFixedExchangeTimesOutAfterItsPolls() {
    QFETCH(QString, silent);
    QFETCH(int, level);
    QFETCH(QString, timeoutLine);
    constexpr int Never = 100000000;
    SlowExchangeRadio setup(level, silent, Never);
    const QStringList& commands = setup.sim.commands;
    // The polls of 1 ms after each command, by the number of commands sent so far.
    QMap<int, int> pollsAfter;
    setup.rig.transfer.clock().onWaitStarted = [&](int n) {
        if (n == 1)
            ++pollsAfter[int(commands.size())];
    };
    QCOMPARE(setup.write(), TransferResult::CommFailed);
    const CommRig& rig = setup.rig;
    QCOMPARE(rig.messages, QList<TextId>{TextId::CommunicationFailed});

    const int expected = rig.transfer.engine().maxWaitCount() + 31;
    QList<int> polls;
    for (int i = 0; i < commands.size(); ++i)
        if (commands.at(i).startsWith(silent))
            polls << pollsAfter.value(i + 1);
    QCOMPARE(polls, QList<int>(RadioTransfer::FixedAttempts, expected));
    QCOMPARE(rig.logLines.count(timeoutLine), RadioTransfer::FixedAttempts);
}

QTEST_GUILESS_MAIN(TestWriteExchanges)
#include "tst_writeexchanges.moc"
