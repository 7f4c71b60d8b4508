#include "SettingsFixture.h"

#include "core/TextCodes.h"

#include <QSignalSpy>
#include <QTemporaryDir>

using namespace qrt;
using namespace qrt::options;

class TestSettingsChanges : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listChoicesStoreTheirBytes_data();
    void listChoicesStoreTheirBytes();
    void tailDeleteOffDisablesTailBoxes();
    void txTailToneSwitchesMonitorTone();
    void enablingRules_data();
    void enablingRules();
    void digitDurationCopiesIntoInterval();
    void keyListClicks_data();
    void keyListClicks();
    void voxCompareToolTipsAndDefaults();
    void dtmfTyping_data();
    void dtmfTyping();
    void stunCode();
    void programCodeAndMessages_data();
    void programCodeAndMessages();
    void newProgramCodeStaysOutOfTheImage();
    void rejectedChanges();
    void changesAreSignalled();
    void everyChangeIsCalledInWords_data();
    void everyChangeIsCalledInWords();
};

// A user's choice on a refreshed image, and the bytes it leaves.
void TestSettingsChanges::listChoicesStoreTheirBytes_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("after");
    QTest::newRow("alarm channel 0xE7 to selected") << 0x3E3 << 0xE7 << "cboAlarmCh" << 0 << 0xF7;
    QTest::newRow("alarm channel 0xF7 to fixed 2") << 0x3E3 << 0xF7 << "cboAlarmCh" << 2 << 0xE1;
    QTest::newRow("alarm channel 0xF7 to fixed 16") << 0x3E3 << 0xF7 << "cboAlarmCh" << 16 << 0xEF;
    QTest::newRow("power-on tone keeps the channel") << 0x368 << 0xA5 << "cboPwrOnTone" << 0 << 0xA0;
    QTest::newRow("channel number keeps the tone") << 0x368 << 0xA5 << "cboSaveChNo" << 15 << 0xF5;
    QTest::newRow("save mode 1 - 10") << 0x369 << 0xFF << "cboSaveMode" << 8 << 165;
    QTest::newRow("save mode 1 - 4") << 0x369 << 165 << "cboSaveMode" << 2 << 149;
    QTest::newRow("tail delete 7--240") << 0x36B << 0x00 << "cboTailDel" << 6 << 0x40;
    QTest::newRow("alarm sort keeps bits") << 0x367 << 0xFD << "cboAlarmSort" << 1 << 0xFF;
    QTest::newRow("low battery tone 1") << 0x36D << 0xFF << "cboLowPwrToneSort" << 0 << 0x7F;
    QTest::newRow("VOX inhibit off") << 0x138 << 0xFF << "cboVoxRxForbid" << 0 << 0xFE;
    QTest::newRow("radio squelch 0") << 0x36E << 153 << "cboRadioSql" << 0 << 134;
    QTest::newRow("radio volume 15") << 0x36F << 160 << "cboRadioVolume" << 15 << 175;
    QTest::newRow("digit interval 70") << 0x3DB << 50 << "cboCodeSpaceTime" << 2 << 6;
    QTest::newRow("group code *") << 0x116 << 0 << "cboDtmfGrpCode" << 5 << 0x2A;
    QTest::newRow("stun group Off") << 0x3DD << 0x41 << "cboStunGrpCode" << 0 << 0x00;
    QTest::newRow("stun type writes the whole byte") << 0x1FA << 0xFE << "cboDtmfCloseSort" << 1 << 0x01;
    QTest::newRow("tone volume item 10") << 0x3E0 << 0 << "cboDtmf2ToneVol" << 10 << 0x10;
    QTest::newRow("tone volume item 11") << 0x3E0 << 0 << "cboDtmf2ToneVol" << 11 << 0x0A;
    QTest::newRow("radio ID digit 0 off") << 0x3E9 << 0x21 << "cboRadioId0" << 0 << 0x2C;
    QTest::newRow("radio ID digit 1 to 9") << 0x3E9 << 0x21 << "cboRadioId1" << 9 << 0x91;
    QTest::newRow("two-tone first digit") << 0x3E4 << 0 << "cboTtPreCarTime" << 255 << 255;
}

void TestSettingsChanges::listChoicesStoreTheirBytes() {
    QFETCH(int, address);
    QFETCH(int, before);
    QFETCH(QString, name);
    QFETCH(int, item);
    QFETCH(int, after);
    SettingsFixture f(0xFF);
    f.set({{0x1E0, '1'}, {0x1E1, '2'}, {0x1E2, '3'}}); // stun type enabled
    f.set({{address, before}});
    f.refresh();
    QVERIFY(f.model.selectItem(name, item));
    QCOMPARE(f.c(name).item, item);
    QCOMPARE(int(f.image.at(address)), after);
}

void TestSettingsChanges::tailDeleteOffDisablesTailBoxes() {
    SettingsFixture f;
    f.set({{0x36B, 0x02}, {0x36A, 0x0C}});
    f.refresh();
    QVERIFY(f.model.selectItem("cboTailDel", 7));
    QCOMPARE(int(f.image.at(0x36B)), 0x00);
    QVERIFY(!f.c("chkNoCdEncTxFreTail").enabled);
    QVERIFY(!f.c("chkNoCdEncRxFreTail").enabled);
    QCOMPARE(int(f.image.at(0x36A)), 0x0C);
    QVERIFY(f.model.selectItem("cboTailDel", 0));
    QVERIFY(f.c("chkNoCdEncTxFreTail").enabled);
    QVERIFY(f.c("chkNoCdEncRxFreTail").enabled);
}

void TestSettingsChanges::txTailToneSwitchesMonitorTone() {
    SettingsFixture f;
    f.set({{0x36D, 0x00}, {0x367, 0x00}});
    f.refresh();
    QVERIFY(f.model.setChecked("chkTxEndTone", true));
    QCOMPARE(int(f.image.at(0x36D)), 0x01);
    QCOMPARE(int(f.image.at(0x367)), 0x10);
    QVERIFY(f.c("chkMoniTxEndTone").checked);
    QVERIFY(f.c("chkMoniTxEndTone").enabled);
    QVERIFY(f.model.setChecked("chkTxEndTone", false));
    QCOMPARE(int(f.image.at(0x36D)), 0x00);
    QCOMPARE(int(f.image.at(0x367)), 0x00);
    QVERIFY(!f.c("chkMoniTxEndTone").checked);
    QVERIFY(!f.c("chkMoniTxEndTone").enabled);
}

void TestSettingsChanges::enablingRules_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("item"); // -1/-2: check box off/on
    QTest::addColumn<QStringList>("dependents");
    QTest::addColumn<bool>("enabled");
    const QStringList lowBat{"cboLowPwrToneSort", "chkLowBatAn", "chkLowBatTone"};
    QTest::newRow("priority fixed") << "cboScanPriChSort" << 1 << QStringList{"cboPriCh"} << true;
    QTest::newRow("priority selected") << "cboScanPriChSort" << 2 << QStringList{"cboPriCh"} << false;
    QTest::newRow("battery save on") << "chkBatSave" << -2 << QStringList{"cboSaveMode"} << true;
    QTest::newRow("battery save off") << "chkBatSave" << -1 << QStringList{"cboSaveMode"} << false;
    QTest::newRow("alarm interval off") << "cboLowBatAlarmTimer" << 0 << lowBat << false;
    QTest::newRow("alarm interval 510s") << "cboLowBatAlarmTimer" << 255 << lowBat << true;
}

// Disabling keeps the dependent's stored value and shown item.
void TestSettingsChanges::enablingRules() {
    QFETCH(QString, name);
    QFETCH(int, item);
    QFETCH(QStringList, dependents);
    QFETCH(bool, enabled);
    SettingsFixture f;
    f.set({{0x135, enabled ? 0 : 1},
           {0x364, enabled ? 0 : 1},
           {0x160, enabled ? 0 : 1},
           {0x161, 7},
           {0x369, 152},
           {0x36C, 0x60},
           {0x36D, 0x80}});
    f.refresh();
    const RadioImage before = f.image;
    if (item < 0)
        QVERIFY(f.model.setChecked(name, item == -2));
    else
        QVERIFY(f.model.selectItem(name, item));
    for (const QString& d : dependents)
        QVERIFY2(f.c(d).enabled == enabled, qPrintable(d));
    QCOMPARE(f.c("cboPriCh").itemText(), QStringLiteral("7"));
    QCOMPARE(f.c("cboSaveMode").itemText(), QStringLiteral("1 - 5"));
    for (int a : {0x161, 0x369, 0x36C, 0x36D})
        QCOMPARE(f.image.at(a), before.at(a));
}

void TestSettingsChanges::digitDurationCopiesIntoInterval() {
    SettingsFixture f;
    f.set({{0x3DA, 50}, {0x3DB, 20}});
    f.refresh();
    QVERIFY(f.model.selectItem("cboCodeContiTime", 2));
    QCOMPARE(f.c("cboCodeContiTime").itemText(), QStringLiteral("70"));
    QCOMPARE(int(f.image.at(0x3DA)), 6);
    QCOMPARE(int(f.image.at(0x3DB)), 6);
    QCOMPARE(f.c("cboCodeSpaceTime").itemText(), QStringLiteral("70"));
    QVERIFY(f.model.selectItem("cboCodeSpaceTime", 3));
    QCOMPARE(int(f.image.at(0x3DA)), 6);
    QCOMPARE(int(f.image.at(0x3DB)), 7);
}

void TestSettingsChanges::keyListClicks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("short item 22") << "listSk1Short" << 22 << 26 << "25--Switch Tail Del Mode";
    QTest::newRow("short item 9") << "listSk2Short" << 9 << 10 << "11--Channel Lock";
    QTest::newRow("short item 13") << "listSk1Short" << 13 << 15 << "16--Emergency Alarm    ";
    QTest::newRow("short last item") << "listSk2Short" << 24 << 28 << "27--Volume --";
    QTest::newRow("long item 9") << "listSk1Long" << 9 << 9 << "10--Squelch Off Momentary";
    QTest::newRow("long item 14") << "listSk2Long" << 14 << 15 << "16--Emergency Alarm    ";
    QTest::newRow("long item 23") << "listSk1Long" << 23 << 26 << "25--Switch Tail Del Mode";
    QTest::newRow("long last item") << "listSk2Long" << 25 << 28 << "27--Volume --";
}

void TestSettingsChanges::keyListClicks() {
    QFETCH(QString, name);
    QFETCH(int, item);
    QFETCH(int, code);
    QFETCH(QString, text);
    const int address = QStringList{"listSk1Short", "listSk1Long", "listSk2Short", "listSk2Long"}.indexOf(name) + 0x360;
    SettingsFixture f;
    f.refresh();
    QVERIFY(f.model.selectItem(name, item));
    QCOMPARE(int(f.image.at(address)), code);
    QCOMPARE(f.c(name).itemText(), text);
    f.refresh();
    QCOMPARE(f.c(name).item, item);
    QCOMPARE(int(f.image.at(address)), code);
}

void TestSettingsChanges::voxCompareToolTipsAndDefaults() {
    SettingsFixture f;
    f.refresh();
    QVERIFY(f.model.selectItem("cboVoxCmpDat3", 0));
    QCOMPARE(f.c("cboVoxCmpDat3").toolTip, QStringLiteral("0mv"));
    QCOMPARE(int(f.image.at(0x196)), 0);
    QVERIFY(f.model.selectItem("cboVoxCmpDat3", 180));
    QCOMPARE(f.c("cboVoxCmpDat3").toolTip, QStringLiteral("2329mv"));
    QCOMPARE(f.c("cboVoxCmpDat1").toolTip, QStringLiteral("2200mv"));
    f.set({{0x19E, 0x00}});
    f.model.pressVoxCompareDefault();
    QCOMPARE(f.bytes(0x194, 11), QByteArray::fromHex("aa9b8c7d6e5f504132235a"));
    QCOMPARE(f.c("cboVoxCmpDat3").itemText(), QStringLiteral("140"));
}

void TestSettingsChanges::dtmfTyping_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("PTT begin") << "txtPttBot" << 0x140 << "12ab-*#"
                               << "12AB*#" << QByteArray::fromHex("313241422a23ffffffffffffffffffff");
    QTest::newRow("ID code") << "txtDtmfIdCode" << 0x120 << "12ab"
                             << "12" << QByteArray::fromHex("3132ffffffffffffffff");
    QTest::newRow("ID code past its length") << "txtDtmfIdCode" << 0x120 << "1234567890123"
                                             << "1234567890" << QByteArray("1234567890");
    QTest::newRow("auto-dial 1 filters E") << "txtAutoMem0" << 0x200 << "1e 2"
                                           << "1 2" << QByteArray::fromHex("312032ffffffffffffffffffffffffff");
    QTest::newRow("PTT end cleared") << "txtPttEot" << 0x150 << ""
                                     << "" << QByteArray(16, char(0xFF));
}

void TestSettingsChanges::dtmfTyping() {
    QFETCH(QString, name);
    QFETCH(int, address);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, stored);
    SettingsFixture f;
    f.image.write(address, QByteArray("99999999999999999"));
    f.refresh();
    QVERIFY(f.model.setText(name, typed));
    QCOMPARE(f.c(name).text, shown);
    QCOMPARE(f.bytes(address, stored.size()).toHex(), stored.toHex());
    QCOMPARE(f.log.count(), 0);
}

void TestSettingsChanges::stunCode() {
    SettingsFixture f(0xAA);
    f.refresh();
    QVERIFY(f.model.setText("txtDtmfCloseCode", "12"));
    QVERIFY(!f.c("cboDtmfCloseSort").enabled);
    QVERIFY(f.model.setText("txtDtmfCloseCode", "123"));
    QVERIFY(f.c("cboDtmfCloseSort").enabled);
    QVERIFY(f.model.setText("txtDtmfCloseCode", "1234567890"));
    QCOMPARE(f.bytes(0x1E0, 8), QByteArray("12345678"));
    QCOMPARE(f.bytes(0x1E8, 16), QByteArray(16, char(0xAA)));
    QCOMPARE(f.bytes(0x1F8, 2), QByteArray("90"));
    QVERIFY(f.model.setText("txtDtmfCloseCode", "1-2"));
    QCOMPARE(f.c("txtDtmfCloseCode").text, QStringLiteral("12"));
    QVERIFY(!f.c("cboDtmfCloseSort").enabled);
    QCOMPARE(f.bytes(0x1F8, 2), QByteArray(2, char(0xFF)));
}

void TestSettingsChanges::programCodeAndMessages_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("stored"); // program code: 0x385..0x38D, 0x388..0x38A not its own
    QTest::newRow("code A1中") << "txtRdWrCode" << QString::fromUtf8("A1中") << QString::fromUtf8("A1中")
                               << QByteArray::fromHex("4100314a4a4a001504");
    QTest::newRow("code deleted") << "txtRdWrCode"
                                  << ""
                                  << "" << QByteArray::fromHex("ffffff4a4a4affffff");
    QTest::newRow("code blank") << "txtRdWrCode"
                                << "  "
                                << "" << QByteArray::fromHex("ffffff4a4a4affffff");
    QTest::newRow("code without a character code")
        << "txtRdWrCode" << QString::fromUtf8("é\"") << "" << QByteArray::fromHex("ffffff4a4a4affffff");
    QTest::newRow("code with one untypable character")
        << "txtRdWrCode" << QString::fromUtf8("Aé1") << "A1" << QByteArray::fromHex("4100314a4a4a000000");
    QTest::newRow("message of five letters")
        << "txtInfo1"
        << "Hello"
        << "Hello" << QByteArray::fromHex("480065006c006c006f00") + QByteArray(22, '\0');
    QTest::newRow("message with characters without a code")
        << "txtInfo1" << QString::fromUtf8("A\"é1") << "A1" << QByteArray::fromHex("41003100") + QByteArray(28, '\0');
    QTest::newRow("message cut to 16") << "txtInfo2"
                                       << "0123456789abcdefXYZ"
                                       << "0123456789abcdef"
                                       << hanzi::encodeBytes(QStringLiteral("0123456789abcdef"), 16);
}

void TestSettingsChanges::programCodeAndMessages() {
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, stored);
    SettingsFixture f(0x4A);
    f.set({{0x385, 0x42}});
    f.refresh();
    QVERIFY(f.model.setText(name, typed));
    QCOMPARE(f.c(name).text, shown);
    if (name == QLatin1String("txtRdWrCode")) {
        QCOMPARE(f.bytes(0x385, 9).toHex(), stored.toHex());
    } else {
        QCOMPARE(f.bytes(name == QLatin1String("txtInfo1") ? 0x300 : 0x320, 32).toHex(), stored.toHex());
    }
}

void TestSettingsChanges::newProgramCodeStaysOutOfTheImage() {
    SettingsFixture f;
    f.refresh();
    QVERIFY(!f.c("txtNewRdWrCode").visible);
    QVERIFY(f.model.setChecked("chkNewRdWrCode", true));
    QVERIFY(f.c("txtNewRdWrCode").visible);
    const RadioImage before = f.image;
    QVERIFY(f.model.setText("txtNewRdWrCode", QString::fromUtf8("A1中")));
    QCOMPARE(f.model.newCodeBlock().toHex(), QByteArray::fromHex("00000000004100310000000015040000").toHex());
    QVERIFY(f.image == before);
    QVERIFY(f.model.setText("txtNewRdWrCode", ""));
    QCOMPARE(f.model.newCodeBlock().toHex(), QByteArray::fromHex("0000000000ffffff000000ffffff0000").toHex());
    QVERIFY(f.model.setChecked("chkNewRdWrCode", false));
    QVERIFY(!f.c("txtNewRdWrCode").visible);
}

void TestSettingsChanges::rejectedChanges() {
    SettingsFixture f;
    f.refresh();
    const RadioImage before = f.image;
    QVERIFY(!f.model.selectItem("cboNoSuchList", 0));
    QVERIFY(!f.model.selectItem("cboTot", 19));
    QVERIFY(!f.model.selectItem("cboTot", -1));
    QVERIFY(!f.model.selectItem("chkBeep", 0));
    QVERIFY(!f.model.setChecked("cboTot", true));
    QVERIFY(!f.model.setText("cboTot", "1"));
    QVERIFY(!f.model.setText("txtSeqExample", "x"));
    QVERIFY(f.image == before);
}

void TestSettingsChanges::changesAreSignalled() {
    SettingsFixture f;
    f.refresh();
    QSignalSpy spy(&f.model, &SettingsModel::controlChanged);
    QVERIFY(f.model.setChecked("chkBatSave", true));
    QStringList names;
    for (const QList<QVariant>& args : spy)
        names << args.at(0).toString();
    QVERIFY(names.contains("chkBatSave"));
    QVERIFY(names.contains("cboSaveMode"));
    QSignalSpy refreshed(&f.model, &SettingsModel::refreshed);
    f.refresh();
    QCOMPARE(refreshed.count(), 1);
}

void TestSettingsChanges::everyChangeIsCalledInWords_data() {
    QTest::addColumn<Language>("language");
    QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese;
    QTest::newRow("Traditional Chinese") << Language::TraditionalChinese;
    QTest::newRow("English") << Language::English;
}

// Every control the user can change has words for its undo step, in the language, which
// are neither empty nor its object name; the words are announced with the change.
void TestSettingsChanges::everyChangeIsCalledInWords() {
    QFETCH(Language, language);
    SettingsFixture f(0xFF, language);
    f.refresh();
    for (const QString& name : f.model.names()) {
        const options::Control* c = f.model.control(name);
        if (c->kind == options::ControlKind::Button || c->readOnly)
            continue;
        const QString words = f.model.undoTextOf(name);
        QVERIFY2(!words.trimmed().isEmpty() && words != name, qPrintable(name));
    }
    QStringList announced;
    QObject::connect(&f.model, &options::SettingsModel::userEditStarted,
                     [&announced](const QString&, const QString& words) { announced << words; });
    QVERIFY(f.model.setChecked(QStringLiteral("chkBeep"), !f.model.control(QStringLiteral("chkBeep"))->checked));
    QCOMPARE(announced, QStringList{f.texts.text(textIdAt(225))});
}

QTEST_GUILESS_MAIN(TestSettingsChanges)
#include "tst_settingschanges.moc"
