// A write read back and compared: a radio that keeps bytes and a line that corrupts one.
#include "CommRig.h"
#include "EmulatedRadio.h"
#include "TransferFixtures.h"

#include <QRegularExpression>
#include <QTest>

using namespace qrt;
using namespace qrt::comm;
using namespace qrt::test::fixtures;
using qrt::test::CommRig;
using qrt::test::EmulatedRadio;

namespace {

constexpr int ReplyMs = 3;
constexpr int NeverMs = 24 * 3600 * 1000;
const QString EndSequence = QStringLiteral("45 5A A5 32 23 45 F2");

// The emulated radio in the test process behind the write operation.
struct VerifyRig {
    explicit VerifyRig(const sim::MemoryFaults& faults, bool verify = true) : rig(emulated) {
        emulated.line.turnaroundMs = ReplyMs;
        emulated.line.replyDelay = [this](const QByteArray&) {
            return silentAfterWrite && emulated.radio.endSequences() > 0 ? NeverMs : 0;
        };
        emulated.radio.memory() = patternMemory(1);
        emulated.radio.setMemoryFaults(faults);
        rig.setRange(0, 0x3FF);
        rig.job.extraTexts.load(Language::English);
        rig.job.verifyAfterWrite = verify;
        rig.job.autoNextSerial = true;
    }
    TransferResult write() {
        image = imageOf(patternMemory(2));
        return rig.write(image);
    }

    EmulatedRadio emulated;
    bool silentAfterWrite = false;
    QStringList& commands = emulated.commands;
    CommRig rig;
    RadioImage image;
};

QString problems(const TransferOutcome& outcome) {
    QStringList texts;
    for (const Result& r : outcome.problems)
        texts << r.reason();
    return texts.join(QLatin1Char('\n'));
}

} // namespace

class TestVerifyWrite : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void soundRadioPassesAndTheWriteIsUnchanged();
    void differencesFailTheWrite_data();
    void differencesFailTheWrite();
    void bytesLeftToTheRadioAreNotCompared();
    void aFailedReadBackIsNotASuccess();
};

void TestVerifyWrite::soundRadioPassesAndTheWriteIsUnchanged() {
    VerifyRig plain({}, false);
    QCOMPARE(plain.write(), TransferResult::Ok);
    VerifyRig verified({});
    QCOMPARE(verified.write(), TransferResult::Ok);
    QVERIFY(verified.rig.outcome.verified);
    QVERIFY(verified.rig.outcome.differences.isEmpty());
    QVERIFY(verified.rig.outcome.advanceSerial);
    QCOMPARE(verified.rig.statuses.last(), QStringLiteral("Written and verified"));

    // The write's own bytes come first, exactly as without verify; then the read back.
    QCOMPARE(verified.commands.mid(0, plain.commands.size()), plain.commands);
    const QStringList readBack = verified.commands.mid(plain.commands.size());
    QVERIFY(plain.commands.last().startsWith(EndSequence));
    QVERIFY(!readBack.isEmpty());
    QCOMPARE(readBack.filter(QRegularExpression(QStringLiteral("^52 0[0-3] [0-9A-F]{2} 10$"))).size(), 64);

    // The progress bar runs a second time, its status naming the phase.
    const int firstHundred = int(verified.rig.percents.indexOf(100));
    QVERIFY(firstHundred >= 0);
    QVERIFY(verified.rig.percents.indexOf(100, firstHundred + 1) > firstHundred);
    QVERIFY(verified.rig.statuses.contains(QStringLiteral("Verifying 50 %")));
}

void TestVerifyWrite::differencesFailTheWrite_data() {
    QTest::addColumn<int>("kind"); // 0 keep, 1 corrupt write, 2 corrupt read
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("place");
    QTest::newRow("radio keeps a byte") << 0 << 0x13 << "0013 Channel 1: receive frequency";
    QTest::newRow("line corrupts a written byte") << 1 << 0x130 << "0130 radio-wide settings: Time-out Timer[s]";
    QTest::newRow("line corrupts a byte read back") << 2 << 0x200 << "0200 radio-wide data";
}

void TestVerifyWrite::differencesFailTheWrite() {
    QFETCH(int, kind);
    QFETCH(int, address);
    QFETCH(QString, place);
    sim::MemoryFaults faults;
    (kind == 0 ? faults.keep : kind == 1 ? faults.corruptWrite : faults.corruptRead).insert(address);
    VerifyRig v(faults);
    QCOMPARE(v.write(), TransferResult::VerifyFailed);
    const TransferOutcome& outcome = v.rig.outcome;
    QVERIFY(!outcome.verified);
    QCOMPARE(outcome.differences.size(), 1);
    const ByteDifference d = outcome.differences.first();
    QCOMPARE(d.position, address);
    QCOMPARE(d.ours, int(quint8(patternMemory(2).at(address))));
    QCOMPARE(d.theirs, kind == 0 ? int(quint8(patternMemory(1).at(address))) : d.ours ^ 0x01);
    QVERIFY2(problems(outcome).contains(QStringLiteral("1 byte(s) differ")), qPrintable(problems(outcome)));
    QVERIFY2(problems(outcome).contains(place), qPrintable(problems(outcome)));
    QCOMPARE(v.rig.statuses.last(), QStringLiteral("Verify failed"));
    // The program keeps its own data (with what every write forces), not the radio's.
    QVERIFY(outcome.image.has_value());
    QCOMPARE(outcome.image->at(address), quint8(patternMemory(2).at(address)));
    QVERIFY(!outcome.advanceSerial);
}

void TestVerifyWrite::bytesLeftToTheRadioAreNotCompared() {
    sim::MemoryFaults faults;
    faults.keep = {0x3D0, 0x3F0, 0x3FF};
    VerifyRig v(faults);
    QCOMPARE(v.write(), TransferResult::Ok);
    QVERIFY(v.rig.outcome.verified);
}

void TestVerifyWrite::aFailedReadBackIsNotASuccess() {
    VerifyRig v({});
    v.silentAfterWrite = true;
    v.rig.stopWhenBoxShown = true; // the user gives up once the stop box shows
    QCOMPARE(v.write(), TransferResult::Stopped);
    QVERIFY(!v.rig.outcome.verified);
    QVERIFY(!v.rig.outcome.advanceSerial);
    QVERIFY2(problems(v.rig.outcome).contains(QStringLiteral("reading it back to verify it failed")),
             qPrintable(problems(v.rig.outcome)));
    QCOMPARE(v.rig.statuses.last(), QStringLiteral("Verify failed"));
}

QTEST_GUILESS_MAIN(TestVerifyWrite)
#include "tst_verifywrite.moc"
