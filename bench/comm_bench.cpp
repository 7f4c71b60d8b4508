// Reads and writes the whole memory (0000-1FFF) against the radio emulator at a simulated
// 9600 baud and compares the time with the time the bytes alone need on the wire and with
// the time the protocol's own waits allow; then a write with its verify, whose time must
// stay within a write's plus a read's.
//
// The time the waits allow: the same operation against the same emulated radio on a clock
// that moves only by the waits and the line (every wait lasts exactly as long as it must,
// every byte exactly its time at the line speed); what the real run takes beyond that is
// lost by this machine's sleeps and processing.
#include "EmulatedRadio.h"

#include "comm/RadioTransfer.h"
#include "core/ErrorLog.h"
#include "core/RadioImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <map>

using namespace qrt;
using namespace qrt::comm;

namespace {

// What crossed the line during one operation.
struct LineFigures {
    qint64 bytes = 0; // in both directions
    qint64 replyNs = 0, gapNs = 0;
    int replies = 0, gaps = 0;
    // Mean time from a send to its reply being taken, and from a reply to the next send.
    double meanReplyMs() const { return replies ? replyNs / 1e6 / replies : 0; }
    double meanGapMs() const { return gaps ? gapNs / 1e6 / gaps : 0; }
};

// Counts the bytes that cross the line and times the replies, by the given clock in
// nanoseconds (none: the machine's).
class CountingPort : public SerialPort {
public:
    CountingPort(std::unique_ptr<SerialPort> port, LineFigures& figures, std::function<qint64()> nowNs = {})
        : m_port(std::move(port)), m_f(figures), m_nowNs(std::move(nowNs)) {
        m_clock.start();
        if (!m_nowNs)
            m_nowNs = [this] { return m_clock.nsecsElapsed(); };
    }
    bool open() override { return m_port->open(); }
    bool close() override { return m_port->close(); }
    bool isOpen() const override { return m_port->isOpen(); }
    void clearOutput() override { m_port->clearOutput(); }
    void clearInput() override { m_port->clearInput(); }
    bool send(const QByteArray& bytes) override {
        m_f.bytes += bytes.size();
        const qint64 now = m_nowNs();
        if (m_lastReply >= 0) {
            m_f.gapNs += now - m_lastReply;
            ++m_f.gaps;
        }
        m_lastSend = now;
        m_lastReply = -1;
        return m_port->send(bytes);
    }
    int bytesWaiting() override { return m_port->bytesWaiting(); }
    QByteArray readWaiting() override {
        const QByteArray b = m_port->readWaiting();
        m_f.bytes += b.size();
        const qint64 now = m_nowNs();
        if (m_lastSend >= 0 && !b.isEmpty()) {
            m_f.replyNs += now - m_lastSend;
            ++m_f.replies;
            m_lastReply = now;
        }
        return b;
    }
    QString device() const override { return m_port->device(); }

private:
    std::unique_ptr<SerialPort> m_port;
    LineFigures& m_f;
    std::function<qint64()> m_nowNs;
    QElapsedTimer m_clock;
    qint64 m_lastSend = -1, m_lastReply = -1;
};

struct Figures {
    TransferResult result;
    qint64 ms;
    LineFigures line;
};

enum class Operation { Read, Write, WriteAndVerify };

TransferJob benchJob(const QString& device, Operation operation) {
    const bool reading = operation == Operation::Read;
    TransferJob job;
    job.kind = reading ? TransferJob::Read : TransferJob::Write;
    job.device = device;
    job.bandLimits = {40000000, 47000000};
    job.texts.load(Language::English);
    job.extraTexts.load(Language::English);
    job.verifyAfterWrite = operation == Operation::WriteAndVerify;
    job.image = RadioImage(0x2000);
    for (int a = 0; a < job.image.size(); ++a)
        job.image.set(a, quint8(a * 7));
    job.image.write(0x385, QByteArray::fromHex("FFFFFF5A5257FFFFFF"));
    return job;
}

void printProblems(const TransferOutcome& outcome) {
    for (const Result& problem : outcome.problems)
        std::fprintf(stderr, "%s\n", qPrintable(problem.reason()));
}

Figures runOnce(const QString& device, Operation operation) {
    ErrorLog errors;
    LineFigures line;
    RadioTransfer transfer(
        errors, [&line](const QString& d) { return std::make_unique<CountingPort>(createSerialPort(d), line); });
    const TransferJob job = benchJob(device, operation);
    QElapsedTimer timer;
    timer.start();
    const TransferOutcome outcome = transfer.execute(job);
    printProblems(outcome);
    return {outcome.result, timer.elapsed(), line};
}

// The operation when every wait and every byte takes exactly its time: the emulated radio
// of qrt506-sim, in this process, on a virtual clock. The time is that clock's.
Figures allowedByTheWaits(Operation operation, int baud, int turnaroundMs) {
    test::EmulatedRadio radio;
    radio.radio.memory().replace(0x388, 3, QByteArray::fromHex("5A5257"));
    radio.line.baud = baud;
    radio.line.turnaroundMs = turnaroundMs;
    ErrorLog errors;
    LineFigures line;
    const SerialPortFactory ports = radio.ports();
    RadioTransfer transfer(errors, [&](const QString& d) {
        return std::make_unique<CountingPort>(ports(d), line, [&radio] { return radio.time.nowUs() * 1000; });
    });
    transfer.clock().setTimeSource(&radio.time);
    const TransferOutcome outcome = transfer.execute(benchJob(QStringLiteral("in-process radio"), operation));
    printProblems(outcome);
    return {outcome.result, radio.time.nowUs() / 1000, line};
}

QString seconds(double ms) {
    return QString::number(ms / 1000.0, 'f', 2) + QStringLiteral(" s");
}

QString ratio(double a, double b) {
    return QString::number(a / b, 'f', 3);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    // Optional: the radio's turnaround in milliseconds (default 2) and "read" or "write" alone
    // (the write with verify is compared with both, so it runs only when neither is chosen).
    const QStringList args = QCoreApplication::arguments().mid(1);
    const int baud = 9600;
    const QString turnaround = args.value(0, QStringLiteral("2"));
    const QString only = args.value(1);
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("qrt506-sim")),
              {QStringLiteral("--baud"), QString::number(baud), QStringLiteral("--turnaround"), turnaround,
               QStringLiteral("--command-set"), QStringLiteral("std")});
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        out << "Cannot start qrt506-sim beside this program.\n";
        return 2;
    }
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
    out << "Whole memory 0000-1FFF at " << baud << " baud, radio turnaround " << turnaround
        << " ms, against qrt506-sim on " << device << "\n";
    int status = 0;
    // By operation: what this machine took, and what the waits allow.
    std::map<Operation, Figures> taken, allowed;
    for (const Operation operation : {Operation::Read, Operation::Write, Operation::WriteAndVerify}) {
        const bool reading = operation == Operation::Read;
        if ((reading && only == QLatin1String("write")) || (!reading && only == QLatin1String("read")) ||
            (operation == Operation::WriteAndVerify && !only.isEmpty()))
            continue;
        const Figures& f = taken[operation] = runOnce(device, operation);
        const Figures& a = allowed[operation] = allowedByTheWaits(operation, baud, turnaround.toInt());
        if (f.result != TransferResult::Ok || a.result != TransferResult::Ok)
            status = 1;
        if (operation == Operation::WriteAndVerify) {
            const Figures& r = taken[Operation::Read];
            const Figures& w = taken[Operation::Write];
            const double verifyRatio = double(f.ms) / double(w.ms + r.ms);
            const double allowedRatio =
                double(a.ms) / double(allowed[Operation::Write].ms + allowed[Operation::Read].ms);
            out << "write with verify: " << (f.result == TransferResult::Ok ? "ok" : "FAILED") << ", " << seconds(f.ms)
                << "; write " << seconds(w.ms) << " + read " << seconds(r.ms) << "; ratio to write + read "
                << QString::number(verifyRatio, 'f', 3) << (verifyRatio <= 1.0 ? " (within)" : " (OVER)")
                << "\n       the waits allow " << seconds(a.ms) << "; write " << seconds(allowed[Operation::Write].ms)
                << " + read " << seconds(allowed[Operation::Read].ms) << "; ratio "
                << QString::number(allowedRatio, 'f', 3) << (allowedRatio <= 1.0 ? " (within, " : " (OVER, ")
                << a.ms - allowed[Operation::Write].ms - allowed[Operation::Read].ms << " ms)\n";
            if (allowedRatio > 1.0)
                status = 1;
            continue;
        }
        const double boundMs = double(f.line.bytes) * 10.0 * 1000.0 / baud;
        const double allowedBoundMs = double(a.line.bytes) * 10.0 * 1000.0 / baud;
        out << (reading ? "read " : "write") << ": " << (f.result == TransferResult::Ok ? "ok" : "FAILED") << ", "
            << seconds(f.ms) << ", " << f.line.bytes << " bytes on the wire, bound " << seconds(boundMs) << ", ratio "
            << ratio(f.ms, boundMs) << "\n       the waits allow " << seconds(a.ms) << " (" << a.line.bytes
            << " bytes, ratio to the wire " << ratio(a.ms, allowedBoundMs) << "); taken " << ratio(f.ms, a.ms)
            << " of it\n       mean time from a send to its reply " << QString::number(f.line.meanReplyMs(), 'f', 2)
            << " ms (allowed " << QString::number(a.line.meanReplyMs(), 'f', 2) << "), from a reply to the next send "
            << QString::number(f.line.meanGapMs(), 'f', 2) << " ms (allowed "
            << QString::number(a.line.meanGapMs(), 'f', 2) << ")\n";
        out.flush();
    }
    sim.closeWriteChannel();
    sim.waitForFinished(5000);
    return status;
}
