#include "ChannelFixture.h"
#include "gui/channels/ChannelGridGestures.h"

#include <QBrush>
#include <QTest>

using namespace qrt;
using namespace qrt::test;
using channels::ChannelGridModel;
using gui::ChannelGridGestures;
using Click = ChannelGridGestures::ClickResult;

namespace {

constexpr int Row = 6;

// The channel fixture with the grid's gestures over its grid model.
struct GestureFixture : ChannelFixture {
    GestureFixture() : gestures(*grid) {}
    ChannelGridGestures gestures;
};

} // namespace

class TestChannelGridGestures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void click_data();
    void click();
    void doubleClick_data();
    void doubleClick();
    void storingThePendingTone_data();
    void storingThePendingTone();
    void pendingToneIsNeverLost();
    void pendingToneOfOldDataIsDropped();
    void cancelledToneIsNotStored();
    void lockedGesturesDoNothing();
    void clickStoringAToneIsOneEdit();
};

void TestChannelGridGestures::click_data() {
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

void TestChannelGridGestures::click() {
    QFETCH(QByteArray, record);
    QFETCH(int, column);
    QFETCH(int, action);
    QFETCH(int, targetColumn);
    QFETCH(QString, tone);
    GestureFixture f;
    f.setRecord(Row, record.constData());
    const ChannelTable table = f.model->table();
    const Click result = f.gestures.click(f.at(Row, column));
    QCOMPARE(int(result.action), action);
    QCOMPARE(result.cell, f.at(Row, targetColumn));
    QCOMPARE(result.toneText, tone);
    QCOMPARE(f.gestures.hasPendingTone(), action == Click::OpenToneList);
    QVERIFY(f.model->table() == table);
    // The clicked row is highlighted until the next click.
    QCOMPARE(f.gestures.highlightedChannel(), Row);
    QCOMPARE(f.grid->data(f.at(Row, 12), Qt::BackgroundRole).value<QBrush>().color(),
             ChannelGridModel::highlightColor());
    QCOMPARE(f.grid->data(f.at(Row + 1, 12), Qt::BackgroundRole), QVariant());
    QCOMPARE(int(f.gestures.click(QModelIndex()).action), int(Click::Nothing));
    QCOMPARE(f.gestures.highlightedChannel(), 0);
    QVERIFY(!f.gestures.hasPendingTone());
}

// What a double-click means in each column: one named edit, or nothing.
void TestChannelGridGestures::doubleClick_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("edit"); // the named edit it stands for; empty: nothing done
    QTest::newRow("empty transmit") << QByteArray(RecordReceiveOnly) << 2 << "copyReceiveToTransmit";
    QTest::newRow("transmit present") << QByteArray(Record440) << 2 << "";
    QTest::newRow("receive") << QByteArray(Record440) << 1 << "";
    QTest::newRow("decode tone") << QByteArray(Record440) << 3 << "copyToneAcross";
    QTest::newRow("encode tone") << QByteArray(Record440) << 4 << "copyToneAcross";
    QTest::newRow("decode without transmit") << QByteArray(RecordReceiveOnly) << 3 << "";
    QTest::newRow("empty channel") << QByteArray(RecordEmpty) << 5 << "";
    QTest::newRow("option") << QByteArray(Record440) << 5 << "cycleOption";
}

void TestChannelGridGestures::doubleClick() {
    QFETCH(QByteArray, record);
    QFETCH(int, column);
    QFETCH(QString, edit);
    GestureFixture f;
    ChannelFixture expected;
    f.setRecord(Row, record.constData());
    expected.setRecord(Row, record.constData());
    const ChannelTable before = f.model->table();
    const RadioImage image = f.data->image;
    QCOMPARE(f.gestures.doubleClick(f.at(Row, column)), !edit.isEmpty());
    if (edit == QLatin1String("copyReceiveToTransmit"))
        QVERIFY(expected.model->copyReceiveToTransmit(Row));
    else if (edit == QLatin1String("copyToneAcross"))
        QVERIFY(expected.model->copyToneAcross(Row, column));
    else if (edit == QLatin1String("cycleOption"))
        QVERIFY(expected.model->cycleOption(Row, column));
    QVERIFY(f.model->table() == expected.model->table());
    QCOMPARE(f.model->table() == before, edit.isEmpty());
    // A double-click is not encoded at once.
    QVERIFY(f.data->image == image);
    QVERIFY(!f.gestures.doubleClick(QModelIndex()));
}

void TestChannelGridGestures::storingThePendingTone_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::newRow("decode tone") << QByteArray(Record440) << 3 << "88.52";
    QTest::newRow("encode tone") << QByteArray(Record440) << 4 << "023i";
    QTest::newRow("unreadable decode tone") << QByteArray(Record440) << 3 << "25";
    QTest::newRow("unreadable encode tone") << QByteArray(Record440) << 4 << "D089N";
    QTest::newRow("from the list") << QByteArray(Record440) << 3 << "D754I";
    QTest::newRow("receive-only channel") << QByteArray(RecordReceiveOnly) << 3 << "D754N";
}

void TestChannelGridGestures::storingThePendingTone() {
    QFETCH(QByteArray, record);
    QFETCH(int, column);
    QFETCH(QString, typed);
    // The tone list left after typing stores what the named edit stores.
    GestureFixture f;
    ChannelFixture g;
    f.setRecord(Row, record.constData());
    g.setRecord(Row, record.constData());
    const RadioImage before = f.data->image;
    QCOMPARE(int(f.gestures.click(f.at(Row, column)).action), int(Click::OpenToneList));
    f.gestures.setPendingToneText(typed);
    QVERIFY(f.gestures.storePendingTone());
    QVERIFY(g.model->setTone(Row, column, typed));

    QVERIFY(g.model->table() == f.model->table());
    QVERIFY(!f.gestures.hasPendingTone());
    QVERIFY(!f.gestures.storePendingTone());
    QVERIFY(f.data->image == before);
}

void TestChannelGridGestures::pendingToneIsNeverLost() {
    GestureFixture f;
    f.setRecord(Row, Record440);
    f.setRecord(Row + 1, Record440);

    // The next click stores the tone being chosen before it does anything else.
    f.gestures.click(f.at(Row, 3));
    f.gestures.setPendingToneText(QStringLiteral("D025N"));
    EditRecorder recorder(*f.model);
    const Click next = f.gestures.click(f.at(Row + 1, 4));
    QCOMPARE(f.text(Row, 3), QStringLiteral("D025N"));
    QCOMPARE(f.text(Row, 4), QStringLiteral("D025N"));
    QCOMPARE(recorder.outerPairs, 1);
    QCOMPARE(next.action, Click::OpenToneList);
    QCOMPARE(f.gestures.pendingToneCell(), f.at(Row + 1, 4));

    // So does a click outside the cells.
    f.gestures.setPendingToneText(QStringLiteral("D031N"));
    QCOMPARE(int(f.gestures.click(QModelIndex()).action), int(Click::Nothing));
    QCOMPARE(f.text(Row + 1, 4), QStringLiteral("D031N"));
    f.gestures.click(f.at(Row + 1, 4));

    // Locking stores it too, as the list loses the focus to the menu.
    f.gestures.setPendingToneText(QStringLiteral("71.9"));
    f.model->setLocked(true);
    QCOMPARE(f.text(Row + 1, 4), QStringLiteral("71.9"));
    QVERIFY(!f.gestures.hasPendingTone());

    // A click that only opens the list changes nothing and brackets nothing.
    f.model->setLocked(false);
    recorder.outerPairs = 0;
    f.gestures.click(f.at(Row, 3));
    QCOMPARE(recorder.outerPairs, 0);
}

void TestChannelGridGestures::pendingToneOfOldDataIsDropped() {
    GestureFixture f;
    f.setRecord(Row, Record440);
    f.gestures.click(f.at(Row, 3));
    f.gestures.setPendingToneText(QStringLiteral("D025N"));
    // Other data replaces the image: the list was over the old data.
    QVERIFY(f.openFile(f.context->appFile(AppContext::FactoryFileName)));
    f.model->reloadFromImage();
    const ChannelTable opened = f.model->table();
    QVERIFY(!f.gestures.hasPendingTone());
    QCOMPARE(f.gestures.highlightedChannel(), 0);
    f.gestures.click(f.at(1, 5));
    QVERIFY(f.model->table() == opened);

    // A deleted channel has no tone list either.
    f.setRecord(Row, Record440);
    f.gestures.click(f.at(Row, 4));
    QVERIFY(f.model->deleteChannel(Row));
    QVERIFY(!f.gestures.storePendingTone(QStringLiteral("D025N")));
    QCOMPARE(f.rowTexts(Row), QStringList(13, QString()));
}

void TestChannelGridGestures::cancelledToneIsNotStored() {
    GestureFixture f;
    f.setRecord(Row, Record440);
    const ChannelTable before = f.model->table();
    EditRecorder recorder(*f.model);
    f.gestures.click(f.at(Row, 3));
    f.gestures.setPendingToneText(QStringLiteral("D025N"));
    f.gestures.cancelPendingTone();
    QVERIFY(!f.gestures.hasPendingTone());
    // Neither the next click nor a save stores what was typed before the list was cancelled.
    f.gestures.click(f.at(Row, 5));
    QVERIFY(!f.gestures.storePendingTone());
    QVERIFY(f.model->table() == before);
    QCOMPARE(f.text(Row, 4), QStringLiteral("D023N"));
    QCOMPARE(recorder.outerPairs, 0);
}

void TestChannelGridGestures::lockedGesturesDoNothing() {
    GestureFixture f;
    f.setRecord(Row, Record440);
    f.setRecord(Row + 1, RecordReceiveOnly);
    f.model->setLocked(true);
    const ChannelTable table = f.model->table();
    EditRecorder recorder(*f.model);
    QCOMPARE(int(f.gestures.click(f.at(Row, 3)).action), int(Click::Nothing));
    QVERIFY(!f.gestures.hasPendingTone());
    QVERIFY(!f.gestures.doubleClick(f.at(Row + 1, 2)));
    QVERIFY(!f.gestures.doubleClick(f.at(Row, 5)));
    QVERIFY(f.model->table() == table);
    QCOMPARE(recorder.outerPairs, 0);
    QCOMPARE(f.gestures.highlightedChannel(), 0);
}

void TestChannelGridGestures::clickStoringAToneIsOneEdit() {
    GestureFixture f;
    f.setRecord(Row, Record440);
    f.gestures.click(f.at(Row, 4));
    EditRecorder recorder(*f.model);
    f.gestures.setPendingToneText(QStringLiteral("D023I"));
    f.gestures.click(f.at(Row, 1));
    QCOMPARE(recorder.outerPairs, 1);
    QCOMPARE(recorder.depth, 0);
    QVERIFY(!recorder.unbalanced);
    QCOMPARE(recorder.events, (QStringList{"started channel 6 column 4", "changed", "finished"}));
}

QTEST_MAIN(TestChannelGridGestures)
#include "tst_channelgridgestures.moc"
