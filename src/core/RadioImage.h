#pragma once

#include <QByteArray>

namespace qrt {

// A byte-for-byte copy of the radio's configuration memory, indexed by address.
// Out-of-range accesses read as 0 and write nothing, so a bad address can never
// corrupt memory; callers that need to know check contains().
class RadioImage {
public:
    explicit RadioImage(int size = 0) : m_bytes(size, '\0') {}

    int size() const { return int(m_bytes.size()); }
    bool contains(int address, int length = 1) const {
        return address >= 0 && length >= 0 && address <= size() - length;
    }

    quint8 at(int address) const { return contains(address) ? quint8(m_bytes.at(address)) : 0; }
    void set(int address, quint8 value) {
        if (contains(address))
            m_bytes[address] = char(value);
    }
    bool bit(int address, int bitNumber) const { return (at(address) >> bitNumber) & 1; }
    void setBit(int address, int bitNumber, bool on) {
        const quint8 mask = quint8(1u << bitNumber);
        set(address, on ? (at(address) | mask) : (at(address) & ~mask));
    }
    // Bits [low, low + count) as a number.
    int bits(int address, int low, int count) const { return (at(address) >> low) & ((1 << count) - 1); }
    void setBits(int address, int low, int count, int value) {
        const int mask = ((1 << count) - 1) << low;
        set(address, quint8((at(address) & ~mask) | ((value << low) & mask)));
    }

    QByteArray mid(int address, int length) const { return m_bytes.mid(address, length); }
    // Copies `data` to `address`, clipped to the image.
    void write(int address, const QByteArray& data);
    void fill(quint8 value) { m_bytes.fill(char(value)); }

    const QByteArray& bytes() const { return m_bytes; }
    QByteArray& bytes() { return m_bytes; }

    bool operator==(const RadioImage& other) const { return m_bytes == other.m_bytes; }

private:
    QByteArray m_bytes;
};

} // namespace qrt
