// What guards a transfer through the communication window: the backup kept of every read
// before it replaces the data, and the check of the data before a write.
#include "CommFixture.h"
#include "SimProcess.h"
#include "TransferFixtures.h"

#include "channels/ChannelTableModel.h"
#include "core/DataFile.h"
#include "document/ReadBackup.h"
#include "gui/comm/CommunicationWindow.h"
#include "options/SettingsModel.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace qrt;
using namespace qrt::comm;
using namespace qrt::test::fixtures;
using qrt::gui::comm::CommunicationWindow;
using qrt::test::CommFixture;
using qrt::test::SimProcess;

namespace {

constexpr int OperationTimeoutMs = 60000;

// A radio holding the factory data, without a program code.
QByteArray radioWithFactoryData(const CommFixture& f) {
    QByteArray file;
    if (!datafile::readFile(f.dir.filePath(AppContext::FactoryFileName), datafile::FileSize, &file).ok())
        return {};
    RadioImage image(MemorySize);
    datafile::loadIntoImage(file, image);
    QByteArray memory = image.bytes();
    memory.replace(0x385, 9, QByteArray::fromHex("FFFFFF5A5257FFFFFF"));
    return memory;
}

// The emulator with that radio on the fixture's link, reads and writes of 0000-03FF.
bool connectRadio(CommFixture& f, SimProcess& sim) {
    const QByteArray radio = radioWithFactoryData(f);
    if (radio.isEmpty() || !sim.start(FullSpeed, radio))
        return false;
    f.link->port().setDeviceOverride(sim.device());
    f.link->changeAddress(CommAddresses::ReadEnd, QStringLiteral("3FF"));
    f.link->changeAddress(CommAddresses::WriteEnd, QStringLiteral("3FF"));
    return true;
}

// Presses the window's button; the outcome once the operation has ended, none when it did
// not start.
std::optional<TransferOutcome> press(CommunicationWindow& window) {
    QSignalSpy finished(&window, &CommunicationWindow::operationFinished);
    QTest::mouseClick(window.findChild<QPushButton*>(window.kind() == TransferJob::Read ? "cmdRead" : "cmdWrite"),
                      Qt::LeftButton);
    if (finished.isEmpty() && !finished.wait(OperationTimeoutMs))
        return std::nullopt;
    return finished.first().first().value<TransferOutcome>();
}

QStringList backups(const CommFixture& f) {
    return QDir(readbackup::folderOf(f.dir.path())).entryList(QDir::Files);
}

} // namespace

class TestSafeTransfers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<TransferOutcome>(); }

    void readIsKeptAsABackup() {
        CommFixture f;
        SimProcess sim;
        QVERIFY(connectRadio(f, sim));
        QSignalSpy used(f.document.get(), &Document::fileUsed);
        CommunicationWindow window(*f.link, f.prompts, TransferJob::Read, &f.frame);
        window.show();
        const auto outcome = press(window);
        QVERIFY(outcome);
        QCOMPARE(outcome->result, TransferResult::Ok);
        QVERIFY(f.prompts.boxes.isEmpty());

        const QStringList files = backups(f);
        QCOMPARE(files.size(), 1);
        QVERIFY2(
            QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d_\\d{6}\\.dat$")).match(files.first()).hasMatch(),
            qPrintable(files.first()));
        const QString path = QDir(readbackup::folderOf(f.dir.path())).filePath(files.first());
        QByteArray saved;
        QVERIFY(datafile::readFile(path, datafile::FileSize + 1, &saved).ok());
        QCOMPARE(saved, datafile::fileLayout(*outcome->image));
        QCOMPARE(used.count(), 1);
        QCOMPARE(QFileInfo(used.first().first().toString()), QFileInfo(path));
    }

    // The data read arrives all the same, and the user is told where the backup failed.
    void backupThatFailsIsTold() {
        CommFixture f;
        SimProcess sim;
        QVERIFY(connectRadio(f, sim));
        QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("Data")));
        QVERIFY(f.dir.writeFile(QStringLiteral("Data/Backups"), "in the way"));
        CommunicationWindow window(*f.link, f.prompts, TransferJob::Read, &f.frame);
        window.show();
        const auto outcome = press(window);
        QVERIFY(outcome);
        QCOMPARE(outcome->result, TransferResult::Ok);
        QCOMPARE(f.prompts.boxes.size(), 1);
        QCOMPARE(f.prompts.boxes.first().icon, QMessageBox::Warning);
        QVERIFY2(f.prompts.boxes.first().text.contains(QStringLiteral("could not be kept as a backup")),
                 qPrintable(f.prompts.boxes.first().text));
        QCOMPARE(f.document->image().bytes().left(0x400), outcome->image->bytes().left(0x400));
        QCOMPARE(f.document->channelModel().cellText(1, 1), QStringLiteral("462.125"));
    }

    // Findings are listed before anything is sent: Cancel sends nothing, Write anyway writes.
    void writeWithFindingsAsksFirst() {
        CommFixture f;
        SimProcess sim;
        QVERIFY(connectRadio(f, sim));
        QVERIFY(f.document->openFile(f.dir.filePath(AppContext::FactoryFileName)).ok());
        // Priority "Fixed" with no priority channel.
        QVERIFY(f.document->settings().selectItem(QStringLiteral("cboScanPriChSort"), 1));
        QVERIFY(f.document->settings().selectItem(QStringLiteral("cboPriCh"), 0));
        CommunicationWindow window(*f.link, f.prompts, TransferJob::Write, &f.frame);
        window.show();

        f.prompts.findingsAnswers.enqueue(false);
        QSignalSpy finished(&window, &CommunicationWindow::operationFinished);
        QTest::mouseClick(window.findChild<QPushButton*>("cmdWrite"), Qt::LeftButton);
        QCOMPARE(f.prompts.findingsShown.size(), 1);
        QCOMPARE(f.prompts.findingsShown.first().size(), 1);
        QVERIFY(f.prompts.findingsShown.first().first().contains(QStringLiteral("Priority Channel")));
        QVERIFY(!f.link->operationRunning());
        QVERIFY(window.isVisible());
        QVERIFY(window.findChild<QPushButton*>("cmdWrite")->isEnabled());
        QTest::qWait(50);
        QCOMPARE(finished.count(), 0);

        f.prompts.findingsAnswers.enqueue(true);
        const auto outcome = press(window);
        QVERIFY(outcome);
        QCOMPARE(outcome->result, TransferResult::Ok);
        QCOMPARE(f.prompts.findingsShown.size(), 2);
    }

    void cleanDataWritesAtOnce() {
        CommFixture f;
        SimProcess sim;
        QVERIFY(connectRadio(f, sim));
        QVERIFY(f.document->openFile(f.dir.filePath(AppContext::FactoryFileName)).ok());
        CommunicationWindow window(*f.link, f.prompts, TransferJob::Write, &f.frame);
        window.show();
        const auto outcome = press(window);
        QVERIFY(outcome);
        QCOMPARE(outcome->result, TransferResult::Ok);
        QVERIFY(f.prompts.findingsShown.isEmpty());
    }
};

QTEST_MAIN(TestSafeTransfers)
#include "tst_safetransfers.moc"
