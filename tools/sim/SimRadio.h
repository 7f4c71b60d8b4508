#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>

namespace qrt::sim {

// How the emulated radio misbehaves, by command number (1 = the first command received).
struct Faults {
    bool silent = false;           // never answers
    int silentAfter = 0;           // answers only the first N commands (0: no limit)
    QByteArray silentFrom;         // falls silent at the first command starting with these bytes
    QSet<int> noReply;             // commands left unanswered
    QSet<int> wrongByte;           // commands answered with the first byte inverted
    QList<QPair<int, int>> delays; // (command, ms); command 0 delays every reply
};

// Faults of the radio's memory and of the line at given image addresses, whatever command
// reaches them: the radio acknowledges a write but keeps its old byte, or the line flips
// the lowest bit of a byte of a block on its way in (written) or out (read).
struct MemoryFaults {
    QSet<int> keep;
    QSet<int> corruptWrite;
    QSet<int> corruptRead;
};

// The radio's side of the programming protocol over its 8 KiB memory.
//
// Commands: "PROGRAM" -> 0x06; a read (0x52, or the read code of the radio's set) of
// address and length -> the set's write code, address, length and the data; a write (the
// set's write code, or 0x75) of address, length and data -> 0x06; 0x06 -> 0x06; the
// seven-byte end sequence -> nothing. The set is the one its memory declares at
// 0x388..0x38A (0x5A, read code, write code), else 'R'/'W'; it is taken at each "PROGRAM".
// Wire addresses carry the 1 KB page in their top digit: page p at p * 0x1000.
class SimRadio {
public:
    static constexpr int MemorySize = 0x2000;

    SimRadio();

    QByteArray& memory() { return m_memory; }
    const QByteArray& memory() const { return m_memory; }

    // How many bytes the command at the start of `input` takes: 0 when more bytes are
    // needed, -1 when the first byte starts no command (it is dropped).
    int commandLength(const QByteArray& input) const;
    // Carries out one whole command and gives the reply (empty for none).
    QByteArray execute(const QByteArray& command);

    void setMemoryFaults(const MemoryFaults& faults) { m_memoryFaults = faults; }

    int commandCount() const { return m_commands; }
    int endSequences() const { return m_endSequences; }
    // Image address of a wire address.
    static int imageAddress(int wire);

private:
    void latchCommandSet();

    QByteArray m_memory;
    MemoryFaults m_memoryFaults;
    quint8 m_rd = 0x52, m_wr = 0x57;
    int m_commands = 0;
    int m_endSequences = 0;
};

// A command's reply as the radio's faults leave it, and how much later than usual it goes out.
struct FaultedReply {
    QByteArray bytes;
    qint64 extraDelayNs = 0;
    const char* note = ""; // for the trace: why the reply is missing or altered
};

// Carries out the command on the radio and applies the faults to its reply; a command that
// silences the radio for good is remembered in `faults`.
FaultedReply replyWithFaults(SimRadio& radio, Faults& faults, const QByteArray& command);

} // namespace qrt::sim
