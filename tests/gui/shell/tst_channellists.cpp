#include "ShellFixture.h"
#include "channels/ChannelCsv.h"
#include "channels/ChirpCsv.h"
#include "gui/shell/ChannelListCommands.h"

#include <QMenu>
#include <QTest>
#include <QUndoStack>

using namespace qrt;

namespace {

const QString OwnFilter = QStringLiteral("Channel list (*.csv)");
const QString ChirpFilter = QStringLiteral("CHIRP channel list (*.csv)");

struct ListShell : test::ShellFixture {
    ListShell() { document->openFile(appDir.filePath(AppContext::FactoryFileName)); }
    void runExport(const QString& name, const QString& filter) {
        prompts.fileNames.enqueue(appDir.filePath(name));
        prompts.chosenFilters.enqueue(filter);
        action("mnuFileExport")->trigger();
    }
    void runImport(const QString& name, const QString& filter) {
        prompts.fileNames.enqueue(appDir.filePath(name));
        prompts.chosenFilters.enqueue(filter);
        action("mnuFileImport")->trigger();
    }
    QByteArray ownList() { return channels::exportChannelCsv(document->channelModel()); }
};

} // namespace

class TestChannelLists : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entriesStandInTheFileMenu();
    void exportAndImportBothFormats();
    void importWithErrorsShowsThemAndChangesNothing();
    void chirpImportShowsItsNotes();
    void lockBlocksTheImport();
};

void TestChannelLists::entriesStandInTheFileMenu() {
    ListShell s;
    const QList<QAction*> entries = s.window->findChild<QMenu*>(QStringLiteral("mnuFile"))->actions();
    const qsizetype import = entries.indexOf(s.action("mnuFileImport"));
    QVERIFY(import > entries.indexOf(s.action("mnuFileSaveAs")));
    QCOMPARE(entries.indexOf(s.action("mnuFileExport")), import + 1);
    QVERIFY(entries.indexOf(s.action("mnuExit")) > import + 1);
    QCOMPARE(s.action("mnuFileImport")->text(), QStringLiteral("&Import..."));
}

void TestChannelLists::exportAndImportBothFormats() {
    ListShell s;
    const QByteArray factoryList = s.ownList();
    s.runExport(QStringLiteral("own"), OwnFilter); // the suffix is added
    QCOMPARE(s.appDir.readFile(QStringLiteral("own.csv")), factoryList);
    s.runExport(QStringLiteral("chirp.csv"), ChirpFilter);
    QCOMPARE(s.appDir.readFile(QStringLiteral("chirp.csv")), channels::exportChirpCsv(s.document->channelModel()));
    QVERIFY(s.prompts.boxes.isEmpty());

    s.document->newFile();
    const QByteArray emptyList = s.ownList();
    QVERIFY(emptyList != factoryList);
    const int steps = s.document->undoStack().count();
    s.runImport(QStringLiteral("own.csv"), OwnFilter);
    QCOMPARE(s.ownList(), factoryList);
    QCOMPARE(s.document->undoStack().count(), steps + 1);
    QCOMPARE(s.document->undoStack().undoText(), QStringLiteral("Import channels"));
    s.document->undoStack().undo();
    QCOMPARE(s.ownList(), emptyList);

    s.runImport(QStringLiteral("chirp.csv"), ChirpFilter);
    QCOMPARE(channels::exportChirpCsv(s.document->channelModel()), s.appDir.readFile(QStringLiteral("chirp.csv")));
    QVERIFY(s.prompts.boxes.isEmpty());
}

void TestChannelLists::importWithErrorsShowsThemAndChangesNothing() {
    ListShell s;
    QVERIFY(s.appDir.writeFile(QStringLiteral("bad.csv"), "CH,Rx Freq[MHz],Rx CTCSS/DCS\r\n1,440.1,67.0\r\n"
                                                          "2,44O,67.0\r\n4,440.2,D999X\r\n"));
    const QByteArray before = s.ownList();
    const int steps = s.document->undoStack().count();
    s.runImport(QStringLiteral("bad.csv"), OwnFilter);
    QCOMPARE(s.prompts.boxes.size(), 1);
    const QString message = s.prompts.boxes.first().text;
    QVERIFY2(message.contains(QStringLiteral("nothing was changed")), qPrintable(message));
    QVERIFY(message.contains(QStringLiteral("line 3, Rx Freq[MHz]: '44O' is not a frequency in MHz")));
    QVERIFY(message.contains(QStringLiteral("line 4, Rx CTCSS/DCS: 'D999X' is not a tone")));
    QCOMPARE(s.prompts.boxes.first().title, s.text(TextId::Notice));
    QCOMPARE(s.ownList(), before);
    QCOMPARE(s.document->undoStack().count(), steps);

    // The own format's reader on a CHIRP list: its columns are not ours.
    s.runExport(QStringLiteral("chirp.csv"), ChirpFilter);
    s.runImport(QStringLiteral("chirp.csv"), OwnFilter);
    QVERIFY(s.prompts.boxes.last().text.contains(QStringLiteral("line 1: 'Frequency' is not a column")));
    QCOMPARE(s.ownList(), before);
}

void TestChannelLists::chirpImportShowsItsNotes() {
    ListShell s;
    QVERIFY(s.appDir.writeFile(QStringLiteral("zero.csv"), "Location,Name,Frequency\r\n0,Home,446.00625\r\n"));
    s.runImport(QStringLiteral("zero.csv"), ChirpFilter);
    QCOMPARE(s.document->channelModel().cellText(1, 1), QStringLiteral("446.00625"));
    QCOMPARE(s.prompts.boxes.size(), 1);
    QCOMPARE(s.prompts.boxes.first().icon, QMessageBox::Information);
    QVERIFY(s.prompts.boxes.first().text.contains(QStringLiteral("location 0 is channel 1")));
    QVERIFY(s.prompts.boxes.first().text.contains(QStringLiteral("ignored: Name")));
}

void TestChannelLists::lockBlocksTheImport() {
    ListShell s;
    s.runExport(QStringLiteral("own.csv"), OwnFilter);
    s.document->newFile();
    s.document->setLocked(true);
    QVERIFY(!s.action("mnuFileImport")->isEnabled());
    QVERIFY(s.action("mnuFileExport")->isEnabled());
    const QByteArray before = s.ownList();
    s.prompts.fileNames.enqueue(s.appDir.filePath(QStringLiteral("own.csv")));
    s.window->channelListCommands().importList();
    QCOMPARE(s.ownList(), before);
    QCOMPARE(s.prompts.fileNames.size(), 1); // no dialog was shown
    s.document->setLocked(false);
    QVERIFY(s.action("mnuFileImport")->isEnabled());
}

QTEST_MAIN(TestChannelLists)
#include "tst_channellists.moc"
