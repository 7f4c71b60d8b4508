#include "ShellFixture.h"
#include "channels/ChannelTableModel.h"
#include "gui/shell/FrameTexts.h"
#include "gui/shell/HelpWindow.h"
#include "gui/shell/LanguageSwitch.h"
#include "gui/shell/LockController.h"
#include "options/SettingsModel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QUndoStack>

using namespace qrt;
using test::ShellFixture;

namespace {
// A tick of a timer without waiting for it.
void fire(QTimer& timer) {
    QVERIFY(QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection));
}
// The enabled controls a user can reach in the channel editor, page by page (turning the
// pages edits nothing).
QStringList reachableEditControls(QWidget& editor) {
    QStringList found;
    auto* pages = editor.findChild<QTabWidget*>(QStringLiteral("sstabSetMode"));
    for (int page = 0; pages && page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        for (QWidget* w : editor.findChildren<QWidget*>()) {
            const bool edits = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                               qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                               qobject_cast<QAbstractItemView*>(w);
            const bool pageTab = qobject_cast<QTabBar*>(w->parentWidget()) != nullptr;
            const QString name = w->objectName() + QLatin1Char(' ') + QString::fromLatin1(w->metaObject()->className());
            if (edits && !pageTab && w->isVisible() && w->isEnabled() && !found.contains(name))
                found << name;
        }
    }
    return found;
}
} // namespace

class TestFrame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuEntriesShownAsOffered_data();
    void menuEntriesShownAsOffered();
    void menuBarShowsFiveMenusInOrder();
    void shortcutsOfHiddenEntriesDoNothing_data();
    void shortcutsOfHiddenEntriesDoNothing();
    void toolBarPositions();
    void statusPanelsAndTitle();
    void notYetAvailableCommandsAreDisabled();
    void helpOpensTheLanguagesFile_data();
    void helpOpensTheLanguagesFile();
    void withoutHelpFileTheGuideOpensAtTheFocusedTopic_data();
    void withoutHelpFileTheGuideOpensAtTheFocusedTopic();
    void helpWindowShowsThePageAtTheTopic();

    void exitQuestion_data();
    void exitQuestion();

    void lockEntriesAreOneLock_data();
    void lockEntriesAreOneLock();
    void lockReadAtStartUp_data();
    void lockReadAtStartUp();
    void reminderAndBlink();
    void blinkLeavesOtherMessages();
    void lockClosesEveryEditPath();

    void languageSwitch_data();
    void languageSwitch();
    void languageSwitchOfferToSave_data();
    void languageSwitchOfferToSave();
    void sameLanguageDoesNothing();

    void undoAndRedoThroughTheMenu();
    void undoEntriesNameWhatChangedInWords_data();
    void undoEntriesNameWhatChangedInWords();
    void textsInSimplifiedChinese();

    void keyboardStartsInTheGrid();
};

// ---- menus, tool bar, status bar ----

void TestFrame::menuEntriesShownAsOffered_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("reachable"); // visible, and so is every menu above it
    const char* reachable[] = {"mnuFile",        "mnuFileNew",  "mnuFileOpen",    "mnuFileSave",  "mnuFileSaveAs",
                               "mnuExit",        "mnuProgram",  "mnuReadFre",     "mnuWriteFre",  "mnuSet",
                               "mnuCommunicate", "mnuLockFace", "mnuLangSetting", "mnuLangSel0",  "mnuLangSel1",
                               "mnuLangSel2",    "mnuHelp",     "mnuHelpTopic",   "mnuAboutSoft", "mnuPrintFile",
                               "sepPrintFile",   "mnuEditCut",  "mnuEditCopy",    "mnuEditPaste"};
    const char* unreachable[] = {"mnuReadWriteFre", "mnuAddFre", "mnuTestMode", "mnuTestFre",  "mnuBatchTestVal",
                                 "mnuOption",       "mnuModel",  "mnuFunc",     "mnuDtmf",     "mnuKeySet",
                                 "mnuMcuVer",       "mnuChLock", "mnuView",     "mnuTreeView", "mnuShowErr",
                                 "mnuWindow",       "dd"};
    for (const char* name : reachable)
        QTest::newRow(name) << QString::fromLatin1(name) << true;
    for (const char* name : unreachable)
        QTest::newRow(name) << QString::fromLatin1(name) << false;
}

void TestFrame::menuEntriesShownAsOffered() {
    QFETCH(QString, name);
    QFETCH(bool, reachable);
    ShellFixture f;
    QAction* entry = f.window->findChild<QAction*>(name);
    QVERIFY(entry);
    // Reachable when the entry and every menu above it are visible.
    bool visible = entry->isVisible();
    for (QObject* up = entry->parent(); visible && up; up = up->parent())
        if (auto* menu = qobject_cast<QMenu*>(up))
            visible = menu->menuAction()->isVisible();
    QCOMPARE(visible, reachable);
}

void TestFrame::menuBarShowsFiveMenusInOrder() {
    ShellFixture f;
    QStringList shown;
    for (QAction* top : f.window->menuBar()->actions())
        if (top->isVisible())
            shown << top->objectName();
    QCOMPARE(shown, QStringList({"mnuFile", "mnuEdit", "mnuProgram", "mnuSet", "mnuHelp"}));
    QStringList fileEntries;
    for (QAction* entry : f.window->findChild<QMenu*>("mnuFile")->actions())
        if (entry->isVisible())
            fileEntries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    QCOMPARE(fileEntries, QStringList({"&New", "&Open", "Recen&t Files", "&Save", "S&ave As", "Co&mpare with File...", "-",
                                       "&Import...", "&Export...", "-", "&Print", "-", "&Exit"}));
    QStringList editEntries;
    for (QAction* entry : f.window->findChild<QMenu*>("mnuEdit")->actions())
        editEntries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    QCOMPARE(editEntries, QStringList({"Undo", "Redo", "-", "Cu&t", "&Copy", "&Paste"}));
    QStringList languages;
    for (QAction* entry : f.window->findChild<QMenu*>("mnuLangSetting")->actions())
        languages << entry->objectName();
    QCOMPARE(languages, QStringList({"mnuLangSel0", "mnuLangSel2", "mnuLangSel1"}));
    QCOMPARE(f.action("mnuFileNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
}

void TestFrame::shortcutsOfHiddenEntriesDoNothing_data() {
    QTest::addColumn<QKeySequence>("keys");
    for (const char* keys : {"F2", "F7", "Ctrl+T", "Ctrl+B", "Ctrl+M", "Ctrl+F"})
        QTest::newRow(keys) << QKeySequence(QString::fromLatin1(keys));
}

void TestFrame::shortcutsOfHiddenEntriesDoNothing() {
    QFETCH(QKeySequence, keys);
    ShellFixture f;
    f.appDir.writeFile(QStringLiteral("EngHelp.CHM"), "help");
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QList<QSignalSpy*> spies;
    for (QAction* action : f.window->findChildren<QAction*>())
        spies << new QSignalSpy(action, &QAction::triggered);
    QTest::keySequence(f.window.get(), keys);
    for (QSignalSpy* spy : spies) {
        QCOMPARE(spy->count(), 0);
        delete spy;
    }
    QVERIFY(f.viewer.opened.isEmpty());
    QVERIFY(f.prompts.boxes.isEmpty());
    QCOMPARE(f.context->errorLog().count(), 0);
}

void TestFrame::toolBarPositions() {
    ShellFixture f;
    auto* bar = f.window->findChild<QToolBar*>("tlbMdiFrmMain");
    QVERIFY(bar);
    QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    const QList<QAction*> positions = bar->actions();
    QCOMPARE(positions.size(), 17);
    const QStringList expected = {"-",   "FileNew", "-",     "FileOpen", "FileSave", "-", "Read", "Write", "-",
                                  "Com", "-",       "Print", "-",        "Help",     "-", "Exit", "-"};
    const QStringList captions = {"New", "Open", "Save", "Read", "Write", "Port", "Print", "Help", "Exit"};
    int button = 0;
    for (int i = 0; i < 17; ++i) {
        QAction* position = positions.at(i);
        if (expected.at(i) == QLatin1String("-")) {
            QVERIFY2(position->isSeparator(), qPrintable(QString::number(i + 1)));
            continue;
        }
        QCOMPARE(position->objectName(), expected.at(i));
        QCOMPARE(position->text(), captions.at(button++));
        QVERIFY(!position->icon().isNull());
    }

    // Print opens the print selection view and logs nothing.
    for (QAction* position : positions)
        if (position->objectName() == QLatin1String("Print"))
            position->trigger();
    auto* view = f.window->findChild<QDialog*>(QStringLiteral("frmPrintSelect"));
    QVERIFY(view && view->isVisible());
    view->reject();
    QVERIFY(f.prompts.boxes.isEmpty());
    QCOMPARE(f.context->errorLog().count(), 0);
}

void TestFrame::statusPanelsAndTitle() {
    ShellFixture f(Language::English, {"COM", "12"});
    auto panel = [&](const char* key) { return f.window->findChild<QLabel*>(key)->text(); };
    QCOMPARE(panel("statusNotice"), QStringLiteral("Ready"));
    QCOMPARE(panel("statusCom"), QStringLiteral("COM12"));
    QCOMPARE(panel("statusAddress"),
             QStringLiteral("File Name:") + QDir::toNativeSeparators(f.appDir.filePath("Data/Untitled.dat")));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("QRT506 Radio Software[*]"));
    QVERIFY(!f.window->isWindowModified());
    f.editChannel();
    QVERIFY(f.window->isWindowModified());
}

void TestFrame::notYetAvailableCommandsAreDisabled() {
    ShellFixture f;
    for (const char* name : {"mnuReadFre", "mnuWriteFre", "mnuCommunicate", "mnuAboutSoft"})
        QVERIFY2(!f.action(name)->isEnabled(), name);
    int reads = 0;
    f.window->setCommunicationCommands({[&] { ++reads; }, {}, {}, {}});
    QVERIFY(f.action("mnuReadFre")->isEnabled());
    QVERIFY(!f.action("mnuWriteFre")->isEnabled());
    f.action("mnuReadFre")->trigger();
    QCOMPARE(reads, 1);
}

void TestFrame::helpOpensTheLanguagesFile_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("present");
    QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese << "ChsHelp.CHM" << true;
    QTest::newRow("Traditional Chinese") << Language::TraditionalChinese << "ChtHelp.CHM" << true;
    QTest::newRow("English") << Language::English << "EngHelp.CHM" << true;
    QTest::newRow("missing file") << Language::English << "EngHelp.CHM" << false;
}

void TestFrame::helpOpensTheLanguagesFile() {
    QFETCH(Language, language);
    QFETCH(QString, file);
    QFETCH(bool, present);
    ShellFixture f(language);
    if (present)
        QVERIFY(f.appDir.writeFile(file, "help"));
    for (QAction* position : f.window->findChild<QToolBar*>("tlbMdiFrmMain")->actions())
        if (position->objectName() == QLatin1String("Help"))
            position->trigger();
    QCOMPARE(f.viewer.opened, present ? QStringList{f.appDir.filePath(file)} : QStringList{});
    f.viewer.opened.clear();
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QTest::keyClick(f.window.get(), Qt::Key_F1);
    QCOMPARE(f.viewer.opened, present ? QStringList{f.appDir.filePath(file)} : QStringList{});
    QVERIFY(f.prompts.boxes.isEmpty());
}

void TestFrame::withoutHelpFileTheGuideOpensAtTheFocusedTopic_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("guides"); // the languages the guide has
    QTest::addColumn<QString>("focusedArea");
    QTest::addColumn<QString>("expected"); // page#topic, empty: nothing shown
    const QStringList all = {QStringLiteral("zh_CN"), QStringLiteral("zh_TW"), QStringLiteral("en")};
    QTest::newRow("Simplified Chinese, grid") << Language::SimplifiedChinese << all << "vsfgGridCh"
                                              << "zh_CN/index.html#channels";
    QTest::newRow("Traditional Chinese, pages") << Language::TraditionalChinese << all << "sstabSetMode"
                                                << "zh_TW/index.html#settings";
    QTest::newRow("English, error window") << Language::English << all << "frmShowErr"
                                           << "en/index.html#trouble";
    QTest::newRow("elsewhere") << Language::English << all << ""
                               << "en/index.html#start";
    QTest::newRow("language without a page") << Language::TraditionalChinese << QStringList{QStringLiteral("en")} << ""
                                             << "en/index.html#start";
    QTest::newRow("no guide") << Language::English << QStringList{} << ""
                              << "";
}

void TestFrame::withoutHelpFileTheGuideOpensAtTheFocusedTopic() {
    QFETCH(Language, language);
    QFETCH(QStringList, guides);
    QFETCH(QString, focusedArea);
    QFETCH(QString, expected);
    ShellFixture f(language);
    QTemporaryDir programFolder;
    for (const QString& folder : guides) {
        QVERIFY(QDir(programFolder.path()).mkpath(QStringLiteral("guide/") + folder));
        QFile page(programFolder.filePath(QStringLiteral("guide/%1/index.html").arg(folder)));
        QVERIFY(page.open(QIODevice::WriteOnly));
    }
    f.window->setGuideFolder(programFolder.path());
    auto* area = new QWidget(f.window.get());
    area->setObjectName(focusedArea);
    auto* field = new QLineEdit(area);
    f.window->show();
    QApplication::setActiveWindow(f.window.get());
    field->setFocus();
    if (!focusedArea.isEmpty())
        QTRY_COMPARE(QApplication::focusWidget(), field);

    f.action("mnuHelpTopic")->trigger();
    const QString title = gui::withoutAccessKey(f.text(TextId::HelpTopicCaption));
    QCOMPARE(f.viewer.guides, expected.isEmpty() ? QStringList{}
                                                 : QStringList{programFolder.filePath(QStringLiteral("guide/")) +
                                                               expected + QLatin1Char(' ') + title});
    QVERIFY(f.viewer.opened.isEmpty());
}

void TestFrame::helpWindowShowsThePageAtTheTopic() {
    QTemporaryDir folder;
    QFile page(folder.filePath(QStringLiteral("index.html")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h2 id=\"start\">Getting started</h2><p>one</p><h2 id=\"cli\">The tool</h2>"
               "<p>two</p></body></html>");
    page.close();
    gui::HelpWindow window;
    window.showPage(page.fileName(), QStringLiteral("cli"), QStringLiteral("Help Topic"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Help Topic"));
    QCOMPARE(window.browser()->accessibleName(), QStringLiteral("Help Topic"));
    QCOMPARE(window.browser()->source().fragment(), QStringLiteral("cli"));
    QVERIFY(window.browser()->toPlainText().contains(QStringLiteral("The tool")));
    QVERIFY(window.isVisible());
}

// ---- closing ----

void TestFrame::exitQuestion_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QList<int>>("answers"); // QMessageBox::StandardButton values in order
    QTest::addColumn<QString>("saveName");   // answer of the save dialog, empty: cancelled
    QTest::addColumn<QStringList>("asked");  // texts of the boxes in order
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    const QString exitQ = "Are you sure want to exit?";
    const QString saveQ = "TempData has changed,Do you want to save it now?";
    QTest::newRow("unchanged, yes") << false << QList<int>{QMessageBox::Yes} << "" << QStringList{exitQ} << true
                                    << false;
    QTest::newRow("unchanged, no") << false << QList<int>{QMessageBox::No} << "" << QStringList{exitQ} << false
                                   << false;
    QTest::newRow("changed, save and exit") << true << QList<int>{QMessageBox::Yes, QMessageBox::Yes} << "kept.dat"
                                            << QStringList{saveQ, exitQ} << true << true;
    QTest::newRow("changed, save cancelled stays")
        << true << QList<int>{QMessageBox::Yes} << "" << QStringList{saveQ} << false << false;
    QTest::newRow("changed, do not save")
        << true << QList<int>{QMessageBox::No, QMessageBox::Yes} << "" << QStringList{saveQ, exitQ} << true << false;
    QTest::newRow("changed, cancel stays")
        << true << QList<int>{QMessageBox::Cancel} << "" << QStringList{saveQ} << false << false;
    QTest::newRow("changed, no to the exit question")
        << true << QList<int>{QMessageBox::No, QMessageBox::No} << "" << QStringList{saveQ, exitQ} << false << false;
}

void TestFrame::exitQuestion() {
    QFETCH(bool, modified);
    QFETCH(QList<int>, answers);
    QFETCH(QString, saveName);
    QFETCH(QStringList, asked);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    ShellFixture f;
    f.window->show();
    if (modified)
        f.editChannel();
    for (int answer : answers)
        f.prompts.answers.enqueue(QMessageBox::StandardButton(answer));
    const QString savePath = saveName.isEmpty() ? QString() : f.appDir.filePath(saveName);
    f.prompts.fileNames.enqueue(savePath);

    f.action("mnuExit")->trigger();

    QCOMPARE(f.prompts.boxTexts(), asked);
    for (const auto& box : f.prompts.boxes) {
        QCOMPARE(box.title, QStringLiteral("Notice"));
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.parent, f.window.get());
    }
    QCOMPARE(f.window->isVisible(), !closed);
    QCOMPARE(f.window->isExiting(), closed);
    QCOMPARE(QFileInfo::exists(f.appDir.filePath("kept.dat")), saved);
    if (!closed)
        QCOMPARE(f.document->isModified(), modified);
}

// ---- lock ----

void TestFrame::lockEntriesAreOneLock_data() {
    QTest::addColumn<QString>("entry");
    QTest::newRow("mnuLockFace") << "mnuLockFace";
    QTest::newRow("mnuChLock") << "mnuChLock";
}

void TestFrame::lockEntriesAreOneLock() {
    QFETCH(QString, entry);
    ShellFixture f;
    auto& lock = f.window->lockController();
    QSignalSpy followed(&lock, &gui::LockController::lockChanged);
    auto* notice = f.window->findChild<QLabel*>("statusNotice");

    f.window->findChild<QAction*>(entry)->trigger();
    QVERIFY(f.action("mnuLockFace")->isChecked());
    QVERIFY(f.action("mnuChLock")->isChecked());
    QVERIFY(f.document->channelModel().isLocked());
    QCOMPARE(notice->text(), QStringLiteral("Interface Locked"));
    QCOMPARE(f.setting("ChannelLock"), QStringLiteral("ShowLock"));

    f.window->findChild<QAction*>(entry)->trigger();
    QVERIFY(!f.action("mnuLockFace")->isChecked());
    QVERIFY(!f.action("mnuChLock")->isChecked());
    QVERIFY(!f.document->channelModel().isLocked());
    QCOMPARE(notice->text(), QStringLiteral("Ready"));
    QCOMPARE(f.setting("ChannelLock"), QStringLiteral("ShowNo"));
    QCOMPARE(followed.count(), 2);
    QCOMPARE(followed.at(0).at(0).toBool(), true);
    QCOMPARE(followed.at(1).at(0).toBool(), false);

    // Ctrl+L reaches the lock although its menu is not offered.
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QTest::keySequence(f.window.get(), QKeySequence(QStringLiteral("Ctrl+L")));
    QVERIFY(f.action("mnuLockFace")->isChecked());
    QCOMPARE(f.setting("ChannelLock"), QStringLiteral("ShowLock"));
}

void TestFrame::lockReadAtStartUp_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("locked");
    QTest::newRow("ShowLock") << "ShowLock" << true;
    QTest::newRow("lower case") << "showlock" << false;
    QTest::newRow("ShowNo") << "ShowNo" << false;
}

void TestFrame::lockReadAtStartUp() {
    QFETCH(QString, stored);
    QFETCH(bool, locked);
    ShellFixture f(Language::English, {"ChannelLock", stored});
    QCOMPARE(f.action("mnuChLock")->isChecked(), locked);
    QCOMPARE(f.action("mnuLockFace")->isChecked(), locked);
    QCOMPARE(f.document->channelModel().isLocked(), locked);
    QCOMPARE(f.window->findChild<QLabel*>("statusNotice")->text(),
             locked ? QStringLiteral("Interface Locked") : QStringLiteral("Ready"));
    QCOMPARE(f.setting("ChannelLock"), stored); // start-up writes nothing
    QVERIFY(f.window->lockController().reminderTimer().isActive());
    QCOMPARE(f.window->lockController().reminderTimer().interval(), 30000);
    QVERIFY(!f.window->lockController().blinkTimer().isActive());
}

void TestFrame::reminderAndBlink() {
    ShellFixture f;
    auto& lock = f.window->lockController();
    auto* notice = f.window->findChild<QLabel*>("statusNotice");
    f.action("mnuLockFace")->trigger();

    // "Interface Locked" stays until something puts "Ready" back.
    fire(lock.reminderTimer());
    QVERIFY(!lock.blinkTimer().isActive());
    QCOMPARE(notice->text(), QStringLiteral("Interface Locked"));

    notice->setText(QStringLiteral("Ready"));
    fire(lock.reminderTimer());
    QCOMPARE(notice->text(), QStringLiteral("Interface Locked"));
    QVERIFY(lock.blinkTimer().isActive());
    QCOMPARE(lock.blinkTimer().interval(), 5000);

    QStringList shown;
    for (int tick = 0; tick < 4; ++tick) {
        fire(lock.blinkTimer());
        shown << notice->text();
    }
    QCOMPARE(shown, QStringList({"Interface Locked", "Ready", "Interface Locked", "Ready"}));

    // Unlocking stops the blink and leaves "Ready".
    f.action("mnuLockFace")->trigger();
    QVERIFY(!lock.blinkTimer().isActive());
    QCOMPARE(notice->text(), QStringLiteral("Ready"));
    fire(lock.reminderTimer());
    QCOMPARE(notice->text(), QStringLiteral("Ready"));
}

void TestFrame::blinkLeavesOtherMessages() {
    ShellFixture f;
    auto& lock = f.window->lockController();
    auto* notice = f.window->findChild<QLabel*>("statusNotice");
    f.action("mnuChLock")->trigger();
    notice->setText(QStringLiteral("Ready"));
    fire(lock.reminderTimer());
    notice->setText(QStringLiteral("Reading Now......"));
    fire(lock.blinkTimer());
    fire(lock.blinkTimer());
    QCOMPARE(notice->text(), QStringLiteral("Reading Now......"));
    notice->clear();
    fire(lock.blinkTimer());
    QVERIFY(!notice->text().isEmpty());
}

// Locked, nothing a user can reach changes the data: undo and redo are disabled and their
// keys do nothing, and every control of the channel editor that edits is disabled.
void TestFrame::lockClosesEveryEditPath() {
    ShellFixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.editChannel("441.5");
    auto& channels = f.document->channelModel();
    QVERIFY(channels.setReceiveFrequency(3, QStringLiteral("442.5")));
    f.document->undoStack().undo(); // something to undo and something to redo
    QAction* undo = f.action("mnuEditUndo");
    QAction* redo = f.action("mnuEditRedo");
    QVERIFY(undo->isEnabled() && redo->isEnabled());
    QVERIFY(reachableEditControls(*f.window->channelEditor()).size() > 50);

    QTest::keySequence(f.window.get(), QKeySequence(QStringLiteral("Ctrl+L")));
    QVERIFY(f.document->isLocked());
    QVERIFY(!undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    const QByteArray image = f.document->image().bytes();
    const int index = f.document->undoStack().index();
    for (const char* keys : {"Ctrl+Z", "Ctrl+Y", "Ctrl+Shift+Z"})
        QTest::keySequence(f.window.get(), QKeySequence(QString::fromLatin1(keys)));
    undo->trigger();
    redo->trigger();
    QCOMPARE(f.document->undoStack().index(), index);
    QCOMPARE(f.document->image().bytes(), image);
    QCOMPARE(f.window->findChild<QLabel*>("statusNotice")->text(), QStringLiteral("Interface Locked"));

    const QStringList editable = reachableEditControls(*f.window->channelEditor());
    QVERIFY2(editable.isEmpty(), qPrintable(editable.join(QStringLiteral(", "))));

    QTest::keySequence(f.window.get(), QKeySequence(QStringLiteral("Ctrl+L")));
    QVERIFY(undo->isEnabled() && redo->isEnabled());
    QTest::keySequence(f.window.get(), QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(f.document->undoStack().index(), index - 1);
}

// ---- languages ----

// The restart message is the same English sentence in every language; its box is titled
// "Message" in the language still running.
void TestFrame::languageSwitch_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("title");
    QTest::newRow("English to Simplified Chinese") << 3 << 1 << "Message";
    QTest::newRow("Simplified Chinese to English") << 1 << 3 << "消息";
    QTest::newRow("Traditional Chinese to English") << 2 << 3 << "訊息";
}

void TestFrame::languageSwitch() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, title);
    const char* entries[] = {"mnuLangSel0", "mnuLangSel1", "mnuLangSel2"};
    ShellFixture f(*languageFromNumber(from));
    f.window->show();
    QVERIFY(f.action(entries[from - 1])->isChecked());
    QVERIFY(!f.action(entries[to - 1])->isChecked());
    f.prompts.answers.enqueue(QMessageBox::Ok);

    f.action(entries[to - 1])->trigger();

    QCOMPARE(f.setting("Language"), QString::number(to));
    QCOMPARE(f.prompts.boxTexts(), QStringList{"Language has changed, you need to restart the software."});
    QCOMPARE(f.prompts.boxes.first().title, title);
    QCOMPARE(f.prompts.boxes.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(f.restarter.requests, QStringList{f.context->appDir()});
    QVERIFY(!f.window->isVisible()); // closed without the exit question
    QVERIFY(f.window->isExiting());
    QVERIFY(f.action(entries[to - 1])->isChecked());
    QVERIFY(!f.action(entries[from - 1])->isChecked());
}

void TestFrame::languageSwitchOfferToSave_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveName");
    QTest::addColumn<bool>("switched");
    QTest::newRow("save") << int(QMessageBox::Yes) << "before-switch.dat" << true;
    QTest::newRow("save cancelled") << int(QMessageBox::Yes) << "" << false;
    QTest::newRow("do not save") << int(QMessageBox::No) << "" << true;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << "" << false;
}

void TestFrame::languageSwitchOfferToSave() {
    QFETCH(int, answer);
    QFETCH(QString, saveName);
    QFETCH(bool, switched);
    ShellFixture f(Language::English);
    f.window->show();
    f.editChannel();
    f.prompts.answers << QMessageBox::StandardButton(answer) << QMessageBox::Ok;
    f.prompts.fileNames << (saveName.isEmpty() ? QString() : f.appDir.filePath(saveName));

    f.action("mnuLangSel0")->trigger();

    QCOMPARE(f.prompts.boxes.first().text, QStringLiteral("TempData has changed,Do you want to save it now?"));
    QCOMPARE(f.setting("Language") == QLatin1String("1"), switched);
    QCOMPARE(f.restarter.requests.size(), switched ? 1 : 0);
    QCOMPARE(f.window->isVisible(), !switched);
    QCOMPARE(f.action("mnuLangSel0")->isChecked(), switched);
    QCOMPARE(f.action("mnuLangSel2")->isChecked(), !switched);
    if (!saveName.isEmpty())
        QCOMPARE(f.appDir.readFile(saveName).size(), 1040);
}

void TestFrame::sameLanguageDoesNothing() {
    ShellFixture f(Language::English);
    f.window->show();
    const QString before = f.setting("Language");
    f.action("mnuLangSel2")->trigger();
    QVERIFY(f.action("mnuLangSel2")->isChecked());
    QVERIFY(f.prompts.boxes.isEmpty());
    QVERIFY(f.restarter.requests.isEmpty());
    QCOMPARE(f.setting("Language"), before);
    QVERIFY(f.window->isVisible());
}

// ---- undo, texts ----

void TestFrame::undoAndRedoThroughTheMenu() {
    ShellFixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    const QByteArray untitled = f.document->image().bytes();
    QAction* undo = f.action("mnuEditUndo");
    QAction* redo = f.action("mnuEditRedo");
    QVERIFY(!undo->isEnabled());
    QVERIFY(undo->text().startsWith(QStringLiteral("Undo")));
    f.editChannel();
    const QByteArray edited = f.document->image().bytes();
    QVERIFY(edited != untitled);

    QTest::keySequence(f.window.get(), QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(f.document->image().bytes(), untitled);
    QVERIFY(!f.window->isWindowModified());
    QTest::keySequence(f.window.get(), QKeySequence(QStringLiteral("Ctrl+Y")));
    QCOMPARE(f.document->image().bytes(), edited);
    undo->trigger();
    QCOMPARE(f.document->image().bytes(), untitled);
    QTest::keySequence(f.window.get(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    QCOMPARE(f.document->image().bytes(), edited);
    QVERIFY(redo->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
}

void TestFrame::undoEntriesNameWhatChangedInWords_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("undoEntry");
    QTest::addColumn<QString>("redoEntry");
    QTest::newRow("check box") << Language::English << "beep"
                               << "Undo Beep"
                               << "Redo Beep";
    QTest::newRow("channel cell") << Language::English << "bandwidth"
                                  << "Undo channel 2 Bandwidth"
                                  << "Redo channel 2 Bandwidth";
    QTest::newRow("numbered list") << Language::English << "vox level"
                                   << "Undo Vox Compare Voltage 3"
                                   << "Redo Vox Compare Voltage 3";
    QTest::newRow("delete channel") << Language::English << "delete"
                                    << "Undo Delete channel 3"
                                    << "Redo Delete channel 3";
    QTest::newRow("band") << Language::English << "band"
                          << "Undo Frequency"
                          << "Redo Frequency";
    QTest::newRow("check box, Simplified Chinese") << Language::SimplifiedChinese << "beep"
                                                   << "撤销 哔音"
                                                   << "重做 哔音";
    QTest::newRow("channel cell, Simplified Chinese") << Language::SimplifiedChinese << "bandwidth"
                                                      << "撤销 信道 2 带宽"
                                                      << "重做 信道 2 带宽";
    QTest::newRow("numbered list, Traditional Chinese") << Language::TraditionalChinese << "vox level"
                                                        << "復原 聲控電壓比較值 3級"
                                                        << "取消復原 聲控電壓比較值 3級";
    QTest::newRow("channel cell, Traditional Chinese") << Language::TraditionalChinese << "bandwidth"
                                                       << "復原 信道 2 帶寬"
                                                       << "取消復原 信道 2 帶寬";
}

// The Edit menu tells in the user's words what Undo and Redo would change, whatever key
// the document merges the edits by.
void TestFrame::undoEntriesNameWhatChangedInWords() {
    QFETCH(Language, language);
    QFETCH(QString, edit);
    QFETCH(QString, undoEntry);
    QFETCH(QString, redoEntry);
    ShellFixture f(language);
    QVERIFY(f.document->openFile(f.context->appFile(AppContext::FactoryFileName)).ok());
    auto& channels = f.document->channelModel();
    options::SettingsModel& settings = f.document->settings();
    if (edit == QLatin1String("beep")) {
        QVERIFY(settings.setChecked(QStringLiteral("chkBeep"), !settings.control(QStringLiteral("chkBeep"))->checked));
    } else if (edit == QLatin1String("bandwidth")) {
        const int position = channels.optionList(5).indexOf(channels.cellText(2, 5));
        QVERIFY(position >= 0);
        QVERIFY(channels.chooseOption(2, 5, 1 - position));
    } else if (edit == QLatin1String("vox level")) {
        const int item = settings.control(QStringLiteral("cboVoxCmpDat3"))->item;
        QVERIFY(settings.selectItem(QStringLiteral("cboVoxCmpDat3"), item == 50 ? 60 : 50));
    } else if (edit == QLatin1String("delete")) {
        QVERIFY(channels.deleteChannel(3));
    } else {
        f.document->chooseBand(f.document->bandPosition() == 0 ? 1 : 0);
    }
    QCOMPARE(f.document->undoStack().count(), 1);
    QCOMPARE(f.action("mnuEditUndo")->text(), undoEntry);
    f.action("mnuEditUndo")->trigger();
    QCOMPARE(f.action("mnuEditRedo")->text(), redoEntry);
}

void TestFrame::textsInSimplifiedChinese() {
    ShellFixture f(Language::SimplifiedChinese);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("QRT506对讲机写频软件[*]"));
    QCOMPARE(f.window->findChild<QMenu*>("mnuFile")->title(), QStringLiteral("文件(&F)"));
    QCOMPARE(f.action("mnuLangSel1")->text(), QStringLiteral("中文繁体(&T)"));
    QCOMPARE(f.window->findChild<QMenu*>("mnuEdit")->title(), QStringLiteral("编辑(&E)"));
    QVERIFY(f.action("mnuEditUndo")->text().startsWith(QStringLiteral("撤销")));
    QCOMPARE(f.window->findChild<QLabel*>("statusNotice")->text(), QStringLiteral("就绪"));
    QVERIFY(f.window->findChild<QLabel*>("statusAddress")->text().startsWith(QStringLiteral("文件名:")));
    QVERIFY(f.action("mnuLangSel0")->isChecked());
}

// ---- keyboard ----

void TestFrame::keyboardStartsInTheGrid() {
    // The program as it starts with a file, with its docked windows.
    test::ProgramFixture started;
    gui::RunningProgram& program = started.program;
    program.start(started.appDir.filePath(AppContext::FactoryFileName));
    auto* grid = program.window().findChild<QTableView*>(QStringLiteral("vsfgGridCh"));
    QVERIFY(grid);
    channels::ChannelTableModel& channels = program.document().channelModel();
    QVERIFY(!channels.cellText(1, 1).isEmpty());
    // The grid is where the window puts the keyboard, and the file opened kept its cursor,
    // before any focus change could set one.
    QCOMPARE(program.window().focusWidget(), grid);
    QCOMPARE(grid->currentIndex(), grid->model()->index(0, 0));
    QVERIFY(QTest::qWaitForWindowActive(&program.window()));
    QTRY_COMPARE(QApplication::focusWidget(), grid);
    // A frequency typed at once lands in the current cell.
    for (QChar c : QStringLiteral("446.1"))
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(channels.cellText(1, 1), QStringLiteral("446.1"));
}

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
