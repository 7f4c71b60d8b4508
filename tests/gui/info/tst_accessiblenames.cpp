// What a screen reader hears: every widget of every window, in the three languages, is
// named by what a person sees (its text, its caption, its label, its title), never by its
// object name, and no control that shows text or takes input is left without a name.
#include "ShotCatalogue.h"
#include "TestSupport.h"

#include "core/AppContext.h"
#include "core/ErrorLog.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "gui/common/UserPrompts.h"
#include "gui/shell/MainWindow.h"
#include "gui/shell/PlatformServices.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>

using namespace qrt;

namespace {

// The program in one language with its frame, as the screenshot tool builds it.
struct Program {
    explicit Program(Language language)
        : context(dir.path()), document(startProgram(context, language)),
          frame(*document, prompts, viewer, restarter), scene{context, *document, prompts, sampleErrors, frame} {}

    test::TempAppDir dir;
    AppContext context;
    std::unique_ptr<Document> document;
    gui::UnansweredPrompts prompts;
    ErrorLog sampleErrors;
    gui::InertDocumentViewer viewer;
    gui::InertRestarter restarter;
    gui::MainWindow frame;
    shots::ShotScene scene;
};

QString accessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

// A control a person reads or types into: a screen reader must say what it is.
bool needsName(const QWidget& w) {
    // The parts Qt builds inside a control are heard as the control.
    const QWidget* parent = w.parentWidget();
    if (qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent))
        return false;
    if (w.isWindow())
        return !w.windowTitle().isEmpty();
    if (auto* label = qobject_cast<const QLabel*>(&w))
        return !label->text().isEmpty();
    if (auto* button = qobject_cast<const QAbstractButton*>(&w))
        return !button->text().isEmpty() || !button->icon().isNull();
    if (auto* group = qobject_cast<const QGroupBox*>(&w))
        return !group->title().isEmpty();
    if (qobject_cast<const QHeaderView*>(&w) || qobject_cast<const QScrollBar*>(&w))
        return false;
    return qobject_cast<const QLineEdit*>(&w) || qobject_cast<const QComboBox*>(&w) ||
           qobject_cast<const QAbstractSpinBox*>(&w) || qobject_cast<const QAbstractItemView*>(&w) ||
           qobject_cast<const QTextEdit*>(&w) || qobject_cast<const QPlainTextEdit*>(&w) ||
           qobject_cast<const QProgressBar*>(&w) || qobject_cast<const QAbstractSlider*>(&w);
}

// The text a person sees on the widget itself.
QString shownText(const QWidget& w) {
    if (w.isWindow())
        return w.windowTitle();
    if (auto* label = qobject_cast<const QLabel*>(&w))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&w))
        return button->text().remove(QLatin1Char('&'));
    if (auto* group = qobject_cast<const QGroupBox*>(&w))
        return group->title();
    return {};
}

QString describe(const QObject& o) {
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(o.metaObject()->className()), o.objectName());
}

// Every shown widget of the window, and the entries of its menus.
QStringList problemsOf(QWidget& window) {
    QStringList problems;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* w : widgets) {
        if (w != &window && !w->isVisibleTo(&window))
            continue;
        const QString name = accessibleName(w);
        // A caption may happen to read like the object name ("Read" on the button "Read").
        if (!w->objectName().isEmpty() && name == w->objectName() && name != shownText(*w))
            problems << describe(*w) + QStringLiteral(": named by its object name");
        else if (needsName(*w) && name.trimmed().isEmpty())
            problems << describe(*w) + QStringLiteral(": no name");
    }
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        // A menu that is never offered (the hidden Window menu) is not heard.
        if (!menu->menuAction()->isVisible())
            continue;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            const QString name = action->text().remove(QLatin1Char('&'));
            if (name.trimmed().isEmpty() || name == action->objectName())
                problems << describe(*action) + QStringLiteral(" in ") + menu->objectName() +
                                QStringLiteral(": entry without words");
        }
    }
    return problems;
}

} // namespace

class TestAccessibleNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QAccessible::setActive(true); }
    void walkFindsWhatAScreenReaderWouldMisname();
    void everyWindowNamesItsControlsInWords_data();
    void everyWindowNamesItsControlsInWords();
    void statusPanelsAndToolBarAreHeardAsShown_data();
    void statusPanelsAndToolBarAreHeardAsShown();
};

// The walk itself: a panel named by its key, a box without a label and a button whose
// caption happens to read like its object name.
void TestAccessibleNames::walkFindsWhatAScreenReaderWouldMisname() {
    QWidget window;
    window.setWindowTitle(QStringLiteral("Window"));
    auto* panel = new QLabel(QStringLiteral("Ready"), &window);
    panel->setObjectName(QStringLiteral("statusNotice"));
    panel->setAccessibleName(panel->objectName());
    auto* box = new QLineEdit(&window);
    box->setObjectName(QStringLiteral("txtFree"));
    auto* labelled = new QLineEdit(&window);
    labelled->setObjectName(QStringLiteral("txtMin"));
    (new QLabel(QStringLiteral("Min"), &window))->setBuddy(labelled);
    auto* button = new QPushButton(QStringLiteral("Read"), &window);
    button->setObjectName(QStringLiteral("Read"));
    auto* hidden = new QLabel(QStringLiteral("x"), &window);
    hidden->setObjectName(QStringLiteral("lblHidden"));
    hidden->setAccessibleName(hidden->objectName());
    hidden->hide();
    window.show();
    QCOMPARE(problemsOf(window), (QStringList{QStringLiteral("QLabel statusNotice: named by its object name"),
                                              QStringLiteral("QLineEdit txtFree: no name")}));
}

void TestAccessibleNames::everyWindowNamesItsControlsInWords_data() {
    QTest::addColumn<Language>("language");
    QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese;
    QTest::newRow("Traditional Chinese") << Language::TraditionalChinese;
    QTest::newRow("English") << Language::English;
}

void TestAccessibleNames::everyWindowNamesItsControlsInWords() {
    QFETCH(Language, language);
    Program program(language);
    QStringList problems;
    for (const shots::Shot& shot : shots::shotCatalogue()) {
        std::unique_ptr<QWidget> window = shot.build(program.scene);
        window->show();
        QCoreApplication::processEvents();
        for (const QString& problem : problemsOf(*window))
            problems << shot.name + QStringLiteral(": ") + problem;
        window->hide();
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestAccessibleNames::statusPanelsAndToolBarAreHeardAsShown_data() {
    everyWindowNamesItsControlsInWords_data();
}

void TestAccessibleNames::statusPanelsAndToolBarAreHeardAsShown() {
    QFETCH(Language, language);
    Program program(language);
    program.frame.show();
    QStatusBar* bar = program.frame.statusBar();
    for (const char* panel : {"statusNotice", "statusCom", "statusAddress"}) {
        auto* label = bar->findChild<QLabel*>(QString::fromLatin1(panel));
        QVERIFY(label);
        QVERIFY(!label->text().isEmpty());
        QCOMPARE(accessibleName(label), label->text());
    }
    QCOMPARE(accessibleName(bar->findChild<QLabel*>(QStringLiteral("statusNotice"))),
             program.context.text(TextId::Ready));
    // The name follows the text.
    auto* notice = bar->findChild<QLabel*>(QStringLiteral("statusNotice"));
    notice->setText(program.context.text(TextId::InterfaceLocked));
    QCOMPARE(accessibleName(notice), program.context.text(TextId::InterfaceLocked));

    auto* toolBar = program.frame.findChild<QToolBar*>(QStringLiteral("tlbMdiFrmMain"));
    QCOMPARE(accessibleName(toolBar), program.context.extraText(QStringLiteral("frame.toolBar")));
}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessiblenames.moc"
