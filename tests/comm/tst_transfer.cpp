// Reads and writes against the radio emulator on a pseudo-terminal.
#include "CommRig.h"
#include "SimProcess.h"

#include "comm/ReservedCodes.h"
#include "core/TextCodes.h"

#include <QElapsedTimer>
#include <QTest>

using namespace qrt;
using qrt::test::CommRig;
using qrt::test::SimProcess;

namespace {

constexpr int MemorySize = 0x2000;
const QStringList FullSpeed = {QStringLiteral("--baud"), QStringLiteral("0"), QStringLiteral("--turnaround"),
                               QStringLiteral("0")};

// Radio memory with a different byte at every address of a block, a standard command set
// and no program code.
QByteArray patternMemory(int seed) {
    QByteArray m(MemorySize, '\0');
    for (int a = 0; a < MemorySize; ++a)
        m[a] = char((a * 7 + (a >> 8) * 13 + seed) & 0xFF);
    m.replace(0x385, 9, QByteArray::fromHex("FFFFFF5A5257FFFFFF"));
    return m;
}

RadioImage imageOf(const QByteArray& bytes) {
    RadioImage image(MemorySize);
    image.bytes() = bytes;
    return image;
}

void setImageCode(RadioImage& image, const QString& code) {
    const QByteArray b = hanzi::encodeBytes(code, 3);
    const int at[6] = {0x385, 0x386, 0x387, 0x38B, 0x38C, 0x38D};
    for (int i = 0; i < 6; ++i)
        image.set(at[i], quint8(b.at(i)));
}

QByteArray newCodeBlock(const QString& code) {
    QByteArray block(16, char(0xFF));
    const QByteArray b = hanzi::encodeBytes(code, 3);
    const int at[6] = {5, 6, 7, 11, 12, 13};
    for (int i = 0; i < 6; ++i)
        block[at[i]] = b.at(i);
    return block;
}

} // namespace

class TestTransfer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readCopiesTheRangeOnly_data();
    void readCopiesTheRangeOnly();
    void writeThenReadBackIsIdentical_data();
    void writeThenReadBackIsIdentical();
};

void TestTransfer::readCopiesTheRangeOnly_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::newRow("first KB") << 0x0000 << 0x03FF;
    QTest::newRow("nine bytes") << 0x0000 << 0x0008;
    QTest::newRow("across a page") << 0x03F8 << 0x0417;
    QTest::newRow("last block") << 0x1FF0 << 0x1FFF;
}

void TestTransfer::readCopiesTheRangeOnly() {
    QFETCH(int, start);
    QFETCH(int, end);
    const QByteArray radio = patternMemory(1);
    SimProcess sim;
    QVERIFY(sim.start(FullSpeed, radio));
    CommRig rig(sim.device());
    rig.setRange(start, end);
    RadioImage image(MemorySize);
    QCOMPARE(rig.read(image), TransferResult::Ok);
    QVERIFY(rig.messages.isEmpty());
    for (int a = 0; a < MemorySize; ++a) {
        const quint8 want = (a >= start && a <= end) ? quint8(radio.at(a)) : 0;
        if (image.at(a) != want)
            QFAIL(qPrintable(QStringLiteral("address %1").arg(a, 4, 16)));
    }
    QCOMPARE(rig.percents.last(), 0);
    QVERIFY(rig.percents.contains(100));
    QVERIFY(rig.statuses.contains(rig.texts.text(RadioTransfer::TextReadOk)));
}

void TestTransfer::writeThenReadBackIsIdentical_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::newRow("settings area") << 0x0000 << 0x03FF;
    QTest::newRow("above the editor") << 0x0400 << 0x07FF;
}

void TestTransfer::writeThenReadBackIsIdentical() {
    QFETCH(int, start);
    QFETCH(int, end);
    SimProcess sim;
    QVERIFY(sim.start(FullSpeed, patternMemory(1)));
    CommRig rig(sim.device());
    rig.setRange(start, end);
    RadioImage image = imageOf(patternMemory(2));
    // The radio's band bytes are rewritten from the editor's band by the write.
    rig.inputs.bandLimits = {40000000, 47000000};
    band::writeLimits(image, rig.inputs.bandLimits);
    QCOMPARE(rig.write(image), TransferResult::Ok);
    QVERIFY(rig.messages.isEmpty());

    RadioImage readBack(MemorySize);
    QCOMPARE(rig.read(readBack), TransferResult::Ok);
    QCOMPARE(readBack.mid(start, end - start + 1), image.mid(start, end - start + 1));
    QVERIFY(sim.stop());
    QCOMPARE(sim.memory().mid(start, end - start + 1), image.mid(start, end - start + 1));
    QCOMPARE(sim.commandsStartingWith(QStringLiteral("45 5A A5 32 23 45 F2")).size(), 6);
}

QTEST_GUILESS_MAIN(TestTransfer)
#include "tst_transfer.moc"
