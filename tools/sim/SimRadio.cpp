#include "SimRadio.h"

namespace qrt::sim {

namespace {

const QByteArray Program = QByteArrayLiteral("PROGRAM");
const QByteArray EndSequence = QByteArray::fromHex("455AA5322345F2");
constexpr quint8 Ack = 0x06;
constexpr quint8 SpecialWrite = 0x75;
constexpr quint8 HeaderRead = 0x52;
constexpr char FlippedBit = 0x01;

} // namespace

SimRadio::SimRadio() : m_memory(MemorySize, char(0xFF)) {}

int SimRadio::imageAddress(int wire) {
    return (wire >> 12) * 0x400 + (wire & 0xFFF);
}

void SimRadio::latchCommandSet() {
    m_rd = 0x52;
    m_wr = 0x57;
    if (quint8(m_memory.at(0x388)) == 0x5A) {
        m_rd = quint8(m_memory.at(0x389));
        m_wr = quint8(m_memory.at(0x38A));
    }
}

int SimRadio::commandLength(const QByteArray& in) const {
    if (in.isEmpty())
        return 0;
    const quint8 b = quint8(in.at(0));
    auto fixed = [&in](const QByteArray& whole) {
        const int n = int(qMin(in.size(), whole.size()));
        if (in.left(n) != whole.left(n))
            return -1;
        return n == whole.size() ? int(whole.size()) : 0;
    };
    if (b == Ack)
        return 1;
    if (b == quint8(Program.at(0)))
        return fixed(Program);
    if (b == quint8(EndSequence.at(0)))
        return fixed(EndSequence);
    if (b == HeaderRead || b == m_rd)
        return in.size() >= 4 ? 4 : 0;
    if (b == m_wr || b == SpecialWrite) {
        if (in.size() < 4)
            return 0;
        const int total = 4 + quint8(in.at(3));
        return in.size() >= total ? total : 0;
    }
    return -1;
}

QByteArray SimRadio::execute(const QByteArray& command) {
    ++m_commands;
    const quint8 b = quint8(command.at(0));
    if (command == Program) {
        latchCommandSet();
        return QByteArray(1, char(Ack));
    }
    if (command == EndSequence) {
        ++m_endSequences;
        return {};
    }
    if (b == Ack)
        return QByteArray(1, char(Ack));
    const int wire = (quint8(command.at(1)) << 8) | quint8(command.at(2));
    const int length = quint8(command.at(3));
    const int address = imageAddress(wire);
    if (b == HeaderRead || b == m_rd) {
        QByteArray reply = command.left(4);
        reply[0] = char(m_wr);
        for (int i = 0; i < length; ++i) {
            const int a = address + i;
            const char byte = a < MemorySize ? m_memory.at(a) : char(0xFF);
            reply.append(m_memoryFaults.corruptRead.contains(a) ? char(byte ^ FlippedBit) : byte);
        }
        return reply;
    }
    for (int i = 0; i < length; ++i) {
        const int a = address + i;
        if (a >= MemorySize || m_memoryFaults.keep.contains(a))
            continue;
        const char byte = command.at(4 + i);
        m_memory[a] = m_memoryFaults.corruptWrite.contains(a) ? char(byte ^ FlippedBit) : byte;
    }
    return QByteArray(1, char(Ack));
}

FaultedReply replyWithFaults(SimRadio& radio, Faults& faults, const QByteArray& command) {
    FaultedReply reply{radio.execute(command)};
    const int number = radio.commandCount();
    if (!faults.silentFrom.isEmpty() && command.startsWith(faults.silentFrom))
        faults.silent = true;
    if (faults.silent || (faults.silentAfter > 0 && number > faults.silentAfter) || faults.noReply.contains(number)) {
        reply.bytes.clear();
        reply.note = " (no reply)";
    } else if (!reply.bytes.isEmpty() && faults.wrongByte.contains(number)) {
        reply.bytes[0] = char(~quint8(reply.bytes.at(0)));
        reply.note = " (wrong byte)";
    }
    for (const auto& [at, ms] : faults.delays) {
        if (at == 0 || at == number)
            reply.extraDelayNs += qint64(ms) * 1000000;
    }
    return reply;
}

} // namespace qrt::sim
