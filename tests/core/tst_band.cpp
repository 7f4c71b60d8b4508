#include "core/Band.h"
#include "core/RadioImage.h"

#include <QTest>

using namespace qrt;

class TestBand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void limitsEncoding_data();
    void limitsEncoding();
    void customBand_data();
    void customBand();
    void raster_data();
    void raster();
    void captions();
    void customCaptionFollowsStoredLimits_data();
    void customCaptionFollowsStoredLimits();
    void viewerGesture();
};

void TestBand::limitsEncoding_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("134-174") << 13400000 << 17400000 << QByteArray::fromHex("13401740");
    QTest::newRow("400-470") << 40000000 << 47000000 << QByteArray::fromHex("40004700");
    QTest::newRow("half to even") << 13050000 << 14025000 << QByteArray::fromHex("13051402");
    QTest::newRow("half up to even") << 13050000 << 14035000 << QByteArray::fromHex("13051404");
}

void TestBand::limitsEncoding() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(QByteArray, bytes);
    RadioImage image(8192);
    band::writeLimits(image, {min, max});
    QCOMPARE(image.mid(band::LimitsAddress, 4), bytes);
    band::Limits read;
    QVERIFY(band::readLimits(image, &read));
    QCOMPARE(read.min, min);
    image.set(band::LimitsAddress + 1, 0x4A);
    QVERIFY(!band::readLimits(image, &read));
}

void TestBand::customBand_data() {
    QTest::addColumn<QString>("minText");
    QTest::addColumn<QString>("maxText");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("shownMin");
    QTest::newRow("plain") << "300"
                           << "350" << 30000000 << 35000000 << "300";
    QTest::newRow("decimals") << "130.5"
                              << "140.25" << 13050000 << 14025000 << "130.5";
    QTest::newRow("reversed") << "300"
                              << "250" << 12000000 << 52000000 << "120";
    QTest::newRow("below 120") << "119.99"
                               << "200" << 12000000 << 52000000 << "120";
    QTest::newRow("above 520") << "400"
                               << "520.00001" << 12000000 << 52000000 << "120";
    QTest::newRow("edges") << "120"
                           << "520" << 12000000 << 52000000 << "120";
    QTest::newRow("not numbers") << "abc"
                                 << "" << 12000000 << 52000000 << "120";
    QTest::newRow("equal limits") << "446"
                                  << "446" << 44600000 << 44600000 << "446";
}

void TestBand::customBand() {
    QFETCH(QString, minText);
    QFETCH(QString, maxText);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(QString, shownMin);
    const band::CustomBand b = band::customBand(minText, maxText);
    QCOMPARE(b.limits.min, min);
    QCOMPARE(b.limits.max, max);
    QCOMPARE(b.minText, shownMin);
}

void TestBand::raster_data() {
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");
    QTest::newRow("5 kHz raster") << 14652000 << 14652000;
    QTest::newRow("6.25 kHz raster") << 14651250 << 14651250;
    QTest::newRow("snaps to 5 kHz") << 14651400 << 14651500;
    QTest::newRow("tie goes to 6.25 kHz") << 43500250 << 43500000;
    QTest::newRow("435.0031") << 43500310 << 43500500;
    QTest::newRow("435.00625") << 43500625 << 43500625;
}

void TestBand::raster() {
    QFETCH(int, in);
    QFETCH(int, out);
    QCOMPARE(band::snapToRaster(in), out);
}

void TestBand::captions() {
    QCOMPARE(band::caption(0, band::fixedLimits(0), QStringLiteral("Custom")), QStringLiteral("134 - 174 MHz"));
    QCOMPARE(band::caption(14, {30000000, 35000000}, QStringLiteral("Custom")),
             QStringLiteral("Custom  300 - 350 MHz"));
    QCOMPARE(band::caption(14, {13050000, 14025000}, QStringLiteral("Custom")),
             QStringLiteral("Custom  130 - 140 MHz"));
    QCOMPARE(band::positionOf({40000000, 48000000}), 8);
    QCOMPARE(band::positionOf({13500000, 17400000}), band::CustomPosition);
}

void TestBand::customCaptionFollowsStoredLimits_data() {
    QTest::addColumn<QString>("minText");
    QTest::addColumn<QString>("maxText");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("caption");
    QTest::newRow("halves go to even") << "130.5"
                                       << "140.25" << QByteArray::fromHex("13051402") << "Custom  130 - 140 MHz";
    // 139.96 MHz is stored as 140.0 MHz: the caption shows what the radio will hold.
    QTest::newRow("rounds up to the next megahertz")
        << "139.96"
        << "149.99" << QByteArray::fromHex("14001500") << "Custom  140 - 150 MHz";
    QTest::newRow("just below a tenth") << "300.04"
                                        << "349.94" << QByteArray::fromHex("30003499") << "Custom  300 - 349 MHz";
}

void TestBand::customCaptionFollowsStoredLimits() {
    QFETCH(QString, minText);
    QFETCH(QString, maxText);
    QFETCH(QByteArray, stored);
    QFETCH(QString, caption);
    const band::CustomBand custom = band::customBand(minText, maxText);
    RadioImage image(8192);
    band::writeLimits(image, custom.limits);
    QCOMPARE(image.mid(band::LimitsAddress, 4), stored);
    QCOMPARE(band::caption(band::CustomPosition, custom.limits, QStringLiteral("Custom")), caption);
    // Reading the stored limits back gives the same caption.
    band::Limits read;
    QVERIFY(band::readLimits(image, &read));
    QCOMPARE(band::caption(band::CustomPosition, read, QStringLiteral("Custom")), caption);
}

void TestBand::viewerGesture() {
    MemoryViewerGesture gesture;
    QList<bool> shown;
    for (int i = 0; i < 22; ++i)
        shown << gesture.doubleClicked();
    // The ninth shows the viewer, the tenth hides it; the count wraps after ten.
    QList<bool> expected(22, false);
    expected[8] = true;
    expected[8 + 11] = true;
    QCOMPARE(shown, expected);
}

QTEST_GUILESS_MAIN(TestBand)
#include "tst_band.moc"
