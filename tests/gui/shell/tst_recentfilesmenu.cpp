// File, Recent Files and Program, Check in the frame.
#include "ShellFixture.h"

#include "document/ReadBackup.h"
#include "gui/common/FindingsDialog.h"
#include "gui/shell/FileCommands.h"

#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace qrt;
using qrt::test::ShellFixture;

namespace {

QMenu* recentMenu(const ShellFixture& f) {
    return f.window->findChild<QMenu*>(QStringLiteral("mnuRecentFiles"));
}

QStringList entryTexts(const ShellFixture& f) {
    QStringList texts;
    for (QAction* action : recentMenu(f)->actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    return texts;
}

} // namespace

class TestRecentFilesMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuSitsInTheFileMenu() {
        ShellFixture f;
        QMenu* file = f.window->findChild<QMenu*>(QStringLiteral("mnuFile"));
        QVERIFY(recentMenu(f));
        QVERIFY(file->actions().contains(recentMenu(f)->menuAction()));
        QCOMPARE(recentMenu(f)->title(), QStringLiteral("Recen&t Files"));
        QCOMPARE(entryTexts(f), (QStringList{"(none)", "&Clear List"}));
        QVERIFY(!f.action("mnuRecentClear")->isEnabled());
    }

    // Opened and saved files join the list, most recent first; choosing one opens it.
    void openedAndSavedFilesAreOffered() {
        ShellFixture f;
        const QString factory = f.appDir.filePath(AppContext::FactoryFileName);
        QVERIFY(f.window->fileCommands().openFile(factory));
        const QString saved = f.appDir.filePath(QStringLiteral("Data/mine.dat"));
        QVERIFY(f.document->saveAs(saved).ok());
        QCOMPARE(entryTexts(f).size(), 3);
        QVERIFY(entryTexts(f).at(0).startsWith(QStringLiteral("&1 ")));
        QVERIFY(entryTexts(f).at(0).endsWith(QStringLiteral("mine.dat")));
        QVERIFY(entryTexts(f).at(1).endsWith(AppContext::FactoryFileName));

        f.action("mnuRecentFile2")->trigger();
        QCOMPARE(QFileInfo(f.document->currentFilePath()), QFileInfo(factory));
        QVERIFY(entryTexts(f).at(0).endsWith(AppContext::FactoryFileName));
        QVERIFY(f.prompts.boxes.isEmpty());
    }

    void missingFileIsTakenOffWithAMessage() {
        ShellFixture f;
        const QString gone = f.appDir.filePath(QStringLiteral("Data/gone.dat"));
        QVERIFY(f.document->saveAs(gone).ok());
        QVERIFY(QFile::remove(gone));
        QCOMPARE(entryTexts(f).size(), 2);
        f.action("mnuRecentFile1")->trigger();
        QCOMPARE(f.prompts.boxes.size(), 1);
        QVERIFY(f.prompts.boxes.first().text.contains(QDir::toNativeSeparators(gone)));
        QCOMPARE(entryTexts(f), (QStringList{"(none)", "&Clear List"}));
    }

    void clearEmptiesTheList() {
        ShellFixture f;
        QVERIFY(f.window->fileCommands().openFile(f.appDir.filePath(AppContext::FactoryFileName)));
        QVERIFY(f.action("mnuRecentClear")->isEnabled());
        f.action("mnuRecentClear")->trigger();
        QCOMPARE(entryTexts(f), (QStringList{"(none)", "&Clear List"}));
    }

    // A backup of a read joins the list, and File, Open offers the backups' folder.
    void backupsAreOffered() {
        ShellFixture f;
        const readbackup::Backup backup = f.document->backUpRadioRead(f.document->image().bytes());
        QVERIFY(backup.status.ok());
        QVERIFY(entryTexts(f).at(0).endsWith(QFileInfo(backup.path).fileName()));
        f.action("mnuFileOpen")->trigger();
        QCOMPARE(f.prompts.dialogs.size(), 1);
        QCOMPARE(f.prompts.offeredPlaces, QStringList{readbackup::folderOf(f.appDir.path())});
    }

    // Program, Check lists the findings, or says there are none.
    void checkAtAnyTime() {
        ShellFixture f;
        QVERIFY(f.action("mnuCheck"));
        QCOMPARE(f.action("mnuCheck")->text(), QStringLiteral("&Check..."));
        // The untitled data has no channel.
        f.action("mnuCheck")->trigger();
        QCOMPARE(f.prompts.findingsShown.size(), 1);
        QCOMPARE(f.prompts.findingsShown.first(),
                 QStringList{"All channels are empty: the radio would have no channel to use."});
        QVERIFY(f.window->fileCommands().openFile(f.appDir.filePath(AppContext::FactoryFileName)));
        f.action("mnuCheck")->trigger();
        QCOMPARE(f.prompts.findingsShown.size(), 1);
        QCOMPARE(f.prompts.boxTexts(), QStringList{"No problems were found."});
    }

    // The list as a person meets it: going on takes the button, Enter and Escape stay.
    void findingsDialogButtons_data() {
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("result");
        QTest::newRow("write anyway") << "proceed" << int(QDialog::Accepted);
        QTest::newRow("cancel") << "stay" << int(QDialog::Rejected);
        QTest::newRow("enter stays") << "enter" << int(QDialog::Rejected);
        QTest::newRow("escape stays") << "escape" << int(QDialog::Rejected);
    }
    void findingsDialogButtons() {
        QFETCH(QString, press);
        QFETCH(int, result);
        gui::FindingsDialog dialog(nullptr, "Check", "Before writing:", {"Channel 1: one", "Scan: two"}, "Write anyway",
                                   "Cancel");
        QCOMPARE(dialog.list()->count(), 2);
        QCOMPARE(dialog.proceedButton()->text(), QStringLiteral("Write anyway"));
        QCOMPARE(dialog.stayButton()->text(), QStringLiteral("Cancel"));
        QTimer::singleShot(0, &dialog, [&] {
            if (press == QLatin1String("proceed"))
                QTest::mouseClick(dialog.proceedButton(), Qt::LeftButton);
            else if (press == QLatin1String("stay"))
                QTest::mouseClick(dialog.stayButton(), Qt::LeftButton);
            else
                QTest::keyClick(dialog.list(), press == QLatin1String("enter") ? Qt::Key_Return : Qt::Key_Escape);
        });
        QCOMPARE(dialog.exec(), result);
    }
};

QTEST_MAIN(TestRecentFilesMenu)
#include "tst_recentfilesmenu.moc"
