#pragma once

#include "core/RadioImage.h"
#include "core/TextCodes.h"

#include <QByteArray>
#include <QStringList>

// Radio memories, images and emulator options the transfer tests share.
namespace qrt::test::fixtures {

inline constexpr int MemorySize = 0x2000;
// No line speed, but a short turnaround as a radio has: the fixed exchanges of a write empty
// the input buffer right after sending, and an instant reply could be lost to that on a loaded machine.
inline const QStringList FullSpeed = {QStringLiteral("--baud"), QStringLiteral("0"), QStringLiteral("--turnaround"),
                                      QStringLiteral("3")};

// Radio memory with a different byte at every address of a block, a standard command set
// and no program code.
inline QByteArray patternMemory(int seed) {
    QByteArray m(MemorySize, '\0');
    for (int a = 0; a < MemorySize; ++a)
        m[a] = char((a * 7 + (a >> 8) * 13 + seed) & 0xFF);
    m.replace(0x385, 9, QByteArray::fromHex("FFFFFF5A5257FFFFFF"));
    return m;
}

inline RadioImage imageOf(const QByteArray& bytes) {
    RadioImage image(MemorySize);
    image.bytes() = bytes;
    return image;
}

inline void setImageCode(RadioImage& image, const QString& code) {
    const QByteArray b = hanzi::encodeBytes(code, 3);
    const int at[6] = {0x385, 0x386, 0x387, 0x38B, 0x38C, 0x38D};
    for (int i = 0; i < 6; ++i)
        image.set(at[i], quint8(b.at(i)));
}

inline QByteArray newCodeBlock(const QString& code) {
    QByteArray block(16, char(0xFF));
    const QByteArray b = hanzi::encodeBytes(code, 3);
    const int at[6] = {5, 6, 7, 11, 12, 13};
    for (int i = 0; i < 6; ++i)
        block[at[i]] = b.at(i);
    return block;
}

} // namespace qrt::test::fixtures
