#include "SettingsFixture.h"

#include "options/PttIdPauseDialogModel.h"
#include "options/VoiceSeq.h"
#include "options/VolumeDialogModel.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace qrt;
using namespace qrt::options;

class TestSettingsDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twoToneRefresh_data();
    void twoToneRefresh();
    void twoToneEdit_data();
    void twoToneEdit();
    void twoToneRejectsTimesOutsideTheList();
    void voiceSequence();
    void volumeDialog();
    void pttIdPauseOptions();
    void pttIdPauseOpensFromImage();
    void checkBoxSetToTheStateItShowsWritesNothing();
    void serialNumberImport();
    void serialNumberImportOfNothing();
};

// Record of code 1, refreshed: the five cells and the record afterwards.
void TestSettingsDialogs::twoToneRefresh_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QByteArray>("after");
    const QStringList empty(5, QString());
    QTest::newRow("tone A below range") << QByteArray::fromHex("f4010affffffff5a") << empty
                                        << QByteArray::fromHex("f4010affffffff5a");
    QTest::newRow("full record") << QByteArray::fromHex("4c1d0a102714055a")
                                 << QStringList{"750.0", "1.0", "1000.0", "2.0", "0.5"}
                                 << QByteArray::fromHex("4c1d0a102714055a");
    QTest::newRow("interval 25 repaired")
        << QByteArray::fromHex("4c1d0a10271419"
                               "5a")
        << QStringList{"750.0", "1.0", "1000.0", "2.0", "0.5"} << QByteArray::fromHex("4c1d0a102714055a");
    QTest::newRow("time above 10 s repaired")
        << QByteArray::fromHex("4c1d65ffffffff5a") << QStringList{"750.0", "1.0", "", "", ""}
        << QByteArray::fromHex("4c1d0affffffff5a");
    // The longest time and interval the lists offer are no repair case.
    const QByteArray longest = QByteArray::fromHex("4c1d64102764145a");
    QTest::newRow("times of 10.0 s and interval of 2.0 s kept")
        << longest << QStringList{"750.0", "10.0", "1000.0", "10.0", "2.0"} << longest;
    QTest::newRow("record not in use") << QByteArray::fromHex("4c1d0a10271405ff") << empty
                                       << QByteArray::fromHex("4c1d0a10271405ff");
}

void TestSettingsDialogs::twoToneRefresh() {
    QFETCH(QByteArray, record);
    QFETCH(QStringList, cells);
    QFETCH(QByteArray, after);
    SettingsFixture f(0xFF);
    f.image.write(0x280, QByteArray::fromHex("4c1d0a102714055a")); // the cells show something before
    f.refresh();
    f.image.write(0x280, record);
    f.refresh();
    for (int column = 1; column <= 5; ++column)
        QCOMPARE(f.model.twoTone().cell(0, column), cells.at(column - 1));
    QCOMPARE(f.bytes(0x280, 8).toHex(), after.toHex());
}

// An edit of code 2 (row 2 of the first grid); the record afterwards.
void TestSettingsDialogs::twoToneEdit_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QByteArray>("after");
    const QByteArray empty = QByteArray(8, char(0xFF));
    QTest::newRow("A 100 Hz") << empty << 1 << "100"
                              << "288.5" << QByteArray::fromHex("450b0affffffff5a");
    QTest::newRow("A 4000 Hz") << empty << 1 << "4000"
                               << "3106" << QByteArray::fromHex("54790affffffff5a");
    QTest::newRow("A not a number") << empty << 1 << "abc"
                                    << "1500.0" << QByteArray::fromHex("983a0affffffff5a");
    QTest::newRow("only B") << empty << 3 << "1000"
                            << "1000" << QByteArray::fromHex("ffffff10270aff5a");
    QTest::newRow("B added to A") << QByteArray::fromHex("4c1d0affffffff5a") << 3 << "1000"
                                  << "1000" << QByteArray::fromHex("4c1d0a10270a0a5a");
    QTest::newRow("A cleared, B stays") << QByteArray::fromHex("4c1d0a102714055a") << 1 << ""
                                        << "" << QByteArray::fromHex("ffffff102714ff5a");
    QTest::newRow("A 288.46 Hz rounds into the range") << empty << 1 << "288.46"
                                                       << "288.46" << QByteArray::fromHex("450b0affffffff5a");
    QTest::newRow("A 3106.04 Hz rounds into the range") << empty << 1 << "3106.04"
                                                        << "3106.04" << QByteArray::fromHex("54790affffffff5a");
    QTest::newRow("A far above the range") << empty << 1 << "1e300"
                                           << "3106" << QByteArray::fromHex("54790affffffff5a");
    QTest::newRow("both frequencies cleared, interval byte kept") << QByteArray::fromHex("4c1d0affffff075a") << 1 << ""
                                                                  << "" << QByteArray::fromHex("ffffffffffff07ff");
    QTest::newRow("time 9.7") << QByteArray::fromHex("4c1d0affffffff5a") << 2 << "9.7"
                              << "9.7" << QByteArray::fromHex("4c1d61ffffffff5a");
}

void TestSettingsDialogs::twoToneEdit() {
    QFETCH(QByteArray, record);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, cell);
    QFETCH(QByteArray, after);
    SettingsFixture f(0xFF);
    f.image.write(0x288, record);
    f.refresh();
    QVERIFY(f.model.editTwoTone(TwoToneTable::codeOf(0, 2), column, typed));
    QCOMPARE(f.model.twoTone().cell(1, column), cell);
    QCOMPARE(f.bytes(0x288, 8).toHex(), after.toHex());
    QCOMPARE(f.bytes(0x280, 8), QByteArray(8, char(0xFF)));
}

void TestSettingsDialogs::twoToneRejectsTimesOutsideTheList() {
    SettingsFixture f(0xFF);
    f.image.write(0x280, QByteArray::fromHex("4c1d0a102714055a"));
    f.refresh();
    const RadioImage before = f.image;
    QVERIFY(!f.model.editTwoTone(0, TwoToneTable::TimeA, "30"));
    QVERIFY(!f.model.editTwoTone(0, TwoToneTable::Interval, "2.5"));
    QVERIFY(!f.model.editTwoTone(16, TwoToneTable::FreqA, "1000"));
    QVERIFY(f.image == before);
    QCOMPARE(f.model.twoTone().cell(0, TwoToneTable::TimeA), QStringLiteral("1.0"));
    QCOMPARE(TwoToneTable::timeItems().size(), 96);
    QCOMPARE(TwoToneTable::intervalItems().last(), QStringLiteral("2.0"));
}

void TestSettingsDialogs::voiceSequence() {
    QCOMPARE(voiceseq::lastPositionOf(0xFF), 255);
    QCOMPARE(voiceseq::lastPositionOf(0x00), 0);
    QCOMPARE(voiceseq::lastPositionOf(0x5A), 137);
    QList<bool> seen(256, false);
    for (int p = 0; p < voiceseq::Size; ++p)
        seen[voiceseq::codeAt(p)] = true;
    QVERIFY(!seen.contains(false));
}

void TestSettingsDialogs::volumeDialog() {
    SettingsFixture f(0x33);
    f.set({{0x1A1, 0x5A}, {0x1AB, 0xFF}});
    VolumeDialogModel dialog(f.image, f.texts);
    const RadioImage before = f.image;
    dialog.open();
    QVERIFY(f.image == before);
    QCOMPARE(dialog.step(1).itemText(), QStringLiteral("137"));
    QVERIFY(!dialog.useThisSet().checked);
    QCOMPARE(dialog.stepLabel(1), QStringLiteral("Volume  1 Level"));
    QCOMPARE(dialog.stepLabel(10), QStringLiteral("Volume 10 Level"));

    QVERIFY(dialog.selectStep(1, 10));
    QCOMPARE(int(f.image.at(0x1A1)), 0x10);
    QVERIFY(dialog.selectStep(1, 11));
    QCOMPARE(int(f.image.at(0x1A1)), 0x0A);
    QVERIFY(!dialog.selectStep(11, 0));

    dialog.restoreDefaults();
    QCOMPARE(f.bytes(0x1A0, 12), QByteArray::fromHex("00459478e34fb99cadaffd5a"));
    const QList<int> positions = {63, 111, 143, 159, 175, 191, 207, 223, 239, 252};
    for (int s = 1; s <= 10; ++s)
        QCOMPARE(dialog.step(s).item, positions.at(s - 1));
    QVERIFY(dialog.useThisSet().checked);
    dialog.setUseThisSet(false);
    QCOMPARE(int(f.image.at(0x1AB)), 0xFF);
}

void TestSettingsDialogs::pttIdPauseOptions() {
    SettingsFixture f(0xA5); // bit 6 clear, other bits mixed
    PttIdPauseDialogModel dialog(f.image, f.texts);
    dialog.open();
    dialog.selectAll();
    for (int c = 1; c <= 16; ++c)
        QCOMPARE(int(f.image.at(16 * c + 13)), 0xE5);
    QCOMPARE(int(f.image.at(0x1C)), 0xA5);
    QVERIFY(dialog.allSelected());
    QVERIFY(dialog.setChecked(2, false));
    QCOMPARE(int(f.image.at(0x3D)), 0xA5);
    QVERIFY(!dialog.allSelected());
    QVERIFY(!dialog.noneSelected());
    dialog.selectNone();
    for (int c = 1; c <= 16; ++c)
        QCOMPARE(int(f.image.at(16 * c + 13)), 0xA5);
    QVERIFY(dialog.noneSelected());
    QVERIFY(dialog.setChecked(0, true));
    QVERIFY(!dialog.noneSelected());
    QCOMPARE(int(f.image.at(0x1D)), 0xE5);
}

void TestSettingsDialogs::pttIdPauseOpensFromImage() {
    SettingsFixture f(0x00);
    f.set({{0x5D, 0x40}});
    PttIdPauseDialogModel dialog(f.image, f.texts);
    dialog.open();
    for (int i = 0; i < 16; ++i)
        QCOMPARE(dialog.box(i).checked, i == 4);
    QVERIFY(!dialog.allSelected());
    QVERIFY(!dialog.noneSelected());
    QVERIFY(dialog.control("chkPttIdPauseChSet15"));
    // The model lives as long as the data; an option chosen at the last opening is not
    // shown at the next one.
    dialog.selectAll();
    dialog.open();
    QVERIFY(!dialog.allSelected());
    dialog.selectNone();
    dialog.open();
    QVERIFY(!dialog.noneSelected());
}

void TestSettingsDialogs::checkBoxSetToTheStateItShowsWritesNothing() {
    // A box's handler runs only when its state changes. "Off" stands for any mark but 0x5A,
    // and the pause flags may have changed since the dialog read them.
    SettingsFixture f(0x00);
    f.set({{0x1AB, 0x88}, {0x5D, 0x40}});
    VolumeDialogModel volume(f.image, f.texts);
    volume.open();
    PttIdPauseDialogModel pause(f.image, f.texts);
    pause.open();
    f.image.setBit(PttIdPauseDialogModel::flagAddress(7), PttIdPauseDialogModel::FlagBit, true);
    const RadioImage before = f.image;
    QSignalSpy volumeChanges(&volume, &VolumeDialogModel::controlChanged);
    QSignalSpy pauseChanges(&pause, &PttIdPauseDialogModel::controlChanged);
    QSignalSpy pauseOptions(&pause, &PttIdPauseDialogModel::optionsChanged);

    QVERIFY(!volume.useThisSet().checked);
    volume.setUseThisSet(false);
    QVERIFY(pause.setChecked(0, false));
    QVERIFY(pause.setChecked(4, true));

    QVERIFY(f.image == before);
    QCOMPARE(volumeChanges.count(), 0);
    QCOMPARE(pauseChanges.count(), 0);
    QCOMPARE(pauseOptions.count(), 0);

    // "Default" still turns the table on, whatever the mark held.
    volume.restoreDefaults();
    QCOMPARE(int(f.image.at(0x1AB)), 0x5A);
    QVERIFY(volume.useThisSet().checked);
}

void TestSettingsDialogs::serialNumberImport() {
    QTemporaryDir dir;
    const QString path = dir.filePath("sn.ini");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[SerialNo]\r\n1=SN-0001\r\n2=A much longer serial number\r\n4=SN-0004\r\n");
    file.close();
    SettingsFixture f;
    f.refresh();
    QCOMPARE(f.model.importSerialNumbers(path), 2);
    const Control& list = f.c("cboImportSeq");
    QCOMPARE(list.items, (QStringList{"0001 -- SN-0001", "0002 -- A much longer serial number"}));
    QCOMPARE(list.item, 0);
    QCOMPARE(f.c("txtInfo1").text, QStringLiteral("SN-0001"));
    QCOMPARE(f.bytes(0x300, 4), QByteArray::fromHex("53004e00"));
    QVERIFY(f.c("cmdSeqSwitch1").visible);
    QVERIFY(f.c("chkAutoNextSn").visible);
    QVERIFY(!f.c("txtSeqExample").visible);

    f.model.selectNextSerialNumber();
    QCOMPARE(f.c("txtInfo1").text, QStringLiteral("A much longer se"));
    f.model.selectNextSerialNumber();
    QCOMPARE(f.c("cboImportSeq").item, 1);
    f.model.selectPreviousSerialNumber();
    f.model.selectPreviousSerialNumber();
    QCOMPARE(f.c("cboImportSeq").item, 0);

    // A later import that finds nothing hides the switches; with a serial number selected
    // before, the example stays hidden and the message keeps its text.
    QCOMPARE(f.model.importSerialNumbers(dir.filePath("missing.ini")), 0);
    QVERIFY(f.c("cboImportSeq").items.isEmpty());
    QVERIFY(!f.c("cmdSeqSwitch0").visible);
    QVERIFY(!f.c("chkAutoNextSn").visible);
    QVERIFY(!f.c("txtSeqExample").visible);
    QCOMPARE(f.c("txtInfo1").text, QStringLiteral("SN-0001"));
}

void TestSettingsDialogs::serialNumberImportOfNothing() {
    SettingsFixture f;
    f.refresh();
    QCOMPARE(f.model.importSerialNumbers(QStringLiteral("/nonexistent/sn.ini")), 0);
    QVERIFY(f.model.serialImportStatus().ok());
    QCOMPARE(f.model.serialImportStatus().reason(), QString());
    QVERIFY(f.c("cboImportSeq").items.isEmpty());
    QVERIFY(f.c("txtSeqExample").visible);
    QVERIFY(!f.c("cmdSeqSwitch0").visible);
    f.model.selectNextSerialNumber();
    QCOMPARE(f.c("cboImportSeq").item, -1);

    // A folder given as the file: nothing imported, and the model says why.
    QTemporaryDir folder;
    QCOMPARE(f.model.importSerialNumbers(folder.path()), 0);
    QVERIFY(f.model.serialImportStatus().failed());
    QVERIFY(!f.model.serialImportStatus().reason().isEmpty());
}

QTEST_GUILESS_MAIN(TestSettingsDialogs)
#include "tst_settingsdialogs.moc"
