#include "ChannelFixture.h"
#include "core/ChannelTableDef.h"
#include "core/ToneCodec.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QSignalSpy>
#include <QTest>

using namespace qrt;
using namespace qrt::test;
using channels::ChannelGridModel;
using channels::ChannelTableModel;

namespace {

// The fixture's sources with another table definition and other colour numbers.
channels::ChannelTableSources variant(ChannelFixture& f, const ChannelTableDef& def, int outOfBand = 255,
                                      int inBand = 0) {
    const channels::ChannelTableSources s = f.sources();
    return {s.table, s.image,      s.templateFile, def,          s.codec,   s.tones,
            s.texts, s.extraTexts, s.log,          s.bandLimits, outOfBand, inBand};
}

QColor foreground(const ChannelGridModel& model, int channel, int column) {
    return model.data(model.cell(channel, column), Qt::ForegroundRole).value<QBrush>().color();
}

} // namespace

class TestChannelTableModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void passesTheModelTester();
    void shapeAndHeaders();
    void editorKindsAndOptionLists();
    void cellTexts_data();
    void cellTexts();
    void bandColours_data();
    void bandColours();
    void colourNumbersAreBlueGreenRed();
    void definitionWithNameColumn();
    void definitionWithNineColumns();
    void optionValueWithoutText();
    void reloadResetsWithoutUserEdit();
    void restoreTableReplacesTheTable();
    void deleteMenuCaptions_data();
    void deleteMenuCaptions();
};

void TestChannelTableModel::passesTheModelTester() {
    ChannelFixture f;
    QAbstractItemModelTester tester(f.grid.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(f.openFile(f.context->appFile(AppContext::FactoryFileName)));
    f.model->reloadFromImage();
    QVERIFY(f.grid->setData(f.at(9, 1), QStringLiteral("446.1")));
    QVERIFY(f.grid->setData(f.at(1, 5), 1));
    f.grid->setHighlightedChannel(2);
    QVERIFY(f.grid->setData(f.at(2, 3), QStringLiteral("D023I")));
    QVERIFY(f.model->cycleOption(3, 8));
    f.model->setLocked(true);
    f.model->setLocked(false);
    QVERIFY(f.model->deleteChannel(1));
    f.model->encodeIntoImage();
    QVERIFY(f.model->deleteAll());
}

void TestChannelTableModel::shapeAndHeaders() {
    ChannelFixture f;
    const ChannelGridModel& m = *f.grid;
    QCOMPARE(m.rowCount(), 16);
    QCOMPARE(m.columnCount(), 13);
    QCOMPARE(f.model->cornerCaption(), QStringLiteral("CH"));
    QCOMPARE(m.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Rx Freq[MHz]"));
    QCOMPARE(m.headerData(12, Qt::Horizontal).toString(), QStringLiteral("Talk Around"));
    QCOMPARE(m.headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
    QCOMPARE(m.headerData(15, Qt::Vertical).toString(), QStringLiteral("16"));
    QCOMPARE(m.headerData(16, Qt::Vertical), QVariant());
    QCOMPARE(f.model->rowLabel(100), QStringLiteral("VFO"));
    QCOMPARE(f.model->rowLabel(101), QString());
    // Widths and the row height in twips, at 15 twips a pixel.
    QCOMPARE(m.headerData(0, Qt::Horizontal, Qt::SizeHintRole).toSize(), QSize(1300 / 15, 300 / 15));
    QCOMPARE(m.headerData(0, Qt::Vertical, Qt::SizeHintRole).toSize(), QSize(500 / 15, 300 / 15));
    QCOMPARE(m.cell(1, 1), m.index(0, 0));
    QCOMPARE(m.cell(16, 13), m.index(15, 12));
    QVERIFY(!m.cell(17, 1).isValid());
    QVERIFY(!m.cell(1, 14).isValid());
    QVERIFY(!m.cell(0, 1).isValid());
}

void TestChannelTableModel::editorKindsAndOptionLists() {
    ChannelFixture f;
    const ChannelGridModel& m = *f.grid;
    const QList<int> kinds = {ChannelTableModel::FrequencyColumn, ChannelTableModel::FrequencyColumn,
                              ChannelTableModel::ToneColumn, ChannelTableModel::ToneColumn,
                              ChannelTableModel::OptionColumn};
    for (int c = 1; c <= 13; ++c) {
        QCOMPARE(m.data(m.cell(1, c), ChannelGridModel::ColumnKindRole).toInt(), kinds.value(c - 1, kinds.last()));
        QCOMPARE(int(f.model->columnKind(c)), kinds.value(c - 1, kinds.last()));
    }

    const QStringList tones = m.data(m.cell(1, 3), ChannelGridModel::OptionListRole).toStringList();
    QCOMPARE(tones.size(), 261);
    QCOMPARE(tones.first(), QStringLiteral("None"));
    QCOMPARE(tones.at(1), QStringLiteral("67.0"));
    QCOMPARE(tones.at(51), QStringLiteral("D023N"));
    QCOMPARE(tones.last(), QStringLiteral("D754I"));
    QCOMPARE(m.data(m.cell(1, 4), ChannelGridModel::OptionListRole).toStringList(), tones);
    QCOMPARE(m.data(m.cell(1, 5), ChannelGridModel::OptionListRole).toStringList(), (QStringList{"Wide", "Narrow"}));
    QCOMPARE(m.data(m.cell(1, 10), ChannelGridModel::OptionListRole).toStringList(),
             (QStringList{"Off", "BOT", "EOT", "BOT+EOT"}));
    QCOMPARE(m.data(m.cell(1, 1), ChannelGridModel::OptionListRole), QVariant());
}

void TestChannelTableModel::cellTexts_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("in use") << QByteArray(Record440)
                            << QStringList{"440.15", "440.15", "67.0", "D023N", "Wide", "High", "On",
                                           "Off",    "Off",    "Off",  "Off",   "Off",  "Off"};
    QTest::newRow("out of band, whole megahertz")
        << QByteArray(Record136)
        << QStringList{"136", "136", "None", "None", "Wide", "High", "On", "Off", "Off", "Off", "Off", "Off", "Off"};
    QTest::newRow("receive only hides the encode tone")
        << QByteArray(RecordReceiveOnly)
        << QStringList{"440.15", "", "67.0", "", "Wide", "High", "On", "Off", "Off", "Off", "Off", "Off", "Off"};
    QTest::newRow("empty") << QByteArray(RecordEmpty) << QStringList(13, QString());
    QTest::newRow("options") << QByteArray("0050014400500144FFFFFFFF"
                                           "22B00107")
                             << QStringList{"440.15", "440.15", "None", "None", "Narrow", "Low", "On",
                                            "Off",    "On",     "EOT",  "DTMF", "7",      "On"};
    QTest::newRow("odd steps") << QByteArray("0025014450625014FFFFFFFF"
                                             "00000000")
                               << QStringList{"440.125", "145.0625", "None", "None", "Wide", "High", "On",
                                              "Off",     "Off",      "Off",  "Off",  "Off",  "Off"};
}

void TestChannelTableModel::cellTexts() {
    QFETCH(QByteArray, record);
    QFETCH(QStringList, texts);
    ChannelFixture f;
    f.setRecord(4, record.constData());
    QCOMPARE(f.rowTexts(4), texts);
    for (int c = 1; c <= 13; ++c)
        QCOMPARE(f.grid->data(f.at(4, c)).toString(), texts.at(c - 1));
    QCOMPARE(f.logged, QStringList());
}

void TestChannelTableModel::bandColours_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QColor>("receive");
    QTest::addColumn<QColor>("transmit");
    const QColor red(255, 0, 0), black(0, 0, 0);
    QTest::newRow("in band") << QByteArray(Record440) << black << black;
    QTest::newRow("out of band") << QByteArray(Record136) << red << red;
    QTest::newRow("only transmit out of band") << QByteArray("0000004700050047FFFFFFFF00000000") << black << red;
    QTest::newRow("band limits are inside") << QByteArray("0000004000000047FFFFFFFF00000000") << black << black;
    QTest::newRow("empty transmit cell") << QByteArray(RecordReceiveOnly) << black << black;
    QTest::newRow("empty channel") << QByteArray(RecordEmpty) << black << black;
}

void TestChannelTableModel::bandColours() {
    QFETCH(QByteArray, record);
    QFETCH(QColor, receive);
    QFETCH(QColor, transmit);
    ChannelFixture f;
    f.setRecord(2, record.constData());
    QCOMPARE(foreground(*f.grid, 2, 1), receive);
    QCOMPARE(foreground(*f.grid, 2, 2), transmit);
    QCOMPARE(f.grid->data(f.at(2, 5), Qt::ForegroundRole), QVariant());
}

void TestChannelTableModel::colourNumbersAreBlueGreenRed() {
    ChannelFixture f;
    ChannelTableModel model(variant(f, f.context->channelDef(), 0x123456, 0xABCDEF));
    ChannelGridModel grid(model);
    f.setRecord(1, Record136);
    f.setRecord(2, Record440);
    QCOMPARE(foreground(grid, 1, 1), QColor(0x56, 0x34, 0x12));
    QCOMPARE(foreground(grid, 2, 1), QColor(0xEF, 0xCD, 0xAB));
    // The band is asked each time: after a band change the same frequency is in band.
    f.chooseBand(0); // 134 - 174 MHz rebuilds the data from the template
    f.model->reloadFromImage();
    f.setRecord(1, Record136);
    QCOMPARE(foreground(grid, 1, 1), QColor(0xEF, 0xCD, 0xAB));
}

void TestChannelTableModel::definitionWithNameColumn() {
    ChannelFixture f;
    ChannelTableDef def = f.context->channelDef();
    def.colCount = 20;
    def.items.resize(21);
    for (int c = 14; c < 20; ++c)
        def.items[c] = QStringList{"A|B|C", "3", "2", "A", "B", "C"};
    def.items[20] = QStringList{"CHNAME", "0", "0"};
    ChannelTableModel model(variant(f, def));
    ChannelGridModel grid(model);
    QAbstractItemModelTester tester(&grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(grid.columnCount(), 20);
    f.setRecord(1, Record440);
    model.reloadFromImage();
    QCOMPARE(model.cellText(1, 14), QStringLiteral("A"));
    QCOMPARE(model.cellText(1, 20), QString());
    QVERIFY(!model.canEdit(1, 20));
    QVERIFY(!model.cycleOption(1, 20));
    QVERIFY(model.cycleOption(1, 14));
    QCOMPARE(model.cellText(1, 14), QStringLiteral("B"));
    // The name column is never filled, so a row is never complete and an edit does not encode.
    const RadioImage before = f.data->image;
    QVERIFY(model.setReceiveFrequency(1, QStringLiteral("441")));
    QVERIFY(f.data->image == before);
}

void TestChannelTableModel::definitionWithNineColumns() {
    ChannelFixture f;
    ChannelTableDef def = f.context->channelDef();
    def.colCount = 9;
    def.items.resize(10);
    ChannelTableModel model(variant(f, def));
    ChannelGridModel grid(model);
    QCOMPARE(grid.columnCount(), 9);
    QVERIFY(!grid.cell(1, 10).isValid());
    QCOMPARE(model.cellText(1, 20), QString());
    // A complete row of nine columns is encoded.
    QVERIFY(grid.setData(grid.cell(3, 1), QStringLiteral("441")));
    QCOMPARE(f.record(3).left(4), QByteArray::fromHex("00001044"));
}

void TestChannelTableModel::optionValueWithoutText() {
    ChannelFixture f;
    // Column 12 (scrambler) holds 0..7 and the settings give eight texts; a shorter
    // list leaves a value without text: the cell shows nothing and the redisplay logs it.
    ChannelTableDef def = f.context->channelDef();
    def.items[12] = QStringList{"Off|1", "2", "0", "Off", "1"};
    ChannelTableModel model(variant(f, def));
    ChannelGridModel grid(model);
    f.data->image.write(0x10 * 5, QByteArray::fromHex("0050014400500144FFFFFFFF00000005"));
    model.reloadFromImage();
    QCOMPARE(model.cellText(5, 12), QString());
    QCOMPARE(model.cellText(5, 13), QStringLiteral("Off"));
    QCOMPARE(f.logged.size(), 1);
    QVERIFY(f.logged.first().contains(QStringLiteral("modChMem->ChParaShow")));
    QCOMPARE(grid.data(grid.cell(5, 12), Qt::EditRole).toInt(), 5);
}

void TestChannelTableModel::reloadResetsWithoutUserEdit() {
    ChannelFixture f;
    QSignalSpy reset(f.grid.get(), &ChannelGridModel::modelReset);
    QSignalSpy started(f.model.get(), &ChannelTableModel::userEditStarted);
    f.data->image.write(0x10 * 7, QByteArray::fromHex(Record440));
    QCOMPARE(f.text(7, 1), QString()); // the table changes only on a redisplay
    f.model->reloadFromImage();
    QCOMPARE(f.text(7, 1), QStringLiteral("440.15"));
    f.model->encodeIntoImage();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(started.count(), 0);
}

void TestChannelTableModel::restoreTableReplacesTheTable() {
    ChannelFixture f;
    const ChannelTable empty = f.model->table();
    QVERIFY(f.type(3, 1, QStringLiteral("440")));
    const ChannelTable edited = f.model->table();
    QVERIFY(!(edited == empty));
    QSignalSpy reset(f.grid.get(), &ChannelGridModel::modelReset);
    QSignalSpy started(f.model.get(), &ChannelTableModel::userEditStarted);
    f.model->restoreTable(empty);
    QVERIFY(f.model->table() == empty);
    QCOMPARE(f.text(3, 1), QString());
    f.model->restoreTable(edited);
    QCOMPARE(f.text(3, 1), QStringLiteral("440"));
    QCOMPARE(reset.count(), 2);
    QCOMPARE(started.count(), 0);
}

void TestChannelTableModel::deleteMenuCaptions_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("deleteOne");
    QTest::addColumn<QString>("deleteAll");
    QTest::newRow("English") << Language::English << "Delete channel 3"
                             << "Delete all channels";
    QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese << "删除信道 3"
                                        << "删除所有信道";
}

void TestChannelTableModel::deleteMenuCaptions() {
    QFETCH(Language, language);
    QFETCH(QString, deleteOne);
    QFETCH(QString, deleteAll);
    ChannelFixture f(language);
    QCOMPARE(f.model->deleteChannelCaption(3), deleteOne);
    QCOMPARE(f.model->deleteAllChannelsCaption(), deleteAll);
    // An empty row: "Delete channel n" disabled, "Delete all channels" enabled.
    QVERIFY(!f.model->canDeleteChannel(3));
    QVERIFY(f.model->canDeleteAllChannels());
    f.setRecord(3, Record440);
    QVERIFY(f.model->canDeleteChannel(3));
    QVERIFY(!f.model->canDeleteChannel(0));
    QVERIFY(!f.model->canDeleteChannel(17));
    // The channel lock disables both.
    f.model->setLocked(true);
    QVERIFY(!f.model->canDeleteChannel(3));
    QVERIFY(!f.model->canDeleteAllChannels());
}

QTEST_MAIN(TestChannelTableModel)
#include "tst_channeltablemodel.moc"
