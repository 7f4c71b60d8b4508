#include "DialogFixture.h"

#include "gui/options/dialogs/TwoToneGrids.h"
#include "options/SettingsModel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QUndoStack>

using namespace qrt;
using namespace qrt::test;

namespace {

constexpr int TwoToneFirst = 0x280;

QByteArray record(const QByteArray& image, int code) {
    return image.mid(TwoToneFirst + 8 * code, 8);
}

// Types into a cell as a user does: F2 opens the cell's editor, the text is typed (or the
// list item chosen) and Return commits it.
void editCell(gui::TwoToneGrids& grids, int grid, int row, int column, const QString& text) {
    QTableView* view = grids.grid(grid);
    const QModelIndex index = view->model()->index(row - 1, column);
    view->setFocus();
    view->setCurrentIndex(index);
    QTest::keyClick(view, Qt::Key_F2);
    QWidget* editor = view->indexWidget(index) ? view->indexWidget(index) : view->viewport()->focusWidget();
    if (!editor)
        editor = view->viewport()->findChild<QWidget*>();
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        const int item = list->findText(text);
        QVERIFY2(item >= 0, qPrintable(text));
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < item; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits after the key
        return;
    }
    auto* line = qobject_cast<QLineEdit*>(editor);
    QVERIFY2(line, "no cell editor");
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Backspace);
    QTest::keyClicks(line, text);
    QTest::keyClick(line, Qt::Key_Return);
    QCoreApplication::processEvents();
}

QStringList rowCells(gui::TwoToneGrids& grids, int grid, int row) {
    QStringList cells;
    for (int column = 1; column <= 5; ++column)
        cells << grids.grid(grid)->model()->index(row - 1, column).data().toString();
    return cells;
}

} // namespace

class TestTwoToneGrids : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layout_data();
    void layout();
    void cellEdits_data();
    void cellEdits();
    void refreshShowsTheImage_data();
    void refreshShowsTheImage();
};

void TestTwoToneGrids::layout_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("headers");
    QTest::newRow("English") << Language::English << "No.|A Fre|A Time|B Fre|B Time|Interval";
    QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese
                                        << "序号|A音频率|A音时间|B音频率|B音时间|间隔时间";
    QTest::newRow("Traditional Chinese") << Language::TraditionalChinese
                                         << "序號|A音頻率|A音時間|B音頻率|B音時間|間隔時間";
}

void TestTwoToneGrids::layout() {
    QFETCH(Language, language);
    QFETCH(QString, headers);
    DialogFixture f(language);
    gui::TwoToneGrids grids(f.document->settings(), *f.context);
    for (int grid = 0; grid < 2; ++grid) {
        QTableView* view = grids.grid(grid);
        QCOMPARE(view->objectName(), QStringLiteral("vsfgGridTwoTone%1").arg(grid));
        QVERIFY(!view->accessibleName().isEmpty());
        QCOMPARE(view->model()->rowCount(), 8);
        QStringList shown;
        for (int column = 0; column < 6; ++column)
            shown << view->model()->headerData(column, Qt::Horizontal).toString();
        QCOMPARE(shown.join(QLatin1Char('|')), headers);
        // Column 0 numbers the codes and cannot be edited.
        QCOMPARE(view->model()->index(0, 0).data().toString(), QString::number(8 * grid + 1));
        QCOMPARE(view->model()->index(7, 0).data().toString(), QString::number(8 * grid + 8));
        QVERIFY(!(view->model()->flags(view->model()->index(0, 0)) & Qt::ItemIsEditable));
    }
}

void TestTwoToneGrids::cellEdits_data() {
    QTest::addColumn<int>("grid");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("edits"); // "column=text", in order
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("A below the range") << 0 << 1 << QStringList{"1=100"} << QStringList{"288.5", "1.0", "", "", ""}
                                       << QByteArray::fromHex("450B0AFFFFFFFF5A");
    QTest::newRow("A above the range") << 0 << 2 << QStringList{"1=4000"} << QStringList{"3106", "1.0", "", "", ""}
                                       << QByteArray::fromHex("54790AFFFFFFFF5A");
    QTest::newRow("A not a number") << 1 << 1 << QStringList{"1=abc"} << QStringList{"1500.0", "1.0", "", "", ""}
                                    << QByteArray::fromHex("983A0AFFFFFFFF5A");
    QTest::newRow("only B, last code") << 1 << 8 << QStringList{"3=1000"} << QStringList{"", "", "1000", "1.0", ""}
                                       << QByteArray::fromHex("FFFFFF10270AFF5A");
    QTest::newRow("both tones, times and interval from the lists")
        << 0 << 3 << QStringList{"1=750", "3=1000", "4=2.0", "5=0.5"} << QStringList{"750", "1.0", "1000", "2.0", "0.5"}
        << QByteArray::fromHex("4C1D0A102714055A");
    QTest::newRow("both frequencies cleared")
        << 0 << 4 << QStringList{"1=750", "3=1000", "1=", "3="} << QStringList{"", "", "", "", ""}
        << QByteArray::fromHex("FFFFFFFFFFFFFFFF");
    QTest::newRow("time cleared takes 1.0 again")
        << 0 << 5 << QStringList{"1=750", "2=3.5", "2="} << QStringList{"750", "1.0", "", "", ""}
        << QByteArray::fromHex("4C1D0AFFFFFFFF5A");
}

void TestTwoToneGrids::cellEdits() {
    QFETCH(int, grid);
    QFETCH(int, row);
    QFETCH(QStringList, edits);
    QFETCH(QStringList, cells);
    QFETCH(QByteArray, bytes);
    DialogFixture f;
    gui::TwoToneGrids grids(f.document->settings(), *f.context);
    grids.show();
    const QByteArray before = f.document->image().bytes();
    const int code = 8 * grid + row - 1;
    for (const QString& edit : edits) {
        const qsizetype eq = edit.indexOf(QLatin1Char('='));
        editCell(grids, grid, row, edit.left(eq).toInt(), edit.mid(eq + 1));
    }
    QCOMPARE(rowCells(grids, grid, row), cells);
    QCOMPARE(record(f.document->image().bytes(), code).toHex(' '), bytes.toHex(' '));
    // Nothing outside the two-tone table changes.
    const QByteArray after = f.document->image().bytes();
    QCOMPARE(after.left(TwoToneFirst), before.left(TwoToneFirst));
    QCOMPARE(after.mid(TwoToneFirst + 128), before.mid(TwoToneFirst + 128));
    // Each edit is an undo step.
    for (qsizetype i = 0; i < edits.size(); ++i)
        f.document->undoStack().undo();
    QCOMPARE(f.document->image().bytes(), before);
    QCOMPARE(rowCells(grids, grid, row), QStringList(5, QString()));
}

void TestTwoToneGrids::refreshShowsTheImage_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QByteArray>("repaired");
    QTest::newRow("A below the range") << QByteArray::fromHex("F4010AFFFFFFFF5A") << QStringList(5, QString())
                                       << QByteArray::fromHex("F4010AFFFFFFFF5A");
    QTest::newRow("interval 25 repaired")
        << QByteArray::fromHex("4C1D0A102714195A") << QStringList{"750.0", "1.0", "1000.0", "2.0", "0.5"}
        << QByteArray::fromHex("4C1D0A102714055A");
}

void TestTwoToneGrids::refreshShowsTheImage() {
    QFETCH(QByteArray, stored);
    QFETCH(QStringList, cells);
    QFETCH(QByteArray, repaired);
    DialogFixture f;
    gui::TwoToneGrids grids(f.document->settings(), *f.context);
    QByteArray image = f.document->image().bytes();
    image.replace(TwoToneFirst + 8 * 9, 8, stored); // code 10: grid 1, row 2
    f.document->applyRadioRead(image);
    QCOMPARE(rowCells(grids, 1, 2), cells);
    QCOMPARE(record(f.document->image().bytes(), 9).toHex(' '), repaired.toHex(' '));
}

QTEST_MAIN(TestTwoToneGrids)
#include "tst_twotonegrids.moc"
