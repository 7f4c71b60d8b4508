#include "ShellFixture.h"
#include "comm/CommAddresses.h"
#include "comm/RadioLink.h"
#include "gui/channels/ChannelEditorWindow.h"
#include "gui/channels/ModelBandPanel.h"
#include "gui/info/RadioInfoPage.h"
#include "gui/info/RadioSetPages.h"
#include "gui/memview/MemoryGridView.h"
#include "gui/memview/MemoryViewerWindow.h"
#include "gui/memview/PartFillDialog.h"
#include "gui/shell/ProgramLaunch.h"
#include "gui/shell/SideWindows.h"
#include "memview/ByteTexts.h"
#include "memview/MemoryGridModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

using namespace qrt;
using namespace qrt::comm;
using gui::MemoryViewerWindow;

namespace {

constexpr int FreeRow = 0x1010;

// The frame of a started program with its memory viewer shown.
struct Viewer : test::ShellFixture {
    Viewer() {
        // Data as the views show it (no repairs left to do), channels encoded as after a save.
        document->openFile(appDir.filePath(AppContext::FactoryFileName));
        document->encodeChannels();
        viewer = std::make_unique<gui::MemoryViewer>(*document, prompts, *window);
        viewer->show();
        memory = viewer->window();
        grid = memory->grid();
    }
    QByteArray bytes() const { return document->image().bytes(); }
    memview::MemoryGridModel& model() const { return memory->model(); }
    QString cell(int address) const { return model().indexOf(address).data().toString(); }
    template <class T = QWidget> T* child(const char* name) const {
        return memory->findChild<T*>(QString::fromLatin1(name));
    }
    void click(const char* button) const { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    void radioWrites(int address, const QByteArray& data) {
        QByteArray image = bytes();
        image.replace(address, data.size(), data);
        document->applyRadioWrite(image);
    }

    std::unique_ptr<gui::MemoryViewer> viewer;
    MemoryViewerWindow* memory = nullptr;
    gui::MemoryGridView* grid = nullptr;
};

} // namespace

class TestMemoryViewer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowCarriesItsControls();
    void typingIntoACell_data();
    void typingIntoACell();
    void typedByteIsStoredAsTyped();
    void lockedViewerOnlyShows();
    void buttonsRefreshAndClearMarks();
    void automaticRefreshFollowsTheTick();
    void closeBoxHidesUntilTheProgramCloses();
    void partFillOpensWithItsDefaults();
    void partFill_data();
    void partFill();
    void gesturesOpenTheViewer();
    void gridMaxAddrTakesEffectAtOnce();
};

void TestMemoryViewer::windowCarriesItsControls() {
    Viewer v;
    QVERIFY(QTest::qWaitForWindowExposed(v.memory));
    QCOMPARE(v.memory->objectName(), QStringLiteral("frmMemDat"));
    QCOMPARE(v.memory->windowTitle(), QStringLiteral("Memory Data"));
    QCOMPARE(v.memory->parentWidget(), v.window.get());
    QVERIFY(!v.memory->isModal());
    QCOMPARE(v.child<QGroupBox>("fraMemData")->title(), QStringLiteral("Memory Data"));
    QCOMPARE(v.child<QCheckBox>("chkAutoMemFresh")->text(), QStringLiteral("自动"));
    QVERIFY(!v.child<QCheckBox>("chkAutoMemFresh")->isChecked());
    QCOMPARE(v.child<QPushButton>("cmdFillGrid")->text(), QStringLiteral("Fill Gird"));
    QCOMPARE(v.child<QPushButton>("cmdSetDefCol")->text(), QStringLiteral("Set Def Color"));
    QCOMPARE(v.child<QPushButton>("cmdPartFill")->text(), QStringLiteral("Part Fill"));
    QCOMPARE(v.grid->objectName(), QStringLiteral("vsfgGridMemDat"));
    QCOMPARE(v.grid->model()->rowCount(), 512);
    for (QWidget* widget : v.memory->findChildren<QWidget*>())
        if (qobject_cast<QPushButton*>(widget) || qobject_cast<QCheckBox*>(widget))
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
    QCOMPARE(v.grid->currentIndex(), v.model().indexOf(0));
}

void TestMemoryViewer::typingIntoACell_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("stored"); // -1: the byte keeps its value
    QTest::newRow("two digits") << "1A" << 0x1A;
    QTest::newRow("lower case") << "be" << 0xBE;
    QTest::newRow("one digit") << "7" << 0x07;
    QTest::newRow("third digit ignored") << "123" << 0x12;
    QTest::newRow("letters refused") << "zz" << -1;
    QTest::newRow("digit after a refused letter") << "g5" << 0x05;
}

void TestMemoryViewer::typingIntoACell() {
    QFETCH(QString, keys);
    QFETCH(int, stored);
    Viewer v;
    v.radioWrites(FreeRow, QByteArray(1, '\x66'));
    QCoreApplication::processEvents();
    const QByteArray before = v.bytes();
    v.grid->setCurrentIndex(v.model().indexOf(FreeRow));
    v.grid->edit(v.model().indexOf(FreeRow));
    auto* editor = v.grid->findChild<QLineEdit*>(QStringLiteral("txtGridCellEdit"));
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, keys);
    QTest::keyClick(editor, Qt::Key_Return);
    // The editor's data is committed once the key has been handled.
    QTRY_VERIFY(!v.grid->findChild<QLineEdit*>(QStringLiteral("txtGridCellEdit")));
    QByteArray expected = before;
    if (stored >= 0)
        expected[FreeRow] = char(stored);
    QCOMPARE(v.bytes(), expected);
    QCOMPARE(v.document->undoStack().count(), stored >= 0 && stored != 0x66 ? 1 : 0);
    QTRY_COMPARE(v.cell(FreeRow),
                 QStringLiteral("%1").arg(quint8(expected.at(FreeRow)), 2, 16, QLatin1Char('0')).toUpper());
}

// The time-out timer's byte typed as 13, a value its list does not hold, stays 13: in the
// image, in the grid, and after "Fill Gird".
void TestMemoryViewer::typedByteIsStoredAsTyped() {
    Viewer v;
    const QModelIndex cell = v.model().indexOf(0x130);
    v.grid->setCurrentIndex(cell);
    v.grid->edit(cell);
    auto* editor = v.grid->findChild<QLineEdit*>(QStringLiteral("txtGridCellEdit"));
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("13"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!v.grid->findChild<QLineEdit*>(QStringLiteral("txtGridCellEdit")));
    QCOMPARE(quint8(v.bytes().at(0x130)), quint8(0x13));
    QCoreApplication::processEvents();
    QCOMPARE(v.cell(0x130), QStringLiteral("13"));
    v.click("cmdFillGrid");
    QCOMPARE(v.cell(0x130), QStringLiteral("13"));
    QCOMPARE(quint8(v.bytes().at(0x130)), quint8(0x13));
    QCOMPARE(v.model().markedCount(), 0);
}

void TestMemoryViewer::lockedViewerOnlyShows() {
    Viewer v;
    v.memory->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(v.memory));
    auto* partFill = v.child<QPushButton>("cmdPartFill");
    const QModelIndex cell = v.model().indexOf(FreeRow);
    v.grid->setCurrentIndex(cell);
    const QByteArray before = v.bytes();

    v.action("mnuChLock")->trigger();
    QVERIFY(!partFill->isEnabled());
    QTest::keyClicks(v.grid, QStringLiteral("1A"));
    QTest::keyClick(v.grid, Qt::Key_Return);
    QTest::mouseDClick(v.grid->viewport(), Qt::LeftButton, {}, v.grid->visualRect(cell).center());
    QVERIFY(!v.grid->findChild<QLineEdit*>(QStringLiteral("txtGridCellEdit")));
    QVERIFY(!v.model().fill(FreeRow, FreeRow + 3, 0x42));
    QCOMPARE(v.bytes(), before);
    QCOMPARE(v.document->undoStack().count(), 0);

    v.action("mnuChLock")->trigger();
    QVERIFY(partFill->isEnabled());
    QTest::keyClicks(v.grid, QStringLiteral("1A"));
    QVERIFY(v.grid->findChild<QLineEdit*>(QStringLiteral("txtGridCellEdit")));
}

void TestMemoryViewer::buttonsRefreshAndClearMarks() {
    Viewer v;
    QByteArray changed = v.bytes().mid(FreeRow, 16);
    for (char& byte : changed)
        byte = char(~byte);
    v.radioWrites(FreeRow, changed);
    v.click("cmdFillGrid");
    QCOMPARE(v.model().markedCount(), 16);
    for (int a = FreeRow; a < FreeRow + 16; ++a)
        QVERIFY(v.model().isMarked(a));
    QCOMPARE(v.grid->currentIndex(), v.model().indexOf(FreeRow + 15));
    QCOMPARE(v.cell(FreeRow), QStringLiteral("%1").arg(quint8(changed.at(0)), 2, 16, QLatin1Char('0')).toUpper());
    v.click("cmdSetDefCol");
    QCOMPARE(v.model().markedCount(), 0);
}

void TestMemoryViewer::automaticRefreshFollowsTheTick() {
    Viewer v;
    auto* automatic = v.child<QCheckBox>("chkAutoMemFresh");
    QTimer* timer = v.memory->automaticRefresh();
    QCOMPARE(timer->objectName(), QStringLiteral("tmrAutoMemFresh"));
    QCOMPARE(timer->interval(), 500);
    QVERIFY(!timer->isActive());
    QTest::mouseClick(automatic, Qt::LeftButton);
    QVERIFY(timer->isActive());
    // Each tick is a "Fill Gird".
    v.radioWrites(FreeRow, QByteArray(1, char(~v.bytes().at(FreeRow))));
    QTRY_VERIFY(v.model().isMarked(FreeRow));
    QTest::mouseClick(automatic, Qt::LeftButton);
    QVERIFY(!timer->isActive());
}

void TestMemoryViewer::closeBoxHidesUntilTheProgramCloses() {
    Viewer v;
    QVERIFY(!v.memory->close());
    QVERIFY(!v.memory->isVisible());
    v.viewer->show();
    QCOMPARE(v.viewer->window(), v.memory);
    QVERIFY(v.memory->isVisible());
    v.viewer->closeForExit();
    QVERIFY(!v.memory->isVisible());
}

void TestMemoryViewer::partFillOpensWithItsDefaults() {
    Viewer v;
    bool seen = false;
    QTimer::singleShot(0, v.memory, [&] {
        gui::PartFillDialog* dialog = v.memory->partFillDialog();
        QVERIFY(dialog && dialog->isModal() && dialog->isVisible());
        seen = true;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Part Fill"));
        QCOMPARE(dialog->valueEdit()->text(), QStringLiteral("FF"));
        QCOMPARE(dialog->baseList()->currentText(), QStringLiteral("H"));
        QCOMPARE(dialog->startEdit()->text(), QStringLiteral("0000"));
        QCOMPARE(dialog->endEdit()->text(), QStringLiteral("1FFF"));
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lblFillData"))->buddy(), dialog->valueEdit());
        dialog->startEdit()->setText(QStringLiteral("0010"));
        dialog->reject();
    });
    v.click("cmdPartFill");
    QVERIFY(seen);
    // Kept with what the user left.
    QCOMPARE(v.memory->partFillDialog()->startEdit()->text(), QStringLiteral("0010"));
}

void TestMemoryViewer::partFill_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("filled"); // -1: nothing changes
    QTest::addColumn<QString>("message");
    QTest::newRow("FF over row 1010H") << "FF" << 0 << "1010"
                                       << "101F" << 0xFF << "";
    QTest::newRow("decimal 300") << "300" << 1 << "1010"
                                 << "101F" << 0xFF << "";
    QTest::newRow("binary 1010") << "1010" << 2 << "1010"
                                 << "101F" << 0x0A << "";
    QTest::newRow("end below start") << "FF" << 0 << "101F"
                                     << "1010" << -1 << "";
    QTest::newRow("value not in its base") << "12" << 2 << "1010"
                                           << "101F" << -1 << "Fill Data \"12\" is not a binary number.";
    QTest::newRow("negative value") << "-3" << 1 << "1010"
                                    << "101F" << -1 << "Fill Data must not be negative.";
    QTest::newRow("address not hexadecimal") << "FF" << 0 << "10 10"
                                             << "101F" << -1 << "Start Addr \"10 10\" is not a hexadecimal number.";
    QTest::newRow("address outside the image")
        << "FF" << 0 << "1010"
        << "2000" << -1 << "End Addr 2000H is outside the memory (0000H - 1FFFH).";
}

void TestMemoryViewer::partFill() {
    QFETCH(QString, value);
    QFETCH(int, base);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(int, filled);
    QFETCH(QString, message);
    Viewer v;
    v.radioWrites(FreeRow, QByteArray(16, '\x11'));
    QCoreApplication::processEvents();
    const QByteArray before = v.bytes();
    gui::PartFillDialog dialog(v.model(), *v.context, v.prompts, 0x1FFF, v.memory);
    dialog.show();
    dialog.valueEdit()->clear();
    QTest::keyClicks(dialog.valueEdit(), value);
    dialog.baseList()->setCurrentIndex(base);
    dialog.startEdit()->setText(start);
    dialog.endEdit()->setText(end);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdFillData")), Qt::LeftButton);

    QByteArray expected = before;
    if (filled >= 0)
        expected.replace(FreeRow, 16, QByteArray(16, char(filled)));
    QCOMPARE(v.bytes(), expected);
    for (int a = FreeRow; a < FreeRow + 16; ++a)
        QCOMPARE(v.cell(a), QStringLiteral("%1").arg(quint8(expected.at(a)), 2, 16, QLatin1Char('0')).toUpper());
    QCOMPARE(v.document->undoStack().count(), filled >= 0 ? 1 : 0);
    if (message.isEmpty()) {
        QCOMPARE(v.prompts.boxes.size(), 0);
    } else {
        QCOMPARE(v.prompts.boxTexts(), QStringList{message});
        QCOMPARE(v.prompts.boxes.first().title, v.text(TextId::Notice));
        QCOMPARE(v.prompts.boxes.first().parent, &dialog);
    }
}

void TestMemoryViewer::gesturesOpenTheViewer() {
    test::ProgramFixture started;
    gui::RunningProgram& program = started.program;
    program.start(QString());
    QVERIFY(!program.memoryViewer().window());

    // Nine double clicks on the model label show it, the tenth hides it.
    auto* editor = qobject_cast<gui::ChannelEditorWindow*>(program.window().channelEditor());
    QVERIFY(editor);
    QLabel* modelLabel = editor->modelBandPanel()->modelLabel();
    for (int n = 1; n <= 10; ++n) {
        QTest::mouseDClick(modelLabel, Qt::LeftButton);
        const MemoryViewerWindow* shown = program.memoryViewer().window();
        QCOMPARE(shown && shown->isVisible(), n == 9);
    }

    // The radio information page in debug mode.
    program.sideWindows().pages().showRadioInfo();
    gui::info::RadioInfoPage* page = program.sideWindows().pages().radioInfoPage();
    QVERIFY(page);
    QTest::mouseDClick(page->debugLabel(), Qt::LeftButton);
    QTest::mouseDClick(page->frame(), Qt::LeftButton, {}, QPoint(4, page->frame()->height() / 2));
    QVERIFY(program.memoryViewer().window()->isVisible());
}

// "Grid Max Addr" typed in the communication window reaches the viewer at once, whether it
// is shown already or later; the rows that stay keep their marks.
void TestMemoryViewer::gridMaxAddrTakesEffectAtOnce() {
    test::TempAppDir appDir;
    test::ScriptedPrompts prompts{test::ScriptedPrompts::Unscripted::Close};
    test::RecordingViewer files;
    test::RecordingRestarter restarter;
    gui::RunningProgram program(appDir.path(), prompts, files, restarter);
    program.start(QString());
    RadioLink& link = program.radioLink();

    link.changeAddress(CommAddresses::MaxAddr, QStringLiteral("3FF"));
    program.memoryViewer().show();
    memview::MemoryGridModel& model = program.memoryViewer().window()->model();
    QCOMPARE(model.rowCount(), 64);
    QCOMPARE(model.headerData(63, Qt::Vertical).toString(), QStringLiteral("03F0H"));

    QByteArray image = program.document().image().bytes();
    image[0x20] = char(quint8(image.at(0x20)) ^ 0xFF);
    program.document().applyRadioWrite(image);
    model.refresh();
    QVERIFY(model.isMarked(0x20));

    link.changeAddress(CommAddresses::MaxAddr, QStringLiteral("7FF"));
    QCOMPARE(model.rowCount(), 128);
    QCOMPARE(model.indexOf(0x7FF).data().toString(), memview::bytetext::formatByte(quint8(image.at(0x7FF))));
    QVERIFY(model.isMarked(0x20));
    QVERIFY(model.flags(model.indexOf(0x7FF)) & Qt::ItemIsEditable);

    link.changeAddress(CommAddresses::MaxAddr, QStringLiteral("FF"));
    QCOMPARE(model.rowCount(), 16);
    QVERIFY(!model.indexOf(0x100).isValid());
    QCOMPARE(model.lastAddress(), 0xFF);
}

QTEST_MAIN(TestMemoryViewer)
#include "tst_memoryviewer.moc"
