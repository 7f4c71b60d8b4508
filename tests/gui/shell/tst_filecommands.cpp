#include "FullFileSystem.h"
#include "ShellFixture.h"
#include "channels/ChannelTableModel.h"
#include "core/DataFile.h"
#include "core/TextIndex.h"
#include "gui/channels/ChannelGridView.h"
#include "gui/shell/FileCommands.h"
#include "gui/shell/ProgramLaunch.h"

#include <QComboBox>
#include <QCommandLineParser>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace qrt;
using test::ShellFixture;

namespace {

const QString ClearQ = QStringLiteral("All data will be cleared,continue?");
const QString SaveQ = QStringLiteral("TempData has changed,Do you want to save it now?");

QString receiveFrequency(Document& document, int channel) {
    return document.channelModel().cellText(channel, 1);
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newFile_data();
    void newFile();
    void openAsksForAFile();
    void openCancelledChangesNothing();
    void openOddFile_data();
    void openOddFile();
    void openUnreadableFile_data();
    void openUnreadableFile();
    void saveFlows_data();
    void saveFlows();
    void saveAsAsksBeforeReplacing_data();
    void saveAsAsksBeforeReplacing();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void saveCommitsTheToneFirst();
    void toneBeingChosenIsAnUnsavedChange_data();
    void toneBeingChosenIsAnUnsavedChange();
    void savedFileOpensToTheSameData();
    void commandLineOpensTheFile();
    void startUpShowsWhatItCouldNotRead();
};

void TestFileCommands::newFile_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("unchanged, yes") << false << QList<int>{QMessageBox::Yes} << QStringList{ClearQ} << true;
    QTest::newRow("unchanged, no") << false << QList<int>{QMessageBox::No} << QStringList{ClearQ} << false;
    QTest::newRow("changed, not saved, yes")
        << true << QList<int>{QMessageBox::No, QMessageBox::Yes} << QStringList{SaveQ, ClearQ} << true;
    QTest::newRow("changed, cancel") << true << QList<int>{QMessageBox::Cancel} << QStringList{SaveQ} << false;
}

void TestFileCommands::newFile() {
    QFETCH(bool, modified);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, asked);
    QFETCH(bool, cleared);
    ShellFixture f;
    const QByteArray untitled = f.document->image().bytes();
    QVERIFY(f.document->openFile(f.context->appFile(AppContext::FactoryFileName)).ok());
    if (modified)
        f.editChannel("441.5");
    const QByteArray before = f.document->image().bytes();
    const QString pathBefore = f.document->currentFilePath();
    for (int answer : answers)
        f.prompts.answers.enqueue(QMessageBox::StandardButton(answer));

    f.action("mnuFileNew")->trigger();

    QCOMPARE(f.prompts.boxTexts(), asked);
    QCOMPARE(f.prompts.boxes.last().icon, QMessageBox::Question);
    QCOMPARE(f.prompts.boxes.last().title, QStringLiteral("Notice"));
    if (cleared) {
        QCOMPARE(f.document->image().bytes(), untitled);
        QCOMPARE(f.document->currentFilePath(), f.appDir.filePath("Data/Untitled.dat"));
        QVERIFY(f.window->findChild<QLabel*>("statusAddress")->text().endsWith(QStringLiteral("Untitled.dat")));
    } else {
        QCOMPARE(f.document->image().bytes(), before);
        QCOMPARE(f.document->currentFilePath(), pathBefore);
    }
}

void TestFileCommands::openAsksForAFile() {
    ShellFixture f;
    const QString path = f.appDir.filePath("radio.dat");
    QFile::copy(f.context->appFile(AppContext::FactoryFileName), path);
    f.prompts.fileNames.enqueue(path);

    f.action("FileOpen")->trigger();

    QCOMPARE(f.prompts.dialogs.size(), 1);
    QVERIFY(!f.prompts.dialogs.first().save);
    QCOMPARE(f.prompts.dialogs.first().filter, QStringLiteral("Data File(*.dat)"));
    QCOMPARE(f.prompts.dialogs.first().folder, f.appDir.filePath("Data"));
    QVERIFY(f.prompts.boxes.isEmpty());
    QCOMPARE(f.document->currentFilePath(), path);
    QCOMPARE(f.window->findChild<QLabel*>("statusAddress")->text(),
             QStringLiteral("File Name:") + QDir::toNativeSeparators(path));
    QCOMPARE(datafile::fileLayout(f.document->image()).mid(32), f.appDir.readFile("radio.dat").mid(32));
}

void TestFileCommands::openCancelledChangesNothing() {
    ShellFixture f;
    f.editChannel();
    const QByteArray before = f.document->image().bytes();
    f.prompts.answers.enqueue(QMessageBox::No); // do not save the changes

    f.action("mnuFileOpen")->trigger();

    QCOMPARE(f.prompts.boxTexts(), QStringList{SaveQ});
    QCOMPARE(f.prompts.dialogs.size(), 1);
    QCOMPARE(f.document->image().bytes(), before);
    QVERIFY(f.document->isModified());
    QCOMPARE(f.document->currentFilePath(), f.appDir.filePath("Data/Untitled.dat"));
}

void TestFileCommands::openOddFile_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("agree");
    QByteArray headerless(datafile::FileSize, char(0x11));
    QByteArray longer = headerless;
    longer.replace(0, 6, datafile::HeaderText);
    longer.append(10, char(0x22));
    QTest::newRow("empty, yes") << Language::English << QByteArray() << "the file is empty" << true;
    QTest::newRow("short, no") << Language::English << QByteArray(100, char(0x33)) << "the file holds 100 bytes"
                               << false;
    QTest::newRow("short, yes") << Language::English << QByteArray(100, char(0x33)) << "the file holds 100 bytes"
                                << true;
    QTest::newRow("long, no") << Language::English << longer << "more than 1040 bytes" << false;
    QTest::newRow("no header, yes") << Language::English << headerless << "does not begin with" << true;
    // The whole question in the user's language, the reason too.
    QTest::newRow("short, Simplified Chinese")
        << Language::SimplifiedChinese << QByteArray(100, char(0x33))
        << "看起来不是对讲机数据（文件只有 100 字节，数据文件应为 1040 字节）" << false;
    QTest::newRow("no header, Traditional Chinese")
        << Language::TraditionalChinese << headerless
        << "看起來不是對講機資料（檔案不是以「KW5182」開頭，而每個儲存的資料檔都以它開頭）" << false;
}

void TestFileCommands::openOddFile() {
    QFETCH(Language, language);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QFETCH(bool, agree);
    ShellFixture f(language);
    QVERIFY(f.appDir.writeFile("odd.dat", bytes));
    const QString path = f.appDir.filePath("odd.dat");
    const QByteArray before = f.document->image().bytes();
    f.prompts.fileNames.enqueue(path);
    f.prompts.answers.enqueue(agree ? QMessageBox::Yes : QMessageBox::No);

    f.action("mnuFileOpen")->trigger();

    QCOMPARE(f.prompts.boxes.size(), 1);
    const auto& warning = f.prompts.boxes.first();
    QCOMPARE(warning.icon, QMessageBox::Warning);
    QCOMPARE(warning.title, f.text(TextId::Notice));
    QVERIFY2(warning.text.contains(reason), qPrintable(warning.text));
    QVERIFY(warning.text.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(warning.buttons, QMessageBox::Yes | QMessageBox::No);
    if (agree) {
        QCOMPARE(f.document->currentFilePath(), path);
        // Opened as any file is: its bytes are in the image.
        if (bytes.size() > 40)
            QCOMPARE(f.document->image().bytes().mid(0x10, 8), bytes.mid(32, 8));
    } else {
        QCOMPARE(f.document->image().bytes(), before);
        QCOMPARE(f.document->currentFilePath(), f.appDir.filePath("Data/Untitled.dat"));
    }
}

void TestFileCommands::openUnreadableFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing"
                             << "The file does not exist";
    // Opening a pipe would wait for a writer for ever.
    QTest::newRow("pipe") << "pipe"
                          << "It is not an ordinary file (it is a pipe or a device)";
    QTest::newRow("folder") << "folder"
                            << "It is a folder, not a file";
}

void TestFileCommands::openUnreadableFile() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    ShellFixture f;
    const QString path = f.appDir.filePath("unreadable.dat");
    QVERIFY(test::placeUnreadable(kind, path));
    const QByteArray before = f.document->image().bytes();
    f.prompts.fileNames.enqueue(path);
    f.action("mnuFileOpen")->trigger();
    QCOMPARE(f.prompts.boxTexts(), QStringList{QStringLiteral("Wrong file type!\n") + reason});
    QCOMPARE(f.prompts.boxes.first().icon, QMessageBox::Critical);
    QCOMPARE(f.document->image().bytes(), before);
    QCOMPARE(f.context->errorLog().lastTag(), QStringLiteral("mdifrmMain->OpenFile"));
}

void TestFileCommands::saveFlows_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("chosen");  // in the app folder; empty: dialog cancelled; "taken.dat" is a folder
    QTest::addColumn<QString>("written"); // the file expected, empty: none
    QTest::addColumn<QStringList>("asked");
    QTest::newRow("Save, yes") << "mnuFileSave" << QList<int>{QMessageBox::Yes} << "one.dat"
                               << "one.dat" << QStringList{SaveQ};
    QTest::newRow("Save button, yes") << "FileSave" << QList<int>{QMessageBox::Yes} << "one.dat"
                                      << "one.dat" << QStringList{SaveQ};
    QTest::newRow("Save, no") << "mnuFileSave" << QList<int>{QMessageBox::No} << "one.dat"
                              << "" << QStringList{SaveQ};
    QTest::newRow("Save, cancelled dialog") << "mnuFileSave" << QList<int>{QMessageBox::Yes} << ""
                                            << "" << QStringList{SaveQ};
    QTest::newRow("Save onto a folder") << "mnuFileSave" << QList<int>{QMessageBox::Yes, QMessageBox::Ok} << "taken.dat"
                                        << "" << QStringList{SaveQ, "Save file failed!"};
    QTest::newRow("Save As") << "mnuFileSaveAs" << QList<int>{} << "two.dat"
                             << "two.dat" << QStringList{};
    QTest::newRow("Save As adds .dat") << "mnuFileSaveAs" << QList<int>{} << "three"
                                       << "three.dat" << QStringList{};
    QTest::newRow("Save As cancelled") << "mnuFileSaveAs" << QList<int>{} << ""
                                       << "" << QStringList{};
    QTest::newRow("Save As onto a folder") << "mnuFileSaveAs" << QList<int>{QMessageBox::Ok} << "taken.dat"
                                           << "" << QStringList{"Save file failed!"};
}

void TestFileCommands::saveFlows() {
    QFETCH(QString, command);
    QFETCH(QList<int>, answers);
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(QStringList, asked);
    ShellFixture f;
    QVERIFY(QDir(f.appDir.path()).mkdir(QStringLiteral("taken.dat")));
    f.editChannel("441.5");
    for (int answer : answers)
        f.prompts.answers.enqueue(QMessageBox::StandardButton(answer));
    f.prompts.fileNames.enqueue(chosen.isEmpty() ? QString() : f.appDir.filePath(chosen));
    const QString untitled = f.document->currentFilePath();

    f.action(qPrintable(command))->trigger();

    QStringList texts = f.prompts.boxTexts();
    for (QString& text : texts)
        text = text.section(QLatin1Char('\n'), 0, 0); // a failure adds the reason on a line of its own
    QCOMPARE(texts, asked);
    if (!asked.isEmpty() && asked.last() == QLatin1String("Save file failed!"))
        QCOMPARE(f.prompts.boxes.last().icon, QMessageBox::Critical);
    const bool dialogShown = !(command == QLatin1String("mnuFileSave") && answers.value(0) == QMessageBox::No);
    QCOMPARE(f.prompts.dialogs.size(), dialogShown ? 1 : 0);
    if (dialogShown) {
        QVERIFY(f.prompts.dialogs.first().save);
        QCOMPARE(f.prompts.dialogs.first().filter, QStringLiteral("Data File(*.dat)"));
        QCOMPARE(f.prompts.dialogs.first().folder, f.appDir.filePath("Data"));
    }
    if (written.isEmpty()) {
        QCOMPARE(f.document->currentFilePath(), untitled);
        QVERIFY(f.document->isModified());
        return;
    }
    const QByteArray saved = f.appDir.readFile(written);
    QCOMPARE(saved, datafile::fileLayout(f.document->image()));
    QVERIFY(saved.startsWith("KW5182"));
    QCOMPARE(saved.mid(16, 16), QByteArray(16, char(0xFF)));
    QCOMPARE(f.document->currentFilePath(), f.appDir.filePath(written));
    QVERIFY(!f.document->isModified());
    QVERIFY(!f.window->isWindowModified());
    QVERIFY(f.window->findChild<QLabel*>("statusAddress")->text().endsWith(written));
}

void TestFileCommands::saveAsAsksBeforeReplacing_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("typed");    // in the save dialog
    QTest::addColumn<QString>("existing"); // a file there before
    QTest::addColumn<int>("answer");       // to the question; NoButton: no question expected
    QTest::addColumn<QString>("question"); // a part of it
    QTest::addColumn<bool>("replaced");
    const int none = QMessageBox::NoButton;
    // The suffix is added to a name typed without one: the question covers that name.
    QTest::newRow("typed without suffix, yes")
        << Language::English << "three"
        << "three.dat" << int(QMessageBox::Yes) << "three.dat already exists." << true;
    QTest::newRow("typed without suffix, no")
        << Language::English << "three"
        << "three.dat" << int(QMessageBox::No) << "Do you want to replace it?" << false;
    QTest::newRow("typed with suffix, no") << Language::English << "three.dat"
                                           << "three.dat" << int(QMessageBox::No) << "three.dat" << false;
    QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese << "three"
                                        << "three.dat" << int(QMessageBox::No) << "three.dat 已存在。\n要替换它吗?"
                                        << false;
    QTest::newRow("Traditional Chinese") << Language::TraditionalChinese << "three"
                                         << "three.dat" << int(QMessageBox::Yes) << "要取代它嗎?" << true;
    QTest::newRow("only the name typed exists") << Language::English << "three"
                                                << "three" << none << "" << true;
}

void TestFileCommands::saveAsAsksBeforeReplacing() {
    QFETCH(Language, language);
    QFETCH(QString, typed);
    QFETCH(QString, existing);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(bool, replaced);
    ShellFixture f(language);
    QVERIFY(f.appDir.writeFile(existing, "old"));
    f.editChannel("441.5");
    f.prompts.fileNames.enqueue(f.appDir.filePath(typed));
    f.prompts.answers.enqueue(QMessageBox::StandardButton(answer));

    f.action("mnuFileSaveAs")->trigger();

    const QString written = f.appDir.filePath("three.dat");
    if (answer == QMessageBox::NoButton) {
        QVERIFY(f.prompts.boxes.isEmpty());
    } else {
        QCOMPARE(f.prompts.boxes.size(), 1);
        QCOMPARE(f.prompts.boxes.first().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(f.prompts.boxes.first().title, f.text(TextId::Notice));
        QVERIFY2(f.prompts.boxes.first().text.contains(QDir::toNativeSeparators(written)),
                 qPrintable(f.prompts.boxes.first().text));
        QVERIFY2(f.prompts.boxes.first().text.contains(question), qPrintable(f.prompts.boxes.first().text));
    }
    if (replaced) {
        QCOMPARE(f.appDir.readFile("three.dat"), datafile::fileLayout(f.document->image()));
        QCOMPARE(f.document->currentFilePath(), written);
        QCOMPARE(f.prompts.dialogs.size(), 1);
    } else {
        // No keeps the old file and goes back to the dialog, in the folder of that file.
        QCOMPARE(f.appDir.readFile("three.dat"), QByteArray("old"));
        QVERIFY(f.document->isModified());
        QCOMPARE(f.prompts.dialogs.size(), 2);
        QCOMPARE(f.prompts.dialogs.last().folder, f.appDir.path());
    }
    if (existing != QLatin1String("three.dat"))
        QCOMPARE(f.appDir.readFile(existing), QByteArray("old"));
}

void TestFileCommands::fullDiskKeepsTheOldFile_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("failure");
    QTest::newRow("Save As, English") << Language::English << "mnuFileSaveAs"
                                      << "Save file failed!\nThe disk is full";
    QTest::newRow("Save, Simplified Chinese") << Language::SimplifiedChinese << "mnuFileSave"
                                              << "保存文件出错!\n磁盘已满";
    QTest::newRow("Save As, Traditional Chinese") << Language::TraditionalChinese << "mnuFileSaveAs"
                                                  << "\n磁碟已滿";
}

void TestFileCommands::fullDiskKeepsTheOldFile() {
    QFETCH(Language, language);
    QFETCH(QString, command);
    QFETCH(QString, failure);
    test::FullFileSystem disk;
    if (!disk.isMounted())
        QSKIP("Mounting a small file system needs root");
    ShellFixture f(language);
    QVERIFY(disk.put(QStringLiteral("old.dat"), "the old data"));
    QVERIFY(disk.fill());
    f.editChannel("441.5");
    const QString untitled = f.document->currentFilePath();
    if (command == QLatin1String("mnuFileSave"))
        f.prompts.answers.enqueue(QMessageBox::Yes); // save the changes
    f.prompts.answers.enqueue(QMessageBox::Yes);     // replace old.dat
    f.prompts.fileNames.enqueue(disk.filePath(QStringLiteral("old.dat")));

    f.action(qPrintable(command))->trigger();

    QVERIFY2(f.prompts.boxes.last().text.endsWith(failure), qPrintable(f.prompts.boxes.last().text));
    QCOMPARE(f.prompts.boxes.last().icon, QMessageBox::Critical);
    QCOMPARE(disk.read(QStringLiteral("old.dat")), QByteArray("the old data"));
    QCOMPARE(disk.fileNames(), (QStringList{"filler", "old.dat"}));
    QCOMPARE(f.document->currentFilePath(), untitled);
    QVERIFY(f.document->isModified());
    QCOMPARE(f.context->errorLog().lastTag(), QStringLiteral("mdifrmMain->SaveDatFile"));
    QCOMPARE(f.context->errorLog().lastNumber(), int(err::DiskFull));
}

void TestFileCommands::saveCommitsTheToneFirst() {
    ShellFixture f;
    int commits = 0;
    QObject::connect(f.document.get(), &Document::aboutToEncode, f.document.get(), [&] {
        ++commits;
        f.editChannel("443.25"); // the grid stores what was being chosen
    });
    f.prompts.fileNames.enqueue(f.appDir.filePath("tone.dat"));
    f.action("mnuFileSaveAs")->trigger();
    QCOMPARE(commits, 1);
    ShellFixture reopened;
    QVERIFY(reopened.document->openFile(f.appDir.filePath("tone.dat")).ok());
    QCOMPARE(receiveFrequency(*reopened.document, 2), receiveFrequency(*f.document, 2));
    QVERIFY(receiveFrequency(*reopened.document, 2).startsWith(QStringLiteral("443.25")));
}

void TestFileCommands::toneBeingChosenIsAnUnsavedChange_data() {
    QTest::addColumn<QString>("command"); // a menu entry; empty: the frame's close box
    QTest::newRow("New") << "mnuFileNew";
    QTest::newRow("Open") << "mnuFileOpen";
    QTest::newRow("language") << "mnuLangSel0";
    QTest::newRow("close") << "";
}

// Typed into the tone list and not yet stored, a tone is a change like any other: the
// command asks to save it, and cancelling keeps it.
void TestFileCommands::toneBeingChosenIsAnUnsavedChange() {
    QFETCH(QString, command);
    ShellFixture f;
    QVERIFY(f.document->openFile(f.context->appFile(AppContext::FactoryFileName)).ok());
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    auto& model = f.document->channelModel();
    int channel = 1;
    while (!model.table().isInUse(channel))
        ++channel;
    auto* grid = f.window->findChild<gui::ChannelGridView*>();
    QVERIFY(grid);
    const QModelIndex cell = grid->gridModel().cell(channel, 3);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
    QVERIFY(QTest::qWaitFor([&] { return grid->indexWidget(cell) != nullptr; }, 30000));
    auto* list = qobject_cast<QComboBox*>(grid->indexWidget(cell));
    QVERIFY(list);
    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), QStringLiteral("D754I"));
    QVERIFY(!f.document->isModified());
    const QString path = f.document->currentFilePath();
    f.prompts.answers.enqueue(QMessageBox::Cancel);

    if (command.isEmpty())
        f.window->close();
    else
        f.action(qPrintable(command))->trigger();

    QCOMPARE(f.prompts.boxTexts(), QStringList{SaveQ});
    QCOMPARE(model.cellText(channel, 3), QStringLiteral("D754I"));
    QVERIFY(f.document->isModified());
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.document->currentFilePath(), path);
    QVERIFY(f.prompts.dialogs.isEmpty());
    QVERIFY(f.restarter.requests.isEmpty());
}

void TestFileCommands::savedFileOpensToTheSameData() {
    ShellFixture f;
    f.editChannel("445.125");
    f.prompts.fileNames.enqueue(f.appDir.filePath("round.dat"));
    f.action("mnuFileSaveAs")->trigger();
    const QByteArray savedImage = f.document->image().bytes();

    f.action("mnuFileNew")->trigger(); // no question answered: nothing happens
    f.prompts.answers.enqueue(QMessageBox::Yes);
    f.action("mnuFileNew")->trigger();
    QVERIFY(f.document->image().bytes() != savedImage);
    f.prompts.fileNames.enqueue(f.appDir.filePath("round.dat"));
    f.action("mnuFileOpen")->trigger();
    QCOMPARE(f.document->image().bytes().mid(0, 0x400), savedImage.mid(0, 0x400));
    QVERIFY(receiveFrequency(*f.document, 2).startsWith(QStringLiteral("445.125")));
}

void TestFileCommands::commandLineOpensTheFile() {
    test::TempAppDir appDir;
    const QString path = appDir.filePath("given.dat");
    QFile::copy(appDir.filePath(AppContext::FactoryFileName), path);
    QCommandLineParser parser;
    gui::describeCommandLine(parser);
    QVERIFY(parser.parse({"qrt506", "--app-dir", appDir.path(), path}));
    const gui::LaunchOptions options = gui::launchOptionsFrom(parser, QStringLiteral("/nowhere"));
    QCOMPARE(options.appDir, appDir.path());
    QCOMPARE(options.file, path);

    test::ScriptedPrompts prompts{test::ScriptedPrompts::Unscripted::Close};
    test::RecordingViewer viewer;
    test::RecordingRestarter restarter;
    gui::RunningProgram program(options.appDir, prompts, viewer, restarter);
    program.start(options.file);
    QVERIFY(program.window().isVisible());
    QCOMPARE(program.document().currentFilePath(), path);
    QVERIFY(prompts.boxes.isEmpty());
    QCOMPARE(datafile::fileLayout(program.document().image()).mid(32), appDir.readFile("given.dat").mid(32));

    // Without --app-dir, a program folder that holds its settings file is the application folder.
    QVERIFY(parser.parse({"qrt506"}));
    QCOMPARE(gui::launchOptionsFrom(parser, appDir.path()).appDir, appDir.path());
    QVERIFY(gui::launchOptionsFrom(parser, appDir.path()).file.isEmpty());
}

void TestFileCommands::startUpShowsWhatItCouldNotRead() {
    // The lines were logged before the error list was docked, which then stayed hidden: a
    // template that could not be read left empty data without a word.
    test::TempAppDir appDir;
    QVERIFY(test::placeUnreadable(QStringLiteral("pipe"), appDir.filePath(AppContext::TemplateFileName)));
    test::ScriptedPrompts prompts{test::ScriptedPrompts::Unscripted::Close};
    test::RecordingViewer viewer;
    test::RecordingRestarter restarter;
    gui::RunningProgram program(appDir.path(), prompts, viewer, restarter);
    program.start(QString());
    auto* errors = program.window().findChild<QDockWidget*>(QStringLiteral("tdockShowErr"));
    QVERIFY(errors);
    QVERIFY(errors->isVisible());
    QVERIFY(errors->findChild<QListWidget*>()
                ->findItems(QStringLiteral("mdifrmMain->InitTempArray"), Qt::MatchContains)
                .size() == 1);
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
