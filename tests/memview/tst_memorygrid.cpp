#include "TestSupport.h"
#include "channels/ChannelTableModel.h"
#include "core/AppContext.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "memview/MemoryGridModel.h"
#include "options/SettingsModel.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

using namespace qrt;
using memview::MemoryGridModel;

namespace {

// A free area of the image that no refresh repairs.
constexpr int FreeRow = 0x1010;

// The program started in English with the factory data, and a grid over its image.
struct Grid {
    explicit Grid(int tableMaxAddr = 0x1FFF) {
        context = std::make_unique<AppContext>(dir.path());
        document = startProgram(*context, Language::English);
        document->openFile(dir.filePath(AppContext::FactoryFileName));
        model = std::make_unique<MemoryGridModel>(*document, tableMaxAddr);
    }
    QByteArray bytes() const { return document->image().bytes(); }
    QString cell(int address) const { return model->indexOf(address).data().toString(); }
    bool edit(int address, const QString& text) { return model->setData(model->indexOf(address), text); }
    // The radio changing bytes behind the viewer's back.
    void radioWrites(int address, const QByteArray& data) {
        QByteArray image = bytes();
        image.replace(address, data.size(), data);
        document->applyRadioWrite(image);
    }
    QList<int> marked() const {
        QList<int> addresses;
        for (int a = 0; a <= model->lastAddress(); ++a)
            if (model->isMarked(a))
                addresses << a;
        return addresses;
    }

    test::TempAppDir dir;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<Document> document;
    std::unique_ptr<MemoryGridModel> model;
};

QList<int> range(int first, int count) {
    QList<int> addresses;
    for (int a = first; a < first + count; ++a)
        addresses << a;
    return addresses;
}

} // namespace

class TestMemoryGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowsFollowTheHighestAddress_data();
    void rowsFollowTheHighestAddress();
    void cellsShowTheImage();
    void passesTheModelTester();
    void typedCellIsStoredAsOneUndoStep_data();
    void typedCellIsStoredAsOneUndoStep();
    void refusedCellChangesNothing_data();
    void refusedCellChangesNothing();
    void bytesAreStoredExactlyAsGiven_data();
    void bytesAreStoredExactlyAsGiven();
    void editKeepsChangesTheGridHadNotShownYet();
    void editKeepsChannelRowsNotYetEncoded();
    void refreshMarksExactlyTheChangedBytes();
    void gridFollowsTheDocument();
    void laterHighestAddressLimitsReach();
    void fillSetsTheRangeAsOneStep_data();
    void fillSetsTheRangeAsOneStep();
    void writeBytesRefusesBytesOutsideTheImage();
};

void TestMemoryGrid::rowsFollowTheHighestAddress_data() {
    QTest::addColumn<int>("tableMaxAddr");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("lastLabel");
    QTest::addColumn<int>("lastAddress");
    QTest::newRow("default 1FFF") << 0x1FFF << 512 << "1FF0H" << 0x1FFF;
    QTest::newRow("3FF") << 0x3FF << 64 << "03F0H" << 0x3FF;
    // 0x400 is not below itself: the byte at 0x400 has no row.
    QTest::newRow("400") << 0x400 << 64 << "03F0H" << 0x3FF;
    QTest::newRow("10") << 0x10 << 1 << "0000H" << 0xF;
    QTest::newRow("zero") << 0 << 0 << "" << -1;
    // Rows beyond the image show nothing and cannot be edited.
    QTest::newRow("FFFF beyond the image") << 0xFFFF << 4096 << "FFF0H" << 0x1FFF;
}

void TestMemoryGrid::rowsFollowTheHighestAddress() {
    QFETCH(int, tableMaxAddr);
    QFETCH(int, rows);
    QFETCH(QString, lastLabel);
    QFETCH(int, lastAddress);
    Grid g(tableMaxAddr);
    QCOMPARE(g.model->rowCount(), rows);
    QCOMPARE(g.model->columnCount(), 16);
    QCOMPARE(g.model->headerData(rows - 1, Qt::Vertical).toString(), lastLabel);
    QCOMPARE(g.model->lastAddress(), lastAddress);
    if (rows * 16 - 1 > lastAddress) {
        const QModelIndex beyond = g.model->indexOf(lastAddress + 1);
        QCOMPARE(beyond.data().toString(), QString());
        QVERIFY(!(g.model->flags(beyond) & Qt::ItemIsEditable));
        QVERIFY(!g.model->setData(beyond, QStringLiteral("01")));
    }
}

void TestMemoryGrid::cellsShowTheImage() {
    Grid g;
    QCOMPARE(g.model->headerData(0, Qt::Vertical).toString(), QStringLiteral("0000H"));
    QCOMPARE(g.model->headerData(1, Qt::Vertical).toString(), QStringLiteral("0010H"));
    QStringList titles;
    for (int c = 0; c < 16; ++c)
        titles << g.model->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(titles.join(QString()), QStringLiteral("0123456789ABCDEF"));
    const QByteArray image = g.bytes();
    for (int a = 0; a <= 0x1FFF; ++a)
        QCOMPARE(g.cell(a), QStringLiteral("%1").arg(quint8(image.at(a)), 2, 16, QLatin1Char('0')).toUpper());
    // The first refresh marks nothing.
    QCOMPARE(g.model->markedCount(), 0);

    g.radioWrites(0x000A, QByteArray(1, '\x0A'));
    g.model->refresh();
    QCOMPARE(g.model->indexOf(0x000A).data(Qt::ToolTipRole).toString(),
             QStringLiteral("地址为: 0x000A    二进制:00001010    B7:0 B6:0 B5:0 B4:0   B3:1 B2:0 B1:1 B0:0     "
                            "十进制10    \r\n"));
}

void TestMemoryGrid::passesTheModelTester() {
    Grid g(0x3FF);
    QAbstractItemModelTester tester(g.model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    g.edit(FreeRow - 0x1000 + 0x300, QStringLiteral("5A"));
    g.model->refreshNow();
    g.model->clearMarks();
}

void TestMemoryGrid::typedCellIsStoredAsOneUndoStep_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");
    QTest::newRow("1A at 0123") << 0x0123 << "1A" << 0x1A;
    QTest::newRow("lower case") << FreeRow << "be" << 0xBE;
    QTest::newRow("one digit") << FreeRow + 1 << "7" << 0x07;
    QTest::newRow("blanks around") << FreeRow + 2 << " C3 " << 0xC3;
    QTest::newRow("blank stores 0") << FreeRow + 3 << "" << 0x00;
    QTest::newRow("last byte") << 0x1FFF << "FF" << 0xFF;
}

void TestMemoryGrid::typedCellIsStoredAsOneUndoStep() {
    QFETCH(int, address);
    QFETCH(QString, typed);
    QFETCH(int, stored);
    Grid g;
    g.radioWrites(FreeRow, QByteArray(16, '\x55'));
    g.model->refresh();
    g.model->clearMarks();
    QByteArray expected = g.bytes();
    expected[address] = char(stored);
    const QByteArray before = g.bytes();
    const int steps = g.document->undoStack().count();

    QVERIFY(g.edit(address, typed));
    QCOMPARE(g.bytes(), expected);
    QCOMPARE(g.document->undoStack().count(), steps + 1);
    QCoreApplication::processEvents();
    QCOMPARE(g.cell(address), QStringLiteral("%1").arg(stored, 2, 16, QLatin1Char('0')).toUpper());
    // The typed value is what the cell showed last: it is not marked as a change.
    QCOMPARE(g.marked(), QList<int>());

    g.document->undoStack().undo();
    QCOMPARE(g.bytes(), before);
    QTRY_COMPARE(g.marked(), QList<int>{address});
}

void TestMemoryGrid::refusedCellChangesNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("three digits") << "1FF";
    QTest::newRow("above FF") << "100";
    QTest::newRow("not hexadecimal") << "zz";
    QTest::newRow("half hexadecimal") << "1G";
    QTest::newRow("negative") << "-1";
}

void TestMemoryGrid::refusedCellChangesNothing() {
    QFETCH(QString, typed);
    Grid g;
    const QByteArray before = g.bytes();
    const QString shown = g.cell(FreeRow);
    QVERIFY(!g.edit(FreeRow, typed));
    QCOMPARE(g.bytes(), before);
    QCOMPARE(g.cell(FreeRow), shown);
    QCOMPARE(g.document->undoStack().count(), 0);
}

void TestMemoryGrid::bytesAreStoredExactlyAsGiven_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<QByteArray>("given");
    QTest::addColumn<bool>("typed"); // typed into the first cell, else a part fill
    // Values the refresh after an open would repair: they are stored all the same.
    QTest::newRow("time-out timer 13") << 0x130 << QByteArray::fromHex("13") << true;
    QTest::newRow("model 05") << 0x379 << QByteArray::fromHex("05") << true;
    QTest::newRow("band below 120 MHz") << 0x37A << QByteArray::fromHex("11") << true;
    QTest::newRow("identification") << 0x1B8 << QByteArray::fromHex("00") << true;
    QTest::newRow("fill over options") << 0x130 << QByteArray::fromHex("1313131313") << false;
}

// A memory edit or part fill stores exactly the bytes given: the other views follow the image
// without writing into it, and undo and redo give those bytes back.
void TestMemoryGrid::bytesAreStoredExactlyAsGiven() {
    QFETCH(int, start);
    QFETCH(QByteArray, given);
    QFETCH(bool, typed);
    Grid g;
    const QByteArray before = g.bytes();
    QByteArray expected = before;
    expected.replace(start, given.size(), given);

    if (typed)
        QVERIFY(g.edit(start, QString::fromLatin1(given.toHex())));
    else
        QVERIFY(g.model->fill(start, start + int(given.size()) - 1, quint8(given.at(0))));

    QCOMPARE(g.bytes().toHex(), expected.toHex());
    QCoreApplication::processEvents();
    for (int a = start; a < start + given.size(); ++a)
        QCOMPARE(g.cell(a), QString::fromLatin1(given.mid(a - start, 1).toHex().toUpper()));
    QCOMPARE(g.model->markedCount(), 0);
    g.document->undoStack().undo();
    QCOMPARE(g.bytes().toHex(), before.toHex());
    g.document->undoStack().redo();
    QCOMPARE(g.bytes().toHex(), expected.toHex());
}

void TestMemoryGrid::editKeepsChangesTheGridHadNotShownYet() {
    Grid g;
    // An option changed; the grid has not refreshed yet when the cell is typed.
    options::SettingsModel& settings = g.document->settings();
    const QString name = settings.refreshedNames().first();
    const options::Control* control = settings.control(name);
    QVERIFY(settings.selectItem(name, (control->item + 1) % int(control->items.size())));
    const QByteArray withOption = g.bytes();
    QVERIFY(g.edit(FreeRow, QStringLiteral("42")));
    QByteArray expected = withOption;
    expected[FreeRow] = 0x42;
    QCOMPARE(g.bytes(), expected);
}

void TestMemoryGrid::editKeepsChannelRowsNotYetEncoded() {
    Grid g;
    channels::ChannelTableModel& channels = g.document->channelModel();
    // A new channel with only its receive frequency: the row is encoded on the next save.
    const int row = 15;
    QVERIFY(channels.setReceiveFrequency(row, QStringLiteral("441.5")));
    const QString frequency = channels.cellText(row, 1);
    QVERIFY(g.edit(FreeRow, QStringLiteral("42")));
    QCOMPARE(channels.cellText(row, 1), frequency);
    QCOMPARE(quint8(g.bytes().at(FreeRow)), quint8(0x42));
}

void TestMemoryGrid::refreshMarksExactlyTheChangedBytes() {
    Grid g;
    QSignalSpy lastChanged(g.model.get(), &MemoryGridModel::changeMarked);
    QByteArray changed = g.bytes().mid(FreeRow, 16);
    for (char& byte : changed)
        byte = char(~byte);
    g.radioWrites(FreeRow, changed);
    g.model->refresh();
    QCOMPARE(g.marked(), range(FreeRow, 16));
    QCOMPARE(g.model->indexOf(FreeRow).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    QVERIFY(!g.model->indexOf(FreeRow + 16).data(Qt::ForegroundRole).isValid());
    QCOMPARE(lastChanged.size(), 1);
    QCOMPARE(lastChanged.first().first().toModelIndex(), g.model->indexOf(FreeRow + 15));
    // The refresh asked for by the change itself is the same one: the marks stay.
    QCoreApplication::processEvents();
    QCOMPARE(g.marked(), range(FreeRow, 16));

    g.model->clearMarks();
    QCOMPARE(g.model->markedCount(), 0);
    g.radioWrites(FreeRow, QByteArray(1, char(~changed.at(0))));
    g.model->refreshNow();
    QCOMPARE(g.marked(), QList<int>{FreeRow});
    // A refresh without changes takes the marks away.
    g.model->refreshNow();
    QCOMPARE(g.model->markedCount(), 0);
}

void TestMemoryGrid::gridFollowsTheDocument() {
    Grid g;
    g.radioWrites(FreeRow + 4, QByteArray("\x01\x02", 2));
    QTRY_COMPARE(g.cell(FreeRow + 5), QStringLiteral("02"));
    QCOMPARE(g.marked(), (QList<int>{FreeRow + 4, FreeRow + 5}));

    // A file opened replaces the whole image.
    g.radioWrites(FreeRow, QByteArray(16, '\x77'));
    QTRY_COMPARE(g.cell(FreeRow), QStringLiteral("77"));
    g.document->openFile(g.dir.filePath(AppContext::FactoryFileName));
    QTRY_COMPARE(g.cell(FreeRow),
                 QStringLiteral("%1").arg(quint8(g.bytes().at(FreeRow)), 2, 16, QLatin1Char('0')).toUpper());
}

// A new highest address takes effect at once: the rows follow it, and with them how far
// refresh and editing reach.
void TestMemoryGrid::laterHighestAddressLimitsReach() {
    Grid g;
    g.radioWrites(0x20, QByteArray(1, char(~g.bytes().at(0x20))));
    g.model->refresh();
    g.model->setTableMaxAddr(0x0FFF);
    QCOMPARE(g.model->rowCount(), 256);
    QCOMPARE(g.model->lastAddress(), 0x0FFF);
    QVERIFY(!g.edit(FreeRow, QStringLiteral("01")));
    // The rows that stay keep their marks.
    QCOMPARE(g.marked(), QList<int>{0x20});

    // Rows added later show the image at once, unmarked.
    Grid small(0x3FF);
    QCOMPARE(small.model->rowCount(), 64);
    small.model->setTableMaxAddr(0x1FFF);
    QCOMPARE(small.model->rowCount(), 512);
    QCOMPARE(small.model->lastAddress(), 0x1FFF);
    QCOMPARE(small.cell(FreeRow),
             QStringLiteral("%1").arg(quint8(small.bytes().at(FreeRow)), 2, 16, QLatin1Char('0')).toUpper());
    QCOMPARE(small.model->markedCount(), 0);
    QVERIFY(small.edit(FreeRow, QStringLiteral("01")));
    QCOMPARE(quint8(small.bytes().at(FreeRow)), quint8(0x01));
    Grid wide(0xFFFF);
    wide.model->setTableMaxAddr(0x0FFF);
    wide.model->setTableMaxAddr(0xFFFF);
    const QByteArray before = wide.bytes();
    QVERIFY(wide.edit(0, wide.cell(0)));
    QCOMPARE(wide.bytes(), before);
}

void TestMemoryGrid::fillSetsTheRangeAsOneStep_data() {
    QTest::addColumn<int>("tableMaxAddr");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("one row") << 0x1FFF << FreeRow << FreeRow + 15 << true;
    QTest::newRow("across rows") << 0x1FFF << FreeRow + 9 << FreeRow + 0x22 << true;
    QTest::newRow("one byte") << 0x1FFF << FreeRow << FreeRow << true;
    QTest::newRow("beyond the grid's reach") << 0x3FF << FreeRow << FreeRow + 3 << true;
    QTest::newRow("end below start") << 0x1FFF << FreeRow + 15 << FreeRow << true;
    QTest::newRow("end outside the image") << 0x1FFF << FreeRow << 0x2000 << false;
    QTest::newRow("negative start") << 0x1FFF << -1 << FreeRow << false;
}

void TestMemoryGrid::fillSetsTheRangeAsOneStep() {
    QFETCH(int, tableMaxAddr);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(bool, accepted);
    Grid g(tableMaxAddr);
    const QByteArray before = g.bytes();
    QByteArray expected = before;
    if (accepted && end >= start)
        expected.replace(start, end - start + 1, QByteArray(end - start + 1, '\x5A'));
    QCOMPARE(g.model->fill(start, end, 0x5A), accepted);
    QCOMPARE(g.bytes(), expected);
    QCOMPARE(g.document->undoStack().count(), expected == before ? 0 : 1);
    if (expected != before)
        for (int a = start; a <= qMin(end, g.model->lastAddress()); ++a)
            QCOMPARE(g.cell(a), QStringLiteral("5A"));
    QCoreApplication::processEvents();
    QCOMPARE(g.model->markedCount(), 0);
    if (expected != before) {
        g.document->undoStack().undo();
        QCOMPARE(g.bytes(), before);
    }
}

void TestMemoryGrid::writeBytesRefusesBytesOutsideTheImage() {
    Grid g;
    const QByteArray before = g.bytes();
    QVERIFY(!g.document->writeBytes(0x1FFF, QByteArray(2, '\x01'), QString()));
    QVERIFY(!g.document->writeBytes(-1, QByteArray(1, '\x01'), QString()));
    QCOMPARE(g.bytes(), before);
    QCOMPARE(g.document->undoStack().count(), 0);
    QVERIFY(g.document->writeBytes(0x1FFE, QByteArray(2, '\x01'), QString()));
    QCOMPARE(g.bytes().right(2), QByteArray(2, '\x01'));
}

QTEST_MAIN(TestMemoryGrid)
#include "tst_memorygrid.moc"
