// The communication window against the emulator: reads and writes through it, failures,
// the stop box, the refused close, the data log, the gestures and the address boxes.
#include "CommFixture.h"
#include "EmulatedRadioWindow.h"
#include "TransferFixtures.h"

#include "channels/ChannelGridModel.h"
#include "comm/CommLog.h"
#include "comm/RadioTransfer.h"
#include "gui/comm/CommunicationWindow.h"
#include "gui/comm/PortDialog.h"
#include "gui/common/ComparisonWindow.h"
#include "options/SettingsModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace qrt;
using namespace qrt::comm;
using namespace qrt::test::fixtures;
using qrt::gui::comm::CommunicationWindow;
using qrt::test::CommFixture;
using qrt::test::EmulatedRadioProgram;
using qrt::test::SilentRadioWindow;

Q_DECLARE_METATYPE(qrt::comm::TransferResult)

namespace {

constexpr int OperationTimeoutMs = 60000;

// The factory data as a radio holds it, speaking the standard command set, without a program code.
QByteArray factoryRadio() {
    CommFixture factory;
    if (!factory.document->openFile(factory.dir.filePath(AppContext::FactoryFileName)).ok())
        return {};
    QByteArray memory = factory.document->image().bytes();
    memory.replace(0x385, 9, QByteArray::fromHex("FFFFFF5A5257FFFFFF"));
    return memory;
}

template <class W> W* child(QWidget& window, const char* name) {
    return window.findChild<W*>(QString::fromLatin1(name));
}

// Replaces the text of an address box as typing does.
void typeInto(QWidget& window, const char* box, const QString& text) {
    QLineEdit* edit = child<QLineEdit>(window, box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Presses the window's button and waits until the operation has ended.
std::optional<TransferOutcome> runThrough(CommunicationWindow& window) {
    std::optional<TransferOutcome> outcome;
    QObject::connect(&window, &CommunicationWindow::operationFinished, &window,
                     [&outcome](const TransferOutcome& o) { outcome = o; });
    const char* button = window.kind() == TransferJob::Read ? "cmdRead" : "cmdWrite";
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return outcome.has_value(); }, OperationTimeoutMs))
        qWarning("The operation did not end in time");
    return outcome;
}

// Shows the window and starts a read of one block, recording its outcome; gives the stop box.
QCheckBox* startSilentRead(CommunicationWindow& window, std::optional<TransferOutcome>& outcome) {
    window.show();
    typeInto(window, "txtReadEndAddr", QStringLiteral("F"));
    QObject::connect(&window, &CommunicationWindow::operationFinished, &window,
                     [&outcome](const TransferOutcome& o) { outcome = o; });
    QTest::mouseClick(child<QPushButton>(window, "cmdRead"), Qt::LeftButton);
    return child<QCheckBox>(window, "chkStopCom");
}

QStringList logLines(CommunicationWindow& window) {
    QStringList lines;
    const QListWidget* log = child<QListWidget>(window, "listRtData");
    for (int i = 0; i < log->count(); ++i)
        lines << log->item(i)->text();
    return lines;
}

// A radio that acknowledges a write of channel 2's receive frequency (0020-0023) but keeps
// its old bytes there.
void keepsChannel2ReceiveFrequency(EmulatedRadioProgram& program) {
    sim::MemoryFaults keeps;
    for (int address = 0x20; address <= 0x23; ++address)
        keeps.keep.insert(address);
    program.radio.radio.setMemoryFaults(keeps);
}

} // namespace

class TestCommunicationWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<TransferOutcome>(); }
    void onlyTheOperationsButtonIsShown_data();
    void onlyTheOperationsButtonIsShown();
    void readShowsTheRadiosDataEverywhere();
    void writeThenReadBackIsIdentical();
    void radioThatKeepsBytesFailsTheVerify();
    void verifyAfterWriteIsRememberedAndCanBeOff();
    void compareWithRadioLeavesTheProgramsData();
    void silentRadioGivesMessage79AndKeepsTheImage();
    void stopBoxEndsTheOperationWithoutMessage();
    void closeIsRefusedWhileTheOperationRuns();
    void dataLogShowsTheBytesUnlessNotShowCourse();
    void frameDoubleClicksRevealAndHide_data();
    void frameDoubleClicksRevealAndHide();
    void addressBoxesStoreEveryChange_data();
    void addressBoxesStoreEveryChange();
    void portThatDoesNotOpenShowsThePortDialogThenLogs_data();
    void portThatDoesNotOpenShowsThePortDialogThenLogs();
    void rangeThatCannotBeSentIsTold_data();
    void rangeThatCannotBeSentIsTold();
    void gridMaxAddrIsAnnouncedAtOnce();
};

void TestCommunicationWindow::onlyTheOperationsButtonIsShown_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("readShown");
    QTest::newRow("read") << int(TransferJob::Read) << true;
    QTest::newRow("write") << int(TransferJob::Write) << false;
}

void TestCommunicationWindow::onlyTheOperationsButtonIsShown() {
    QFETCH(int, kind);
    QFETCH(bool, readShown);
    CommFixture f;
    CommunicationWindow window(*f.link, f.prompts, TransferJob::Kind(kind), &f.frame);
    window.show();
    QCOMPARE(child<QPushButton>(window, "cmdRead")->isVisible(), readShown);
    QCOMPARE(child<QPushButton>(window, "cmdWrite")->isVisible(), !readShown);
    QCOMPARE(window.windowTitle(), f.text(TextId::CommunicationTitle));
    QVERIFY(child<QCheckBox>(window, "chkNotShowProg")->isChecked());
    QVERIFY(child<QCheckBox>(window, "chkStopCom")->isHidden());
    QVERIFY(!window.engineeringShown());
}

void TestCommunicationWindow::readShowsTheRadiosDataEverywhere() {
    const QByteArray radio = factoryRadio();
    QVERIFY(!radio.isEmpty());
    EmulatedRadioProgram program(radio);
    CommFixture& f = program.fixture;
    QVERIFY(f.document->settings().selectItem("cboTot", 1)); // an edit the read replaces
    QVERIFY(f.document->image().bytes() != radio);

    CommunicationWindow window(*f.link, f.prompts, TransferJob::Read, &f.frame);
    window.show();
    const auto outcome = runThrough(window);
    QVERIFY(outcome);
    QCOMPARE(outcome->result, TransferResult::Ok);
    QVERIFY(f.prompts.boxes.isEmpty());
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(f.document->image().bytes().left(MemorySize), radio);
    // The grid and the settings pages follow the new image.
    QCOMPARE(f.document->channelModel().cellText(5, 3), QStringLiteral("D023N"));
    CommFixture factory;
    QVERIFY(factory.document->openFile(factory.dir.filePath(AppContext::FactoryFileName)).ok());
    QCOMPARE(test::cellTexts(channels::ChannelGridModel(f.document->channelModel())),
             test::cellTexts(channels::ChannelGridModel(factory.document->channelModel())));
    QCOMPARE(f.document->settings().control(QStringLiteral("cboTot"))->item,
             factory.document->settings().control(QStringLiteral("cboTot"))->item);
    QVERIFY(!f.link->operationRunning());
}

void TestCommunicationWindow::writeThenReadBackIsIdentical() {
    EmulatedRadioProgram program(factoryRadio());
    CommFixture& f = program.fixture;
    QVERIFY(f.document->openFile(f.dir.filePath(AppContext::FactoryFileName)).ok());
    channels::ChannelTableModel& grid = f.document->channelModel();
    QVERIFY(grid.setReceiveFrequency(2, "462.55"));
    QVERIFY(f.document->settings().selectItem("cboTot", 2));
    {
        CommunicationWindow window(*f.link, f.prompts, TransferJob::Write, &f.frame);
        window.show();
        const auto outcome = runThrough(window);
        QVERIFY(outcome);
        QCOMPARE(outcome->result, TransferResult::Ok);
    }

    EmulatedRadioProgram again(program.radio.memory());
    CommFixture& readBack = again.fixture;
    CommunicationWindow window(*readBack.link, readBack.prompts, TransferJob::Read, &readBack.frame);
    window.show();
    const auto outcome = runThrough(window);
    QVERIFY(outcome);
    QCOMPARE(outcome->result, TransferResult::Ok);
    QCOMPARE(test::cellTexts(channels::ChannelGridModel(readBack.document->channelModel())),
             test::cellTexts(channels::ChannelGridModel(grid)));
    QCOMPARE(readBack.document->channelModel().cellText(2, 1), QStringLiteral("462.55"));
    QCOMPARE(readBack.document->settings().control(QStringLiteral("cboTot"))->item, 2);
}

void TestCommunicationWindow::radioThatKeepsBytesFailsTheVerify() {
    EmulatedRadioProgram program(factoryRadio());
    CommFixture& f = program.fixture;
    QVERIFY(f.document->openFile(f.dir.filePath(AppContext::FactoryFileName)).ok());
    keepsChannel2ReceiveFrequency(program);
    QVERIFY(f.document->channelModel().setReceiveFrequency(2, "462.55"));
    f.document->encodeChannels();
    const QByteArray edited = f.document->image().mid(0x20, 4);

    CommunicationWindow window(*f.link, f.prompts, TransferJob::Write, &f.frame);
    window.show();
    QVERIFY(child<QCheckBox>(window, "chkVerifyAfterWrite")->isVisible());
    QVERIFY(child<QCheckBox>(window, "chkVerifyAfterWrite")->isChecked());
    const auto outcome = runThrough(window);
    QVERIFY(outcome);
    QCOMPARE(outcome->result, TransferResult::VerifyFailed);
    QVERIFY(!outcome->differences.isEmpty());
    QCOMPARE(f.prompts.boxes.size(), 1);
    QVERIFY2(f.prompts.boxTexts().first().contains(QStringLiteral("Channel 2: receive frequency")),
             qPrintable(f.prompts.boxTexts().first()));
    // The window stays with the failure in its status; the program keeps its own data.
    QVERIFY(window.isVisible());
    QCOMPARE(child<QLabel>(window, "lblComStatus")->text(), QStringLiteral("Verify failed"));
    QCOMPARE(f.document->image().mid(0x20, 4), edited);
    QCOMPARE(f.document->channelModel().cellText(2, 1), QStringLiteral("462.55"));
    QVERIFY(!f.link->operationRunning());
}

void TestCommunicationWindow::verifyAfterWriteIsRememberedAndCanBeOff() {
    EmulatedRadioProgram program(factoryRadio());
    CommFixture& f = program.fixture;
    QVERIFY(f.document->openFile(f.dir.filePath(AppContext::FactoryFileName)).ok());
    keepsChannel2ReceiveFrequency(program);
    QVERIFY(f.document->channelModel().setReceiveFrequency(2, "462.55"));

    CommunicationWindow window(*f.link, f.prompts, TransferJob::Write, &f.frame);
    window.show();
    QCheckBox* verify = child<QCheckBox>(window, "chkVerifyAfterWrite");
    verify->setFocus();
    QTest::keyClick(verify, Qt::Key_Space);
    QVERIFY(!verify->isChecked());
    QCOMPARE(SettingsFile(f.dir.filePath(AppContext::SettingsFileName))
                 .read(QStringLiteral("Verify"), QStringLiteral("AfterWrite"), QStringLiteral("?"), 9),
             QStringLiteral("0"));
    const auto outcome = runThrough(window);
    QVERIFY(outcome);
    QCOMPARE(outcome->result, TransferResult::Ok);
    QVERIFY(!outcome->verified);
    QVERIFY(f.prompts.boxes.isEmpty());

    CommunicationWindow next(*f.link, f.prompts, TransferJob::Write, &f.frame);
    QVERIFY(!child<QCheckBox>(next, "chkVerifyAfterWrite")->isChecked());
    CommunicationWindow reading(*f.link, f.prompts, TransferJob::Read, &f.frame);
    reading.show();
    QVERIFY(!child<QCheckBox>(reading, "chkVerifyAfterWrite")->isVisible());
}

void TestCommunicationWindow::compareWithRadioLeavesTheProgramsData() {
    EmulatedRadioProgram program(factoryRadio());
    CommFixture& f = program.fixture;
    QVERIFY(f.document->openFile(f.dir.filePath(AppContext::FactoryFileName)).ok());
    QVERIFY(f.document->channelModel().setReceiveFrequency(2, "462.55"));
    f.document->encodeChannels();
    const QByteArray before = f.document->image().bytes();
    const int undoSteps = f.document->undoStack().count();

    // The read window is answered with its Read button, the comparison read and closed.
    QStringList rows, header;
    bool readPressed = false;
    QTimer driver;
    connect(&driver, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* window = qobject_cast<CommunicationWindow*>(modal); window && !readPressed) {
            readPressed = true;
            QVERIFY(child<QPushButton>(*window, "cmdRead")->isVisible());
            QTest::mouseClick(child<QPushButton>(*window, "cmdRead"), Qt::LeftButton);
        } else if (auto* comparison = qobject_cast<gui::ComparisonWindow*>(modal)) {
            const QTableWidget& table = comparison->table();
            for (int c = 0; c < table.columnCount(); ++c)
                header << table.horizontalHeaderItem(c)->text();
            for (int r = 0; r < table.rowCount(); ++r)
                rows << table.item(r, 0)->text();
            QTest::keyClick(comparison, Qt::Key_Escape);
        }
    });
    driver.start(20);
    f.link->compareWithRadio();
    driver.stop();

    QVERIFY(readPressed);
    QCOMPARE(header, (QStringList{"Place", "This data", "The radio"}));
    // The edited channel differs; the rest of the channels are the same in both.
    QVERIFY2(!rows.filter(QStringLiteral("Channel 2: receive frequency")).isEmpty(), qPrintable(rows.join('\n')));
    QCOMPARE(rows.filter(QStringLiteral("Channel")).size(), rows.filter(QStringLiteral("Channel 2:")).size());
    QCOMPARE(f.document->image().bytes(), before);
    QCOMPARE(f.document->undoStack().count(), undoSteps);
    QVERIFY(f.prompts.boxes.isEmpty());
}

void TestCommunicationWindow::silentRadioGivesMessage79AndKeepsTheImage() {
    SilentRadioWindow silent;
    CommFixture& f = silent.fixture;
    CommunicationWindow& window = silent.window;
    QVERIFY(f.document->settings().selectItem("cboTot", 1));
    const QByteArray before = f.document->image().bytes();
    QSignalSpy changes(f.document.get(), &Document::imageChanged);

    window.show();
    typeInto(window, "txtReadEndAddr", QStringLiteral("F"));
    const auto outcome = runThrough(window);
    QVERIFY(outcome);
    QCOMPARE(outcome->result, TransferResult::CommFailed);
    QCOMPARE(f.prompts.boxTexts(), QStringList{f.text(TextId::CommunicationFailed)});
    QCOMPARE(f.prompts.boxes.first().title, f.text(TextId::Notice));
    QCOMPARE(f.prompts.boxes.first().icon, QMessageBox::Warning);
    QCOMPARE(f.prompts.boxes.first().parent, &f.frame);
    QCOMPARE(f.document->image().bytes(), before);
    QCOMPARE(changes.count(), 0);
    QVERIFY(!window.isVisible());
}

void TestCommunicationWindow::stopBoxEndsTheOperationWithoutMessage() {
    SilentRadioWindow silent;
    silent.program.holdTheLineUntilStopped();
    CommFixture& f = silent.fixture;
    CommunicationWindow& window = silent.window;
    std::optional<TransferOutcome> outcome;
    QCheckBox* stop = startSilentRead(window, outcome);
    // The box appears at the 6th failure; the lamp blinks meanwhile.
    QVERIFY(QTest::qWaitFor([&] { return stop->isVisible(); }, OperationTimeoutMs));
    QVERIFY(!outcome);
    QVERIFY(child<QTimer>(window, "tmrLigGrint")->isActive());
    stop->click();
    QVERIFY(QTest::qWaitFor([&] { return outcome.has_value(); }, OperationTimeoutMs));
    QCOMPARE(outcome->result, TransferResult::Stopped);
    QVERIFY(f.prompts.boxes.isEmpty());
    QVERIFY(stop->isHidden());
    QVERIFY(!stop->isChecked());
    QVERIFY(!child<QTimer>(window, "tmrLigGrint")->isActive());
    QVERIFY(!window.isVisible());
}

void TestCommunicationWindow::closeIsRefusedWhileTheOperationRuns() {
    SilentRadioWindow silent;
    silent.program.holdTheLineUntilStopped();
    CommFixture& f = silent.fixture;
    CommunicationWindow& window = silent.window;
    std::optional<TransferOutcome> outcome;
    QCheckBox* stop = startSilentRead(window, outcome);
    QVERIFY(f.link->operationRunning());

    QVERIFY(!window.close());
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    // A second operation cannot start: neither from this window nor from another.
    window.startOperation();
    CommunicationWindow second(*f.link, f.prompts, TransferJob::Read, &f.frame);
    second.startOperation();
    QVERIFY(child<QPushButton>(second, "cmdRead")->isEnabled());

    QVERIFY(QTest::qWaitFor([&] { return stop->isVisible(); }, OperationTimeoutMs));
    stop->click();
    QVERIFY(QTest::qWaitFor([&] { return outcome.has_value(); }, OperationTimeoutMs));
    QCOMPARE(outcome->result, TransferResult::Stopped);
    // One read ran: the six attempts before the box and the one it stopped, each starting
    // with the handshake.
    QCOMPARE(silent.program.radio.commandsStartingWith(QStringLiteral("50 52 4F 47 52 41 4D")).size(), 7);
    QVERIFY(!window.isVisible());
}

void TestCommunicationWindow::dataLogShowsTheBytesUnlessNotShowCourse() {
    EmulatedRadioProgram program(factoryRadio());
    CommFixture& f = program.fixture;
    {
        CommunicationWindow window(*f.link, f.prompts, TransferJob::Read, &f.frame);
        window.show();
        typeInto(window, "txtReadEndAddr", QStringLiteral("F"));
        QVERIFY(runThrough(window));
        QVERIFY(logLines(window).isEmpty());
    }
    CommunicationWindow window(*f.link, f.prompts, TransferJob::Read, &f.frame);
    window.show();
    child<QCheckBox>(window, "chkNotShowProg")->click();
    const auto outcome = runThrough(window);
    QVERIFY(outcome);
    QCOMPARE(outcome->result, TransferResult::Ok);
    const QStringList lines = logLines(window);
    // The handshake, its acknowledgement, then the command-set read.
    QCOMPARE(lines.mid(0, 3), CommLog::formatLines(ByteDirection::Transmit, "PROGRAM") +
                                  CommLog::formatLines(ByteDirection::Receive, QByteArray(1, '\x06')));
    QCOMPARE(lines.at(0), QStringLiteral("Tx: 50 52 4F 47 "));
    QCOMPARE(lines.at(1), QStringLiteral("    52 41 4D "));
    QCOMPARE(lines.at(2), QStringLiteral("Rx: 06 "));
    QCOMPARE(lines.at(3), QStringLiteral("Tx: 52 03 88 03 "));
    QCOMPARE(child<QListWidget>(window, "listRtData")->currentRow(), lines.size() - 1);
}

void TestCommunicationWindow::frameDoubleClicksRevealAndHide_data() {
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("shown");
    QTest::newRow("5th") << 5 << false;
    QTest::newRow("6th") << 6 << true;
    QTest::newRow("15th") << 15 << true;
    QTest::newRow("16th") << 16 << false;
    QTest::newRow("26th") << 26 << true;
}

void TestCommunicationWindow::frameDoubleClicksRevealAndHide() {
    QFETCH(int, clicks);
    QFETCH(bool, shown);
    CommFixture f;
    CommunicationWindow window(*f.link, f.prompts, TransferJob::Read, &f.frame);
    window.show();
    QGroupBox* top = child<QGroupBox>(window, "fraOne");
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const int closedHeight = window.height();
    for (int i = 0; i < clicks; ++i)
        QTest::mouseDClick(top, Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(window.engineeringShown(), shown);
    QCOMPARE(child<QWidget>(window, "listRtData")->isVisible(), shown);
    QCOMPARE(window.height() > closedHeight, shown);

    // The count goes on for the run: a fresh window starts with the frames hidden, and its
    // next double-click is the run's next one.
    CommunicationWindow next(*f.link, f.prompts, TransferJob::Write, &f.frame);
    next.show();
    QVERIFY(!next.engineeringShown());
    QTest::mouseDClick(child<QGroupBox>(next, "fraOne"), Qt::LeftButton);
    QCOMPARE(next.engineeringShown(), (clicks + 1) % 10 == 6);
}

void TestCommunicationWindow::addressBoxesStoreEveryChange_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("loggedTag");
    QTest::newRow("read end") << "txtReadEndAddr"
                              << "ReadEndAddr" << int(CommAddresses::ReadEnd) << "3FF" << 0x3FF << QString();
    QTest::newRow("grid max") << "txtMaxAddr"
                              << "TableMaxAddr" << int(CommAddresses::MaxAddr) << "3ff" << 0x3FF << QString();
    QTest::newRow("bad read start") << "txtReadStartAddr"
                                    << "ReadStartAddr" << int(CommAddresses::ReadStart) << "XYZ" << 0
                                    << "frmCommun->txtReadStartAddr_Change";
    QTest::newRow("bad write end") << "txtWriteEndAddr"
                                   << "WriteEndAddr" << int(CommAddresses::WriteEnd) << "1G" << 1
                                   << "frmCommun->txtWriteEndAddr_Change"; // every keystroke is a change
    QTest::newRow("bad grid max, not logged")
        << "txtMaxAddr"
        << "TableMaxAddr" << int(CommAddresses::MaxAddr) << "Q" << 0x1FFF << QString();
}

void TestCommunicationWindow::addressBoxesStoreEveryChange() {
    QFETCH(QString, box);
    QFETCH(QString, key);
    QFETCH(int, which);
    QFETCH(QString, typed);
    QFETCH(int, value);
    QFETCH(QString, loggedTag);
    CommFixture f;
    QStringList tags;
    f.context->errorLog().subscribe([&tags](const QString&, const QString& detail) { tags << detail; });
    CommunicationWindow window(*f.link, f.prompts, TransferJob::Read, &f.frame);
    window.show();
    typeInto(window, box.toLatin1().constData(), typed);
    QCOMPARE(f.setting(key), typed);
    QCOMPARE(f.link->addresses().value(CommAddresses::Box(which)), value);
    QCOMPARE(!loggedTag.isEmpty() && tags.join(QLatin1Char('\n')).contains(loggedTag), !loggedTag.isEmpty());
    // A fresh window shows the stored text.
    CommunicationWindow next(*f.link, f.prompts, TransferJob::Read, &f.frame);
    QCOMPARE(child<QLineEdit>(next, box.toLatin1().constData())->text(), typed);
}

void TestCommunicationWindow::portThatDoesNotOpenShowsThePortDialogThenLogs_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("status"); // why, in the user's language
    QTest::newRow("English") << Language::English << "%1 does not exist (is the programming cable plugged in?)";
    QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese << "%1 不存在（写频线插好了吗?）";
    QTest::newRow("Traditional Chinese") << Language::TraditionalChinese << "%1 不存在（寫頻線插好了嗎?）";
}

void TestCommunicationWindow::portThatDoesNotOpenShowsThePortDialogThenLogs() {
    QFETCH(Language, language);
    QFETCH(QString, status);
    CommFixture f({}, false, 1, language);
    const QString device = f.dir.filePath(QStringLiteral("no-such-port"));
    f.link->port().setDeviceOverride(device);
    QStringList tags;
    f.context->errorLog().subscribe([&tags](const QString&, const QString& detail) { tags << detail; });
    CommunicationWindow window(*f.link, f.prompts, TransferJob::Read, &f.frame);
    window.show();
    bool dialogShown = false;
    QStringList tagsWhileDialogShown;
    std::function<void()> closeDialog = [&] {
        if (auto* dialog = qobject_cast<gui::comm::PortDialog*>(QApplication::activeModalWidget())) {
            dialogShown = true;
            tagsWhileDialogShown = tags;
            dialog->reject();
        } else {
            QTimer::singleShot(10, closeDialog);
        }
    };
    QTimer::singleShot(10, closeDialog);
    const auto outcome = runThrough(window);
    QVERIFY(outcome);
    QVERIFY(outcome->portOpenFailed);
    QVERIFY(dialogShown);
    QVERIFY(!tagsWhileDialogShown.join(QLatin1Char('\n')).contains(QStringLiteral("modCommun->OpenCom")));
    QVERIFY(tags.join(QLatin1Char('\n')).contains(QStringLiteral("modCommun->OpenCom")));
    QVERIFY(f.prompts.boxes.isEmpty());
    // The window stays for another try and says why.
    QVERIFY(window.isVisible());
    QVERIFY(child<QPushButton>(window, "cmdRead")->isEnabled());
    QCOMPARE(child<QLabel>(window, "lblComStatus")->text(), status.arg(device));
}

void TestCommunicationWindow::rangeThatCannotBeSentIsTold_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("message");
    const QString english = QStringLiteral(
        "The read or write address range (Read Start Addr … Write End Addr) cannot be sent to the radio: a range "
        "must lie within 0000H–1FFFH and hold at most 516 blocks of 16 bytes. Nothing was sent.");
    QTest::newRow("read past the image") << Language::English << int(TransferJob::Read) << "txtReadEndAddr"
                                         << "2100"
                                         << "Read Failed" << english;
    QTest::newRow("write range too long") << Language::English << int(TransferJob::Write) << "txtWriteEndAddr"
                                          << "FFFF"
                                          << "Write Failed" << english;
    QTest::newRow("write, Simplified Chinese")
        << Language::SimplifiedChinese << int(TransferJob::Write) << "txtWriteEndAddr"
        << "FFFF"
        << "写入失败"
        << "读写地址范围（Read Start Addr … Write End Addr）无法发送到对讲机：范围必须在 0000H–1FFFH 之内，且最多 516 "
           "个 16 字节的数据块。没有发送任何数据。";
    QTest::newRow("read, Traditional Chinese")
        << Language::TraditionalChinese << int(TransferJob::Read) << "txtReadEndAddr"
        << "2100"
        << "讀取失敗"
        << "讀寫位址範圍（Read Start Addr … Write End Addr）無法傳送到對講機："
           "範圍必須在 0000H–1FFFH 之內，且最多 516 個 16 位元組的資料塊。"
           "沒有傳送任何資料。";
}

// Nothing is sent; the window says so as a failed read does, tells why, and stays open so
// that the addresses can be mended.
void TestCommunicationWindow::rangeThatCannotBeSentIsTold() {
    QFETCH(Language, language);
    QFETCH(int, kind);
    QFETCH(QString, box);
    QFETCH(QString, address);
    QFETCH(QString, status);
    QFETCH(QString, message);
    EmulatedRadioProgram program(factoryRadio(), language);
    CommFixture& f = program.fixture;
    const QByteArray before = f.document->image().bytes();
    CommunicationWindow window(*f.link, f.prompts, TransferJob::Kind(kind), &f.frame);
    window.show();
    typeInto(window, box.toLatin1().constData(), address);
    const auto outcome = runThrough(window);
    QVERIFY(outcome);
    QCOMPARE(outcome->result, TransferResult::BadRange);
    QCOMPARE(child<QLabel>(window, "lblComStatus")->text(), status);
    QCOMPARE(f.prompts.boxTexts(), QStringList{message});
    QCOMPARE(f.prompts.boxes.first().title, f.text(TextId::Notice));
    QCOMPARE(f.prompts.boxes.first().icon, QMessageBox::Warning);
    QVERIFY(window.isVisible());
    QCOMPARE(f.document->image().bytes(), before);
    QVERIFY(program.radio.commands.isEmpty());
}

// A new highest address of the memory viewer is announced as it is typed.
void TestCommunicationWindow::gridMaxAddrIsAnnouncedAtOnce() {
    CommFixture f;
    QSignalSpy announced(f.link.get(), &RadioLink::tableMaxAddrChanged);
    CommunicationWindow window(*f.link, f.prompts, TransferJob::Read, &f.frame);
    window.show();
    typeInto(window, "txtMaxAddr", QStringLiteral("3FF"));
    QCOMPARE(announced.count(), 3); // 3, 3F, 3FF
    QCOMPARE(announced.last().at(0).toInt(), 0x3FF);
    // A text that is no address changes nothing.
    QTest::keyClicks(child<QLineEdit>(window, "txtMaxAddr"), QStringLiteral("Q"));
    QCOMPARE(announced.count(), 3);
}

QTEST_MAIN(TestCommunicationWindow)
#include "tst_communicationwindow.moc"
