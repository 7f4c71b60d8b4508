#pragma once

#include "SimRadio.h"
#include "core/Result.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <deque>

namespace qrt::sim {

// The radio's end of the serial line: a pseudo-terminal whose other end the program opens.
// Bytes take their time on the wire in both directions when a line speed is set, and the
// radio answers a command a turnaround time after its last byte has arrived.
class SimLine {
public:
    SimLine(SimRadio& radio, const Faults& faults);
    ~SimLine();

    // Opens the pseudo-terminal; the device path is the other end's. A failure tells the
    // system's reason.
    Result open(QString* devicePath);
    void setBaud(int baud) { m_byteNs = baud > 0 ? qint64(10) * 1000000000 / baud : 0; }
    void setTurnaroundMs(int ms) { m_turnaroundNs = qint64(ms) * 1000000; }
    void setTrace(QFile* trace) { m_trace = trace; }
    void setWatchStdin(bool on) { m_watchStdin = on; }

    // Serves the line until a termination signal arrives or, while stdin is a pipe or the
    // terminal of the foreground job (and watched), until stdin ends or brings "quit".
    void run();

private:
    void readIncoming(qint64 now);
    void handleCommands(qint64 now);
    void writeDue(qint64 now);
    qint64 nextDeadline(qint64 now) const;
    void trace(const QByteArray& command, const QByteArray& reply, const char* note);

    SimRadio& m_radio;
    Faults m_faults;
    int m_master = -1;
    int m_slave = -1;
    qint64 m_byteNs = 0;
    qint64 m_turnaroundNs = 0;
    QFile* m_trace = nullptr;
    bool m_watchStdin = true;

    QByteArray m_in;
    std::deque<qint64> m_inDone; // time each received byte has fully arrived
    qint64 m_inLineFree = 0;
    struct Out {
        char byte;
        qint64 due;
    };
    std::deque<Out> m_out;
    qint64 m_outLineFree = 0;
};

qint64 monotonicNs();

} // namespace qrt::sim
