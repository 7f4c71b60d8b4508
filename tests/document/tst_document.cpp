#include "TestSupport.h"
#include "channels/ChannelTableModel.h"
#include "core/AppContext.h"
#include "core/DataFile.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "options/PttIdPauseDialogModel.h"
#include "options/SettingsModel.h"
#include "options/TwoToneTable.h"
#include "options/VolumeDialogModel.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace qrt;

namespace {

// The program started in English in a temporary copy of the application folder, with the
// factory data opened so that channels and options hold values.
struct Started {
    Started() {
        context = std::make_unique<AppContext>(dir.path());
        context->errorLog().subscribe([this](const QString&, const QString& detail) { logged << detail; });
        document = startProgram(*context, Language::English);
        document->openFile(dir.filePath(AppContext::FactoryFileName));
    }
    QByteArray bytes() const { return document->image().bytes(); }
    options::SettingsModel& settings() { return document->settings(); }
    // Selects another item than the list shows.
    bool selectOther(const QString& name) {
        const options::Control* c = settings().control(name);
        return c && settings().selectItem(name, (c->item + 1) % int(c->items.size()));
    }

    test::TempAppDir dir;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<Document> document;
    QStringList logged;
};

using Edit = std::function<void(Started&)>;

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestDocument : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyEditUndoesToTheSameBytes_data();
    void everyEditUndoesToTheSameBytes();
    void editsOfOneControlMerge();
    void editBackToTheStartLeavesNoStep();
    void noChangeIsNoEdit();
    void refreshRepairsAreNotEdits();
    void modifiedFlagFollowsEditsAndSaves();
    void readIsOneUndoStep();
    void lockRefusesEveryEdit_data();
    void lockRefusesEveryEdit();
    void imageChangesAreAnnounced();
    void reloadingTheContextKeepsTheToneCodec();
    void encodingIsAnnouncedFirst_data();
    void encodingIsAnnouncedFirst();
    void modelBandAndFileChangesAreAnnounced();
};

void TestDocument::everyEditUndoesToTheSameBytes_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("changedFile"); // expected current file after the edit; empty: unchanged
    auto row = [](const char* name, Edit edit, const QString& file = {}) { QTest::newRow(name) << edit << file; };
    using channels::ChannelTableModel;
    row("receive frequency", [](Started& s) {
        ChannelTableModel& m = s.document->channelModel();
        QVERIFY(m.setReceiveFrequency(2, "462.55"));
    });
    row("new channel", [](Started& s) {
        ChannelTableModel& m = s.document->channelModel();
        QVERIFY(m.setReceiveFrequency(12, "440.1"));
    });
    row("cleared transmit", [](Started& s) {
        ChannelTableModel& m = s.document->channelModel();
        QVERIFY(m.setTransmitFrequency(3, ""));
    });
    row("decode tone", [](Started& s) {
        ChannelTableModel& m = s.document->channelModel();
        QVERIFY(m.setTone(4, 3, "D754I"));
    });
    row("option", [](Started& s) {
        ChannelTableModel& m = s.document->channelModel();
        QVERIFY(m.chooseOption(1, 6, 1));
    });
    // Changes of the table that are not yet encoded into the image are undone too.
    row("cycled option", [](Started& s) {
        ChannelTableModel& m = s.document->channelModel();
        QVERIFY(m.cycleOption(5, 7));
    });
    row("delete channel", [](Started& s) { QVERIFY(s.document->channelModel().deleteChannel(2)); });
    row("delete all channels", [](Started& s) { QVERIFY(s.document->channelModel().deleteAll()); });
    row("list", [](Started& s) { QVERIFY(s.selectOther("cboTot")); });
    row("check box",
        [](Started& s) { QVERIFY(s.settings().setChecked("chkBeep", !s.settings().control("chkBeep")->checked)); });
    row("check box with dependent", [](Started& s) {
        QVERIFY(s.settings().setChecked("chkTxEndTone", !s.settings().control("chkTxEndTone")->checked));
    });
    row("message text", [](Started& s) { QVERIFY(s.settings().setText("txtInfo1", "HELLO")); });
    row("key list", [](Started& s) { QVERIFY(s.selectOther("listSk1Short")); });
    row("vox compare default", [](Started& s) {
        QVERIFY(s.settings().selectItem("cboVoxCmpDat1", 30));
        s.document->undoStack().clear();
        s.settings().pressVoxCompareDefault();
    });
    row("two-tone cell", [](Started& s) {
        QVERIFY(s.settings().editTwoTone(options::TwoToneTable::codeOf(0, 2), options::TwoToneTable::FreqA, "1000"));
    });
    row("volume step", [](Started& s) { QVERIFY(s.document->volumeDialog().selectStep(4, 17)); });
    row("volume defaults", [](Started& s) {
        QVERIFY(s.document->volumeDialog().selectStep(4, 17));
        s.document->undoStack().clear();
        s.document->volumeDialog().restoreDefaults();
    });
    row("ptt id pause box", [](Started& s) { QVERIFY(s.document->pttIdPauseDialog().setChecked(5, true)); });
    row("ptt id pause all", [](Started& s) { s.document->pttIdPauseDialog().selectAll(); });
    row("band", [](Started& s) { s.document->chooseBand(2); });
    row(
        "custom band", [](Started& s) { s.document->chooseCustomBand("300", "350"); }, "untitled");
    row(
        "restore defaults",
        [](Started& s) {
            QVERIFY(s.selectOther("cboTot"));
            QVERIFY(s.document->saveAs(s.dir.filePath("mine.dat")).ok());
            s.document->undoStack().clear();
            QVERIFY(s.document->restoreDefaults().ok());
        },
        "factory");
}

void TestDocument::everyEditUndoesToTheSameBytes() {
    QFETCH(Edit, edit);
    QFETCH(QString, changedFile);
    Started s;
    s.document->undoStack().clear();
    edit(s);
    QUndoStack& undo = s.document->undoStack();
    QCOMPARE(undo.count(), 1);
    const QByteArray before = [&] {
        undo.undo();
        return s.bytes();
    }();
    const ChannelTable tableBefore = s.document->channels();
    const QString fileBefore = s.document->currentFilePath();
    undo.redo();
    const QByteArray after = s.bytes();
    const ChannelTable tableAfter = s.document->channels();
    const QString fileAfter = s.document->currentFilePath();
    QVERIFY(before != after || tableBefore != tableAfter);
    if (changedFile == "untitled")
        QCOMPARE(fileAfter, s.document->untitledFilePath());
    else if (changedFile == "factory")
        QCOMPARE(fileAfter, s.dir.filePath(AppContext::FactoryFileName));
    if (!changedFile.isEmpty())
        QVERIFY(fileBefore != fileAfter);

    // Undo and redo again, as often as a user might: the same bytes each time.
    for (int round = 0; round < 2; ++round) {
        undo.undo();
        QCOMPARE(s.bytes(), before);
        QVERIFY(s.document->channels() == tableBefore);
        QCOMPARE(s.document->currentFilePath(), fileBefore);
        undo.redo();
        QCOMPARE(s.bytes(), after);
        QVERIFY(s.document->channels() == tableAfter);
        QCOMPARE(s.document->currentFilePath(), fileAfter);
    }
    QCOMPARE(undo.count(), 1);
    QVERIFY(s.logged.isEmpty());
}

void TestDocument::editsOfOneControlMerge() {
    Started s;
    const QByteArray start = s.bytes();
    QVERIFY(s.settings().setText("txtInfo1", "H"));
    QVERIFY(s.settings().setText("txtInfo1", "HE"));
    QVERIFY(s.settings().setText("txtInfo1", "HEY"));
    QCOMPARE(s.document->undoStack().count(), 1);
    QVERIFY(s.selectOther("cboTot"));
    QVERIFY(s.settings().setText("txtInfo1", "HEYO"));
    QCOMPARE(s.document->undoStack().count(), 3);
    s.document->undoStack().undo();
    QCOMPARE(s.settings().control("txtInfo1")->text, QStringLiteral("HEY"));
    s.document->undoStack().undo();
    s.document->undoStack().undo();
    QCOMPARE(s.bytes(), start);
    QCOMPARE(s.settings().control("txtInfo1")->text, QString());
}

void TestDocument::editBackToTheStartLeavesNoStep() {
    Started s;
    const int shown = s.settings().control("cboTot")->item;
    QVERIFY(s.settings().selectItem("cboTot", shown + 1));
    QVERIFY(s.settings().selectItem("cboTot", shown));
    QCOMPARE(s.document->undoStack().count(), 0);
    QVERIFY(!s.document->isModified());
}

void TestDocument::noChangeIsNoEdit() {
    Started s;
    QSignalSpy changes(s.document.get(), &Document::imageChanged);
    const bool on = s.settings().control("chkBeep")->checked;
    QVERIFY(s.settings().setChecked("chkBeep", on));
    QVERIFY(s.settings().selectItem("cboTot", s.settings().control("cboTot")->item));
    QCOMPARE(s.document->undoStack().count(), 0);
    QVERIFY(!s.document->isModified());
    QCOMPARE(changes.count(), 0);
}

void TestDocument::refreshRepairsAreNotEdits() {
    Started s;
    // Random data: the refresh repairs many values while the file opens.
    QByteArray file(datafile::FileSize, '\0');
    QRandomGenerator random(506);
    for (auto& b : file)
        b = char(random.bounded(256));
    QVERIFY(s.dir.writeFile("random.dat", file));
    QVERIFY(s.document->openFile(s.dir.filePath("random.dat")).ok());
    QCOMPARE(s.document->undoStack().count(), 0);
    QVERIFY(!s.document->isModified());
    QVERIFY(datafile::fileLayout(s.document->image()) != file);
}

void TestDocument::modifiedFlagFollowsEditsAndSaves() {
    Started s;
    QSignalSpy modified(s.document.get(), &Document::modifiedChanged);
    QVERIFY(!s.document->isModified());
    QVERIFY(s.selectOther("cboTot"));
    QVERIFY(s.document->isModified());
    QVERIFY(s.document->saveAs(s.dir.filePath("a.dat")).ok());
    QVERIFY(!s.document->isModified());
    QCOMPARE(s.document->undoStack().count(), 1); // a save keeps the history
    QVERIFY(s.selectOther("cboTot"));
    QVERIFY(s.document->isModified());
    s.document->undoStack().undo(); // back where it was saved
    QVERIFY(!s.document->isModified());
    s.document->undoStack().undo();
    QVERIFY(s.document->isModified());
    s.document->newFile();
    QVERIFY(!s.document->isModified());
    QCOMPARE(s.document->undoStack().count(), 0);
    QVERIFY(s.selectOther("cboTot"));
    QVERIFY(s.document->openFile(s.dir.filePath("a.dat")).ok());
    QVERIFY(!s.document->isModified());
    QCOMPARE(s.document->undoStack().count(), 0);
    // A failed save leaves the flag set.
    QVERIFY(s.selectOther("cboTot"));
    QVERIFY(!s.document->saveAs(s.dir.filePath("missing/folder/b.dat")).ok());
    QVERIFY(s.document->isModified());
    QList<bool> flags;
    for (const auto& args : modified)
        flags << args.at(0).toBool();
    QCOMPARE(flags, (QList<bool>{true, false, true, false, true, false, true, false, true}));
}

// A read replaces the data as one step of the history: Undo brings back what was there,
// including an edit not yet saved, and the modified flag follows.
void TestDocument::readIsOneUndoStep() {
    Started s;
    QUndoStack& undo = s.document->undoStack();
    const QByteArray opened = s.bytes();
    QVERIFY(s.selectOther("cboTot"));
    QVERIFY(s.document->channelModel().setReceiveFrequency(3, "462.55"));
    const QByteArray edited = s.bytes();
    const ChannelTable editedTable = s.document->channels();
    QByteArray radio = edited;
    radio[0x130] = char(radio.at(0x130) ^ 0x01);
    radio.replace(0x20, 4, QByteArray::fromHex("00500144")); // channel 2 receives 440.15 MHz
    QSignalSpy changes(s.document.get(), &Document::imageChanged);

    s.document->applyRadioRead(radio);

    QCOMPARE(s.bytes().mid(0x20, 4), radio.mid(0x20, 4));
    QCOMPARE(s.document->channelModel().cellText(2, 1), QStringLiteral("440.15"));
    QCOMPARE(undo.count(), 3);
    QCOMPARE(undo.text(2), QStringLiteral("Read from radio"));
    QVERIFY(s.document->isModified());
    QCOMPARE(changes.count(), 1);
    const QByteArray read = s.bytes();

    undo.undo();
    QCOMPARE(s.bytes(), edited);
    QVERIFY(s.document->channels() == editedTable);
    QVERIFY(s.document->isModified());
    undo.undo();
    undo.undo();
    QCOMPARE(s.bytes(), opened);
    QVERIFY(!s.document->isModified());
    for (int i = 0; i < 3; ++i)
        undo.redo();
    QCOMPARE(s.bytes(), read);
    QVERIFY(s.document->save().ok());
    QVERIFY(!s.document->isModified());

    // Reading what is already there changes nothing.
    s.document->applyRadioRead(read);
    QCOMPARE(undo.count(), 3);
    QVERIFY(!s.document->isModified());
}

void TestDocument::lockRefusesEveryEdit_data() {
    QTest::addColumn<Edit>("edit");
    auto row = [](const char* name, Edit edit) { QTest::newRow(name) << edit; };
    using channels::ChannelTableModel;
    row("typed frequency", [](Started& s) {
        ChannelTableModel& m = s.document->channelModel();
        QVERIFY(!m.setReceiveFrequency(2, "462.55"));
    });
    row("cycled option", [](Started& s) {
        ChannelTableModel& m = s.document->channelModel();
        QVERIFY(!m.cycleOption(5, 7));
    });
    row("tone", [](Started& s) {
        ChannelTableModel& m = s.document->channelModel();
        QVERIFY(!m.setTone(4, 3, "D754I"));
    });
    row("delete channel", [](Started& s) { QVERIFY(!s.document->channelModel().deleteChannel(2)); });
    row("delete all channels", [](Started& s) { QVERIFY(!s.document->channelModel().deleteAll()); });
    row("model", [](Started& s) { s.document->chooseModel(1); });
    row("band", [](Started& s) { s.document->chooseBand(2); });
    row("custom band", [](Started& s) { s.document->chooseCustomBand("300", "350"); });
    row("restore defaults", [](Started& s) {
        const Result result = s.document->restoreDefaults();
        QVERIFY(!result.ok());
        QVERIFY(!result.message().has_value());
    });
    row("memory bytes", [](Started& s) { QVERIFY(!s.document->writeBytes(0x1010, QByteArray(4, '\x42'), {})); });
    row("undo", [](Started& s) {
        QVERIFY(!s.document->editHistory().canUndo());
        s.document->editHistory().undo();
    });
    row("redo", [](Started& s) {
        QVERIFY(!s.document->editHistory().canRedo());
        s.document->editHistory().redo();
    });
}

void TestDocument::lockRefusesEveryEdit() {
    QFETCH(Edit, edit);
    Started s;
    QVERIFY(s.document->saveAs(s.dir.filePath("mine.dat")).ok());
    QVERIFY(s.selectOther("cboTot"));
    QVERIFY(s.settings().setChecked("chkBeep", !s.settings().control("chkBeep")->checked));
    s.document->undoStack().undo(); // something to undo and something to redo
    s.document->setLocked(true);
    const QByteArray bytes = s.bytes();
    const ChannelTable table = s.document->channels();
    const BandState band = s.document->bandState();
    const int index = s.document->undoStack().index();

    edit(s);

    QCOMPARE(s.bytes(), bytes);
    QVERIFY(s.document->channels() == table);
    QVERIFY(s.document->bandState() == band);
    QCOMPARE(s.document->currentFilePath(), s.dir.filePath("mine.dat"));
    QCOMPARE(s.document->undoStack().index(), index);
    QCOMPARE(s.document->undoStack().count(), 2);
    s.document->setLocked(false);
    QVERIFY(s.document->editHistory().canUndo());
    QVERIFY(s.document->editHistory().canRedo());
}

void TestDocument::imageChangesAreAnnounced() {
    Started s;
    QSignalSpy changes(s.document.get(), &Document::imageChanged);
    QVERIFY(s.selectOther("cboTot"));
    QCOMPARE(changes.count(), 1);
    const int first = changes.at(0).at(0).toInt(), count = changes.at(0).at(1).toInt();
    // cboTot lives in one byte.
    QCOMPARE(count, 1);
    const QByteArray after = s.bytes();
    s.document->undoStack().undo();
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(1).at(0).toInt(), first);
    QVERIFY(s.bytes().at(first) != after.at(first));
    QVERIFY(s.document->openFile(s.dir.filePath(AppContext::FactoryFileName)).ok());
    QCOMPARE(changes.count(), 3);
}

void TestDocument::reloadingTheContextKeepsTheToneCodec() {
    Started s;
    // The channel codec keeps the tone list of the context; loading the settings again
    // (in another language) must leave it valid.
    s.context->load(Language::SimplifiedChinese);
    s.document->channelModel().reloadFromImage();
    QCOMPARE(s.document->channels().decodeTone(7), QStringLiteral("无"));
}

void TestDocument::encodingIsAnnouncedFirst_data() {
    QTest::addColumn<Edit>("command");
    QTest::addColumn<int>("announced");
    auto row = [](const char* name, Edit command, int announced) { QTest::newRow(name) << command << announced; };
    row(
        "save", [](Started& s) { QVERIFY(s.document->save().ok()); }, 1);
    row(
        "save as", [](Started& s) { QVERIFY(s.document->saveAs(s.dir.filePath("mine.dat")).ok()); }, 1);
    row(
        "failed save as", [](Started& s) { QVERIFY(!s.document->saveAs(s.dir.path()).ok()); }, 1);
    row(
        "write to the radio", [](Started& s) { s.document->encodeChannels(); }, 1);
    row(
        "memory viewer bytes",
        [](Started& s) { QVERIFY(s.document->writeBytes(0x1F0, QByteArray(2, '\x12'), QStringLiteral("bytes"))); }, 1);
    row(
        "open", [](Started& s) { QVERIFY(s.document->openFile(s.dir.filePath(AppContext::FactoryFileName)).ok()); }, 0);
    row(
        "read from the radio", [](Started& s) { s.document->applyRadioRead(s.bytes()); }, 0);
    row(
        "new data", [](Started& s) { s.document->newFile(); }, 0);
    // The memory viewer shows the image as it is; the tone list stays open over the grid.
    row(
        "memory viewer refresh", [](Started& s) { s.document->encodeChannels(Document::EditInProgress::Keep); }, 0);
}

void TestDocument::encodingIsAnnouncedFirst() {
    QFETCH(Edit, command);
    QFETCH(int, announced);
    Started s;
    QStringList events;
    connect(s.document.get(), &Document::imageChanged, s.document.get(), [&] { events << "image"; });
    // What a view holding an edit not yet stored does: it stores it when the encoding is announced.
    connect(s.document.get(), &Document::aboutToEncode, s.document.get(), [&] {
        events << "encode";
        QVERIFY(s.document->channelModel().setReceiveFrequency(12, QStringLiteral("440.1")));
    });
    command(s);
    QCOMPARE(events.count("encode"), announced);
    if (announced) {
        QCOMPARE(events.first(), QStringLiteral("encode"));
        QCOMPARE(s.document->image().mid(ChannelTable::recordAddress(12), 4), QByteArray::fromHex("00000144"));
    }
}

void TestDocument::modelBandAndFileChangesAreAnnounced() {
    Started s;
    QSignalSpy model(s.document.get(), &Document::modelChanged);
    QSignalSpy band(s.document.get(), &Document::bandChanged);
    QSignalSpy file(s.document.get(), &Document::currentFileChanged);

    s.document->chooseBand(0);
    QCOMPARE(band.count(), 1);
    QCOMPARE(band.last().at(0).toInt(), 0);
    QCOMPARE(band.last().at(1).toString(), QStringLiteral("134 - 174 MHz"));
    s.document->chooseModel(0);
    QCOMPARE(model.count(), 1);
    QCOMPARE(file.count(), 0);

    const QString path = s.dir.filePath("mine.dat");
    QVERIFY(s.document->saveAs(path).ok());
    QCOMPARE(file.count(), 1);
    QCOMPARE(file.last().at(0).toString(), path);
    QVERIFY(!s.document->saveAs(s.dir.path()).ok());
    QCOMPARE(file.count(), 1);

    // The model was already 0: the band choice is the one step to undo, and undoing it
    // shows the band of before again.
    s.document->undoStack().undo();
    QCOMPARE(band.last().at(0).toInt(), s.document->bandPosition());
    QVERIFY(s.document->bandPosition() != 0);

    s.document->newFile();
    QCOMPARE(file.last().at(0).toString(), s.document->untitledFilePath());
}

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
