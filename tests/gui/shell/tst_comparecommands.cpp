// File → "Compare with file…" and Program → "Compare with radio": the differences in words,
// and the program's data untouched.
#include "ShellFixture.h"

#include "core/DataFile.h"
#include "gui/common/ComparisonWindow.h"
#include "gui/shell/CompareCommands.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace qrt;
using qrt::gui::ComparisonWindow;
using qrt::test::ShellFixture;

namespace {

// What a comparison window showed before the keyboard closed it.
struct Shown {
    bool seen = false;
    QString summary;
    QStringList header;
    QStringList rows; // "place | ours | theirs"
    QString title;
    QSize size;
};

// Reads the comparison window once it is up, then closes it with Escape.
void readComparisonWhenShown(Shown& shown) {
    QTimer::singleShot(0, [&shown] {
        auto* window = qobject_cast<ComparisonWindow*>(QApplication::activeModalWidget());
        if (!window) {
            readComparisonWhenShown(shown);
            return;
        }
        shown.seen = true;
        shown.summary = window->summary();
        shown.title = window->windowTitle();
        shown.size = window->frameGeometry().size();
        const QTableWidget& table = window->table();
        for (int c = 0; c < table.columnCount(); ++c)
            shown.header << table.horizontalHeaderItem(c)->text();
        for (int r = 0; r < table.rowCount(); ++r)
            shown.rows << table.item(r, 0)->text() + QStringLiteral(" | ") + table.item(r, 1)->text() +
                              QStringLiteral(" | ") + table.item(r, 2)->text();
        QVERIFY(window->focusWidget() == &table);
        QTest::keyClick(window, Qt::Key_Escape);
    });
}

} // namespace

class TestCompareCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileDifferencesAreListedInWords();
    void sameFileHasNoDifferences();
    void unreadableFileIsTold();
    void radioEntryWaitsForTheLink();
};

void TestCompareCommands::fileDifferencesAreListedInWords() {
    ShellFixture f;
    const QString saved = f.appDir.filePath(QStringLiteral("mine.dat"));
    QVERIFY(f.document->saveAs(saved).ok());
    QByteArray other = f.appDir.readFile(QStringLiteral("mine.dat"));
    other[0x13 + 16] = char(~other.at(0x13 + 16));
    other[0x130 + 16] = char(~other.at(0x130 + 16));
    QVERIFY(f.appDir.writeFile(QStringLiteral("other.dat"), other));
    const QByteArray before = f.document->image().bytes();
    const int undoSteps = f.document->undoStack().count();

    f.prompts.fileNames.enqueue(f.appDir.filePath(QStringLiteral("other.dat")));
    Shown shown;
    readComparisonWhenShown(shown);
    f.action("mnuCompareFile")->trigger();
    QVERIFY(shown.seen);
    QCOMPARE(f.prompts.dialogs.size(), 1);
    QCOMPARE(f.prompts.dialogs.first().filter, QStringLiteral("Data File(*.dat)"));
    QCOMPARE(shown.title, QStringLiteral("Comparison"));
    QCOMPARE(shown.header, (QStringList{"Place", "This data", "The file"}));
    QCOMPARE(shown.summary, QStringLiteral("2 byte(s) differ."));
    QCOMPARE(shown.rows.size(), 2);
    const auto hex = [](char b) { return QStringLiteral("%1").arg(quint8(b), 2, 16, QLatin1Char('0')).toUpper(); };
    QCOMPARE(shown.rows.at(0), QStringLiteral("0013  Channel 1: receive frequency | %1 | %2")
                                   .arg(hex(char(before.at(0x13))), hex(other.at(0x13 + 16))));
    QVERIFY2(shown.rows.at(1).startsWith(QStringLiteral("0130  radio-wide settings: Time-out Timer[s] | ")),
             qPrintable(shown.rows.at(1)));
    QVERIFY(shown.size.width() <= 1024 && shown.size.height() <= 768);
    // Nothing changed, nothing to undo.
    QCOMPARE(f.document->image().bytes(), before);
    QVERIFY(!f.document->isModified());
    QCOMPARE(f.document->undoStack().count(), undoSteps);
    QCOMPARE(f.document->currentFilePath(), saved);
}

void TestCompareCommands::sameFileHasNoDifferences() {
    ShellFixture f(Language::SimplifiedChinese);
    const QString saved = f.appDir.filePath(QStringLiteral("mine.dat"));
    QVERIFY(f.document->saveAs(saved).ok());
    Shown shown;
    readComparisonWhenShown(shown);
    QVERIFY(f.window->compareCommands().compareWithFile(saved));
    QVERIFY(shown.seen);
    QCOMPARE(shown.summary, QStringLiteral("没有差异：两者数据相同。"));
    QCOMPARE(shown.header.last(), QStringLiteral("文件"));
    QVERIFY(shown.rows.isEmpty());
}

void TestCompareCommands::unreadableFileIsTold() {
    ShellFixture f;
    QVERIFY(!f.window->compareCommands().compareWithFile(f.appDir.path()));
    QCOMPARE(f.prompts.boxes.size(), 1);
    QVERIFY2(f.prompts.boxes.first().text.contains(QStringLiteral("cannot be compared")),
             qPrintable(f.prompts.boxes.first().text));
    QCOMPARE(f.prompts.boxes.first().title, f.text(TextId::Notice));

    f.appDir.writeFile(QStringLiteral("short.dat"), QByteArray(100, 'x'));
    QVERIFY(!f.window->compareCommands().compareWithFile(f.appDir.filePath(QStringLiteral("short.dat"))));
    QCOMPARE(f.prompts.boxes.size(), 2);
}

void TestCompareCommands::radioEntryWaitsForTheLink() {
    ShellFixture f;
    QAction* entry = f.action("mnuCompareRadio");
    QVERIFY(entry);
    QVERIFY(!entry->isEnabled());
    int calls = 0;
    f.window->compareCommands().setRadioCommand([&calls] { ++calls; });
    QVERIFY(entry->isEnabled());
    entry->trigger();
    QCOMPARE(calls, 1);
    // It sits in the Program menu after Write, and Compare with file in the File menu.
    const QList<QAction*> program = f.window->findChild<QMenu*>(QStringLiteral("mnuProgram"))->actions();
    QCOMPARE(program.indexOf(entry), program.indexOf(f.action("mnuWriteFre")) + 1);
    QVERIFY(f.window->findChild<QMenu*>(QStringLiteral("mnuFile"))->actions().contains(f.action("mnuCompareFile")));
}

QTEST_MAIN(TestCompareCommands)
#include "tst_comparecommands.moc"
