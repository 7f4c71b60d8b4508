#include "ShellFixture.h"
#include "ShotCatalogue.h"
#include "WheelTurn.h"
#include "channels/ChannelTableModel.h"
#include "core/ErrorLog.h"
#include "gui/channels/ChannelEditorWindow.h"
#include "gui/channels/ChannelGridView.h"
#include "gui/common/WheelFocusPolicy.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>
#include <QVBoxLayout>

#include <memory>

using namespace qrt;
using gui::WheelFocusPolicy;

namespace {

// The policy installed on the application for one test, as the program installs it.
struct InstalledPolicy {
    InstalledPolicy() { QApplication::instance()->installEventFilter(&policy); }
    WheelFocusPolicy policy;
};

// What a guarded control shows.
QString valueOf(QWidget* w) {
    if (auto* list = qobject_cast<QComboBox*>(w))
        return QString::number(list->currentIndex()) + QLatin1Char(' ') + list->currentText();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
        return spin->text();
    if (auto* slider = qobject_cast<QAbstractSlider*>(w))
        return QString::number(slider->value());
    return {};
}

QScrollArea* scrollAreaAround(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(p))
            return area;
    }
    return nullptr;
}

void clearFocus() {
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();
}

// The started program with its frame, as the pictures tool builds its windows.
struct Scene : test::ShellFixture {
    ErrorLog errors;
    shots::ShotScene scene{*context, *document, prompts, errors, *window};
};

} // namespace

class TestWheelFocusPolicy : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void onlyTheFocusedControlTakesTheWheel_data();
    void onlyTheFocusedControlTakesTheWheel();
    void everyWindowFollowsTheRule_data();
    void everyWindowFollowsTheRule();
    void scrollingPageScrollsUnderTheWheel();
    void theProgramAppliesTheRule();
};

void TestWheelFocusPolicy::onlyTheFocusedControlTakesTheWheel_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("focused");
    for (const char* kind : {"list", "spin box", "slider"}) {
        QTest::addRow("%s without the focus", kind) << QString::fromLatin1(kind) << false;
        QTest::addRow("%s with the focus", kind) << QString::fromLatin1(kind) << true;
    }
}

void TestWheelFocusPolicy::onlyTheFocusedControlTakesTheWheel() {
    QFETCH(QString, kind);
    QFETCH(bool, focused);
    InstalledPolicy installed;
    // A control at the top of a page taller than its scroll area, and a button to hold the focus.
    QScrollArea area;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QWidget* control = nullptr;
    if (kind == QLatin1String("list")) {
        auto* list = new QComboBox;
        list->addItems({"a", "b", "c"});
        list->setCurrentIndex(1);
        control = list;
    } else if (kind == QLatin1String("spin box")) {
        auto* spin = new QSpinBox;
        spin->setValue(5);
        control = spin;
    } else {
        auto* slider = new QSlider(Qt::Horizontal);
        slider->setRange(0, 10);
        slider->setValue(5);
        control = slider;
    }
    auto* other = new QPushButton(QStringLiteral("other"));
    layout->addWidget(control);
    layout->addWidget(other);
    layout->addSpacing(2000);
    area.setWidget(page);
    area.setWidgetResizable(true);
    area.resize(300, 200);
    area.show();
    area.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&area));
    if (focused)
        control->setFocus();
    else
        other->setFocus();
    const QString before = valueOf(control);

    test::turnWheel(control, -1);
    QCOMPARE(valueOf(control) != before, focused);
    QCOMPARE(area.verticalScrollBar()->value() > 0, !focused);
    QCOMPARE(control->hasFocus(), focused);
}

void TestWheelFocusPolicy::everyWindowFollowsTheRule_data() {
    QTest::addColumn<int>("shot");
    for (int n = 0; n < int(shots::shotCatalogue().size()); ++n)
        QTest::newRow(qPrintable(shots::shotCatalogue()[n].name)) << n;
}

void TestWheelFocusPolicy::everyWindowFollowsTheRule() {
    QFETCH(int, shot);
    InstalledPolicy installed;
    Scene s;
    QVERIFY(s.document->openFile(s.context->appFile(AppContext::FactoryFileName)).ok());
    const shots::Shot& entry = shots::shotCatalogue()[shot];
    std::unique_ptr<QWidget> window = entry.build(s.scene);
    window->resize(entry.size.isEmpty() ? window->sizeHint() : entry.size);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const QByteArray image = s.document->image().bytes();
    const int undoSteps = s.document->undoStack().count();

    int wheeled = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!WheelFocusPolicy::guards(w) || !w->isVisible() || !w->isEnabled())
            continue;
        if (QScrollArea* area = scrollAreaAround(w))
            area->ensureWidgetVisible(w);
        clearFocus();
        const QString before = valueOf(w);
        for (int notches : {-1, 1, 1})
            test::turnWheel(w, notches);
        QVERIFY2(valueOf(w) == before, qPrintable(w->objectName()));
        QVERIFY2(!w->hasFocus(), qPrintable(w->objectName()));
        ++wheeled;
    }
    QCOMPARE(s.document->image().bytes(), image);
    QCOMPARE(s.document->undoStack().count(), undoSteps);
    if (wheeled == 0)
        qInfo("no list, spin box or slider shown");
}

void TestWheelFocusPolicy::scrollingPageScrollsUnderTheWheel() {
    InstalledPolicy installed;
    Scene s;
    gui::ChannelEditorWindow editor(*s.document, s.prompts);
    editor.settingsTabs()->setCurrentIndex(6);
    editor.resize(1024, 600);
    editor.show();
    editor.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    auto* list = editor.findChild<QComboBox*>(QStringLiteral("cboPreCarTime"));
    QVERIFY(list && list->isVisible());
    QScrollBar* bar = scrollAreaAround(list)->verticalScrollBar();
    QVERIFY2(bar->maximum() > 0, "the DTMF page scrolls at this size");
    editor.grid()->setFocus();
    const QString before = valueOf(list);
    const QByteArray image = s.document->image().bytes();

    test::turnWheel(list, -1);
    QCOMPARE(valueOf(list), before);
    QVERIFY(bar->value() > 0);
    QCOMPARE(s.document->image().bytes(), image);
}

void TestWheelFocusPolicy::theProgramAppliesTheRule() {
    // No policy of the test's own: the program's.
    test::ProgramFixture started;
    gui::RunningProgram& program = started.program;
    program.start(QString());
    QVERIFY(QTest::qWaitForWindowExposed(&program.window()));
    channels::ChannelTableModel& channels = program.document().channelModel();
    QVERIFY(channels.setReceiveFrequency(2, QStringLiteral("446.1")));
    auto* bands = program.window().findChild<QComboBox*>(QStringLiteral("cboFrequency"));
    QVERIFY(bands && bands->isVisible());
    clearFocus();
    const int band = program.document().bandPosition();

    // The pointer resting on the band list: a notch either way rebuilds nothing.
    for (int notches : {-1, 1})
        test::turnWheel(bands, notches);
    QCOMPARE(program.document().bandPosition(), band);
    QCOMPARE(bands->currentIndex(), band);
    QCOMPARE(channels.cellText(2, 1), QStringLiteral("446.1"));
}

QTEST_MAIN(TestWheelFocusPolicy)
#include "tst_wheelfocuspolicy.moc"
