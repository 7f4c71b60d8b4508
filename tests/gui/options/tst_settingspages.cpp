#include "CliRun.h"
#include "PagesFixture.h"
#include "gui/options/SettingsBinder.h"
#include "gui/shell/MainWindow.h"
#include "gui/shell/PlatformServices.h"
#include "options/SettingsModel.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSet>
#include <QSignalSpy>
#include <QTimer>

using namespace qrt;
using test::PagesFixture;

namespace {

// Radio address a (0x010..0x3FF) is at offset a + 16 of a data file.
constexpr int FileOffset = 16;

// "0x0368=0xA5;0x03E3=0xE7" applied to a data file.
QByteArray poked(QByteArray file, const QString& pokes) {
    for (const QString& poke : pokes.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList parts = poke.split(QLatin1Char('='));
        const int address = parts.at(0).toInt(nullptr, 16);
        file[address + FileOffset] = char(parts.at(1).toInt(nullptr, 16));
    }
    return file;
}

} // namespace

class TestSettingsPages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyControlIsBound();
    void userChangesMatchTheCommandLine_data();
    void userChangesMatchTheCommandLine();
    void keyListsKeepOneMark();
    void refreshRunsNoChangeRule();
    void dependentControlsFollowTheModel_data();
    void dependentControlsFollowTheModel();
    void messageKeepsTypedBlanks();
    void serialNumberControls();
    void captionsInEveryLanguage_data();
    void captionsInEveryLanguage();
    void hiddenControlsStayHidden();
    void lockDisablesTheNineFrames();
    void buttonsAnnounceTheirDialogs();
};

// Every option of the model has its widget, found by its control name; nothing is
// forgotten or misspelt. The dialogs own no control of this model.
void TestSettingsPages::everyControlIsBound() {
    PagesFixture f;
    const QStringList ownedByDialogs = {};
    QStringList expected = f.document->settings().names();
    for (const QString& name : ownedByDialogs)
        expected.removeAll(name);
    QStringList bound = f.pages().binder().boundNames();
    std::sort(expected.begin(), expected.end());
    std::sort(bound.begin(), bound.end());
    QCOMPARE(bound, expected);
    for (const QString& name : bound) {
        QWidget* w = f.pages().binder().widget(name);
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(name));
    }
}

void TestSettingsPages::userChangesMatchTheCommandLine_data() {
    QTest::addColumn<QString>("pokes");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("assignments");

    QTest::newRow("time-out 270s") << "" << QStringList{"choose cboTot 270s"} << QStringList{"cboTot=270s"};
    QTest::newRow("power-on tone off keeps channel bits")
        << "0x0368=0xA5" << QStringList{"choose cboPwrOnTone Off"} << QStringList{"cboPwrOnTone=Off"};
    QTest::newRow("tail delete off") << "" << QStringList{"choose cboTailDel 8--Off"}
                                     << QStringList{"cboTailDel=8--Off"};
    QTest::newRow("tx tail tone on and off")
        << "0x036D=0x00;0x0367=0x00" << QStringList{"check chkTxEndTone 1", "check chkTxEndTone 0"}
        << QStringList{"chkTxEndTone=1", "chkTxEndTone=0"};
    QTest::newRow("two-way volume level")
        << "" << QStringList{"choose cboTwoWayVolumeLevel 3"} << QStringList{"cboTwoWayVolumeLevel=3"};
    QTest::newRow("short key item 22") << "" << QStringList{"mark listSk1Short 22"} << QStringList{"listSk1Short=#22"};
    QTest::newRow("long key last item") << "" << QStringList{"mark listSk2Long 25"} << QStringList{"listSk2Long=#25"};
    QTest::newRow("hold time 1.00s") << "" << QStringList{"choose cboSk1LongTime 1.00s"}
                                     << QStringList{"cboSk1LongTime=1.00s"};
    QTest::newRow("vox compare then Default") << "" << QStringList{"choose cboVoxCmpDat3 99", "press cmdVoxCmpDefault"}
                                              << QStringList{"cboVoxCmpDat3=99", "cboVoxCmpDat3=140"};
    QTest::newRow("vox receive inhibit") << "" << QStringList{"choose cboVoxRxForbid On"}
                                         << QStringList{"cboVoxRxForbid=On"};
    QTest::newRow("priority fixed then channel")
        << "" << QStringList{"choose cboScanPriChSort Fixed", "choose cboPriCh 7"}
        << QStringList{"cboScanPriChSort=Fixed", "cboPriCh=7"};
    QTest::newRow("save mode with battery save")
        << "0x0135=0x01" << QStringList{"choose cboSaveMode 1 - 10"} << QStringList{"cboSaveMode=1 - 10"};
    QTest::newRow("low battery alarm interval")
        << "" << QStringList{"choose cboLowBatAlarmTimer 6s", "check chkLowBatAn 1"}
        << QStringList{"cboLowBatAlarmTimer=6s", "chkLowBatAn=1"};
    QTest::newRow("PTT ID typed with invalid characters")
        << "" << QStringList{"type txtPttBot 12ab-*#"} << QStringList{"txtPttBot=12ab-*#"};
    QTest::newRow("ID code digits only") << "" << QStringList{"type txtDtmfIdCode 12ab"}
                                         << QStringList{"txtDtmfIdCode=12ab"};
    QTest::newRow("ten-character stun code")
        << "" << QStringList{"type txtDtmfCloseCode 1234567890", "choose cboDtmfCloseSort Tx/Rx Inhibit"}
        << QStringList{"txtDtmfCloseCode=1234567890", "cboDtmfCloseSort=Tx/Rx Inhibit"};
    QTest::newRow("digit duration copies to interval")
        << "" << QStringList{"choose cboCodeContiTime 70"} << QStringList{"cboCodeContiTime=70"};
    QTest::newRow("group code and call alert")
        << "" << QStringList{"choose cboDtmfGrpCode #", "choose cboDtmfCallAlarm Glint60s"}
        << QStringList{"cboDtmfGrpCode=#", "cboDtmfCallAlarm=Glint60s"};
    QTest::newRow("auto-dial entry") << "" << QStringList{"type txtAutoMem5 0123456789ABCD*#E"}
                                     << QStringList{"txtAutoMem5=0123456789ABCD*#"};
    QTest::newRow("message of five letters")
        << "" << QStringList{"type txtInfo1 Hello"} << QStringList{"txtInfo1=Hello"};
    QTest::newRow("radio ID digit off") << "0x03E9=0x21;0x03EA=0x43;0x03EB=0x65"
                                        << QStringList{"choose cboRadioId0 Off"} << QStringList{"cboRadioId0=Off"};
    QTest::newRow("program code A1中") << "" << QStringList{"type txtRdWrCode A1中"} << QStringList{"txtRdWrCode=A1中"};
    QTest::newRow("program code deleted") << "" << QStringList{"type txtRdWrCode AB", "type txtRdWrCode "}
                                          << QStringList{"txtRdWrCode=AB", "txtRdWrCode="};
    QTest::newRow("announce radio ID") << "" << QStringList{"check chkAnRadioId 1"} << QStringList{"chkAnRadioId=1"};
}

// A change made on the pages leaves the same data as the command line's "set" of the same
// change, byte for byte.
void TestSettingsPages::userChangesMatchTheCommandLine() {
    QFETCH(QString, pokes);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, assignments);

    PagesFixture f;
    const QString base = f.dir.filePath(QStringLiteral("base.dat"));
    QVERIFY(
        f.dir.writeFile(QStringLiteral("base.dat"), poked(f.dir.readFile(QStringLiteral("DefRadioSet.def")), pokes)));
    QVERIFY(f.document->openFile(base).ok());

    for (const QString& action : actions) {
        const QStringList words = action.split(QLatin1Char(' '));
        const QString verb = words.at(0), name = words.at(1), value = words.mid(2).join(QLatin1Char(' '));
        if (verb == QLatin1String("choose"))
            f.choose(name, value);
        else if (verb == QLatin1String("check"))
            f.check(name, value == QLatin1String("1"));
        else if (verb == QLatin1String("type"))
            f.type(name, value);
        else if (verb == QLatin1String("mark"))
            f.mark(name, value.toInt());
        else if (verb == QLatin1String("press"))
            f.press(name);
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(f.document->saveAs(f.dir.filePath(QStringLiteral("pages.dat"))).ok());

    const QString cliOut = f.dir.filePath(QStringLiteral("cli.dat"));
    const test::CliRun run = test::runCli(f.dir.path(), QStringList{QStringLiteral("set"), base} + assignments +
                                                            QStringList{QStringLiteral("-o"), cliOut});
    QVERIFY2(run.code == 0, qPrintable(run.err));
    const QByteArray fromPages = f.dir.readFile(QStringLiteral("pages.dat"));
    const QByteArray fromCli = f.dir.readFile(QStringLiteral("cli.dat"));
    QCOMPARE(fromPages.size(), fromCli.size());
    for (int i = 0; i < fromPages.size(); ++i) {
        if (fromPages.at(i) != fromCli.at(i))
            QFAIL(qPrintable(QStringLiteral("address 0x%1: pages 0x%2, command line 0x%3")
                                 .arg(i - FileOffset, 4, 16, QLatin1Char('0'))
                                 .arg(quint8(fromPages.at(i)), 2, 16, QLatin1Char('0'))
                                 .arg(quint8(fromCli.at(i)), 2, 16, QLatin1Char('0'))));
    }
}

// Whatever is clicked, exactly one item of a key list carries the mark: the stored one.
void TestSettingsPages::keyListsKeepOneMark() {
    PagesFixture f;
    auto* keys = f.w<QListWidget>(QStringLiteral("listSk1Long"));
    QCOMPARE(keys->count(), 26);
    QCOMPARE(f.w<QListWidget>(QStringLiteral("listSk1Short"))->count(), 25);
    const auto marked = [keys] {
        QList<int> rows;
        for (int r = 0; r < keys->count(); ++r) {
            if (keys->item(r)->checkState() == Qt::Checked)
                rows << r;
        }
        return rows;
    };
    f.mark(QStringLiteral("listSk1Long"), 23);
    QCOMPARE(marked(), QList<int>{23});
    QCOMPARE(quint8(f.document->image().at(0x361)), quint8(26));
    // A click on the box of the marked item leaves it marked.
    f.reveal(keys);
    const QRect rect = keys->visualItemRect(keys->item(23));
    QTest::mouseClick(keys->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 10, rect.center().y()));
    QCOMPARE(marked(), QList<int>{23});
    // Space on the current item marks it.
    keys->setCurrentRow(4);
    keys->setFocus();
    QTest::keyClick(keys, Qt::Key_Space);
    QCOMPARE(marked(), QList<int>{4});
    QCOMPARE(quint8(f.document->image().at(0x361)), quint8(4));
}

// Opening a file shows it on every page without running a change rule: the image stays
// as the refresh left it and no undo step is recorded.
void TestSettingsPages::refreshRunsNoChangeRule() {
    PagesFixture f;
    QByteArray file = poked(f.dir.readFile(QStringLiteral("DefRadioSet.def")),
                            "0x036D=0x00;0x0367=0x10;0x036B=0x00;0x0130=0x12;0x03DA=0x10;0x03DB=0x20");
    QVERIFY(f.dir.writeFile(QStringLiteral("a.dat"), file));
    QVERIFY(f.document->openFile(f.dir.filePath(QStringLiteral("a.dat"))).ok());
    // TX tail tone off while the monitor bit stays set: no rule turned it off.
    QCOMPARE(f.w<QCheckBox>(QStringLiteral("chkTxEndTone"))->isChecked(), false);
    QCOMPARE(f.w<QCheckBox>(QStringLiteral("chkMoniTxEndTone"))->isChecked(), true);
    QVERIFY(!f.w<QCheckBox>(QStringLiteral("chkMoniTxEndTone"))->isEnabled());
    QCOMPARE(quint8(f.document->image().at(0x367)) & 0x10, 0x10);
    // The digit interval is shown as stored, not copied from the duration.
    QCOMPARE(f.w<QComboBox>(QStringLiteral("cboCodeContiTime"))->currentText(), QStringLiteral("170"));
    QCOMPARE(f.w<QComboBox>(QStringLiteral("cboCodeSpaceTime"))->currentText(), QStringLiteral("330"));
    QCOMPARE(f.w<QComboBox>(QStringLiteral("cboTot"))->currentText(), QStringLiteral("270s"));
    QCOMPARE(f.w<QComboBox>(QStringLiteral("cboTailDel"))->currentText(), QStringLiteral("8--Off"));
    QCOMPARE(f.document->undoStack().count(), 0);
    QVERIFY(!f.document->isModified());
}

void TestSettingsPages::dependentControlsFollowTheModel_data() {
    QTest::addColumn<QString>("pokes");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("priority Selected leaves channel disabled") << "0x0160=0x02;0x0161=0x05"
                                                               << "cboPriCh"
                                                               << "5" << false;
    QTest::newRow("priority Fixed enables channel") << "0x0160=0x01;0x0161=0x05"
                                                    << "cboPriCh"
                                                    << "5" << true;
    QTest::newRow("battery save off") << "0x0135=0x00;0x0369=0x93"
                                      << "cboSaveMode"
                                      << "1 - 4" << false;
    QTest::newRow("alarm interval off greys tone sort") << "0x0364=0x00"
                                                        << "cboLowPwrToneSort"
                                                        << "Tone 1" << false;
    QTest::newRow("alarm interval 510s") << "0x0364=0xFF"
                                         << "cboLowBatAlarmTimer"
                                         << "510s" << true;
    QTest::newRow("two-character stun code") << "0x01E0=0x31;0x01E1=0x32;0x01E2=0xFF;0x01E3=0xFF;0x01E4=0xFF;0x01E5="
                                                "0xFF;0x01E6=0xFF;0x01E7=0xFF;0x01F8=0xFF;0x01F9=0xFF"
                                             << "cboDtmfCloseSort"
                                             << "Tx Inhibit" << false;
    QTest::newRow("power-on tone 5 adds two items") << "0x0368=0xA5"
                                                    << "cboPwrOnTone"
                                                    << "Tone-5" << true;
    QTest::newRow("call alert 7") << "0x0118=0x07"
                                  << "cboDtmfCallAlarm"
                                  << "Glint60s" << true;
    QTest::newRow("group code repaired") << "0x0116=0x31"
                                         << "cboDtmfGrpCode"
                                         << "Off" << true;
    QTest::newRow("vox compare tool tip") << "0x0194=0xAA;0x019E=0x5A"
                                          << "cboVoxCmpDat1"
                                          << "170" << true;
}

// After a refresh each page shows the stored value and the enabled state the rules give.
void TestSettingsPages::dependentControlsFollowTheModel() {
    QFETCH(QString, pokes);
    QFETCH(QString, control);
    QFETCH(QString, shown);
    QFETCH(bool, enabled);
    PagesFixture f;
    QVERIFY(f.dir.writeFile(QStringLiteral("a.dat"), poked(f.dir.readFile(QStringLiteral("DefRadioSet.def")), pokes)));
    QVERIFY(f.document->openFile(f.dir.filePath(QStringLiteral("a.dat"))).ok());
    auto* list = f.w<QComboBox>(control);
    QVERIFY(list);
    QCOMPARE(list->currentText(), shown);
    QCOMPARE(list->isEnabled(), enabled);
    if (control == QLatin1String("cboPwrOnTone"))
        QCOMPARE(list->count(), 8);
    if (control == QLatin1String("cboVoxCmpDat1")) {
        QCOMPARE(list->toolTip(), QStringLiteral("2200mv"));
        f.choose(control, QStringLiteral("180"));
        QCOMPARE(list->toolTip(), QStringLiteral("2329mv"));
    }
}

// Blanks typed between the words of a message are kept, although the radio stores the
// message without trailing blanks at every keystroke.
void TestSettingsPages::messageKeepsTypedBlanks() {
    PagesFixture f;
    f.type(QStringLiteral("txtInfo1"), QStringLiteral("Hello World"));
    auto* edit = f.w<QLineEdit>(QStringLiteral("txtInfo1"));
    QCOMPARE(edit->text(), QStringLiteral("Hello World"));
    QCOMPARE(f.document->settings().control(QStringLiteral("txtInfo1"))->text, QStringLiteral("Hello World"));
    QCOMPARE(edit->maxLength(), 16);
    // DTMF boxes drop what the radio cannot send at once.
    f.type(QStringLiteral("txtPttEot"), QStringLiteral("1-2"));
    QCOMPARE(f.w<QLineEdit>(QStringLiteral("txtPttEot"))->text(), QStringLiteral("12"));
}

// The serial-number list: the switches and the automatic advance appear after an import;
// "<<" and ">>" move through the list and put the number into the message.
void TestSettingsPages::serialNumberControls() {
    PagesFixture f;
    f.reveal(f.w(QStringLiteral("cmdImportSeq")));
    for (const char* name : {"cmdSeqSwitch0", "cmdSeqSwitch1", "chkAutoNextSn", "txtSeqExample"})
        QVERIFY2(f.w(QLatin1String(name))->isHidden(), name);
    QVERIFY(f.dir.writeFile(QStringLiteral("sn.ini"), "[SerialNo]\r\n1=SN-A\r\n2=SN-B\r\n4=SN-D\r\n"));
    QCOMPARE(f.document->settings().importSerialNumbers(f.dir.filePath(QStringLiteral("sn.ini"))), 2);
    auto* list = f.w<QComboBox>(QStringLiteral("cboImportSeq"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentText(), QStringLiteral("0001 -- SN-A"));
    QVERIFY(!f.w(QStringLiteral("cmdSeqSwitch1"))->isHidden());
    QVERIFY(!f.w(QStringLiteral("chkAutoNextSn"))->isHidden());
    f.press(QStringLiteral("cmdSeqSwitch1"));
    QCOMPARE(list->currentText(), QStringLiteral("0002 -- SN-B"));
    QCOMPARE(f.w<QLineEdit>(QStringLiteral("txtInfo1"))->text(), QStringLiteral("SN-B"));
    f.press(QStringLiteral("cmdSeqSwitch1"));
    QCOMPARE(list->currentText(), QStringLiteral("0002 -- SN-B"));
    f.press(QStringLiteral("cmdSeqSwitch0"));
    QCOMPARE(f.w<QLineEdit>(QStringLiteral("txtInfo1"))->text(), QStringLiteral("SN-A"));
    // An empty import shows the example of the file format.
    QVERIFY(f.dir.writeFile(QStringLiteral("empty.ini"), "[Other]\r\n"));
    QCOMPARE(f.document->settings().importSerialNumbers(f.dir.filePath(QStringLiteral("empty.ini"))), 0);
    QVERIFY(f.w(QStringLiteral("cmdSeqSwitch0"))->isHidden());
}

void TestSettingsPages::captionsInEveryLanguage_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");

    const struct {
        int page;
        const char* label;
        const char* texts[3]; // Simplified Chinese, Traditional Chinese, English
        const char* tabs[3];
    } rows[] = {
        {0, "lblRdWrCode", {"读写密码", "讀寫密碼", "Program Code"}, {"机型信息", "機型資訊", "Radio Info"}},
        {1, "lblTot", {"发射定时[秒]", "發射定時[秒]", "Time-out Timer[s]"}, {"通用设置", "通用設置", "Common Set"}},
        {2, "lblKeySk1Short", {"SK1(短按)", "SK1(短按)", "SK1(Short)"}, {"键设定", "鍵設定", "Key Assign"}},
        {3, "lblVoxLevel", {"VOX增益电平", "VOX增益電平", "VOX Gain Level"}, {"声控", "聲控", "Vox"}},
        {3, "lblVoxCmpLevel9", {"10级", "10級", "10"}, {"声控", "聲控", "Vox"}},
        {4, "lblScanPriChSort", {"优先", "優先", "Priority"}, {"扫描", "掃描", "Scan"}},
        {5, "chkBatSave", {"电池省电", "電池省電", "Battery Save"}, {"电池", "電池", "Battery"}},
        {6, "fraDtmfEnc", {"DTMF编码", "DTMF編碼", "DTMF Encode"}, {"DTMF", "DTMF", "DTMF"}},
        {7, "lblInfo1", {"信息", "訊息", "Message"}, {"嵌入信息", "嵌入訊息", "Embedded Msg"}},
    };
    for (const auto& row : rows) {
        for (const Language language : AllLanguages) {
            QTest::addRow("%s language %d", row.label, languageNumber(language))
                << language << row.page << QString::fromUtf8(row.tabs[languageNumber(language) - 1])
                << QString::fromLatin1(row.label) << QString::fromUtf8(row.texts[languageNumber(language) - 1]);
        }
    }
}

// Each page carries its caption and its controls' captions in the language of the
// program; no caption is left empty and every caption label names its control.
void TestSettingsPages::captionsInEveryLanguage() {
    QFETCH(Language, language);
    QFETCH(int, page);
    QFETCH(QString, tab);
    QFETCH(QString, label);
    QFETCH(QString, caption);
    PagesFixture f(language);
    QCOMPARE(f.tabs().count(), gui::SettingsPages::PageCount);
    QCOMPARE(f.tabs().tabText(page), tab);
    QWidget* pageWidget = f.pages().pages().at(page);
    QWidget* w = pageWidget->findChild<QWidget*>(label);
    QVERIFY(w);
    if (auto* l = qobject_cast<QLabel*>(w))
        QCOMPARE(l->text(), caption);
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        QCOMPARE(b->text(), caption);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        QCOMPARE(g->title(), caption);
    for (QWidget* child : pageWidget->findChildren<QWidget*>()) {
        if (child->property("textIndex").isValid() && language != Language::English) {
            const QString shown = qobject_cast<QLabel*>(child) ? qobject_cast<QLabel*>(child)->text()
                                  : qobject_cast<QAbstractButton*>(child)
                                      ? qobject_cast<QAbstractButton*>(child)->text()
                                      : qobject_cast<QGroupBox*>(child)->title();
            QVERIFY2(!shown.isEmpty(), qPrintable(child->objectName()));
        }
        // A control is heard by the words its undo steps are called by, which hold its
        // caption: the label's, or its own text.
        const options::SettingsModel& model = f.document->settings();
        if (auto* l = qobject_cast<QLabel*>(child);
            l && l->buddy() && l->property("textIndex").isValid() && model.control(l->buddy()->objectName())) {
            QVERIFY2(model.undoTextOf(l->buddy()->objectName()).contains(l->text().trimmed()),
                     qPrintable(l->buddy()->objectName()));
            QCOMPARE(l->buddy()->accessibleName(), model.undoTextOf(l->buddy()->objectName()));
        }
        if (auto* b = qobject_cast<QCheckBox*>(child); b && model.control(b->objectName()))
            QCOMPARE(model.undoTextOf(b->objectName()), b->text().trimmed());
    }
}

// The hidden container and the controls that start hidden stay so; what a refresh does
// to their fields does not show them.
void TestSettingsPages::hiddenControlsStayHidden() {
    PagesFixture f;
    QWidget* hidden = f.w(QStringLiteral("fraModelInfo"));
    QVERIFY(hidden);
    QVERIFY(!hidden->isVisible());
    for (const char* name : {"cboRadioSql", "cboRadioVolume", "chkRadioFuncEnable", "cboAlarmCh", "chkSwiLampTone",
                             "cboSaveChNo", "cboTtPreCarTime", "cboTtAutoRstTimer", "chkTtBeep", "fraSysSet7"})
        QVERIFY2(hidden->isAncestorOf(f.w(QLatin1String(name))), name);
    QVERIFY(f.document->openFile(f.dir.filePath(QStringLiteral("DefRadioSet.def"))).ok());
    QVERIFY(!hidden->isVisible());
    f.reveal(f.w(QStringLiteral("txtInfo1")));
    for (const char* name : {"txtInfo2", "lblInfo2", "cmdSeqSwitch0", "cmdSeqSwitch1", "chkAutoNextSn"})
        QVERIFY2(!f.w(QLatin1String(name))->isVisible(), name);
    f.reveal(f.w(QStringLiteral("txtRdWrCode")));
    for (const char* name : {"txtNewRdWrCode", "lblNewRdWrCode", "lblRdWrCodeHint1"})
        QVERIFY2(!f.w(QLatin1String(name))->isVisible(), name);
    f.check(QStringLiteral("chkNewRdWrCode"), true);
    for (const char* name : {"txtNewRdWrCode", "lblNewRdWrCode", "lblRdWrCodeHint1"})
        QVERIFY2(f.w(QLatin1String(name))->isVisible(), name);
    f.check(QStringLiteral("chkNewRdWrCode"), false);
    QVERIFY(!f.w(QStringLiteral("txtNewRdWrCode"))->isVisible());
}

// The interface lock of the frame disables the nine frames and enables them again.
void TestSettingsPages::lockDisablesTheNineFrames() {
    test::TempAppDir dir;
    AppContext context(dir.path());
    std::unique_ptr<Document> document = startProgram(context, Language::English);
    test::ScriptedPrompts prompts{test::ScriptedPrompts::Unscripted::OkIfOffered};
    gui::InertDocumentViewer viewer;
    gui::InertRestarter restarter;
    gui::MainWindow frame(*document, prompts, viewer, restarter);
    const auto frames = frame.findChildren<gui::ChannelEditorWindow*>().value(0)->settingsPages()->lockedFrames();
    QCOMPARE(frames.size(), 9);
    const auto enabledCount = [&frames] {
        return std::count_if(frames.begin(), frames.end(), [](QWidget* w) { return w->isEnabled(); });
    };
    QCOMPARE(enabledCount(), 9);
    QAction* lock = frame.findChild<QAction*>(QStringLiteral("mnuLockFace"));
    lock->trigger();
    QCOMPARE(enabledCount(), 0);
    lock->trigger();
    QCOMPARE(enabledCount(), 9);
}

void TestSettingsPages::buttonsAnnounceTheirDialogs() {
    PagesFixture f;
    QSignalSpy volume(&f.pages(), &gui::SettingsPages::twoWayVolumeRequested);
    QSignalSpy pause(&f.pages(), &gui::SettingsPages::pttIdPauseChannelsRequested);
    QSignalSpy import(&f.pages(), &gui::SettingsPages::serialImportRequested);
    // The buttons open modal dialogs; each is closed as soon as it shows.
    QTimer closer;
    closer.setInterval(5);
    connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start();
    f.press(QStringLiteral("cmdTwoWayVolSet"));
    f.press(QStringLiteral("cmdPttIdPauseChSet"));
    f.press(QStringLiteral("cmdImportSeq"));
    QCOMPARE(volume.count(), 1);
    QCOMPARE(pause.count(), 1);
    QCOMPARE(import.count(), 1);
    QCOMPARE(f.w<QPushButton>(QStringLiteral("cmdTwoWayVolSet"))->text(), QStringLiteral(">>"));
}

QTEST_MAIN(TestSettingsPages)
#include "tst_settingspages.moc"
