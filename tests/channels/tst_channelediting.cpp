#include "ChannelFixture.h"
#include "core/DataFile.h"

#include <QBrush>
#include <QSignalSpy>
#include <QTest>

using namespace qrt;
using namespace qrt::test;
using channels::ChannelTableModel;
using Click = ChannelTableModel::ClickResult;

namespace {

constexpr int Row = 6;
// 440.15 MHz, receive only, decode 67.0; its record still holds the encode tone D777I.
constexpr const char* RecordReceiveOnlyHiddenD777I = "00500144"
                                                     "FFFFFFFF"
                                                     "9E02"
                                                     "FFA9"
                                                     "00000000";
const QStringList DefaultOptions = {"Wide", "High", "On", "Off", "Off", "Off", "Off", "Off", "Off"};

QStringList texts(std::initializer_list<const char*> first4, const QStringList& options = DefaultOptions) {
    QStringList list;
    for (const char* t : first4)
        list << QString::fromUtf8(t);
    return list + options;
}

// Records the user-edit brackets and the data changes of a model in their order.
struct EditRecorder {
    explicit EditRecorder(ChannelTableModel& model) {
        QObject::connect(&model, &ChannelTableModel::userEditStarted, [this](const QString& key) {
            events << QStringLiteral("started ") + key;
            if (depth++ == 0)
                ++outerPairs;
        });
        QObject::connect(&model, &ChannelTableModel::userEditFinished, [this] {
            events << QStringLiteral("finished");
            if (--depth < 0)
                unbalanced = true;
        });
        // The row highlight of a click is no change of data.
        QObject::connect(&model, &ChannelTableModel::dataChanged,
                         [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                             if (roles != QList<int>{Qt::BackgroundRole})
                                 events << QStringLiteral("changed");
                         });
    }
    QStringList events;
    int depth = 0;
    int outerPairs = 0;
    bool unbalanced = false;
};

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
    void doubleClick_data();
    void doubleClick();
    void doubleClickStepsOptions_data();
    void doubleClickStepsOptions();
    void click_data();
    void click();
    void storingTones_data();
    void storingTones();
    void pendingToneIsNeverLost();
    void pendingToneOfOldDataIsDropped();
    void cancelledToneIsNotStored();
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
    QSignalSpy moved(f.model.get(), &ChannelTableModel::currentCellRequested);

    QVERIFY(f.type(Row, column, typed));
    QCOMPARE(f.rowTexts(Row), after);
    // A complete row is encoded at once; otherwise the image waits for the next save.
    QVERIFY(f.data->image == (encoded ? f.encoded(before) : before));
    if (encoded)
        QVERIFY(!(f.data->image == before));
    QCOMPARE(moved.count(), nextColumn < 0 ? 0 : 1);
    if (nextColumn > 0)
        QCOMPARE(moved.first().first().toModelIndex(), f.at(Row, nextColumn));
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
        QCOMPARE(f.model->flags(f.at(Row, c)).testFlag(Qt::ItemIsEditable), bool(editable.at(c - 1)));
    }
    f.model->setLocked(true);
    for (int c = 1; c <= 13; ++c) {
        QVERIFY(!f.model->canEdit(Row, c));
        QVERIFY(!f.model->flags(f.at(Row, c)).testFlag(Qt::ItemIsEditable));
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
    const bool accepted = f.model->setData(f.at(Row, column), value);
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

void TestChannelEditing::doubleClick_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("after"); // empty: nothing done
    QTest::newRow("empty transmit copies receive and decode tone")
        << QByteArray(RecordReceiveOnly) << 2 << texts({"440.15", "440.15", "67.0", "67.0"});
    QTest::newRow("transmit present") << QByteArray(Record440) << 2 << QStringList();
    QTest::newRow("receive") << QByteArray(Record440) << 1 << QStringList();
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

void TestChannelEditing::doubleClick() {
    QFETCH(QByteArray, record);
    QFETCH(int, column);
    QFETCH(QStringList, after);
    ChannelFixture f;
    f.setRecord(Row, record.constData());
    const QStringList before = f.rowTexts(Row);
    const RadioImage image = f.data->image;
    QCOMPARE(f.model->doubleClick(f.at(Row, column)), !after.isEmpty());
    QCOMPARE(f.rowTexts(Row), after.isEmpty() ? before : after);
    // A double-click is not encoded at once.
    QVERIFY(f.data->image == image);
}

void TestChannelEditing::doubleClickStepsOptions_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("three options") << 8 << QStringList{"Carrier", "CTCSS/DCS", "Off", "Carrier"};
    QTest::newRow("two options") << 5 << QStringList{"Narrow", "Wide", "Narrow"};
    QTest::newRow("four options") << 10 << QStringList{"BOT", "EOT", "BOT+EOT", "Off"};
}

void TestChannelEditing::doubleClickStepsOptions() {
    QFETCH(int, column);
    QFETCH(QStringList, steps);
    ChannelFixture f;
    f.setRecord(Row, Record440);
    for (const QString& step : steps) {
        QVERIFY(f.model->doubleClick(f.at(Row, column)));
        QCOMPARE(f.text(Row, column), step);
    }
}

void TestChannelEditing::click_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("targetColumn");
    QTest::addColumn<QString>("tone");
    QTest::newRow("empty channel, tone cell") << QByteArray(RecordEmpty) << 3 << int(Click::EditCell) << 1 << "";
    QTest::newRow("empty channel, option") << QByteArray(RecordEmpty) << 9 << int(Click::EditCell) << 1 << "";
    QTest::newRow("receive") << QByteArray(Record440) << 1 << int(Click::EditCell) << 1 << "";
    QTest::newRow("option") << QByteArray(Record440) << 7 << int(Click::EditCell) << 7 << "";
    QTest::newRow("decode tone") << QByteArray(Record440) << 3 << int(Click::OpenToneList) << 3 << "67.0";
    QTest::newRow("encode tone") << QByteArray(Record440) << 4 << int(Click::OpenToneList) << 4 << "D023N";
    QTest::newRow("encode tone without transmit")
        << QByteArray(RecordReceiveOnly) << 4 << int(Click::SelectCell) << 2 << "";
}

void TestChannelEditing::click() {
    QFETCH(QByteArray, record);
    QFETCH(int, column);
    QFETCH(int, action);
    QFETCH(int, targetColumn);
    QFETCH(QString, tone);
    ChannelFixture f;
    f.setRecord(Row, record.constData());
    const ChannelTable table = f.model->table();
    const Click result = f.model->click(f.at(Row, column));
    QCOMPARE(int(result.action), action);
    QCOMPARE(result.cell, f.at(Row, targetColumn));
    QCOMPARE(result.toneText, tone);
    QCOMPARE(f.model->hasPendingTone(), action == Click::OpenToneList);
    QVERIFY(f.model->table() == table);
    // The clicked row is highlighted until the next click.
    QCOMPARE(f.model->highlightedChannel(), Row);
    QCOMPARE(f.model->data(f.at(Row, 12), Qt::BackgroundRole).value<QBrush>().color(),
             ChannelTableModel::highlightColor());
    QCOMPARE(f.model->data(f.at(Row + 1, 12), Qt::BackgroundRole), QVariant());
    QCOMPARE(int(f.model->click(QModelIndex()).action), int(Click::Nothing));
    QCOMPARE(f.model->highlightedChannel(), 0);
    QVERIFY(!f.model->hasPendingTone());
}

void TestChannelEditing::storingTones_data() {
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

void TestChannelEditing::storingTones() {
    QFETCH(QByteArray, record);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QStringList, after);
    // The tone list left after typing, and the delegate committing the same text.
    ChannelFixture f, g;
    f.setRecord(Row, record.constData());
    g.setRecord(Row, record.constData());
    const RadioImage before = f.data->image;
    QCOMPARE(int(f.model->click(f.at(Row, column)).action), int(Click::OpenToneList));
    f.model->setPendingToneText(typed);
    QVERIFY(f.model->storePendingTone());
    QVERIFY(g.model->setData(g.at(Row, column), typed));

    QCOMPARE(f.rowTexts(Row), after);
    QVERIFY(g.model->table() == f.model->table());
    QVERIFY(!f.model->hasPendingTone());
    QVERIFY(!f.model->storePendingTone());
    if (after.at(1).isEmpty())
        QCOMPARE(f.model->table().encodeTone(Row), QString());
    // Storing a tone does not encode the row; the next save does.
    QVERIFY(f.data->image == before);
}

void TestChannelEditing::pendingToneIsNeverLost() {
    ChannelFixture f;
    f.setRecord(Row, Record440);
    f.setRecord(Row + 1, Record440);

    // The next click stores the tone being chosen before it does anything else.
    f.model->click(f.at(Row, 3));
    f.model->setPendingToneText(QStringLiteral("D025N"));
    EditRecorder recorder(*f.model);
    const Click next = f.model->click(f.at(Row + 1, 4));
    QCOMPARE(f.text(Row, 3), QStringLiteral("D025N"));
    QCOMPARE(f.text(Row, 4), QStringLiteral("D025N"));
    QCOMPARE(recorder.outerPairs, 1);
    QCOMPARE(next.action, Click::OpenToneList);
    QCOMPARE(f.model->pendingToneCell(), f.at(Row + 1, 4));

    // So does a click outside the cells.
    f.model->setPendingToneText(QStringLiteral("D031N"));
    QCOMPARE(int(f.model->click(QModelIndex()).action), int(Click::Nothing));
    QCOMPARE(f.text(Row + 1, 4), QStringLiteral("D031N"));
    f.model->click(f.at(Row + 1, 4));

    // Locking stores it too, as the list loses the focus to the menu.
    f.model->setPendingToneText(QStringLiteral("71.9"));
    f.model->setLocked(true);
    QCOMPARE(f.text(Row + 1, 4), QStringLiteral("71.9"));
    QVERIFY(!f.model->hasPendingTone());

    // A click that only opens the list changes nothing and brackets nothing.
    f.model->setLocked(false);
    recorder.outerPairs = 0;
    f.model->click(f.at(Row, 3));
    QCOMPARE(recorder.outerPairs, 0);
}

void TestChannelEditing::pendingToneOfOldDataIsDropped() {
    ChannelFixture f;
    f.setRecord(Row, Record440);
    f.model->click(f.at(Row, 3));
    f.model->setPendingToneText(QStringLiteral("D025N"));
    // Other data replaces the image: the list was over the old data.
    QVERIFY(f.openFile(f.context->appFile(AppContext::FactoryFileName)));
    f.model->reloadFromImage();
    const ChannelTable opened = f.model->table();
    QVERIFY(!f.model->hasPendingTone());
    f.model->click(f.at(1, 5));
    QVERIFY(f.model->table() == opened);

    // A deleted channel has no tone list either.
    f.setRecord(Row, Record440);
    f.model->click(f.at(Row, 4));
    QVERIFY(f.model->deleteChannel(Row));
    QVERIFY(!f.model->storePendingTone(QStringLiteral("D025N")));
    QCOMPARE(f.rowTexts(Row), QStringList(13, QString()));
}

void TestChannelEditing::cancelledToneIsNotStored() {
    ChannelFixture f;
    f.setRecord(Row, Record440);
    const ChannelTable before = f.model->table();
    EditRecorder recorder(*f.model);
    f.model->click(f.at(Row, 3));
    f.model->setPendingToneText(QStringLiteral("D025N"));
    f.model->cancelPendingTone();
    QVERIFY(!f.model->hasPendingTone());
    // Neither the next click nor a save stores what was typed before the list was cancelled.
    f.model->click(f.at(Row, 5));
    QVERIFY(!f.model->storePendingTone());
    QVERIFY(f.model->table() == before);
    QCOMPARE(f.text(Row, 4), QStringLiteral("D023N"));
    QCOMPARE(recorder.outerPairs, 0);
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
    QVERIFY(!f.model->setData(f.at(Row, 5), 1));
    QVERIFY(!f.model->setData(f.at(Row, 3), QStringLiteral("D023N")));
    QCOMPARE(int(f.model->click(f.at(Row, 3)).action), int(Click::Nothing));
    QVERIFY(!f.model->hasPendingTone());
    QVERIFY(!f.model->doubleClick(f.at(Row + 1, 2)));
    QVERIFY(!f.model->doubleClick(f.at(Row, 5)));
    QVERIFY(!f.model->deleteChannel(Row));
    QVERIFY(!f.model->deleteAllChannels());

    QVERIFY(f.model->table() == table);
    QVERIFY(f.data->image == image);
    QCOMPARE(recorder.outerPairs, 0);
    QCOMPARE(f.model->highlightedChannel(), 0);

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
    QTest::newRow("commit tone") << 3 << "channel 6 column 3";
    QTest::newRow("click storing a tone") << 4 << "channel 6 column 4";
    QTest::newRow("double-click") << 5 << "channel 6 column 8";
    QTest::newRow("delete channel") << 6 << "";
    QTest::newRow("delete all channels") << 7 << "";
}

void TestChannelEditing::oneOuterEditPairPerAction() {
    QFETCH(int, action);
    QFETCH(QString, mergeKey);
    ChannelFixture f;
    f.setRecord(Row, Record440);
    f.setRecord(Row + 2, Record440);
    if (action == 4)
        f.model->click(f.at(Row, 4));
    EditRecorder recorder(*f.model);
    switch (action) {
    case 0:
        QVERIFY(f.type(Row, 1, QStringLiteral("441")));
        break;
    case 1:
        QVERIFY(f.type(Row, 2, QString()));
        break;
    case 2:
        QVERIFY(f.model->setData(f.at(Row, 9), 1));
        break;
    case 3:
        QVERIFY(f.model->setData(f.at(Row, 3), QStringLiteral("D023N")));
        break;
    case 4:
        f.model->setPendingToneText(QStringLiteral("D023I"));
        f.model->click(f.at(Row, 1));
        break;
    case 5:
        QVERIFY(f.model->doubleClick(f.at(Row, 8)));
        break;
    case 6:
        QVERIFY(f.model->deleteChannel(Row));
        break;
    case 7:
        QVERIFY(f.model->deleteAllChannels());
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
    QVERIFY(f.model->deleteAllChannels());
    const RadioImage& templateFile = f.data->templateFile;
    for (int n = 1; n <= 16; ++n) {
        QCOMPARE(f.rowTexts(n), QStringList(13, QString()));
        QCOMPARE(f.record(n), templateFile.mid(ChannelTable::recordAddress(n) + datafile::HeaderSize, 16));
    }
}

QTEST_MAIN(TestChannelEditing)
#include "tst_channelediting.moc"
