// The frame's child windows as a person meets them: the channel editor fills the frame,
// the radio set tree waits behind the View menu, a page chosen in the tree comes to the
// front and stays there, and the frame's title carries the caption of the window in front.
#include "ShellFixture.h"
#include "core/ErrorLog.h"
#include "gui/info/ErrorLogWindow.h"
#include "gui/info/RadioSetTreeWindow.h"
#include "gui/shell/SideWindows.h"

#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QTreeWidget>

using namespace qrt;

namespace {

// The program's frame with its side windows, shown.
struct Frame : test::ShellFixture {
    explicit Frame(Language language = Language::English) : ShellFixture(language) {
        side =
            new gui::SideWindows(*window, *context, std::make_unique<gui::info::ErrorLogWindow>(context->errorLog()));
        window->resize(1000, 700);
        window->show();
        settle();
    }
    // Queued work (a child window maximising itself, the area's activations) runs.
    static void settle() {
        for (int round = 0; round < 5; ++round)
            QCoreApplication::processEvents();
    }
    QMdiArea* area() const { return window->childArea(); }
    QMdiSubWindow* holderOf(const QWidget* content) const {
        return qobject_cast<QMdiSubWindow*>(content->parentWidget());
    }
    QMdiSubWindow* editorHolder() const { return holderOf(window->channelEditor()); }
    // The child window on top of the others.
    QMdiSubWindow* inFront() const {
        const QList<QMdiSubWindow*> stack = area()->subWindowList(QMdiArea::StackingOrder);
        for (auto it = stack.rbegin(); it != stack.rend(); ++it)
            if ((*it)->isVisible())
                return *it;
        return nullptr;
    }
    // A real click on an entry of the tree, which the View menu has shown.
    void clickTreeEntry(const QString& key) {
        action("mnuTreeView")->trigger();
        settle();
        QTreeWidget* tree = side->tree().tree();
        const QRect rect = tree->visualItemRect(side->tree().entry(key));
        QVERIFY(rect.isValid());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
        settle();
    }
    QString title(const QString& caption) const {
        return text(TextId::ProgramTitle) + QStringLiteral(" - [%1][*]").arg(caption);
    }

    gui::SideWindows* side = nullptr;
};

} // namespace

class TestChildWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The tree only repeats the settings tabs; the grid keeps the whole width of the frame.
    void treeWaitsBehindTheViewMenu() {
        Frame f;
        QVERIFY(f.side->treeDock().isHidden());
        QCOMPARE(f.editorHolder()->width(), f.area()->viewport()->width());
        f.action("mnuTreeView")->trigger();
        QVERIFY(f.side->treeDock().isVisible());
    }

    void pageChosenInTheTreeComesToTheFront_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("pageName");
        QTest::newRow("radio info") << "RadioInfo"
                                    << "frmRadioInfo";
        QTest::newRow("settings page") << "SysSet"
                                       << "frmSysSet";
    }
    void pageChosenInTheTreeComesToTheFront() {
        QFETCH(QString, key);
        QFETCH(QString, pageName);
        Frame f;
        f.clickTreeEntry(key);

        auto* page = f.window->findChild<QWidget*>(pageName);
        QVERIFY(page);
        QMdiSubWindow* holder = f.holderOf(page);
        QVERIFY(holder);
        QCOMPARE(f.inFront(), holder);
        QCOMPARE(f.area()->currentSubWindow(), holder);
        QVERIFY(holder->isMaximized());
        QCOMPARE(f.window->windowTitle(), f.title(page->windowTitle()));

        // Closing the page hides it and brings the editor back, filling the frame.
        QVERIFY(!holder->close());
        f.settle();
        QVERIFY(holder->isHidden());
        QCOMPARE(f.inFront(), f.editorHolder());
        QCOMPARE(f.area()->currentSubWindow(), f.editorHolder());
        QVERIFY(f.editorHolder()->isMaximized());
        QCOMPARE(f.window->windowTitle(), f.title(QStringLiteral("400 - 470 MHz")));
    }

    void channelEntryBringsTheEditorBack() {
        Frame f;
        f.clickTreeEntry(gui::info::RadioSetTreeWindow::RadioInfoKey);
        QVERIFY(f.inFront() != f.editorHolder());
        f.clickTreeEntry(gui::info::RadioSetTreeWindow::ChannelInfoKey);
        QCOMPARE(f.inFront(), f.editorHolder());
        QCOMPARE(f.area()->currentSubWindow(), f.editorHolder());
        QVERIFY(f.editorHolder()->isMaximized());
    }

    // The editor's caption is its band, the one place that shows the limits of a custom
    // band; the editor fills the frame without a title bar, so the frame's title shows it.
    void frameTitleShowsTheBand_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("custom");
        QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese << "自定义";
        QTest::newRow("English") << Language::English << "Custom";
    }
    void frameTitleShowsTheBand() {
        QFETCH(Language, language);
        QFETCH(QString, custom);
        Frame f(language);
        QCOMPARE(f.window->windowTitle(), f.title(QStringLiteral("400 - 470 MHz")));
        f.document->chooseBand(0);
        QCOMPARE(f.window->windowTitle(), f.title(QStringLiteral("134 - 174 MHz")));
        f.document->chooseCustomBand(QStringLiteral("130.5"), QStringLiteral("140.25"));
        QCOMPARE(f.window->windowTitle(), f.title(custom + QStringLiteral("  130 - 140 MHz")));
    }
};

QTEST_MAIN(TestChildWindows)
#include "tst_childwindows.moc"
