#include "StandInPort.h"
#include "comm/PortControl.h"
#include "comm/PortDialogModel.h"
#include "comm/PortMap.h"
#include "comm/RadioTransfer.h"
#include "core/ErrorLog.h"
#include "core/ExtraTexts.h"
#include "core/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace qrt;
using namespace qrt::comm;

namespace {

struct Ports {
    QTemporaryDir dir;
    QString dev = dir.filePath(QStringLiteral("dev"));
    SettingsFile settings{dir.filePath(QStringLiteral("holvard.def"))};
    ErrorLog log;
    QStringList usable;

    explicit Ports(const QStringList& devices) {
        QDir().mkpath(dev);
        for (const QString& d : devices) {
            QFile f(QDir(dev).filePath(d));
            f.open(QIODevice::WriteOnly);
        }
    }
    PortControl control() {
        return PortControl(
            settings, log,
            [this](const QString& d) {
                return std::make_unique<test::StandInPort>(d, usable.contains(d), PortError::Busy,
                                                           QStringLiteral("busy"));
            },
            dev);
    }
    QString path(const QString& name) const { return QDir(dev).filePath(name); }
};

} // namespace

class TestPortMap : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void usbAdaptersFirstInNameOrder();
    void settingsOverrideANumber();
    void portArgument_data();
    void portArgument();
    void autoSetPortTakesTheLowestUsable();
    void autoSetPortWithoutUsablePortChangesNothing();
    void failedOpenShowsTheDialogThenLogs();
    void openFailureIsToldInTheLanguage_data();
    void openFailureIsToldInTheLanguage();
    void dialogCancelKeepsAGreyedOutPort();
    void dialogOkStoresTheChoice();
};

void TestPortMap::usbAdaptersFirstInNameOrder() {
    Ports p({"ttyS10", "ttyS2", "ttyUSB10", "ttyUSB2", "ttyACM0", "tty0", "null"});
    const QStringList expected = {p.path("ttyUSB2"), p.path("ttyUSB10"), p.path("ttyACM0"), p.path("ttyS2"),
                                  p.path("ttyS10")};
    QCOMPARE(portmap::candidateDevices(p.dev), expected);
    QCOMPARE(portmap::deviceForPort(1, p.settings, p.dev), p.path("ttyUSB2"));
    QCOMPARE(portmap::deviceForPort(5, p.settings, p.dev), p.path("ttyS10"));
    QCOMPARE(portmap::deviceForPort(6, p.settings, p.dev), QString());
    QCOMPARE(portmap::describePort(6, p.settings, p.dev), QStringLiteral("COM6 (no device)"));
}

void TestPortMap::settingsOverrideANumber() {
    Ports p({"ttyUSB0", "ttyS0"});
    QVERIFY(p.settings.write(portmap::Section, QStringLiteral("COM2"), QStringLiteral("/dev/serial/by-id/cable")));
    QCOMPARE(portmap::deviceForPort(1, p.settings, p.dev), p.path("ttyUSB0"));
    QCOMPARE(portmap::deviceForPort(2, p.settings, p.dev), QStringLiteral("/dev/serial/by-id/cable"));
    QCOMPARE(portmap::describePort(2, p.settings, p.dev), QStringLiteral("COM2 = /dev/serial/by-id/cable"));
}

void TestPortMap::portArgument_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("device");
    QTest::newRow("number") << "3" << true << 3 << "";
    QTest::newRow("COMn") << "com16" << true << 16 << "";
    QTest::newRow("17") << "17" << false << 0 << "";
    QTest::newRow("COM0") << "COM0" << false << 0 << "";
    // A number out of range is a wrong number, not the name of a device.
    QTest::newRow("123") << "123" << false << 0 << "";
    QTest::newRow("COM123") << "COM123" << false << 0 << "";
    QTest::newRow("padded number") << " 007 " << true << 7 << "";
    QTest::newRow("path") << "/dev/pts/4" << true << 0 << "/dev/pts/4";
    QTest::newRow("empty") << "" << false << 0 << "";
}

void TestPortMap::portArgument() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, number);
    QFETCH(QString, device);
    int n = -1;
    QString d;
    QCOMPARE(portmap::parsePortArgument(text, &n, &d), ok);
    QCOMPARE(n, number);
    QCOMPARE(d, device);
}

void TestPortMap::autoSetPortTakesTheLowestUsable() {
    Ports p({"ttyS0", "ttyS1", "ttyS2", "ttyS3", "ttyS4"});
    p.usable = {p.path("ttyS0"), p.path("ttyS4")};
    PortControl c = p.control();
    c.setPortNumber(3);
    QVERIFY(!c.testAndRecordPort(3));
    QCOMPARE(c.portTest(3), PortTest::Failed);
    c.autoSetPort();
    QCOMPARE(c.portNumber(), 1);
    QCOMPARE(c.portTest(5), PortTest::Passed);
    QCOMPARE(c.portTest(16), PortTest::Failed);
    QCOMPARE(SettingsFile(p.settings.path()).read(QStringLiteral("Setting"), QStringLiteral("COM"), {}, 8),
             QStringLiteral("1"));
}

void TestPortMap::autoSetPortWithoutUsablePortChangesNothing() {
    Ports p({"ttyS0", "ttyS1"});
    PortControl c = p.control();
    c.setPortNumber(7);
    c.autoSetPort();
    QCOMPARE(c.portNumber(), 7);
    QVERIFY(!QFile::exists(p.settings.path()));
}

// The operation only reports the failed open; the window shows its port dialog, and the
// failure is logged when the dialog has closed.
void TestPortMap::failedOpenShowsTheDialogThenLogs() {
    Ports p({"ttyS0"});
    PortControl c = p.control();
    RadioTransfer transfer(p.log, [&p](const QString& d) {
        return std::make_unique<test::StandInPort>(d, p.usable.contains(d), PortError::Busy, QStringLiteral("busy"));
    });
    QList<bool> lamp;
    QObject::connect(&transfer, &RadioTransfer::lampChanged, [&lamp](bool on) { lamp << on; });
    TransferJob job;
    job.device = c.currentDevice();
    job.image = RadioImage(0x2000);
    const TransferOutcome outcome = transfer.execute(job);
    QCOMPARE(outcome.result, TransferResult::PortFailed);
    QVERIFY(outcome.portOpenFailed);
    QCOMPARE(outcome.portError, PortError::Busy);
    QCOMPARE(outcome.portErrorDetail, QStringLiteral("busy"));
    QVERIFY(outcome.problems.isEmpty());
    QVERIFY(!outcome.image);
    QCOMPARE(lamp, (QList<bool>{true, false}));
    QCOMPARE(p.log.count(), 0);
    c.logOpenFailure(outcome.portError);
    QCOMPARE(p.log.lastTag(), QStringLiteral("modCommun->OpenCom"));
    QCOMPARE(p.log.lastNumber(), err::DeviceUnavailable);
}

void TestPortMap::openFailureIsToldInTheLanguage_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    const int denied = int(PortError::PermissionDenied);
    // A permission failure names the group that owns the device.
    QTest::newRow("permission")
        << Language::English << "/dev/null" << denied
        << "No permission to open /dev/null: the user must be a member of the group \"root\" "
           "that owns the device (for instance: sudo usermod -aG root $USER, then log in again).";
    QTest::newRow("permission, Simplified Chinese")
        << Language::SimplifiedChinese << "/dev/null" << denied
        << "没有打开 /dev/null 的权限：用户必须是拥有该设备的用户组“root”的成员（例如：sudo usermod -aG root "
           "$USER，然后重新登录）。";
    QTest::newRow("no device for the number")
        << Language::English << "" << int(PortError::NotFound) << "COM4 stands for no serial device on this computer";
    QTest::newRow("no device, Traditional Chinese")
        << Language::TraditionalChinese << "" << int(PortError::NotFound) << "COM4 在這台電腦上沒有對應的串口裝置";
    QTest::newRow("busy, Simplified Chinese")
        << Language::SimplifiedChinese << "/dev/ttyUSB0" << int(PortError::Busy) << "/dev/ttyUSB0 正被其他程序使用";
    QTest::newRow("other, with the system's words")
        << Language::English << "/dev/ttyS0" << int(PortError::Other) << "Cannot open /dev/ttyS0: Input/output error";
}

void TestPortMap::openFailureIsToldInTheLanguage() {
    QFETCH(Language, language);
    QFETCH(QString, device);
    QFETCH(int, kind);
    QFETCH(QString, text);
    ExtraTexts texts;
    QVERIFY(texts.load(language));
    QCOMPARE(portmap::openFailureText(texts, 4, device, PortError(kind), QStringLiteral("Input/output error")), text);
}

void TestPortMap::dialogCancelKeepsAGreyedOutPort() {
    Ports p({"ttyS0", "ttyS1", "ttyS2", "ttyS3", "ttyS4", "ttyS5", "ttyS6"});
    p.usable = {p.path("ttyS0")};
    PortControl c = p.control();
    c.setPortNumber(7);
    PortDialogModel dialog(c, p.settings, p.log);
    dialog.load();
    QVERIFY(dialog.optionEnabled(0));
    QVERIFY(!dialog.optionEnabled(6));
    QCOMPARE(dialog.selected(), 6);
    dialog.select(0);
    dialog.cancel();
    QCOMPARE(c.portNumber(), 7);
    QVERIFY(!QFile::exists(p.settings.path()));
    QCOMPARE(c.portTest(1), PortTest::NotTested); // the dialog's test records nothing
}

void TestPortMap::dialogOkStoresTheChoice() {
    Ports p({});
    QVERIFY(p.settings.write(portmap::Section, QStringLiteral("COM12"), p.path("ttyUSB7")));
    p.usable = {p.path("ttyUSB7")};
    PortControl c = p.control();
    PortDialogModel dialog(c, p.settings, p.log);
    dialog.load();
    QCOMPARE(dialog.optionDevice(11), p.path("ttyUSB7"));
    dialog.select(11);
    dialog.ok();
    QCOMPARE(c.portNumber(), 12);
    QCOMPARE(SettingsFile(p.settings.path()).read(QStringLiteral("Setting"), QStringLiteral("COM"), {}, 8),
             QStringLiteral("12"));
}

QTEST_GUILESS_MAIN(TestPortMap)
#include "tst_portmap.moc"
