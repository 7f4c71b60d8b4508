#include "ChannelFixture.h"
#include "core/DataFile.h"

#include <QBrush>
#include <QSignalSpy>
#include <QTest>

using namespace qrt;
using namespace qrt::test;
using channels::ChannelTableModel;

namespace {

constexpr int Row = 6;
// 440.15 MHz, receive only, decode 67.0; its record still holds the encode tone D777I.
constexpr const char* RecordReceiveOnlyHiddenD777I = "00500144"
                                                     "FFFFFFFF"
                                                     "9E02"
                                                     "FFA9"
                                                     "00000000";
} // namespace

class TestChannelEditing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typingFrequency_data();
    void typingFrequency();
    void clearedChannelGetsDefaultOptionsDeletedKeepsThem();
    void keptEncodeToneNeverReachesTheRadio();
    void beforeEditRules_data();
    void beforeEditRules();
    void choosingOptions_data();
    void choosingOptions();
    void copyingAndCycling_data();
    void copyingAndCycling();
    void cycleOptionSteps_data();
    void cycleOptionSteps();
    void settingTones_data();
    void settingTones();
    void lockChangesNothing();
    void lockChangeIsSignalledOnce();
    void oneOuterEditPairPerAction_data();
    void oneOuterEditPairPerAction();
    void deleteChannelRestoresTemplateRecord();
    void deleteAllChannels();
};

void TestChannelEditing::typingFrequency_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("encoded");
    QTest::addColumn<int>("nextColumn");
    const QStringList empty(13, QString());
    const QStringList options440 = DefaultOptions;
    QTest::newRow("new channel below the band")
        << QByteArray(RecordEmpty) << 1 << "146.52" << texts({"400", "400", "None", "None"}) << true << 2;
    QTest::newRow("raster") << QByteArray(RecordEmpty) << 1 << "435.0031"
                            << texts({"435.005", "435.005", "None", "None"}) << true << 2;
    QTest::newRow("6.25 kHz step kept") << QByteArray(RecordEmpty) << 1 << "435.00625"
                                        << texts({"435.00625", "435.00625", "None", "None"}) << true << 2;
    QTest::newRow("above the band") << QByteArray(RecordEmpty) << 1 << "480" << texts({"470", "470", "None", "None"})
                                    << true << 2;
    QTest::newRow("too large for the scale")
        << QByteArray(RecordEmpty) << 1 << "99999" << texts({"400", "400", "None", "None"}) << true << 2;
    QTest::newRow("receive of a channel in use")
        << QByteArray(Record440) << 1 << "441" << texts({"441", "440.15", "67.0", "D023N"}) << true << 2;
    QTest::newRow("receive of a receive-only channel")
        << QByteArray(RecordReceiveOnly) << 1 << "441" << texts({"441", "", "67.0", ""}) << false << 2;
    QTest::newRow("receive cleared") << QByteArray(Record440) << 1 << "" << empty << false << 1;
    QTest::newRow("receive not a number") << QByteArray(Record440) << 1 << "abc" << empty << false << 1;
    QTest::newRow("transmit cleared") << QByteArray(Record440) << 2 << ""
                                      << texts({"440.15", "", "67.0", ""}, options440) << false << -1;
    // The encode cell of a receive-only channel showed nothing, and so it stays: the tone
    // its record kept (decoded, never shown) does not come back.
    QTest::newRow("transmit of a receive-only channel keeps the encode cell empty")
        << QByteArray(RecordReceiveOnly) << 2 << "445" << texts({"440.15", "445", "67.0", ""}) << false << 3;
    QTest::newRow("transmit of a receive-only channel with another tone kept")
        << QByteArray(RecordReceiveOnlyHiddenD777I) << 2 << "445" << texts({"440.15", "445", "67.0", ""}) << false << 3;
    QTest::newRow("transmit keeps its encode tone")
        << QByteArray(Record440) << 2 << "446" << texts({"440.15", "446", "67.0", "D023N"}) << true << 3;
    QTest::newRow("transmit pulled into the band")
        << QByteArray(Record440) << 2 << "136" << texts({"440.15", "400", "67.0", "D023N"}) << true << 3;
}

void TestChannelEditing::typingFrequency() {
    QFETCH(QByteArray, record);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QStringList, after);
    QFETCH(bool, encoded);
    QFETCH(int, nextColumn);
    ChannelFixture f;
    f.setRecord(Row, record.constData());
    const RadioImage before = f.data->image;
    QSignalSpy moved(f.model.get(), &ChannelTableModel::cellAfterEditRequested);

    QVERIFY(f.type(Row, column, typed));
    QCOMPARE(f.rowTexts(Row), after);
    // A complete row is encoded at once; otherwise the image waits for the next save.
    QVERIFY(f.data->image == (encoded ? f.encoded(before) : before));
    if (encoded)
        QVERIFY(!(f.data->image == before));
    QCOMPARE(moved.count(), nextColumn < 0 ? 0 : 1);
    if (nextColumn > 0)
        QCOMPARE(moved.first(), (QVariantList{Row, nextColumn}));
    QCOMPARE(f.logged, QStringList());
}

void TestChannelEditing::clearedChannelGetsDefaultOptionsDeletedKeepsThem() {
    ChannelFixture f;
    const QStringList chosen = {"Narrow", "Low", "On", "Off", "On", "EOT", "DTMF", "7", "On"};
    f.setRecord(Row, "0050014400500144FFFFFFFF22B00107");
    QCOMPARE(f.rowTexts(Row).mid(4), chosen);

    // Clearing the receive cell forgets the options: a new frequency brings the defaults.
    QVERIFY(f.type(Row, 1, QString()));
    QCOMPARE(f.model->table().value(Row, 5), ChannelTable::Empty);
    QVERIFY(f.type(Row, 1, QStringLiteral("440")));
    QCOMPARE(f.rowTexts(Row).mid(4), DefaultOptions);

    // The delete command keeps them.
    f.setRecord(Row, "0050014400500144FFFFFFFF22B00107");
    QVERIFY(f.model->deleteChannel(Row));
    QVERIFY(f.type(Row, 1, QStringLiteral("440")));
    QCOMPARE(f.rowTexts(Row), texts({"440", "440", "None", "None"}, chosen));
}

void TestChannelEditing::keptEncodeToneNeverReachesTheRadio() {
    ChannelFixture f;
    f.setRecord(Row, RecordReceiveOnlyHiddenD777I);
    QVERIFY(f.type(Row, 2, QStringLiteral("445")));
    QCOMPARE(f.text(Row, 4), QString());
    // Saved or written, the channel sends no encode tone.
    f.model->encodeIntoImage();
    QCOMPARE(f.record(Row).mid(4, 8).toHex().toUpper(), QByteArray("000050449E02FFFF"));

    // A transmit frequency cleared in the editor leaves no encode tone, so the next one takes
    // the decode tone.
    QVERIFY(f.type(Row, 2, QString()));
    QVERIFY(f.type(Row, 2, QStringLiteral("446")));
    QCOMPARE(f.text(Row, 4), QStringLiteral("67.0"));
}

void TestChannelEditing::beforeEditRules_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QList<int>>("editable"); // columns 1..13
    QTest::newRow("empty channel: only the receive cell")
        << QByteArray(RecordEmpty) << QList<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("in use: every cell") << QByteArray(Record440) << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    QTest::newRow("receive only: no encode tone")
        << QByteArray(RecordReceiveOnly) << QList<int>{1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1};
}

void TestChannelEditing::beforeEditRules() {
    QFETCH(QByteArray, record);
    QFETCH(QList<int>, editable);
    ChannelFixture f;
    f.setRecord(Row, record.constData());
    for (int c = 1; c <= 13; ++c) {
        QCOMPARE(f.model->canEdit(Row, c), bool(editable.at(c - 1)));
        QCOMPARE(f.grid->flags(f.at(Row, c)).testFlag(Qt::ItemIsEditable), bool(editable.at(c - 1)));
    }
    f.model->setLocked(true);
    for (int c = 1; c <= 13; ++c) {
        QVERIFY(!f.model->canEdit(Row, c));
        QVERIFY(!f.grid->flags(f.at(Row, c)).testFlag(Qt::ItemIsEditable));
    }
    QVERIFY(!f.model->canEdit(0, 1));
    QVERIFY(!f.model->canEdit(Row, 0));
    QVERIFY(!f.model->canEdit(17, 1));
}

void TestChannelEditing::choosingOptions_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("shown"); // empty: refused
    QTest::newRow("by position") << QByteArray(Record440) << 5 << QVariant(1) << "Narrow";
    QTest::newRow("by text") << QByteArray(Record440) << 10 << QVariant(QStringLiteral("BOT+EOT")) << "BOT+EOT";
    QTest::newRow("position as text is a text") << QByteArray(Record440) << 12 << QVariant(QStringLiteral("3")) << "3";
    QTest::newRow("position past the list") << QByteArray(Record440) << 5 << QVariant(2) << "";
    QTest::newRow("negative position") << QByteArray(Record440) << 5 << QVariant(-1) << "";
    QTest::newRow("text not in the list") << QByteArray(Record440) << 5 << QVariant(QStringLiteral("wide")) << "";
    QTest::newRow("empty channel") << QByteArray(RecordEmpty) << 5 << QVariant(1) << "";
}

void TestChannelEditing::choosingOptions() {
    QFETCH(QByteArray, record);
    QFETCH(int, column);
    QFETCH(QVariant, value);
    QFETCH(QString, shown);
    ChannelFixture f;
    f.setRecord(Row, record.constData());
    const RadioImage before = f.data->image;
    const ChannelTable table = f.model->table();
    QSignalSpy started(f.model.get(), &ChannelTableModel::userEditStarted);
    // The grid's option list gives a position, the command line a text or a number.
    const bool accepted = f.grid->setData(f.at(Row, column), value);
    QCOMPARE(accepted, !shown.isEmpty());
    if (!accepted) {
        QVERIFY(f.model->table() == table);
        QVERIFY(f.data->image == before);
        QCOMPARE(started.count(), 0);
        return;
    }
    QCOMPARE(f.text(Row, column), shown);
    // The row is complete: the image holds the new option bits.
    QVERIFY(f.data->image == f.encoded(before));
    QVERIFY(!(f.data->image == before));
}

void TestChannelEditing::copyingAndCycling_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("column");        // 2: copy receive to transmit; 3, 4: copy the tone across; else cycle
    QTest::addColumn<QStringList>("after"); // empty: refused
    QTest::newRow("empty transmit copies receive and decode tone")
        << QByteArray(RecordReceiveOnly) << 2 << texts({"440.15", "440.15", "67.0", "67.0"});
    QTest::newRow("transmit present") << QByteArray(Record440) << 2 << QStringList();
    QTest::newRow("decode takes the encode tone")
        << QByteArray(Record440) << 3 << texts({"440.15", "440.15", "D023N", "D023N"});
    QTest::newRow("encode takes the decode tone")
        << QByteArray(Record440) << 4 << texts({"440.15", "440.15", "67.0", "67.0"});
    QTest::newRow("decode without transmit") << QByteArray(RecordReceiveOnly) << 3 << QStringList();
    QTest::newRow("empty channel") << QByteArray(RecordEmpty) << 5 << QStringList();
    QTest::newRow("option") << QByteArray(Record440) << 5
                            << texts({"440.15", "440.15", "67.0", "D023N"},
                                     {"Narrow", "High", "On", "Off", "Off", "Off", "Off", "Off", "Off"});
}

void TestChannelEditing::copyingAndCycling() {
    QFETCH(QByteArray, record);
    QFETCH(int, column);
    QFETCH(QStringList, after);
    ChannelFixture f;
    f.setRecord(Row, record.constData());
    const QStringList before = f.rowTexts(Row);
    const RadioImage image = f.data->image;
    const bool done = column == 2   ? f.model->copyReceiveToTransmit(Row)
                      : column <= 4 ? f.model->copyToneAcross(Row, column)
                                    : f.model->cycleOption(Row, column);
    QCOMPARE(done, !after.isEmpty());
    QCOMPARE(f.rowTexts(Row), after.isEmpty() ? before : after);
    // These edits are not encoded at once.
    QVERIFY(f.data->image == image);
}

void TestChannelEditing::cycleOptionSteps_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("three options") << 8 << QStringList{"Carrier", "CTCSS/DCS", "Off", "Carrier"};
    QTest::newRow("two options") << 5 << QStringList{"Narrow", "Wide", "Narrow"};
    QTest::newRow("four options") << 10 << QStringList{"BOT", "EOT", "BOT+EOT", "Off"};
}

void TestChannelEditing::cycleOptionSteps() {
    QFETCH(int, column);
    QFETCH(QStringList, steps);
    ChannelFixture f;
    f.setRecord(Row, Record440);
    for (const QString& step : steps) {
        QVERIFY(f.model->cycleOption(Row, column));
        QCOMPARE(f.text(Row, column), step);
    }
}

void TestChannelEditing::settingTones_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("decode tone goes to the encode tone too")
        << QByteArray(Record440) << 3 << "88.52" << texts({"440.15", "440.15", "88.5", "88.5"});
    QTest::newRow("encode tone leaves the decode tone")
        << QByteArray(Record440) << 4 << "023i" << texts({"440.15", "440.15", "67.0", "D023I"});
    QTest::newRow("unreadable decode tone")
        << QByteArray(Record440) << 3 << "25" << texts({"440.15", "440.15", "None", "None"});
    QTest::newRow("unreadable encode tone")
        << QByteArray(Record440) << 4 << "D089N" << texts({"440.15", "440.15", "67.0", "None"});
    QTest::newRow("from the list") << QByteArray(Record440) << 3 << "D754I"
                                   << texts({"440.15", "440.15", "D754I", "D754I"});
    QTest::newRow("receive-only channel keeps cells 2 and 4 empty")
        << QByteArray(RecordReceiveOnly) << 3 << "D754N" << texts({"440.15", "", "D754N", ""});
}

void TestChannelEditing::settingTones() {
    QFETCH(QByteArray, record);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QStringList, after);
    ChannelFixture f;
    f.setRecord(Row, record.constData());
    const RadioImage before = f.data->image;
    QVERIFY(f.model->setTone(Row, column, typed));
    QCOMPARE(f.rowTexts(Row), after);
    if (after.at(1).isEmpty())
        QCOMPARE(f.model->table().encodeTone(Row), QString());
    // Storing a tone does not encode the row; the next save does.
    QVERIFY(f.data->image == before);
    // Only tone cells take a tone.
    QVERIFY(!f.model->setTone(Row, 5, typed));
}

void TestChannelEditing::lockChangeIsSignalledOnce() {
    ChannelFixture f;
    QSignalSpy spy(f.model.get(), &ChannelTableModel::lockChanged);
    f.model->setLocked(true);
    f.model->setLocked(true);
    f.model->setLocked(false);
    f.model->setLocked(false);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QCOMPARE(spy.at(1).at(0).toBool(), false);
}

void TestChannelEditing::lockChangesNothing() {
    ChannelFixture f;
    f.setRecord(Row, Record440);
    f.setRecord(Row + 1, RecordReceiveOnly);
    QSignalSpy lockSpy(f.model.get(), &ChannelTableModel::lockChanged);
    f.model->setLocked(true);
    f.model->setLocked(true); // no change, no signal
    QVERIFY(f.model->isLocked());
    QCOMPARE(lockSpy.count(), 1);
    QCOMPARE(lockSpy.at(0).at(0).toBool(), true);
    const ChannelTable table = f.model->table();
    const RadioImage image = f.data->image;
    EditRecorder recorder(*f.model);

    QVERIFY(!f.type(Row, 1, QStringLiteral("441")));
    QVERIFY(!f.type(Row, 1, QString()));
    QVERIFY(!f.model->chooseOption(Row, 5, 1));
    QVERIFY(!f.grid->setData(f.at(Row, 5), 1));
    QVERIFY(!f.model->setTone(Row, 3, QStringLiteral("D023N")));
    QVERIFY(!f.model->copyReceiveToTransmit(Row + 1));
    QVERIFY(!f.model->copyToneAcross(Row, 4));
    QVERIFY(!f.model->cycleOption(Row, 5));
    QVERIFY(!f.model->deleteChannel(Row));
    QVERIFY(!f.model->deleteAll());

    QVERIFY(f.model->table() == table);
    QVERIFY(f.data->image == image);
    QCOMPARE(recorder.outerPairs, 0);

    f.model->setLocked(false);
    QCOMPARE(lockSpy.count(), 2);
    QCOMPARE(lockSpy.at(1).at(0).toBool(), false);
    QVERIFY(f.type(Row, 1, QStringLiteral("441")));
}

void TestChannelEditing::oneOuterEditPairPerAction_data() {
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("mergeKey");
    QTest::newRow("type receive") << 0 << "channel 6 column 1";
    QTest::newRow("clear transmit") << 1 << "channel 6 column 2";
    QTest::newRow("choose option") << 2 << "channel 6 column 9";
    QTest::newRow("set tone") << 3 << "channel 6 column 3";
    QTest::newRow("cycle option") << 5 << "channel 6 column 8";
    QTest::newRow("copy receive to transmit") << 8 << "channel 7 column 2";
    QTest::newRow("copy tone across") << 9 << "channel 6 column 4";
    QTest::newRow("delete channel") << 6 << "";
    QTest::newRow("delete all channels") << 7 << "";
}

void TestChannelEditing::oneOuterEditPairPerAction() {
    QFETCH(int, action);
    QFETCH(QString, mergeKey);
    ChannelFixture f;
    f.setRecord(Row, Record440);
    f.setRecord(Row + 2, Record440);
    if (action == 8)
        f.setRecord(Row + 1, RecordReceiveOnly);
    EditRecorder recorder(*f.model);
    switch (action) {
    case 0:
        QVERIFY(f.type(Row, 1, QStringLiteral("441")));
        break;
    case 1:
        QVERIFY(f.type(Row, 2, QString()));
        break;
    case 2:
        QVERIFY(f.model->chooseOption(Row, 9, 1));
        break;
    case 3:
        QVERIFY(f.model->setTone(Row, 3, QStringLiteral("D023N")));
        break;
    case 5:
        QVERIFY(f.model->cycleOption(Row, 8));
        break;
    case 6:
        QVERIFY(f.model->deleteChannel(Row));
        break;
    case 7:
        QVERIFY(f.model->deleteAll());
        break;
    case 8:
        QVERIFY(f.model->copyReceiveToTransmit(Row + 1));
        break;
    case 9:
        QVERIFY(f.model->copyToneAcross(Row, 4));
        break;
    }
    QCOMPARE(recorder.outerPairs, 1);
    QCOMPARE(recorder.depth, 0);
    QVERIFY(!recorder.unbalanced);
    // The owner snapshots at the start: every change comes inside the bracket.
    QCOMPARE(recorder.events.first(), QStringLiteral("started ") + mergeKey);
    QCOMPARE(recorder.events.last(), QStringLiteral("finished"));
    QVERIFY(recorder.events.contains(QStringLiteral("changed")));
    const int all = int(recorder.events.count(QStringLiteral("changed")));
    QCOMPARE(all, action == 7 ? 2 : 1); // only the rows that changed
}

void TestChannelEditing::deleteChannelRestoresTemplateRecord() {
    ChannelFixture f;
    // A template whose every byte tells where it came from.
    QByteArray pattern(datafile::FileSize, '\0');
    for (int i = 0; i < pattern.size(); ++i)
        pattern[i] = char((i * 7 + 3) & 0xFF);
    f.dir.writeFile(AppContext::TemplateFileName, pattern);
    f.newData();
    f.setRecord(Row, "0050014400500144FFFFFFFF22B00107");
    const ChannelTable before = f.model->table();
    const QByteArray flags = f.data->image.mid(ChannelTable::FlagBitmapAddress, 2);

    QVERIFY(f.model->deleteChannel(Row));
    QCOMPARE(f.record(Row), pattern.mid(ChannelTable::recordAddress(Row) + datafile::HeaderSize, 16));
    QCOMPARE(f.rowTexts(Row), QStringList(13, QString()));
    QCOMPARE(f.model->table().decodeTone(Row), QString());
    QCOMPARE(f.model->table().encodeTone(Row), QString());
    for (int c = 5; c <= 13; ++c)
        QCOMPARE(f.model->table().value(Row, c), before.value(Row, c));
    QCOMPARE(f.data->image.mid(ChannelTable::FlagBitmapAddress, 2), flags);
    QVERIFY(!f.model->deleteChannel(Row)); // the menu entry of an empty row is disabled

    // The next encoding writes no frequencies and no tones, and the kept options.
    f.model->encodeIntoImage();
    QCOMPARE(f.record(Row).left(12), QByteArray(12, '\xFF'));
    QCOMPARE(quint8(f.record(Row).at(13)) & 0xB0, 0xB0);
}

void TestChannelEditing::deleteAllChannels() {
    ChannelFixture f;
    QVERIFY(f.openFile(f.context->appFile(AppContext::FactoryFileName)));
    f.model->reloadFromImage();
    QVERIFY(f.model->table().isInUse(1));
    QVERIFY(f.model->deleteAll());
    const RadioImage& templateFile = f.data->templateFile;
    for (int n = 1; n <= 16; ++n) {
        QCOMPARE(f.rowTexts(n), QStringList(13, QString()));
        QCOMPARE(f.record(n), templateFile.mid(ChannelTable::recordAddress(n) + datafile::HeaderSize, 16));
    }
}

QTEST_MAIN(TestChannelEditing)
#include "tst_channelediting.moc"
