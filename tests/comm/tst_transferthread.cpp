// A read on a thread of its own beside a live window, against the radio emulator.
#include "CommRig.h"
#include "EmulatedRadio.h"
#include "SimProcess.h"
#include "TransferFixtures.h"

#include "comm/TransferThread.h"

#include <QSet>
#include <QTest>
#include <QThread>

using namespace qrt;
using namespace qrt::comm;
using namespace qrt::test::fixtures;
using qrt::test::CommRig;
using qrt::test::EmulatedRadio;
using qrt::test::SimProcess;
using qrt::test::waitForTheUser;

namespace {

// What the window sees of a read running on the transfer thread: the signals as they arrive
// on the window's thread, and the threads they were sent from.
struct Window : QObject {
    explicit Window(RadioTransfer& transfer) {
        connect(&transfer, &RadioTransfer::progressChanged, this, [this](int percent) {
            percents << percent;
            arrivedOn.insert(QThread::currentThread());
        });
        connect(&transfer, &RadioTransfer::logLineAdded, this, [this](int index, const QString& line) {
            logLines.insert(index, line);
            arrivedOn.insert(QThread::currentThread());
        });
        connect(&transfer, &RadioTransfer::stopBoxShown, this, [this](bool shown) { stopBoxShown << shown; });
        connect(&transfer, &RadioTransfer::finished, this, [this](const TransferOutcome& o) {
            outcome = o;
            done = true;
            arrivedOn.insert(QThread::currentThread());
        });
        connect(
            &transfer, &RadioTransfer::progressChanged, this,
            [this](int) { sentFrom.insert(QThread::currentThread()); }, Qt::DirectConnection);
    }

    QList<int> percents;
    QStringList logLines;
    QList<bool> stopBoxShown;
    QSet<QThread*> arrivedOn;
    QSet<QThread*> sentFrom;
    TransferOutcome outcome;
    bool done = false;
};

TransferJob readJob(const QString& device, int start, int end) {
    TransferJob job;
    job.kind = TransferJob::Read;
    job.device = device;
    job.readStart = start;
    job.readEnd = end;
    job.image = imageOf(patternMemory(5));
    job.texts.load(Language::English);
    job.showBytes = true;
    return job;
}

} // namespace

class TestTransferThread : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readOnTheThreadGivesTheSameImage();
    void stopRequestEndsTheReadStopped();
};

void TestTransferThread::readOnTheThreadGivesTheSameImage() {
    const QByteArray radio = patternMemory(1);
    SimProcess sim;
    QVERIFY(sim.start(FullSpeed, radio));

    CommRig here(sim.device());
    here.setRange(0, 0xFF);
    RadioImage readHere = imageOf(patternMemory(5));
    QCOMPARE(here.read(readHere), TransferResult::Ok);

    ErrorLog errors;
    TransferThread thread(errors);
    Window window(thread.transfer());
    thread.start(readJob(sim.device(), 0, 0xFF));
    QTRY_VERIFY_WITH_TIMEOUT(window.done, 30000);

    QCOMPARE(window.outcome.result, TransferResult::Ok);
    QVERIFY(window.outcome.problems.isEmpty());
    QVERIFY(window.outcome.image.has_value());
    QVERIFY(*window.outcome.image == readHere);
    QCOMPARE(window.outcome.image->mid(0, 0x100), radio.mid(0, 0x100));
    QVERIFY(window.percents.contains(100));
    QCOMPARE(window.percents.last(), 0);
    QVERIFY(window.logLines.contains(QStringLiteral("Tx: 50 52 4F 47 ")));
    QCOMPARE(window.arrivedOn, QSet<QThread*>{QThread::currentThread()});
    QCOMPARE(window.sentFrom, QSet<QThread*>{thread.transfer().thread()});
    QVERIFY(thread.transfer().thread() != QThread::currentThread());
}

// The window ticks the stop box while the radio answers: the read ends as stopped, without a
// message, and the image keeps what it held.
void TestTransferThread::stopRequestEndsTheReadStopped() {
    EmulatedRadio sim(patternMemory(1));
    ErrorLog errors;
    TransferThread thread(errors, sim.ports());
    Window window(thread.transfer());
    RadioTransfer* transfer = &thread.transfer();
    transfer->clock().setTimeSource(&sim.time);
    // The user reacts to 20 % before the radio has sent the next block.
    std::atomic<bool> seenTwenty{false};
    QObject::connect(
        transfer, &RadioTransfer::progressChanged, transfer, [&seenTwenty](int percent) { seenTwenty = percent >= 20; },
        Qt::DirectConnection);
    waitForTheUser(
        transfer->clock(), [&] { return seenTwenty.load(); }, [transfer] { return transfer->stopRequested(); });
    QObject::connect(transfer, &RadioTransfer::progressChanged, &window, [transfer](int percent) {
        if (percent >= 20)
            transfer->setStopRequested(true);
    });
    const TransferJob job = readJob(QStringLiteral("in-process radio"), 0, 0x7FF);
    thread.start(job);
    QTRY_VERIFY_WITH_TIMEOUT(window.done, 30000);

    QCOMPARE(window.outcome.result, TransferResult::Stopped);
    QVERIFY(window.outcome.problems.isEmpty());
    QVERIFY(!window.outcome.image.has_value());
    QVERIFY(!window.percents.contains(100));
    QVERIFY(window.stopBoxShown.contains(true));
    QCOMPARE(window.stopBoxShown.last(), false);
    QVERIFY(!thread.transfer().stopRequested());
    QVERIFY(sim.commandsStartingWith(QStringLiteral("52 13 F0 10")).isEmpty()); // the last block, 0x7F0
}

QTEST_GUILESS_MAIN(TestTransferThread)
#include "tst_transferthread.moc"
