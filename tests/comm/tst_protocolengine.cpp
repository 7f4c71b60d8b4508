#include "OpeningPort.h"
#include "VirtualCommTime.h"
#include "comm/CommClock.h"
#include "comm/CommLog.h"
#include "comm/ProtocolEngine.h"
#include "comm/SerialPort.h"
#include "core/ErrorLog.h"
#include "core/RadioImage.h"

#include <QTest>

#include <functional>

using namespace qrt;
using namespace qrt::comm;

namespace {

// A port whose replies come from a function of the bytes sent.
class FakePort : public test::OpeningPort {
public:
    FakePort() { m_open = true; }

    std::function<QByteArray(const QByteArray&)> answer;
    QList<QByteArray> sent;

    void clearInput() override { m_inbox.clear(); }
    bool send(const QByteArray& bytes) override {
        sent << bytes;
        if (answer)
            m_inbox += answer(bytes);
        return true;
    }
    int bytesWaiting() override { return int(m_inbox.size()); }
    QByteArray readWaiting() override { return std::exchange(m_inbox, {}); }
    QString device() const override { return QStringLiteral("fake"); }

private:
    QByteArray m_inbox;
};

struct Engine {
    ErrorLog errors;
    CommClock clock;
    CommLog log;
    RadioImage image{0x2000};
    FakePort port;
    ProtocolEngine engine{errors, clock, log};
    QList<TextId> messages;
    int stopChecks = 0;
    bool stop = false;

    Engine() {
        engine.setPort(&port);
        engine.text = [](TextId id) { return QStringLiteral("text %1").arg(indexOf(id)); };
        engine.showMessage = [this](TextId message) { messages << message; };
        engine.stopRequested = [this] {
            ++stopChecks;
            return stop;
        };
        TableInputs in;
        in.image = &image;
        in.readEnd = 0x3F;
        in.writeEnd = 0x3F;
        engine.setTableInputs(in);
        engine.selectAlternativeCodes();
    }
    void run(const QString& script) {
        engine.loadScript(script);
        engine.runScript();
    }
};

const QString HeaderStep1 = QStringLiteral("TX52038803RXVA038803VAVAVAEN");
const QString HeaderStep2 = QStringLiteral("TX52038509RXVA038509VAVAVAVAVAVAVAVAVAEN");

} // namespace

class TestProtocolEngine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void replyCheck_data();
    void replyCheck();
    void maxWaitCount_data();
    void maxWaitCount();
    void stopEndsTheWaitAtOnce();
    void waitsEndAsTheClockReachesTheirEnd_data();
    void waitsEndAsTheClockReachesTheirEnd();
    void variableBytesAreSentAndCaptured();
    void step1ChoosesTheCommandSet_data();
    void step1ChoosesTheCommandSet();
    void step2OnARadioWithoutCode_data();
    void step2OnARadioWithoutCode();
    void oversizedScriptsAreNeverSent_data();
    void oversizedScriptsAreNeverSent();
};

void TestProtocolEngine::replyCheck_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("stop");
    QTest::addColumn<bool>("slow");
    const QString ack = QStringLiteral("TX06RX06EN");
    QTest::newRow("exact") << ack << QByteArray::fromHex("06") << false << false;
    QTest::newRow("more bytes than expected") << ack << QByteArray::fromHex("060715") << false << false;
    QTest::newRow("wrong byte") << ack << QByteArray::fromHex("15") << true << false;
    QTest::newRow("nothing") << ack << QByteArray() << true << true;
    const QString block = QStringLiteral("TX52001004RX57001004VAVAVAVAEN");
    QTest::newRow("block") << block << QByteArray::fromHex("5700100411223344") << false << false;
    // A reply cut short is waited for to the end of its window, then counts as missing.
    QTest::newRow("block cut short") << block << QByteArray::fromHex("57001004112233") << true << true;
    QTest::newRow("block at another address") << block << QByteArray::fromHex("5700200411223344") << true << false;
}

void TestProtocolEngine::replyCheck() {
    QFETCH(QString, script);
    QFETCH(QByteArray, reply);
    QFETCH(bool, stop);
    QFETCH(bool, slow);
    Engine e;
    e.port.answer = [&reply](const QByteArray&) { return reply; };
    e.run(script);
    const QByteArray command = QByteArray::fromHex(script.mid(2, script.indexOf(QLatin1String("RX")) - 2).toLatin1());
    QCOMPARE(e.port.sent, QList<QByteArray>{command});
    QCOMPARE(e.engine.replyFailed(), stop);
    QCOMPARE(e.engine.slowLineMode(), slow);
    QCOMPARE(e.log.lines().contains(QStringLiteral("text 175")), stop);
}

void TestProtocolEngine::maxWaitCount_data() {
    QTest::addColumn<int>("retries");
    QTest::addColumn<int>("waits");
    const int table[][2] = {{0, 5},   {1, 15},  {2, 25},  {3, 5},    {5, 25},   {6, 90},
                            {9, 120}, {10, 30}, {14, 70}, {15, 120}, {19, 160}, {255, 120}};
    for (const auto& row : table)
        QTest::addRow("r=%d", row[0]) << row[0] << row[1];
}

void TestProtocolEngine::maxWaitCount() {
    QFETCH(int, retries);
    QFETCH(int, waits);
    QCOMPARE(ProtocolEngine::maxWaitCountFor(retries), waits);
}

void TestProtocolEngine::waitsEndAsTheClockReachesTheirEnd_data() {
    QTest::addColumn<qint64>("startUs");
    QTest::addColumn<int>("n");
    QTest::addColumn<qint64>("endUs");
    // A wait of n lasts until the millisecond clock reads its start + n + 2: less than
    // n + 2 ms when it starts inside a millisecond, never past that reading.
    QTest::newRow("on a millisecond") << qint64(27000) << 1 << qint64(30000);
    QTest::newRow("inside a millisecond") << qint64(27300) << 1 << qint64(30000);
    QTest::newRow("at its end") << qint64(27999) << 1 << qint64(30000);
    QTest::newRow("n = 0") << qint64(5100) << 0 << qint64(7000);
    QTest::newRow("n = 5") << qint64(5100) << 5 << qint64(12000);
    QTest::newRow("negative n as 0") << qint64(5100) << -3 << qint64(7000);
}

void TestProtocolEngine::waitsEndAsTheClockReachesTheirEnd() {
    QFETCH(qint64, startUs);
    QFETCH(int, n);
    QFETCH(qint64, endUs);
    test::VirtualCommTime time;
    time.sleepUs(startUs);
    CommClock clock;
    clock.setTimeSource(&time);
    int passes = 0;
    clock.onWait = [&passes] { ++passes; };
    clock.waitAtLeastMs(n);
    QCOMPARE(time.nowUs(), endUs);
    QVERIFY(passes >= 1);
}

void TestProtocolEngine::stopEndsTheWaitAtOnce() {
    Engine e;
    e.stop = true;
    e.engine.retryCount = 19; // 161 waits allowed
    e.run(QStringLiteral("TX06RX06EN"));
    QVERIFY(e.engine.replyFailed());
    QCOMPARE(e.stopChecks, 1);
}

void TestProtocolEngine::variableBytesAreSentAndCaptured() {
    Engine e;
    e.engine.setScriptByte(1, 0xAB);
    e.engine.setScriptByte(2, 0xCD);
    e.port.answer = [](const QByteArray&) { return QByteArray::fromHex("29000002EEFF"); };
    e.run(QStringLiteral("TX29000002VAVARX29000002VAVAEN"));
    QVERIFY(!e.engine.replyFailed());
    QCOMPARE(e.port.sent, QList<QByteArray>{QByteArray::fromHex("29000002ABCD")});
    QCOMPARE(e.engine.scriptByte(1), quint8(0xEE));
    QCOMPARE(e.engine.scriptByte(2), quint8(0xFF));
}

void TestProtocolEngine::step1ChoosesTheCommandSet_data() {
    QTest::addColumn<QByteArray>("declared");
    QTest::addColumn<int>("readCode");
    QTest::addColumn<bool>("rejected");
    QTest::newRow("standard") << QByteArray::fromHex("5A5257") << 0x52 << false;
    QTest::newRow("alternative kept") << QByteArray::fromHex("5A2429") << 0x24 << false;
    QTest::newRow("no mark") << QByteArray::fromHex("FF2429") << 0x52 << false;
    QTest::newRow("unknown") << QByteArray::fromHex("5A4142") << 0x24 << true;
}

void TestProtocolEngine::step1ChoosesTheCommandSet() {
    QFETCH(QByteArray, declared);
    QFETCH(int, readCode);
    QFETCH(bool, rejected);
    Engine e;
    e.engine.currentStep = 1;
    e.port.answer = [&declared](const QByteArray&) -> QByteArray { return QByteArray::fromHex("57038803") + declared; };
    e.run(HeaderStep1);
    QCOMPARE(e.engine.replyFailed(), rejected);
    QCOMPARE(int(e.engine.readCodeByte()), readCode);
    QCOMPARE(e.engine.retryCount, rejected ? 255 : 0);
    QCOMPARE(e.messages, rejected ? QList<TextId>{TextId::RadioNotSupported} : QList<TextId>());
    QVERIFY(e.engine.table()
                .step(TransferDirection::Read, 4)
                .script.startsWith(QStringLiteral("TX%1").arg(readCode, 2, 16, QLatin1Char('0'))));
}

void TestProtocolEngine::step2OnARadioWithoutCode_data() {
    QTest::addColumn<QByteArray>("radio"); // bytes 0x385..0x38D
    QTest::addColumn<int>("readCode");
    QTest::addColumn<bool>("codeChecked");
    // Without the mark the radio speaks the standard set, whatever 0x389..0x38A hold.
    QTest::newRow("erased") << QByteArray::fromHex("FFFFFFFFFFFFFFFFFF") << 0x52 << false;
    QTest::newRow("no mark, other bytes") << QByteArray::fromHex("FFFFFF002429FFFFFF") << 0x52 << false;
    QTest::newRow("alternative declared") << QByteArray::fromHex("FFFFFF5A2429FFFFFF") << 0x24 << false;
    QTest::newRow("standard declared") << QByteArray::fromHex("FFFFFF5A5257FFFFFF") << 0x52 << false;
    QTest::newRow("radio with a code") << QByteArray::fromHex("414243FFFFFF444546") << 0x24 << true;
}

void TestProtocolEngine::step2OnARadioWithoutCode() {
    QFETCH(QByteArray, radio);
    QFETCH(int, readCode);
    QFETCH(bool, codeChecked);
    Engine e;
    e.engine.currentStep = 2;
    e.port.answer = [&radio](const QByteArray&) -> QByteArray { return QByteArray::fromHex("57038509") + radio; };
    e.run(HeaderStep2);
    QVERIFY(!e.engine.replyFailed());
    QCOMPARE(int(e.engine.readCodeByte()), readCode);
    QCOMPARE(e.engine.table().step(TransferDirection::Read, 3).script != ProtocolTable::Acknowledge, codeChecked);
    QCOMPARE(e.engine.table().step(TransferDirection::Write, 3).script != ProtocolTable::Acknowledge, codeChecked);
}

void TestProtocolEngine::oversizedScriptsAreNeverSent_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("tag");
    QTest::newRow("201 tokens") << "TX" + QStringLiteral("00").repeated(198) + "RX06"
                                << "modCommun->ConvComCode";
    QTest::newRow("102 bytes in a section") << "TX" + QStringLiteral("00").repeated(102) + "RX06EN"
                                            << "modCommun->ProtocolCom";
    QTest::newRow("102 expected bytes") << "TX06RX" + QStringLiteral("06").repeated(102) + "EN"
                                        << "modCommun->ProtocolCom";
    QTest::newRow("not a byte") << QStringLiteral("TX0GRX06EN") << "modCommun->ProtocolCom";
}

void TestProtocolEngine::oversizedScriptsAreNeverSent() {
    QFETCH(QString, script);
    QFETCH(QString, tag);
    Engine e;
    e.port.answer = [](const QByteArray&) { return QByteArray::fromHex("06"); };
    e.run(QStringLiteral("TX06RX06EN"));
    QVERIFY(!e.engine.replyFailed());
    e.port.sent.clear();
    e.run(script);
    QVERIFY(e.engine.replyFailed());
    QVERIFY(e.port.sent.isEmpty());
    QCOMPARE(e.errors.lastTag(), tag);
}

QTEST_GUILESS_MAIN(TestProtocolEngine)
#include "tst_protocolengine.moc"
