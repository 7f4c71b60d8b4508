#include "ScriptedPrompts.h"
#include "TestSupport.h"
#include "WheelTurn.h"
#include "channels/ChannelTableModel.h"
#include "core/AppContext.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "gui/channels/ChannelClipboard.h"
#include "gui/channels/ChannelEditorWindow.h"
#include "gui/channels/ChannelGridMenu.h"
#include "gui/channels/ChannelGridView.h"
#include "gui/channels/CustomBandDialog.h"
#include "gui/channels/ModelBandPanel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace qrt;
using channels::ChannelTableModel;
using gui::ChannelEditorWindow;

namespace {

constexpr int Row = 6;
const QStringList DefaultOptions = {"Wide", "High", "On", "Off", "Off", "Off", "Off", "Off", "Off"};

QStringList rowOf(const QStringList& first4, const QStringList& options = DefaultOptions) {
    return first4 + options;
}

// The program started in a temporary application folder with the channel editor shown.
struct Editor {
    explicit Editor(Language language = Language::English) {
        context = std::make_unique<AppContext>(dir.path());
        document = startProgram(*context, language);
        window = std::make_unique<ChannelEditorWindow>(*document, prompts);
        window->resize(1200, 760);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        grid = window->grid();
    }

    ChannelTableModel& model() { return document->channelModel(); }
    gui::ChannelGridGestures& gestures() { return grid->gestures(); }
    QModelIndex cell(int channel, int column) { return grid->gridModel().cell(channel, column); }
    QString text(int channel, int column) { return model().cellText(channel, column); }
    QStringList rowTexts(int channel) {
        QStringList texts;
        for (int c = 1; c <= model().columnCount(); ++c)
            texts << text(channel, c);
        return texts;
    }
    QByteArray record(int channel) const {
        return document->image().mid(ChannelTable::recordAddress(channel), ChannelTable::RecordSize);
    }
    // A channel typed in through the model: 440.15 MHz both ways, no tones, default options.
    void addChannel(int channel, const QString& frequency = QStringLiteral("440.15")) {
        QVERIFY(model().setReceiveFrequency(channel, frequency));
    }

    QPoint centre(int channel, int column) { return grid->visualRect(cell(channel, column)).center(); }
    void click(int channel, int column) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(channel, column));
    }
    void doubleClick(int channel, int column) {
        click(channel, column);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre(channel, column));
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, centre(channel, column));
    }
    // Keys go where the focus is: the first starts an edit, the rest go to the editor.
    void typeIntoFocus(const QString& text) {
        for (QChar c : text)
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
    }
    QWidget* editor(int channel, int column) { return grid->indexWidget(cell(channel, column)); }
    // A click opens its editor once no double-click can follow.
    QWidget* clickAndWaitForEditor(int channel, int column) {
        click(channel, column);
        if (!QTest::qWaitFor([&] { return editor(channel, column) != nullptr; }, 30000))
            return nullptr;
        return editor(channel, column);
    }
    void rightClick(QWidget* target, const QPoint& pos) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
        QApplication::sendEvent(target, &event);
    }
    QWidget* child(const char* name) { return window->findChild<QWidget*>(QString::fromLatin1(name)); }

    test::TempAppDir dir;
    test::ScriptedPrompts prompts{test::ScriptedPrompts::Unscripted::OkIfOffered};
    std::unique_ptr<AppContext> context;
    std::unique_ptr<Document> document;
    std::unique_ptr<ChannelEditorWindow> window;
    gui::ChannelGridView* grid = nullptr;
};

using Action = std::function<void(Editor&)>;

} // namespace

Q_DECLARE_METATYPE(Action)

class TestChannelEditorWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void namesTextsAndLayout();
    void typedFrequencies_data();
    void typedFrequencies();
    void clicksAndDoubleClicks_data();
    void clicksAndDoubleClicks();
    void optionChosenInTheList();
    void toneListOverTheCell_data();
    void toneListOverTheCell();
    void toneListCancelledOrCommitted();
    void keyboard_data();
    void keyboard();
    void keysTypedRightAfterAClick_data();
    void keysTypedRightAfterAClick();
    void arrowsInAFrequencyStoreAndMove();
    void contextMenu_data();
    void contextMenu();
    void contextMenuCommandsAndLock();
    void copyAndPasteWithTheKeys();
    void cutAndTheLock();
    void refusedPasteIsExplained();
    void buttons();
    void restoreDefaultsFailure();
    void bandLists_data();
    void bandLists();
    void memoryViewerGesture();
    void lock();
    void followsTheDocument();
    void renders_data();
    void renders();
};

void TestChannelEditorWindow::initTestCase() {
    // Short, so that a click's editor opens soon; double-clicks are sent at once anyway.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(50);
}

void TestChannelEditorWindow::namesTextsAndLayout() {
    Editor e;
    QCOMPARE(e.window->objectName(), QStringLiteral("frmChMem"));
    QCOMPARE(e.window->windowTitle(), QStringLiteral("400 - 470 MHz"));
    for (const char* name : {"fraMain", "vsfgGridCh", "fraModelInfo", "lblModel", "cboModel", "lblFrequency",
                             "cboFrequency", "cmdDelAllCh", "cmdDefSet", "sstabSetMode"}) {
        QWidget* w = e.child(name);
        QVERIFY2(w, name);
        QVERIFY2(!w->accessibleName().isEmpty(), name);
    }
    QCOMPARE(e.window->findChild<QGroupBox*>("fraMain")->title(), QStringLiteral("Channel Info"));
    QCOMPARE(e.window->findChild<QGroupBox*>("fraModelInfo")->title(), QStringLiteral("Model Information"));
    QCOMPARE(e.window->findChild<QPushButton*>("cmdDelAllCh")->text(), QStringLiteral("Delete all channels"));
    QCOMPARE(e.window->findChild<QPushButton*>("cmdDefSet")->text(), QStringLiteral("Restore Default Setting"));
    auto* modelLabel = e.window->findChild<QLabel*>("lblModel");
    QCOMPARE(modelLabel->text(), QStringLiteral("Model Type"));
    QCOMPARE(modelLabel->buddy(), e.child("cboModel"));
    QCOMPARE(e.window->findChild<QLabel*>("lblFrequency")->buddy(), e.child("cboFrequency"));
    QCOMPARE(e.window->settingsTabs()->count(), 8);

    // Sizes from the channel table definition (twips).
    const ChannelTableDef& def = e.context->channelDef();
    QCOMPARE(e.grid->columnWidth(0), def.colWidths.value(1) / 15);
    QCOMPARE(e.grid->rowHeight(0), def.rowHeight / 15);
    QCOMPARE(e.grid->verticalHeader()->width(), def.colWidths.value(0) / 15);
    QCOMPARE(e.grid->currentIndex(), e.cell(1, 1));
    QVERIFY(!e.child("cboGridChCtdcs"));
}

void TestChannelEditorWindow::typedFrequencies_data() {
    QTest::addColumn<bool>("byMouse");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("nextColumn");
    const QStringList empty(13, QString());
    for (bool mouse : {true, false}) {
        const char* how = mouse ? "clicked: " : "typed: ";
        QTest::addRow("%snew channel pulled into the band", how)
            << mouse << 1 << "146.52" << rowOf({"400", "400", "None", "None"}) << 2;
        QTest::addRow("%sraster", how) << mouse << 1 << "435.0031" << rowOf({"435.005", "435.005", "None", "None"})
                                       << 2;
        QTest::addRow("%sabove the band", how) << mouse << 1 << "480" << rowOf({"470", "470", "None", "None"}) << 2;
        QTest::addRow("%snot a number", how) << mouse << 1 << "abc" << empty << 1;
        QTest::addRow("%stransmit", how) << mouse << 2 << "450.5" << rowOf({"440.15", "450.5", "None", "None"}) << 3;
    }
}

void TestChannelEditorWindow::typedFrequencies() {
    QFETCH(bool, byMouse);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QStringList, after);
    QFETCH(int, nextColumn);
    Editor e;
    if (column == 2)
        e.addChannel(Row);
    if (byMouse) {
        auto* line = qobject_cast<QLineEdit*>(e.clickAndWaitForEditor(Row, column));
        QVERIFY(line);
        QCOMPARE(line->geometry(), e.grid->visualRect(e.cell(Row, column)));
        line->selectAll();
        QTest::keyClicks(line, typed);
        QTest::keyClick(line, Qt::Key_Return);
    } else {
        e.grid->setCurrentIndex(e.cell(Row, column));
        e.typeIntoFocus(typed);
        QVERIFY(qobject_cast<QLineEdit*>(e.editor(Row, column)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    // The editor stores its text and closes once the Enter key has been handled.
    QTRY_VERIFY(!e.editor(Row, column));
    QCOMPARE(e.rowTexts(Row), after);
    QTRY_COMPARE(e.grid->currentIndex(), e.cell(Row, nextColumn));
    // A complete row is in the image at once.
    QCOMPARE(e.record(Row) != QByteArray(16, char(0xFF)) && !after.first().isEmpty(), !after.first().isEmpty());
}

void TestChannelEditorWindow::clicksAndDoubleClicks_data() {
    QTest::addColumn<Action>("prepare");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("editorName"); // the editor open afterwards, if any
    const Action inUse = [](Editor& e) { e.addChannel(Row); };
    const Action receiveOnly = [](Editor& e) {
        e.addChannel(Row);
        QVERIFY(e.model().setTransmitFrequency(Row, QString()));
    };
    const QStringList channel = rowOf({"440.15", "440.15", "None", "None"});
    const QStringList narrow =
        rowOf({"440.15", "440.15", "None", "None"}, {"Narrow", "High", "On", "Off", "Off", "Off", "Off", "Off", "Off"});
    QTest::newRow("click on an empty channel edits its receive cell")
        << Action([](Editor&) {}) << false << 5 << QStringList(13, QString()) << "txtGridChFrequency";
    QTest::newRow("click on an option opens its list") << inUse << false << 5 << channel << "cboGridChOption";
    QTest::newRow("click on a tone opens the tone list") << inUse << false << 3 << channel << "cboGridChCtdcs";
    QTest::newRow("click on the encode tone without transmit selects it")
        << receiveOnly << false << 4 << rowOf({"440.15", "", "None", ""}) << "";
    QTest::newRow("double-click steps an option") << inUse << true << 5 << narrow << "";
    QTest::newRow("double-click on an empty transmit copies the receive") << receiveOnly << true << 2 << channel << "";
    QTest::newRow("double-click on the receive edits it") << inUse << true << 1 << channel << "txtGridChFrequency";
}

void TestChannelEditorWindow::clicksAndDoubleClicks() {
    QFETCH(Action, prepare);
    QFETCH(bool, doubleClick);
    QFETCH(int, column);
    QFETCH(QStringList, after);
    QFETCH(QString, editorName);
    Editor e;
    prepare(e);
    if (doubleClick)
        e.doubleClick(Row, column);
    else
        e.click(Row, column);
    QCOMPARE(e.rowTexts(Row), after);
    QCOMPARE(e.gestures().highlightedChannel(), Row);
    QCOMPARE(e.grid->model()->data(e.cell(Row, 7), Qt::BackgroundRole).value<QBrush>().color(), QColor(194, 121, 240));
    const auto openEditor = [&] { return e.grid->indexWidget(e.grid->currentIndex()); };
    if (editorName.isEmpty()) {
        QTest::qWait(100);
        QVERIFY(!openEditor());
    } else {
        QTRY_VERIFY(openEditor());
        QCOMPARE(openEditor()->objectName(), editorName);
        QVERIFY(openEditor()->isVisible());
    }
}

void TestChannelEditorWindow::optionChosenInTheList() {
    Editor e;
    e.addChannel(Row);
    Editor reference;
    reference.addChannel(Row);
    QVERIFY(reference.model().chooseOption(Row, 6, 1));
    const QByteArray before = e.document->image().bytes();

    auto* list = qobject_cast<QComboBox*>(e.clickAndWaitForEditor(Row, 6));
    QVERIFY(list);
    QCOMPARE(list->objectName(), QStringLiteral("cboGridChOption"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentText(), QStringLiteral("High"));
    // Keys and the wheel move the choice; nothing is stored until Enter, Escape drops it.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), QStringLiteral("Low"));
    test::turnWheel(list, 1);
    QCOMPARE(list->currentText(), QStringLiteral("High"));
    test::turnWheel(list, -1);
    QCOMPARE(list->currentText(), QStringLiteral("Low"));
    QCOMPARE(e.editor(Row, 6), list);
    QCOMPARE(e.text(Row, 6), QStringLiteral("High"));
    QTest::keyClick(list, Qt::Key_Escape);
    QTRY_VERIFY(!e.editor(Row, 6));
    QCOMPARE(e.text(Row, 6), QStringLiteral("High"));
    QCOMPARE(e.document->image().bytes(), before);

    list = qobject_cast<QComboBox*>(e.clickAndWaitForEditor(Row, 6));
    QVERIFY(list);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!e.editor(Row, 6));
    QCOMPARE(e.text(Row, 6), QStringLiteral("Low"));
    QCOMPARE(e.document->image().bytes(), reference.document->image().bytes());

    // A choice in the pop-up list is stored at once.
    list = qobject_cast<QComboBox*>(e.clickAndWaitForEditor(Row, 6));
    QVERIFY(list);
    list->showPopup();
    QTRY_VERIFY(list->view()->isVisible());
    list->view()->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
    QTRY_VERIFY(!e.editor(Row, 6));
    QCOMPARE(e.text(Row, 6), QStringLiteral("High"));
    QCOMPARE(e.document->image().bytes(), before);
}

void TestChannelEditorWindow::toneListOverTheCell_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("decode");
    QTest::addColumn<QString>("encode");
    QTest::newRow("inverted code") << 3 << "023i"
                                   << "D023I"
                                   << "D023I";
    QTest::newRow("CTCSS rounded") << 3 << "88.52"
                                   << "88.5"
                                   << "88.5";
    QTest::newRow("unreadable") << 3 << "D089N"
                                << "None"
                                << "None";
    QTest::newRow("encode leaves decode") << 4 << "67"
                                          << "None"
                                          << "67.0";
}

void TestChannelEditorWindow::toneListOverTheCell() {
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, decode);
    QFETCH(QString, encode);
    Editor e;
    e.addChannel(Row);
    auto* list = qobject_cast<QComboBox*>(e.clickAndWaitForEditor(Row, column));
    QVERIFY(list);
    QCOMPARE(list->objectName(), QStringLiteral("cboGridChCtdcs"));
    QVERIFY(list->isEditable());
    QCOMPARE(list->count(), 261);
    QCOMPARE(list->geometry(), e.grid->visualRect(e.cell(Row, column)));
    QCOMPARE(list->currentText(), QStringLiteral("None"));
    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), typed);
    // Leaving the list stores it.
    e.window->modelBandPanel()->modelList()->setFocus();
    QTRY_VERIFY(!e.editor(Row, column));
    QCOMPARE(e.text(Row, 3), decode);
    QCOMPARE(e.text(Row, 4), encode);
    QVERIFY(!e.gestures().hasPendingTone());
}

void TestChannelEditorWindow::toneListCancelledOrCommitted() {
    Editor e;
    e.addChannel(Row);
    const QByteArray before = e.document->image().bytes();
    auto* list = qobject_cast<QComboBox*>(e.clickAndWaitForEditor(Row, 3));
    QVERIFY(list);
    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), QStringLiteral("D025N"));
    QTest::keyClick(list->lineEdit(), Qt::Key_Escape);
    QTRY_VERIFY(!e.editor(Row, 3));
    e.click(Row + 1, 5);
    e.document->encodeChannels();
    QCOMPARE(e.text(Row, 3), QStringLiteral("None"));
    QCOMPARE(e.document->image().bytes(), before);

    // The grid stores a tone being chosen before the document encodes for a save or a write.
    list = qobject_cast<QComboBox*>(e.clickAndWaitForEditor(Row, 4));
    QVERIFY(list);
    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), QStringLiteral("754"));
    e.document->encodeChannels();
    QCOMPARE(e.text(Row, 4), QStringLiteral("D754N"));
    QCOMPARE(e.text(Row, 3), QStringLiteral("None"));
    QVERIFY(!e.editor(Row, 4));
    QVERIFY(!e.gestures().hasPendingTone());
}

void TestChannelEditorWindow::keyboard_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("currentColumn");
    QTest::addColumn<QString>("editorName");
    QTest::addColumn<QStringList>("cells"); // columns 1 to 4 and 6 afterwards
    const QStringList unchanged = {"440.15", "440.15", "None", "None", "High"};
    const auto keys = [](std::initializer_list<int> list) { return QList<int>(list); };
    QTest::newRow("arrows move") << keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}) << 2 << "" << unchanged;
    QTest::newRow("enter edits") << keys({Qt::Key_Return}) << 1 << "txtGridChFrequency" << unchanged;
    QTest::newRow("F2 edits") << keys({Qt::Key_F2}) << 1 << "txtGridChFrequency" << unchanged;
    QTest::newRow("space on a tone opens the tone list")
        << keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Space}) << 3 << "cboGridChCtdcs" << unchanged;
    QTest::newRow("enter on an option opens its list")
        << keys({Qt::Key_End, Qt::Key_Return}) << 13 << "cboGridChOption" << unchanged;
    QTest::newRow("escape cancels an edit")
        << keys({Qt::Key_4, Qt::Key_5, Qt::Key_0, Qt::Key_Escape}) << 1 << "" << unchanged;
    QTest::newRow("typing edits") << keys({Qt::Key_4, Qt::Key_5, Qt::Key_0, Qt::Key_Return}) << 2 << ""
                                  << QStringList{"450", "440.15", "None", "None", "High"};
    QTest::newRow("delete clears") << keys({Qt::Key_Delete}) << 1 << "" << QStringList{"", "", "", "", ""};
    QTest::newRow("tab stores the transmit and moves on")
        << keys({Qt::Key_Right, Qt::Key_4, Qt::Key_5, Qt::Key_0, Qt::Key_Tab}) << 3 << ""
        << QStringList{"440.15", "450", "None", "None", "High"};
    QTest::newRow("shift+tab stores the transmit and moves back")
        << keys({Qt::Key_Right, Qt::Key_4, Qt::Key_5, Qt::Key_0, Qt::Key_Backtab}) << 1 << ""
        << QStringList{"440.15", "450", "None", "None", "High"};
    QTest::newRow("typing on a tone opens the tone list with the key")
        << keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_7, Qt::Key_5, Qt::Key_4, Qt::Key_Return}) << 3 << ""
        << QStringList{"440.15", "440.15", "D754N", "D754N", "High"};
    QTest::newRow("up and down in an option list change the choice only")
        << keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return,
                 Qt::Key_Down, Qt::Key_Up, Qt::Key_Down})
        << 6 << "cboGridChOption" << unchanged;
    QTest::newRow("ctrl+enter steps an option as a double-click does")
        << keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                 (Qt::ControlModifier | Qt::Key_Return).toCombined()})
        << 6 << "" << QStringList{"440.15", "440.15", "None", "None", "Low"};
    QTest::newRow("an option list stores at enter")
        << keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return,
                 Qt::Key_Down, Qt::Key_Return})
        << 6 << "" << QStringList{"440.15", "440.15", "None", "None", "Low"};
}

void TestChannelEditorWindow::keyboard() {
    QFETCH(QList<int>, keys);
    QFETCH(int, currentColumn);
    QFETCH(QString, editorName);
    QFETCH(QStringList, cells);
    Editor e;
    e.addChannel(Row);
    QCoreApplication::processEvents(); // the grid follows the edit before the keys come
    e.grid->setFocus();
    e.grid->setCurrentIndex(e.cell(Row, 1));
    for (int key : keys) {
        const QKeyCombination combination = QKeyCombination::fromCombined(key);
        QTest::keyClick(QApplication::focusWidget(), combination.key(), combination.keyboardModifiers());
    }
    QCoreApplication::processEvents(); // what the keys left queued
    // Enter stores once the key has been handled.
    QTRY_COMPARE((QStringList{e.text(Row, 1), e.text(Row, 2), e.text(Row, 3), e.text(Row, 4), e.text(Row, 6)}), cells);
    QTRY_COMPARE(e.grid->currentIndex(), e.cell(Row, currentColumn));
    QWidget* open = e.editor(Row, currentColumn);
    QCOMPARE(open ? open->objectName() : QString(), editorName);
}

void TestChannelEditorWindow::keysTypedRightAfterAClick_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("cells"); // columns 1 to 4 and 5 afterwards
    QTest::newRow("CTCSS decode") << 3 << "88.5" << QStringList{"440.15", "440.15", "88.5", "88.5", "Wide"};
    QTest::newRow("CTCSS without decimals") << 3 << "231" << QStringList{"440.15", "440.15", "231.0", "231.0", "Wide"};
    QTest::newRow("DCS decode") << 3 << "D754N" << QStringList{"440.15", "440.15", "D754N", "D754N", "Wide"};
    QTest::newRow("inverted encode") << 4 << "D023I" << QStringList{"440.15", "440.15", "None", "D023I", "Wide"};
    QTest::newRow("transmit") << 2 << "446.1" << QStringList{"440.15", "446.1", "None", "None", "Wide"};
    QTest::newRow("option by its first letter")
        << 5 << "N" << QStringList{"440.15", "440.15", "None", "None", "Narrow"};
}

void TestChannelEditorWindow::keysTypedRightAfterAClick() {
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QStringList, cells);
    Editor e;
    e.addChannel(Row);
    // The click's editor waits for the double-click time; the keys come before it is over.
    QStyleHints* hints = QGuiApplication::styleHints();
    const int interval = hints->mouseDoubleClickInterval();
    hints->setMouseDoubleClickInterval(60000);
    e.click(Row, column);
    QVERIFY(!e.editor(Row, column));
    e.typeIntoFocus(typed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    hints->setMouseDoubleClickInterval(interval);
    QTRY_VERIFY(!e.editor(Row, column));
    QCOMPARE((QStringList{e.text(Row, 1), e.text(Row, 2), e.text(Row, 3), e.text(Row, 4), e.text(Row, 5)}), cells);
}

void TestChannelEditorWindow::arrowsInAFrequencyStoreAndMove() {
    Editor e;
    e.addChannel(Row);
    QCoreApplication::processEvents();
    e.grid->setFocus();
    e.grid->setCurrentIndex(e.cell(Row, 1));
    for (int key : {Qt::Key_4, Qt::Key_5, Qt::Key_0, Qt::Key_Down})
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCoreApplication::processEvents();
    QCOMPARE(e.text(Row, 1), QStringLiteral("450"));
    // The arrow's move wins over the transmit cell a typed receive moves to.
    QCOMPARE(e.grid->currentIndex(), e.cell(Row + 1, 1));
    QCOMPARE(QApplication::focusWidget(), e.grid);
}

void TestChannelEditorWindow::contextMenu_data() {
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("deleteOne");
    QTest::addColumn<bool>("deleteOneEnabled");
    QTest::newRow("channel in use") << 3 << 5 << "Delete channel 3" << true;
    QTest::newRow("empty channel") << 12 << 1 << "Delete channel 12" << false;
    QTest::newRow("header row") << 0 << 2 << "" << false;
    QTest::newRow("number column") << 5 << 0 << "" << false;
}

void TestChannelEditorWindow::contextMenu() {
    QFETCH(int, channel);
    QFETCH(int, column);
    QFETCH(QString, deleteOne);
    QFETCH(bool, deleteOneEnabled);
    Editor e;
    e.addChannel(3);
    gui::ChannelGridMenu* menu = e.window->gridMenu();
    QCOMPARE(menu->objectName(), QStringLiteral("mnuPopMenuOne"));
    if (channel == 0) {
        QHeaderView* header = e.grid->horizontalHeader();
        e.rightClick(header->viewport(), QPoint(header->sectionViewportPosition(column - 1) + 5, 5));
    } else if (column == 0) {
        QHeaderView* header = e.grid->verticalHeader();
        e.rightClick(header->viewport(), QPoint(5, header->sectionViewportPosition(channel - 1) + 5));
    } else {
        e.rightClick(e.grid->viewport(), e.centre(channel, column));
    }
    QCOMPARE(menu->isVisible(), !deleteOne.isEmpty());
    if (deleteOne.isEmpty())
        return;
    QCOMPARE(menu->deleteOneAction()->text(), deleteOne);
    QCOMPARE(menu->deleteOneAction()->isEnabled(), deleteOneEnabled);
    QCOMPARE(menu->deleteAllAction()->text(), QStringLiteral("Delete all channels"));
    QVERIFY(menu->deleteAllAction()->isEnabled());
    menu->hide();

    // The keyboard opens it for the current cell.
    e.grid->setCurrentIndex(e.cell(channel, column));
    QTest::keyClick(e.grid, Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->deleteOneAction()->text(), deleteOne);
    menu->hide();
}

void TestChannelEditorWindow::contextMenuCommandsAndLock() {
    Editor e;
    e.addChannel(3);
    e.addChannel(4);
    gui::ChannelGridMenu* menu = e.window->gridMenu();
    QAction lockEntry(QStringLiteral("&Lock Channel Interface"));
    lockEntry.setObjectName(QStringLiteral("mnuPopChLock"));
    lockEntry.setCheckable(true);
    e.window->setChannelLockAction(&lockEntry);
    QVERIFY(menu->actions().contains(&lockEntry));
    auto* lockSeparator = menu->findChild<QAction*>(QStringLiteral("sepPopChLock"));
    QVERIFY(lockSeparator && lockSeparator->isSeparator() && lockSeparator->isVisible());
    QCOMPARE(menu->actions().indexOf(lockSeparator), menu->actions().indexOf(&lockEntry) - 1);

    lockEntry.setChecked(true);
    e.rightClick(e.grid->viewport(), e.centre(3, 2));
    QVERIFY(!menu->deleteOneAction()->isEnabled());
    QVERIFY(!menu->deleteAllAction()->isEnabled());
    menu->hide();

    lockEntry.setChecked(false);
    e.rightClick(e.grid->viewport(), e.centre(3, 2));
    QVERIFY(menu->deleteOneAction()->isEnabled());
    menu->deleteOneAction()->trigger();
    QCOMPARE(e.rowTexts(3), QStringList(13, QString()));
    QCOMPARE(e.record(3), e.document->templateImage().mid(ChannelTable::recordAddress(3), 16));
    QCOMPARE(e.text(4, 1), QStringLiteral("440.15"));
    e.rightClick(e.grid->viewport(), e.centre(9, 2));
    menu->deleteAllAction()->trigger();
    QCOMPARE(e.rowTexts(4), QStringList(13, QString()));
}

// Shift with the arrows selects a block; Ctrl+C copies it as tab-separated text, Ctrl+V
// pastes it at the current cell as one undo step.
void TestChannelEditorWindow::copyAndPasteWithTheKeys() {
    Editor e;
    e.addChannel(3);
    e.addChannel(4, QStringLiteral("441.5"));
    e.grid->setFocus();
    e.grid->setCurrentIndex(e.cell(3, 1));
    QTest::keyClick(e.grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(e.grid, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keySequence(e.grid, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("440.15\t440.15\n441.5\t441.5\n"));

    const int steps = e.document->undoStack().count();
    e.grid->setCurrentIndex(e.cell(7, 1));
    QTest::keySequence(e.grid, QKeySequence::Paste);
    QCOMPARE(e.rowTexts(7), rowOf({"440.15", "440.15", "None", "None"}));
    QCOMPARE(e.rowTexts(8), rowOf({"441.5", "441.5", "None", "None"}));
    QCOMPARE(e.document->undoStack().count(), steps + 1);
    QCOMPARE(e.grid->currentIndex(), e.cell(7, 1));
    e.document->undoStack().undo();
    QCOMPARE(e.rowTexts(7), QStringList(13, QString()));
    QCOMPARE(e.rowTexts(8), QStringList(13, QString()));

    // An open cell editor keeps the keys for its own text.
    QGuiApplication::clipboard()->setText(QStringLiteral("46.1"));
    e.grid->setCurrentIndex(e.cell(5, 1));
    QTest::keyClicks(e.grid, QStringLiteral("4"));
    auto* typing = qobject_cast<QLineEdit*>(e.editor(5, 1));
    QVERIFY(typing);
    QTest::keySequence(typing, QKeySequence::Paste);
    QCOMPARE(typing->text(), QStringLiteral("446.1"));
    QCOMPARE(e.text(5, 1), QString());
}

void TestChannelEditorWindow::cutAndTheLock() {
    Editor e;
    e.addChannel(3);
    gui::ChannelClipboard* clipboard = e.window->clipboard();
    // Beside the channel entries of the context menu.
    for (QAction* action : clipboard->actions())
        QVERIFY(e.window->gridMenu()->actions().contains(action));
    QCOMPARE(clipboard->cutAction()->text(), QStringLiteral("Cu&t"));

    e.grid->setFocus();
    e.grid->setCurrentIndex(e.cell(3, 2));
    QTest::keyClick(e.grid, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keySequence(e.grid, QKeySequence::Cut);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("440.15\tNone\n"));
    QCOMPARE(e.rowTexts(3), rowOf({"440.15", "", "None", ""}));

    e.model().setLocked(true);
    QVERIFY(!clipboard->cutAction()->isEnabled());
    QVERIFY(!clipboard->pasteAction()->isEnabled());
    QVERIFY(clipboard->copyAction()->isEnabled());
    QGuiApplication::clipboard()->setText(QStringLiteral("450"));
    clipboard->paste();
    clipboard->cut();
    QCOMPARE(e.rowTexts(3), rowOf({"440.15", "", "None", ""}));
    e.model().setLocked(false);
    QVERIFY(clipboard->cutAction()->isEnabled() && clipboard->pasteAction()->isEnabled());
}

void TestChannelEditorWindow::refusedPasteIsExplained() {
    Editor e;
    e.addChannel(5);
    const QByteArray image = e.document->image().bytes();
    QGuiApplication::clipboard()->setText(QStringLiteral("446\t\r\nabc\t\r\n"));
    e.grid->setCurrentIndex(e.cell(4, 1));
    e.window->clipboard()->paste();
    QCOMPARE(e.prompts.boxes.size(), 1);
    QCOMPARE(e.prompts.boxes.first().title, QStringLiteral("Notice"));
    QCOMPARE(e.prompts.boxes.first().text,
             QStringLiteral("Nothing was pasted: channel 5 Rx Freq[MHz]: \"abc\" is not a frequency."));
    QCOMPARE(e.text(4, 1), QString());
    QCOMPARE(e.text(5, 1), QStringLiteral("440.15"));
    QCOMPARE(e.document->image().bytes(), image);
}

void TestChannelEditorWindow::buttons() {
    Editor e;
    e.addChannel(1);
    e.addChannel(16);
    QTest::mouseClick(e.window->findChild<QPushButton*>("cmdDelAllCh"), Qt::LeftButton);
    for (int n = 1; n <= 16; ++n) {
        QCOMPARE(e.rowTexts(n), QStringList(13, QString()));
        // Frequencies and tones come from the template; a channel's kept options are encoded.
        QVERIFY2(e.record(n).left(12) == e.document->templateImage().mid(ChannelTable::recordAddress(n), 12),
                 qPrintable(QString::number(n)));
    }

    const QString factory = e.context->appFile(AppContext::FactoryFileName);
    QTest::mouseClick(e.window->findChild<QPushButton*>("cmdDefSet"), Qt::LeftButton);
    QCOMPARE(e.document->currentFilePath(), factory);
    QVERIFY(e.prompts.boxes.isEmpty());
}

void TestChannelEditorWindow::restoreDefaultsFailure() {
    Editor e;
    QVERIFY(QFile::remove(e.context->appFile(AppContext::FactoryFileName)));
    const QString before = e.document->currentFilePath();
    QTest::mouseClick(e.window->findChild<QPushButton*>("cmdDefSet"), Qt::LeftButton);
    QCOMPARE(e.prompts.boxes.size(), 1);
    QCOMPARE(e.prompts.boxes[0].title, QStringLiteral("Notice"));
    QCOMPARE(e.prompts.boxes[0].text, QStringLiteral("Wrong file type!\nThe file does not exist"));
    QCOMPARE(e.prompts.boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(e.prompts.boxes[0].parent, e.window.get());
    QCOMPARE(e.document->currentFilePath(), before);
}

void TestChannelEditorWindow::bandLists_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("minText");
    QTest::addColumn<QString>("maxText");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("limitBytes");
    QTest::newRow("fixed band") << int(Qt::Key_Up) << ""
                                << "" << true << 6 << "320 - 400 MHz" << QByteArray::fromHex("32004000");
    QTest::newRow("custom band") << int(Qt::Key_End) << "130.5"
                                 << "140.25" << true << 14 << "Custom  130 - 140 MHz"
                                 << QByteArray::fromHex("13051402");
    QTest::newRow("custom band upside down")
        << int(Qt::Key_End) << "300"
        << "250" << true << 14 << "Custom  120 - 520 MHz" << QByteArray::fromHex("12005200");
    QTest::newRow("custom band cancelled") << int(Qt::Key_End) << "300"
                                           << "350" << false << 7 << "400 - 470 MHz" << QByteArray::fromHex("40004700");
}

void TestChannelEditorWindow::bandLists() {
    QFETCH(int, key);
    QFETCH(QString, minText);
    QFETCH(QString, maxText);
    QFETCH(bool, accept);
    QFETCH(int, position);
    QFETCH(QString, caption);
    QFETCH(QByteArray, limitBytes);
    Editor e;
    e.addChannel(Row);
    QComboBox* bands = e.window->modelBandPanel()->bandList();
    QCOMPARE(bands->count(), 15);
    QCOMPARE(bands->currentIndex(), 7);
    QCOMPARE(bands->itemText(14), QStringLiteral("Custom"));
    QCOMPARE(e.window->modelBandPanel()->modelList()->currentText(), QStringLiteral("QRT506"));

    bool dialogSeen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<gui::CustomBandDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialogSeen = true;
        QCOMPARE(dialog->objectName(), QStringLiteral("frmCustomFre"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Custom"));
        QCOMPARE(dialog->parentWidget(), e.window.get());
        QCOMPARE(dialog->minEdit()->text(), QStringLiteral("120"));
        QCOMPARE(dialog->maxEdit()->text(), QStringLiteral("520"));
        dialog->minEdit()->setText(minText);
        dialog->maxEdit()->setText(maxText);
        QTest::mouseClick(dialog->findChild<QPushButton*>(accept ? "cmdOk" : "cmdCancel"), Qt::LeftButton);
    });
    bands->setFocus();
    QTest::keyClick(bands, Qt::Key(key));
    QCOMPARE(dialogSeen, position == 14 || !accept);
    QCOMPARE(bands->currentIndex(), position);
    QCOMPARE(e.document->bandPosition(), position);
    QCOMPARE(e.window->windowTitle(), caption);
    QCOMPARE(e.document->image().mid(band::LimitsAddress, 4), limitBytes);
    // A band accepted rebuilds the data from the template.
    QCOMPARE(e.text(Row, 1).isEmpty(), accept);
}

void TestChannelEditorWindow::memoryViewerGesture() {
    Editor e;
    QLabel* label = e.window->modelBandPanel()->modelLabel();
    QSignalSpy shown(e.window.get(), &ChannelEditorWindow::memoryViewerRequested);
    QSignalSpy hidden(e.window.get(), &ChannelEditorWindow::memoryViewerHideRequested);
    for (int n = 1; n <= 10; ++n) {
        QTest::mouseDClick(label, Qt::LeftButton);
        QCOMPARE(shown.size(), n >= 9 ? 1 : 0);
        QCOMPARE(hidden.size(), n == 9 ? 8 : n >= 9 ? n - 1 : n);
    }
}

void TestChannelEditorWindow::lock() {
    Editor e;
    e.addChannel(Row);
    const QColor background = e.grid->palette().color(QPalette::Base);
    QCOMPARE(e.grid->palette().color(QPalette::Active, QPalette::Highlight), QColor(255, 0, 255));
    e.click(Row, 3);
    QTRY_VERIFY(e.editor(Row, 3));
    auto* list = qobject_cast<QComboBox*>(e.editor(Row, 3));
    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), QStringLiteral("D023N"));

    e.model().setLocked(true);
    // The tone being chosen was stored first.
    QCOMPARE(e.text(Row, 3), QStringLiteral("D023N"));
    QVERIFY(!e.grid->isEnabled());
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(e.grid->palette().color(group, QPalette::Highlight), background);
    // The current cell no longer stands out, but its text is still shown.
    e.grid->setCurrentIndex(e.cell(Row, 1));
    QVERIFY(e.grid->selectionModel()->isSelected(e.cell(Row, 1)));
    const QImage current =
        e.grid->viewport()->grab(e.grid->visualRect(e.cell(Row, 1)).adjusted(2, 2, -2, -2)).toImage();
    int textPixels = 0;
    for (int y = 0; y < current.height(); ++y) {
        for (int x = 0; x < current.width(); ++x)
            textPixels += qAbs(current.pixelColor(x, y).lightness() - background.lightness()) > 60;
    }
    QVERIFY2(textPixels > 10, "the locked grid's current cell shows its text");
    for (const char* name : {"cmdDelAllCh", "cmdDefSet", "cboFrequency", "cboModel"})
        QVERIFY2(!e.child(name)->isEnabled(), name);
    const QByteArray image = e.document->image().bytes();
    const QStringList row = e.rowTexts(Row);
    e.doubleClick(Row, 5);
    QTest::keyClick(e.grid, Qt::Key_Delete);
    QTest::mouseClick(e.window->findChild<QPushButton*>("cmdDelAllCh"), Qt::LeftButton);
    QCOMPARE(e.rowTexts(Row), row);
    QCOMPARE(e.document->image().bytes(), image);

    e.model().setLocked(false);
    QVERIFY(e.grid->isEnabled());
    QVERIFY(e.child("cmdDelAllCh")->isEnabled());
    QCOMPARE(e.grid->palette().color(QPalette::Active, QPalette::Highlight), QColor(255, 0, 255));
}

void TestChannelEditorWindow::followsTheDocument() {
    Editor e;
    e.addChannel(Row);
    QTest::keyClick(e.grid, Qt::Key_Down); // leave the cell
    auto* list = qobject_cast<QComboBox*>(e.clickAndWaitForEditor(Row, 3));
    QVERIFY(list);
    // New data closes a tone list left open over the old data without storing it.
    e.document->undoStack().undo();
    QVERIFY(!e.editor(Row, 3));
    QCOMPARE(e.text(Row, 1), QString());
    QCOMPARE(e.grid->columnWidth(0), e.context->channelDef().colWidths.value(1) / 15);
    e.document->undoStack().redo();
    QCOMPARE(e.text(Row, 1), QStringLiteral("440.15"));

    e.document->chooseBand(0);
    QCOMPARE(e.window->modelBandPanel()->bandList()->currentIndex(), 0);
    QCOMPARE(e.window->windowTitle(), QStringLiteral("134 - 174 MHz"));
    QVERIFY(e.document->openFile(e.context->appFile(AppContext::FactoryFileName)).ok());
    QCOMPARE(e.window->modelBandPanel()->bandList()->currentIndex(), e.document->bandPosition());
    QCOMPARE(e.grid->model()->data(e.cell(1, 1)).toString(), e.text(1, 1));
}

void TestChannelEditorWindow::renders_data() {
    QTest::addColumn<Language>("language");
    QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese;
    QTest::newRow("English") << Language::English;
}

void TestChannelEditorWindow::renders() {
    QFETCH(Language, language);
    Editor e(language);
    QVERIFY(e.document->openFile(e.context->appFile(AppContext::FactoryFileName)).ok());
    e.click(2, 3);
    QTRY_VERIFY(e.editor(2, 3));
    const QImage picture = e.window->grab().toImage();
    QVERIFY(!picture.isNull());
    const QString folder = qEnvironmentVariable("QRT_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        picture.save(folder + QStringLiteral("/channel-editor-%1.png").arg(languageNumber(language)));
}

QTEST_MAIN(TestChannelEditorWindow)
#include "tst_channeleditorwindow.moc"
