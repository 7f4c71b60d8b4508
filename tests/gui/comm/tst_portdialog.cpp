// The port dialog with stand-in ports, status panel 2, and the start-up port test (off the
// window's thread) with stand-in ports and against the emulator's port.
#include "CommFixture.h"
#include "ShellFixture.h"
#include "SimProcess.h"

#include "comm/PortControl.h"
#include "comm/StartupPortTest.h"
#include "gui/comm/PortDialog.h"
#include "gui/comm/PortOptionText.h"
#include "gui/shell/MainWindow.h"
#include "gui/shell/PlatformServices.h"
#include "gui/shell/ProgramLaunch.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <condition_variable>
#include <mutex>

using namespace qrt;
using namespace qrt::comm;
using qrt::comm::StartupPortTest;
using qrt::gui::comm::PortDialog;
using qrt::test::CommFixture;

namespace {

QRadioButton* option(PortDialog& dialog, int number) {
    return dialog.findChild<QRadioButton*>(QStringLiteral("COM1(%1)").arg(number - 1));
}

QSet<int> toSet(const QList<int>& list) {
    return QSet<int>(list.begin(), list.end());
}

// A port whose open waits until the test lets it go, as a port whose driver hangs does.
struct HangingOpen {
    std::mutex mutex;
    std::condition_variable released;
    bool free = false;
    void release() {
        const std::lock_guard<std::mutex> lock(mutex);
        free = true;
        released.notify_all();
    }
};

class HangingPort : public test::StandInPort {
public:
    HangingPort(const QString& device, std::shared_ptr<HangingOpen> hang)
        : StandInPort(device, true), m_hang(std::move(hang)) {}
    bool open() override {
        std::unique_lock<std::mutex> lock(m_hang->mutex);
        m_hang->released.wait(lock, [this] { return m_hang->free; });
        return StandInPort::open();
    }

private:
    std::shared_ptr<HangingOpen> m_hang;
};

} // namespace

class TestPortDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dialogRules_data();
    void dialogRules();
    void optionsTellTheDevice();
    void statusPanelShowsThePortAfterTheDialog();
    void startupTest_data();
    void startupTest();
    void hangingOpenDoesNotHoldUpTheStart();
    void programStartFindsTheRadiosPort();
};

void TestPortDialog::dialogRules_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("usable");
    QTest::addColumn<int>("choose"); // 0: nothing
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("expectedPort");
    QTest::addColumn<QString>("expectedKey");
    QTest::newRow("COM12 and OK") << 1 << QList<int>{1, 12} << 12 << "cmdOk" << 12 << "12";
    QTest::newRow("OK keeps a greyed current port") << 7 << QList<int>{1} << 0 << "cmdOk" << 7 << "7";
    QTest::newRow("cancel after choosing") << 7 << QList<int>{1, 3} << 3 << "cmdCancel" << 7 << "7";
    QTest::newRow("greyed option cannot be chosen") << 2 << QList<int>{2} << 9 << "cmdOk" << 2 << "2";
    QTest::newRow("escape") << 4 << QList<int>{4, 5} << 5 << "escape" << 4 << "4";
}

void TestPortDialog::dialogRules() {
    QFETCH(int, current);
    QFETCH(QList<int>, usable);
    QFETCH(int, choose);
    QFETCH(QString, button);
    QFETCH(int, expectedPort);
    QFETCH(QString, expectedKey);
    CommFixture f(toSet(usable), true, current);
    QCOMPARE(f.link->port().portNumber(), current);
    PortDialog dialog(*f.context, f.link->port(), &f.frame);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), f.text(TextId::PortDialogTitle));
    for (int n = 1; n <= 16; ++n) {
        QCOMPARE(option(dialog, n)->text(), QStringLiteral("COM%1").arg(n));
        QCOMPARE(option(dialog, n)->isEnabled(), usable.contains(n));
    }
    // The current port is selected even when its test failed.
    QVERIFY(option(dialog, current)->isChecked());
    if (choose)
        QTest::mouseClick(option(dialog, choose), Qt::LeftButton);
    if (button == QLatin1String("escape"))
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.link->port().portNumber(), expectedPort);
    // OK stores the port; cancelling leaves the stored value as it was.
    QCOMPARE(f.setting(QStringLiteral("COM")),
             button == QLatin1String("cmdOk") ? expectedKey : QString::number(current));
}

void TestPortDialog::optionsTellTheDevice() {
    CommFixture f({3}, true, 3);
    PortDialog dialog(*f.context, f.link->port(), &f.frame);
    QVERIFY(option(dialog, 3)->toolTip().startsWith(test::standInDevice(3)));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblDevice(2)"))->text(), QStringLiteral("port3"));

    gui::comm::PortOptionFacts facts;
    QCOMPARE(gui::comm::portOptionToolTip(facts, f.context->extraTexts()), QStringLiteral("No serial device"));
    facts.device = QStringLiteral("/dev/ttyUSB0");
    facts.info.description = QStringLiteral("USB-Serial Controller");
    facts.info.hasUsbIds = true;
    facts.info.vendorId = 0x067b;
    facts.info.productId = 0x2303;
    facts.lacksAccess = true;
    facts.accessHint = QStringLiteral("join dialout");
    QCOMPARE(gui::comm::portOptionToolTip(facts, f.context->extraTexts()),
             QStringLiteral("/dev/ttyUSB0\nUSB-Serial Controller\nUSB 067b:2303\njoin dialout"));
    QCOMPARE(gui::comm::portOptionLine(facts), QStringLiteral("ttyUSB0"));
}

void TestPortDialog::statusPanelShowsThePortAfterTheDialog() {
    CommFixture f({1, 12}, true, 1);
    QSignalSpy changed(f.link.get(), &RadioLink::portChanged);
    QTimer::singleShot(0, this, [] {
        auto* dialog = qobject_cast<PortDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        option(*dialog, 12)->click();
        dialog->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    });
    f.link->choosePort();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 12);
}

void TestPortDialog::startupTest_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("firstStart");
    QTest::addColumn<QList<int>>("usable");
    QTest::addColumn<int>("expectedPort");
    QTest::addColumn<QString>("expectedKey");
    QTest::newRow("stored port works") << 3 << false << QList<int>{1, 3} << 3 << "3";
    QTest::newRow("stored port fails: lowest usable") << 3 << false << QList<int>{5, 1} << 1 << "1";
    QTest::newRow("no usable port: nothing changes") << 3 << false << QList<int>{} << 3 << "3";
    QTest::newRow("first start searches") << 3 << true << QList<int>{2, 3} << 2 << "2";
}

void TestPortDialog::startupTest() {
    QFETCH(int, stored);
    QFETCH(bool, firstStart);
    QFETCH(QList<int>, usable);
    QFETCH(int, expectedPort);
    QFETCH(QString, expectedKey);
    CommFixture f(toSet(usable), true, stored);
    QSignalSpy changed(f.link.get(), &RadioLink::portChanged);
    f.link->startPortTest(firstStart);
    QVERIFY(changed.wait(60000));
    QCOMPARE(changed.at(0).at(0).toInt(), expectedPort);
    QCOMPARE(f.link->port().portNumber(), expectedPort);
    QCOMPARE(f.setting(QStringLiteral("COM")), expectedKey);
    for (int n = 1; n <= 16; ++n) {
        const PortTest test = f.link->port().portTest(n);
        const PortTest tested = usable.contains(n) ? PortTest::Passed : PortTest::Failed;
        QVERIFY(test == tested || (test == PortTest::NotTested && n != stored));
    }
}

void TestPortDialog::hangingOpenDoesNotHoldUpTheStart() {
    QStringList devices;
    for (int n = 1; n <= 16; ++n)
        devices << test::standInDevice(n);
    auto hangingFactory = [](std::shared_ptr<HangingOpen> hang) {
        return [hang](const QString& device) { return std::make_unique<HangingPort>(device, hang); };
    };
    {
        // Gone while the open still hangs (quitting at start-up): the object goes without
        // waiting for the open, and the tests, once it returns, deliver nothing.
        auto hang = std::make_shared<HangingOpen>();
        { StartupPortTest abandoned(2, true, devices, hangingFactory(hang)); }
        hang->release();
    }
    auto hang = std::make_shared<HangingOpen>();
    StartupPortTest test(2, false, devices, hangingFactory(hang));
    QSignalSpy finished(&test, &StartupPortTest::finished);
    // The constructor has returned although the open has not.
    QCOMPARE(finished.count(), 0);
    hang->release();
    QVERIFY(finished.wait(60000));
    const auto results = finished.at(0).at(0).value<StartupPortTest::Results>();
    QCOMPARE(results.verdicts.size(), 1);
    QCOMPARE(results.verdicts.first(), qMakePair(2, true));
    QVERIFY(!results.searched);
}

void TestPortDialog::programStartFindsTheRadiosPort() {
    test::SimProcess sim;
    QVERIFY(sim.start({QStringLiteral("--baud"), QStringLiteral("0")}));
    test::TempAppDir dir;
    {
        SettingsFile file(dir.filePath(AppContext::SettingsFileName));
        file.write(QStringLiteral("Setting"), QStringLiteral("COM"), QStringLiteral("3"));
        file.write(QStringLiteral("Setting"), QStringLiteral("FirRun"), QStringLiteral("0"));
        file.write(QStringLiteral("Setting"), QStringLiteral("Language"), QStringLiteral("3"));
        for (int n = 1; n <= 16; ++n)
            file.write(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(n),
                       n == 5 ? sim.device() : dir.filePath(QStringLiteral("none%1").arg(n)));
    }
    test::ScriptedPrompts prompts{test::ScriptedPrompts::Unscripted::Close};
    test::RecordingViewer viewer;
    test::RecordingRestarter restarter;
    gui::RunningProgram program(dir.path(), prompts, viewer, restarter);
    QLabel* panel = program.window().findChild<QLabel*>(QStringLiteral("statusCom"));
    QVERIFY(panel);
    QVERIFY(QTest::qWaitFor([&] { return panel->text() == QLatin1String("COM5"); }, 60000));
    QCOMPARE(SettingsFile(dir.filePath(AppContext::SettingsFileName))
                 .read(QStringLiteral("Setting"), QStringLiteral("COM"), QStringLiteral("?"), 8),
             QStringLiteral("5"));
    QVERIFY(program.window().findChild<QAction*>(QStringLiteral("mnuReadFre"))->isEnabled());
}

QTEST_MAIN(TestPortDialog)
#include "tst_portdialog.moc"
