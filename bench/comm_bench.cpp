// Reads and writes the whole memory (0000-1FFF) against the radio emulator at a simulated
// 9600 baud and compares the time with the time the bytes alone need on the wire.
#include "comm/CommClock.h"
#include "comm/CommLog.h"
#include "comm/PortControl.h"
#include "comm/ProtocolEngine.h"
#include "comm/RadioTransfer.h"
#include "core/ErrorLog.h"
#include "core/RadioImage.h"
#include "core/SettingsFile.h"
#include "core/InterfaceTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace qrt;

namespace {

// Counts the bytes that cross the line in both directions.
class CountingPort : public SerialPort {
public:
    CountingPort(std::unique_ptr<SerialPort> port, qint64& bytes) : m_port(std::move(port)), m_bytes(bytes) {
        m_clock.start();
    }
    // Mean time from a send to its reply being taken, and from a reply to the next send.
    double meanReplyMs() const { return m_replies ? m_replyNs / 1e6 / m_replies : 0; }
    double meanGapMs() const { return m_gaps ? m_gapNs / 1e6 / m_gaps : 0; }
    bool open() override { return m_port->open(); }
    bool close() override { return m_port->close(); }
    bool isOpen() const override { return m_port->isOpen(); }
    void clearOutput() override { m_port->clearOutput(); }
    void clearInput() override { m_port->clearInput(); }
    bool send(const QByteArray& bytes) override {
        m_bytes += bytes.size();
        const qint64 now = m_clock.nsecsElapsed();
        if (m_lastReply >= 0) {
            m_gapNs += now - m_lastReply;
            ++m_gaps;
        }
        m_lastSend = now;
        m_lastReply = -1;
        return m_port->send(bytes);
    }
    int bytesWaiting() override { return m_port->bytesWaiting(); }
    QByteArray readWaiting() override {
        const QByteArray b = m_port->readWaiting();
        m_bytes += b.size();
        const qint64 now = m_clock.nsecsElapsed();
        if (m_lastSend >= 0 && !b.isEmpty()) {
            m_replyNs += now - m_lastSend;
            ++m_replies;
            m_lastReply = now;
        }
        return b;
    }
    QString device() const override { return m_port->device(); }

private:
    std::unique_ptr<SerialPort> m_port;
    qint64& m_bytes;
    QElapsedTimer m_clock;
    qint64 m_lastSend = -1, m_lastReply = -1;
    qint64 m_replyNs = 0, m_gapNs = 0;
    int m_replies = 0, m_gaps = 0;
};

struct Figures {
    TransferResult result;
    qint64 ms;
    qint64 bytes;
    double replyMs;
    double gapMs;
};

Figures runOnce(const QString& device, bool reading, int baud) {
    QTemporaryDir dir;
    SettingsFile settings(dir.filePath(QStringLiteral("holvard.def")));
    ErrorLog errors;
    CommClock clock;
    CommLog log;
    InterfaceTexts texts;
    texts.load(3);
    qint64 bytes = 0;
    CountingPort* counting = nullptr;
    PortControl port(settings, errors, [&bytes, &counting](const QString& d) {
        auto p = std::make_unique<CountingPort>(createSerialPort(d), bytes);
        counting = p.get();
        return p;
    });
    port.setDeviceOverride(device);
    ProtocolEngine engine(errors, clock, log);
    RadioTransfer transfer(engine, port, log, clock, errors);
    TransferInputs in;
    in.bandLimits = {40000000, 47000000};
    TransferCallbacks cb;
    cb.text = [&texts](int i) { return texts.text(i); };
    RadioImage image(0x2000);
    for (int a = 0; a < image.size(); ++a)
        image.set(a, quint8(a * 7));
    image.write(0x385, QByteArray::fromHex("FFFFFF5A5257FFFFFF"));
    QElapsedTimer timer;
    timer.start();
    const TransferResult result = reading ? transfer.read(image, in, cb) : transfer.write(image, in, cb);
    Q_UNUSED(baud);
    const qint64 ms = timer.elapsed();
    return {result, ms, bytes, counting ? counting->meanReplyMs() : 0, counting ? counting->meanGapMs() : 0};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    // Optional: the radio's turnaround in milliseconds (default 2) and "read" or "write" alone.
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
    for (const bool reading : {true, false}) {
        if ((reading && only == QLatin1String("write")) || (!reading && only == QLatin1String("read")))
            continue;
        const Figures f = runOnce(device, reading, baud);
        const double boundMs = double(f.bytes) * 10.0 * 1000.0 / baud;
        out << (reading ? "read " : "write") << ": " << (f.result == TransferResult::Ok ? "ok" : "FAILED") << ", "
            << QString::number(f.ms / 1000.0, 'f', 2) << " s, " << f.bytes << " bytes on the wire, bound "
            << QString::number(boundMs / 1000.0, 'f', 2) << " s, ratio " << QString::number(f.ms / boundMs, 'f', 3)
            << "\n       mean time from a send to its reply " << QString::number(f.replyMs, 'f', 2)
            << " ms, from a reply to the next send " << QString::number(f.gapMs, 'f', 2) << " ms\n";
        out.flush();
        if (f.result != TransferResult::Ok)
            status = 1;
    }
    sim.closeWriteChannel();
    sim.waitForFinished(5000);
    return status;
}
