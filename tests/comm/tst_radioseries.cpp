// Several radios read or written in a row over one port, the radios changed by the test
// as a dealer changes them.
#include "InProcessRadioPort.h"
#include "SimProcess.h"
#include "StandInPort.h"
#include "TestSupport.h"
#include "TransferFixtures.h"

#include "comm/RadioLink.h"
#include "comm/RadioSeries.h"
#include "core/AppContext.h"
#include "core/DataFile.h"
#include "core/TextCodes.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "options/SettingsModel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMutex>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <array>
#include <deque>

using namespace qrt;
using namespace qrt::comm;
using namespace qrt::test::fixtures;
using qrt::test::InProcessRadioPort;
using qrt::test::SimProcess;
using qrt::test::StandInPort;
using Ending = RadioSeries::Ending;
using State = RadioSeries::State;

namespace {

// Answers are as quick as a radio's; the questions between radios as quick as the test likes.
constexpr int QuestionIntervalMs = 1;
constexpr int ReplyWindowMs = 50;
constexpr int RunTimeoutMs = 120000;

// The machine's own clock for the bench's radios: a run of several radios waits for them in
// real time, as the program does.
class SteadyCommTime : public CommTimeSource {
public:
    SteadyCommTime() { m_timer.start(); }
    qint64 nowUs() const override { return m_timer.nsecsElapsed() / 1000; }
    void sleepUs(qint64 us) override { QThread::usleep(quint64(us)); }

private:
    QElapsedTimer m_timer;
};

struct BenchRadio {
    sim::SimRadio radio;
    sim::Faults faults;
    QStringList commands; // written on the transfer thread, read when the run has ended
};

// The one port of the program, where the test connects one radio at a time or none. A
// radio taken away leaves a port that opens and stays silent, as a cable without a radio.
class RadioBench {
public:
    explicit RadioBench(int radios) {
        for (int i = 0; i < radios; ++i) {
            m_radios.emplace_back();
            m_radios.back().radio.memory() = patternMemory(i + 1);
        }
    }
    BenchRadio& operator[](int i) { return m_radios[size_t(i)]; }
    int size() const { return int(m_radios.size()); }

    SerialPortFactory factory() {
        return [this](const QString& device) -> std::unique_ptr<SerialPort> {
            const QMutexLocker lock(&m_mutex);
            if (m_opensLeft == 0)
                m_connected = nullptr;
            if (m_opensLeft > 0)
                --m_opensLeft;
            if (!m_connected)
                return std::make_unique<StandInPort>(device, true);
            return std::make_unique<InProcessRadioPort>(m_connected->radio, m_connected->faults, m_time,
                                                        InProcessRadioPort::Line{}, &m_connected->commands);
        };
    }
    void connectRadio(int i) {
        const QMutexLocker lock(&m_mutex);
        m_connected = i < 0 ? nullptr : &m_radios[size_t(i)];
        m_opensLeft = -1;
    }
    // The radio stays for this many more openings of the port, then it is taken away.
    void takeAwayAfter(int opens) {
        const QMutexLocker lock(&m_mutex);
        m_opensLeft = opens;
    }

private:
    QMutex m_mutex;
    SteadyCommTime m_time;
    std::deque<BenchRadio> m_radios;
    BenchRadio* m_connected = nullptr;
    int m_opensLeft = -1;
};

// The program with its link on the bench's port and a run of several radios, with what the
// window would show.
struct SeriesRig {
    explicit SeriesRig(const SerialPortFactory& portFactory) {
        context = std::make_unique<AppContext>(dir.path());
        document = startProgram(*context, Language::English);
        link = std::make_unique<RadioLink>(*document, portFactory);
        link->port().setDeviceOverride(QStringLiteral("bench"));
        // The data file's part of the memory keeps each transfer short.
        link->changeAddress(CommAddresses::ReadEnd, QStringLiteral("3FF"));
        link->changeAddress(CommAddresses::WriteEnd, QStringLiteral("3FF"));
        series = std::make_unique<RadioSeries>(*link);
        QObject::connect(series.get(), &RadioSeries::stateChanged, [this](State s) { states << s; });
        QObject::connect(series.get(), &RadioSeries::logLineAdded, [this](const QString& l) { log << l; });
        QObject::connect(series.get(), &RadioSeries::finished, [this](Ending e) { ending = e; });
    }

    RadioSeries::Plan plan(TransferJob::Kind kind, int radios) const {
        RadioSeries::Plan p;
        p.kind = kind;
        p.radios = radios;
        p.intervalMs = QuestionIntervalMs;
        p.replyWindowMs = ReplyWindowMs;
        p.folder = files.path();
        return p;
    }
    bool runToEnd(const RadioSeries::Plan& p) {
        const Result started = series->start(p);
        if (started.failed()) {
            qWarning() << started.reason();
            return false;
        }
        return QTest::qWaitFor([this] { return ending.has_value(); }, RunTimeoutMs);
    }
    // Changes radios as a dealer does: the radio just done stays a little while, then goes;
    // the next one is connected once the run waits for it.
    void changeRadiosOn(RadioBench& bench) {
        QObject::connect(series.get(), &RadioSeries::stateChanged, [this, &bench](State s) {
            if (s == State::WaitingForRemoval)
                bench.takeAwayAfter(3);
            if (s == State::WaitingForRadio && series->radiosDone() > 0 && series->radiosDone() < bench.size())
                bench.connectRadio(series->radiosDone());
        });
    }

    test::TempAppDir dir;
    QTemporaryDir files;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<Document> document;
    std::unique_ptr<RadioLink> link;
    std::unique_ptr<RadioSeries> series;
    QList<State> states;
    QStringList log;
    std::optional<Ending> ending;
};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray messageBytes(const QString& text) {
    return hanzi::encodeBytes(text, 16);
}

} // namespace

class TestRadioSeries : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsEachRadioIntoTheNextFreeNumberedFile();
    void writeGivesEachRadioTheNextSerialNumber_data();
    void writeGivesEachRadioTheNextSerialNumber();
    void stopEndsTheRun_data();
    void stopEndsTheRun();
    void failedRadioEndsTheRun();
    void refusesToStartWithoutWhatItNeeds();
    void emulatorEndedAndStartedBetweenRadios();
    void closedWhileAskingLeavesNothingBehind();
};

void TestRadioSeries::readsEachRadioIntoTheNextFreeNumberedFile() {
    RadioBench bench(3);
    SeriesRig rig(bench.factory());
    rig.changeRadiosOn(bench);
    const QByteArray earlier("a file kept from before");
    {
        QFile kept(QDir(rig.files.path()).filePath("radio-001.dat"));
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.write(earlier);
    }
    const QByteArray dataBefore = rig.document->image().bytes();
    bench.connectRadio(0);

    QVERIFY(rig.runToEnd(rig.plan(TransferJob::Read, 3)));

    QCOMPARE(*rig.ending, Ending::Completed);
    QCOMPARE(rig.series->radiosDone(), 3);
    const QDir folder(rig.files.path());
    QCOMPARE(fileBytes(folder.filePath("radio-001.dat")), earlier);
    for (int i = 0; i < 3; ++i) {
        const QString name = folder.filePath(QStringLiteral("radio-%1.dat").arg(i + 2, 3, 10, QLatin1Char('0')));
        QCOMPARE(fileBytes(name), datafile::fileLayout(imageOf(bench[i].radio.memory())));
        QVERIFY2(rig.log.at(i).contains(QDir::toNativeSeparators(name)), qPrintable(rig.log.at(i)));
        // Read once, though still answering for a while after its read.
        QCOMPARE(bench[i].commands.count(QStringLiteral("52 03 88 03")), 1);
    }
    QCOMPARE(rig.log.size(), 4);
    QCOMPARE(rig.log.last(), QStringLiteral("Done: all 3 radios."));
    // The reads go to files; the data in the program stays as it was.
    QCOMPARE(rig.document->image().bytes(), dataBefore);
    QVERIFY(!rig.document->isModified());
    QVERIFY(!rig.link->operationRunning());
}

void TestRadioSeries::writeGivesEachRadioTheNextSerialNumber_data() {
    QTest::addColumn<int>("serials");
    QTest::addColumn<int>("radios");
    QTest::addColumn<int>("written");
    QTest::addColumn<Ending>("ending");
    QTest::newRow("a serial number for every radio") << 3 << 3 << 3 << Ending::Completed;
    // The third radio would get the second one's number again.
    QTest::newRow("serial numbers used up") << 2 << 3 << 2 << Ending::SerialNumbersUsedUp;
}

void TestRadioSeries::writeGivesEachRadioTheNextSerialNumber() {
    QFETCH(int, serials);
    QFETCH(int, radios);
    QFETCH(int, written);
    QFETCH(Ending, ending);
    RadioBench bench(radios);
    SeriesRig rig(bench.factory());
    rig.changeRadiosOn(bench);
    QByteArray list("[SerialNo]\n");
    for (int n = 1; n <= serials; ++n)
        list += QByteArray::number(n) + "=SN-" + QByteArray::number(100 + n) + "\n";
    QVERIFY(rig.dir.writeFile("serials.ini", list));
    options::SettingsModel& settings = rig.document->settings();
    QCOMPARE(settings.importSerialNumbers(rig.dir.filePath("serials.ini")), serials);
    QVERIFY(settings.setChecked("chkAutoNextSn", true));
    bench.connectRadio(0);

    QVERIFY(rig.runToEnd(rig.plan(TransferJob::Write, radios)));

    QCOMPARE(*rig.ending, ending);
    QCOMPARE(rig.series->radiosDone(), written);
    for (int i = 0; i < written; ++i) {
        const QString serial = QStringLiteral("SN-%1").arg(101 + i);
        QCOMPARE(bench[i].radio.memory().mid(0x300, 32), messageBytes(serial));
        QCOMPARE(rig.log.at(i), QStringLiteral("Radio %1: written with serial number %2.").arg(i + 1).arg(serial));
    }
    for (int i = written; i < radios; ++i)
        QVERIFY(bench[i].commands.isEmpty());
    QCOMPARE(settings.control("cboImportSeq")->item, qMin(written, serials - 1));
}

void TestRadioSeries::stopEndsTheRun_data() {
    QTest::addColumn<State>("stopWhen");
    QTest::addColumn<QString>("radioLine");
    QTest::newRow("waiting for a radio") << State::WaitingForRadio << QString();
    QTest::newRow("writing") << State::Transferring
                             << QStringLiteral("Radio 1: stopped by the user; this radio may be only partly written.");
}

void TestRadioSeries::stopEndsTheRun() {
    QFETCH(State, stopWhen);
    QFETCH(QString, radioLine);
    RadioBench bench(1);
    SeriesRig rig(bench.factory());
    if (stopWhen == State::Transferring) {
        bench.connectRadio(0);
        // Some blocks into the write.
        QObject::connect(rig.series.get(), &RadioSeries::progressChanged, [&rig](int percent) {
            if (percent >= 20)
                rig.series->stop();
        });
    } else {
        // No radio: the user gives up after a few questions.
        QObject::connect(rig.series.get(), &RadioSeries::statusChanged, [&rig, asked = 0](const QString&) mutable {
            if (++asked == 3)
                rig.series->stop();
        });
    }

    QVERIFY(rig.runToEnd(rig.plan(TransferJob::Write, 2)));

    QCOMPARE(*rig.ending, Ending::Stopped);
    QCOMPARE(rig.series->radiosDone(), 0);
    QVERIFY(rig.states.contains(stopWhen));
    QStringList expected;
    if (!radioLine.isEmpty())
        expected << radioLine;
    expected << QStringLiteral("Stopped: 0 of 2 radios done.");
    QCOMPARE(rig.log, expected);
    QVERIFY(!rig.link->operationRunning());
    if (stopWhen == State::Transferring)
        QCOMPARE(bench[0].radio.endSequences(), 0);
}

void TestRadioSeries::failedRadioEndsTheRun() {
    RadioBench bench(3);
    // The second radio speaks a command set of another program.
    bench[1].radio.memory().replace(0x388, 3, QByteArray::fromHex("5A4142"));
    SeriesRig rig(bench.factory());
    rig.changeRadiosOn(bench);
    bench.connectRadio(0);

    QVERIFY(rig.runToEnd(rig.plan(TransferJob::Write, 3)));

    QCOMPARE(*rig.ending, Ending::TransferFailed);
    QCOMPARE(rig.series->radiosDone(), 1);
    QCOMPARE(rig.series->problem(), QStringLiteral("Radio 2: ") + rig.context->text(TextId::RadioNotSupported));
    QCOMPARE(rig.log.size(), 3);
    QCOMPARE(rig.log.at(1), rig.series->problem());
    QCOMPARE(rig.log.at(2), QStringLiteral("Stopped by a failure: 1 of 3 radios done."));
    QVERIFY(bench[2].commands.isEmpty());
}

void TestRadioSeries::refusesToStartWithoutWhatItNeeds() {
    RadioBench bench(1);
    SeriesRig rig(bench.factory());
    RadioSeries::Plan noFolder = rig.plan(TransferJob::Read, 2);
    noFolder.folder = QDir(rig.files.path()).filePath("missing");
    RadioSeries::Plan noRadios = rig.plan(TransferJob::Write, 0);
    for (const RadioSeries::Plan& plan : {noFolder, noRadios}) {
        QVERIFY(rig.series->start(plan).failed());
        QCOMPARE(rig.series->state(), State::Idle);
    }
    // Another operation holds the port.
    rig.link->setOperationRunning(true);
    QVERIFY(rig.series->start(rig.plan(TransferJob::Write, 1)).failed());
    QVERIFY(rig.link->operationRunning());
}

// The emulator on its pseudo-terminal, ended when the run says to change radios and started
// again (with the next radio's memory, on a new device) when it waits for the next one.
void TestRadioSeries::emulatorEndedAndStartedBetweenRadios() {
    const QList<QByteArray> memories = {patternMemory(7), patternMemory(8)};
    std::array<SimProcess, 2> emulators;
    QMutex deviceLock;
    QString device = QStringLiteral("/nonexistent/radio");
    const auto setDevice = [&](const QString& path) {
        const QMutexLocker lock(&deviceLock);
        device = path;
    };
    SeriesRig rig([&](const QString&) {
        const QMutexLocker lock(&deviceLock);
        return createSerialPort(device);
    });
    QObject::connect(rig.series.get(), &RadioSeries::stateChanged, [&](State s) {
        const int done = rig.series->radiosDone();
        if (s == State::WaitingForRemoval) {
            setDevice(QStringLiteral("/nonexistent/radio"));
            QVERIFY(emulators[size_t(done - 1)].stop());
        }
        if (s == State::WaitingForRadio && done > 0) {
            QVERIFY(emulators[size_t(done)].start(FullSpeed, memories.at(done)));
            setDevice(emulators[size_t(done)].device());
        }
    });
    QVERIFY(emulators[0].start(FullSpeed, memories.at(0)));
    setDevice(emulators[0].device());
    RadioSeries::Plan plan = rig.plan(TransferJob::Read, 2);
    // A process answers later than a radio when the machine is busy.
    plan.replyWindowMs = 1000;

    QVERIFY(rig.runToEnd(plan));

    QCOMPARE(*rig.ending, Ending::Completed);
    const QDir folder(rig.files.path());
    QCOMPARE(fileBytes(folder.filePath("radio-001.dat")), datafile::fileLayout(imageOf(memories.at(0))));
    QCOMPARE(fileBytes(folder.filePath("radio-002.dat")), datafile::fileLayout(imageOf(memories.at(1))));
    QVERIFY(!folder.exists("radio-003.dat"));
}

// The window goes (with its run) while a question is on its way: its answer finds nobody,
// and the port is free again.
void TestRadioSeries::closedWhileAskingLeavesNothingBehind() {
    RadioBench bench(1);
    SeriesRig rig(bench.factory());
    RadioSeries::Plan plan = rig.plan(TransferJob::Write, 1);
    plan.replyWindowMs = 300;
    QVERIFY(rig.series->start(plan).ok());
    QVERIFY(rig.link->operationRunning());
    rig.series.reset();
    QVERIFY(!rig.link->operationRunning());
    // The answer arrives after the run has gone.
    QTest::qWait(2 * plan.replyWindowMs);
}

QTEST_GUILESS_MAIN(TestRadioSeries)
#include "tst_radioseries.moc"
