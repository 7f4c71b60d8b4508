#include "InfoFixture.h"
#include "gui/info/RadioInfoPage.h"
#include "gui/info/RadioSetPages.h"
#include "gui/info/RadioSetTreeWindow.h"
#include "gui/info/SettingsPageWindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTreeWidget>

using namespace qrt;
using namespace qrt::gui::info;

namespace {

void clickEntry(RadioSetTreeWindow& window, const QString& key) {
    QTreeWidgetItem* item = window.entry(key);
    QVERIFY(item);
    const QRect rect = window.tree()->visualItemRect(item);
    QVERIFY(rect.isValid());
    QTest::mouseClick(window.tree()->viewport(), Qt::LeftButton, {}, rect.center());
}

// The main window's child area taking in every page as a child window.
struct FrameWithArea {
    QWidget frame;
    QMdiArea* area = new QMdiArea(&frame);
    FrameWithArea() {
        frame.resize(800, 600);
        area->resize(800, 600);
        frame.show();
    }
    void takePagesOf(RadioSetPages& pages) {
        QObject::connect(&pages, &RadioSetPages::pageCreated, area,
                         [this](QWidget* page) { area->addSubWindow(page); });
    }
};

} // namespace

class TestRadioSetTree : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entriesInEveryLanguage_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("Simplified Chinese")
            << Language::SimplifiedChinese << QStringList{"QRT506", "本机信息", "信道信息", "整机设置"};
        QTest::newRow("Traditional Chinese")
            << Language::TraditionalChinese << QStringList{"QRT506", "本機信息", "信道資訊", "整機設置"};
        QTest::newRow("English") << Language::English
                                 << QStringList{"QRT506", "Radio Info", "Channel Info", "Optional Features"};
    }
    void entriesInEveryLanguage() {
        QFETCH(Language, language);
        QFETCH(QStringList, texts);
        test::LanguageContext context(language);
        RadioSetTreeWindow window(*context);

        QTreeWidget* tree = window.tree();
        QCOMPARE(tree->objectName(), QStringLiteral("treevMain"));
        QCOMPARE(tree->topLevelItemCount(), 1);
        QTreeWidgetItem* root = tree->topLevelItem(0);
        QVERIFY(root->isExpanded());
        QStringList shown{root->text(0)};
        QStringList keys{root->data(0, RadioSetTreeWindow::KeyRole).toString()};
        for (int i = 0; i < root->childCount(); ++i) {
            shown << root->child(i)->text(0);
            keys << root->child(i)->data(0, RadioSetTreeWindow::KeyRole).toString();
        }
        QCOMPARE(shown, texts);
        QCOMPARE(keys, (QStringList{"Radio", "RadioInfo", "ChInfo", "SysSet"}));
    }

    // Each entry asks for its view, by mouse and by keyboard; the root asks for nothing.
    void activatingEachEntry_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("radioInfo");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("settings");
        QTest::newRow("root") << "Radio" << 0 << 0 << 0;
        QTest::newRow("radio info") << "RadioInfo" << 1 << 0 << 0;
        QTest::newRow("channel info") << "ChInfo" << 0 << 1 << 0;
        QTest::newRow("settings") << "SysSet" << 0 << 0 << 1;
    }
    void activatingEachEntry() {
        QFETCH(QString, key);
        QFETCH(int, radioInfo);
        QFETCH(int, channels);
        QFETCH(int, settings);
        test::LanguageContext context(3);
        RadioSetTreeWindow window(*context);
        window.resize(240, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy radioInfoSpy(&window, &RadioSetTreeWindow::radioInfoRequested);
        QSignalSpy channelSpy(&window, &RadioSetTreeWindow::channelEditorRequested);
        QSignalSpy settingsSpy(&window, &RadioSetTreeWindow::settingsPageRequested);

        clickEntry(window, key);
        QCOMPARE(radioInfoSpy.count(), radioInfo);
        QCOMPARE(channelSpy.count(), channels);
        QCOMPARE(settingsSpy.count(), settings);
        QVERIFY(window.tree()->hasFocus());

        window.tree()->setCurrentItem(window.entry(key));
        QTest::keyClick(window.tree(), Qt::Key_Return);
        QCOMPARE(radioInfoSpy.count(), 2 * radioInfo);
        QCOMPARE(channelSpy.count(), 2 * channels);
        QCOMPARE(settingsSpy.count(), 2 * settings);
    }

    void keyboardWalksTheEntries() {
        test::LanguageContext context(3);
        RadioSetTreeWindow window(*context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy settingsSpy(&window, &RadioSetTreeWindow::settingsPageRequested);
        window.tree()->setFocus();
        window.tree()->setCurrentItem(window.entry(RadioSetTreeWindow::RootKey));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(window.tree(), Qt::Key_Down);
        QCOMPARE(window.tree()->currentItem(), window.entry(RadioSetTreeWindow::SettingsKey));
        QTest::keyClick(window.tree(), Qt::Key_Enter);
        QCOMPARE(settingsSpy.count(), 1);
    }

    // The pages open maximised in the frame's area; closing only hides them, so the tree
    // shows the same page again.
    void pagesAreKeptAndShownMaximised_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("pageName");
        QTest::newRow("radio info") << "RadioInfo"
                                    << "frmRadioInfo";
        QTest::newRow("settings") << "SysSet"
                                  << "frmSysSet";
    }
    void pagesAreKeptAndShownMaximised() {
        QFETCH(QString, key);
        QFETCH(QString, pageName);
        test::LanguageContext context(3);
        FrameWithArea frame;
        RadioSetTreeWindow window(*context);
        RadioSetPages pages(*context, &frame.frame);
        frame.takePagesOf(pages);
        pages.follow(window);
        QSignalSpy created(&pages, &RadioSetPages::pageCreated);

        window.activateEntry(key);
        QCOMPARE(created.count(), 1);
        auto* page = created.first().first().value<QWidget*>();
        QCOMPARE(page->objectName(), pageName);
        auto* subWindow = qobject_cast<QMdiSubWindow*>(page->parentWidget());
        QVERIFY(subWindow);
        QVERIFY(subWindow->isVisible());
        QVERIFY(subWindow->isMaximized());
        QCOMPARE(frame.area->activeSubWindow(), subWindow);

        QVERIFY(!subWindow->close());
        QVERIFY(subWindow->isHidden());

        window.activateEntry(key);
        QCOMPARE(created.count(), 1);
        QCOMPARE(page->parentWidget(), subWindow);
        QVERIFY(subWindow->isVisible());
        QVERIFY(page->isVisible());
        QVERIFY(subWindow->isMaximized());
    }

    void pagesCloseOnceTheProgramCloses() {
        test::LanguageContext context(3);
        RadioSetPages pages(*context, nullptr);
        pages.showRadioInfo();
        QPointer<QWidget> page = pages.radioInfoPage();
        QVERIFY(page->isVisible());
        QVERIFY(!page->close());
        QVERIFY(page->isHidden());
        pages.setProgramClosing(true);
        page->show();
        QVERIFY(page->close());
    }

    void channelEntryAsksTheFrameForTheEditor() {
        test::LanguageContext context(3);
        RadioSetTreeWindow window(*context);
        RadioSetPages pages(*context, nullptr);
        pages.follow(window);
        QSignalSpy editor(&pages, &RadioSetPages::channelEditorRequested);
        QSignalSpy created(&pages, &RadioSetPages::pageCreated);
        window.activateEntry(RadioSetTreeWindow::ChannelInfoKey);
        QCOMPARE(editor.count(), 1);
        QCOMPARE(created.count(), 0);
    }
};

QTEST_MAIN(TestRadioSetTree)
#include "tst_radiosettree.moc"
