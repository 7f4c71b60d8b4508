// Reads and writes of the document's data on the transfer thread, against the emulated radio.
#include "EmulatedRadio.h"
#include "TestSupport.h"
#include "TransferFixtures.h"

#include "channels/ChannelGridModel.h"
#include "comm/DocumentTransfer.h"
#include "comm/TransferThread.h"
#include "core/AppContext.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "options/SettingsModel.h"

#include <QSignalSpy>
#include <QTest>

using namespace qrt;
using namespace qrt::comm;
using namespace qrt::test::fixtures;
using qrt::test::EmulatedRadio;

namespace {

struct Program {
    Program() {
        context = std::make_unique<AppContext>(dir.path());
        document = startProgram(*context, Language::English);
    }
    // Runs the job of the document on the transfer thread against the radio and applies its outcome.
    TransferResult run(TransferJob::Kind kind, EmulatedRadio& radio) {
        TransferJob job;
        job.kind = kind;
        job.device = QStringLiteral("in-process radio");
        job.readStart = job.writeStart = 0;
        job.readEnd = job.writeEnd = MemorySize - 1;
        fillTransferJob(*document, job);
        TransferThread thread(context->errorLog(), radio.ports());
        thread.transfer().clock().setTimeSource(&radio.time);
        std::optional<TransferOutcome> outcome;
        QObject::connect(&thread.transfer(), &RadioTransfer::finished, document.get(),
                         [&](const TransferOutcome& o) { outcome = o; });
        thread.start(job);
        if (!QTest::qWaitFor([&] { return outcome.has_value(); }, 100000))
            return TransferResult::CommFailed;
        applyTransferOutcome(*document, job, *outcome);
        return outcome->result;
    }

    test::TempAppDir dir;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<Document> document;
};

// The factory data as a radio holds it, speaking the standard command set, without a program code.
QByteArray factoryRadio(Program& p) {
    QByteArray memory = p.document->image().bytes();
    memory.replace(0x385, 9, QByteArray::fromHex("FFFFFF5A5257FFFFFF"));
    return memory;
}

} // namespace

class TestDocumentTransfer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readReplacesTheDataAsOneUndoStep();
    void writeSendsTheEditedChannels();
};

void TestDocumentTransfer::readReplacesTheDataAsOneUndoStep() {
    Program factory;
    QVERIFY(factory.document->openFile(factory.dir.filePath(AppContext::FactoryFileName)).ok());
    EmulatedRadio sim(factoryRadio(factory));

    Program p;
    QVERIFY(p.document->settings().selectItem("cboTot", 1)); // an edit the read replaces
    QSignalSpy changes(p.document.get(), &Document::imageChanged);
    QCOMPARE(p.run(TransferJob::Read, sim), TransferResult::Ok);

    QVERIFY(p.document->channels() == factory.document->channels());
    QCOMPARE(p.document->channelModel().cellText(5, 3), QStringLiteral("D023N"));
    QCOMPARE(p.document->undoStack().count(), 2);
    QVERIFY(p.document->isModified());
    QCOMPARE(changes.count(), 1);

    // Undo brings back the edit the read replaced.
    p.document->undoStack().undo();
    QCOMPARE(p.document->settings().control("cboTot")->item, 1);
    QCOMPARE(p.document->channelModel().cellText(5, 3), QString());
}

void TestDocumentTransfer::writeSendsTheEditedChannels() {
    Program p;
    QVERIFY(p.document->openFile(p.dir.filePath(AppContext::FactoryFileName)).ok());
    EmulatedRadio sim(factoryRadio(p));
    channels::ChannelTableModel& grid = p.document->channelModel();
    // A row left without transmit frequency is encoded only before the write.
    QVERIFY(grid.setReceiveFrequency(2, "462.55"));
    QVERIFY(grid.setTransmitFrequency(3, ""));
    QCOMPARE(p.run(TransferJob::Write, sim), TransferResult::Ok);

    Program readBack;
    EmulatedRadio again(sim.memory());
    QCOMPARE(readBack.run(TransferJob::Read, again), TransferResult::Ok);
    // What the grid shows; the table itself differs in the encode tone a channel without
    // transmit frequency keeps hidden.
    QCOMPARE(test::cellTexts(channels::ChannelGridModel(readBack.document->channelModel())),
             test::cellTexts(channels::ChannelGridModel(grid)));
    QCOMPARE(readBack.document->channelModel().cellText(2, 1), QStringLiteral("462.55"));
    QCOMPARE(readBack.document->channelModel().cellText(3, 2), QString());
}

QTEST_GUILESS_MAIN(TestDocumentTransfer)
#include "tst_documenttransfer.moc"
