#include "SettingsFixture.h"

#include "TestSupport.h"
#include "core/DataFile.h"
#include "core/TextCodes.h"

#include <QDir>

#include <QFile>

using namespace qrt;
using namespace qrt::options;

class TestSettingsRefresh : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listRepairAndCanonicalRewrite_data();
    void listRepairAndCanonicalRewrite();
    void allFfImage();
    void powerOnToneListGrowsForStoredTones();
    void onlyMarkedListsFollowTheStoredValue();
    void listsFollowALanguageChange();
    void keyCodes_data();
    void keyCodes();
    void radioIdDigits_data();
    void radioIdDigits();
    void checkBoxesTakeTheirBits_data();
    void checkBoxesTakeTheirBits();
    void enabledStatesFollowStoredValues_data();
    void enabledStatesFollowStoredValues();
    void enableRulesReadControlsOfTheirKind();
    void refreshSetsNoOtherControl();
    void voxCompare_data();
    void voxCompare();
    void dtmfTexts_data();
    void dtmfTexts();
    void textBoxRewritesOnlyWhenShownTextChanges();
    void messagesAndProgramCode_data();
    void messagesAndProgramCode();
    void chineseItemTexts();
    void optionLists_data();
    void optionLists();
    void shippedFilesNeedNoRepair_data();
    void shippedFilesNeedNoRepair();
};

// Byte stored, then refreshed: the shown item and its text, and the byte afterwards.
void TestSettingsRefresh::listRepairAndCanonicalRewrite_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("after");

    QTest::newRow("TOT 19 repaired to 60s") << "cboTot" << 0x130 << 19 << 4 << "60s" << 4;
    QTest::newRow("TOT 18 is 270s") << "cboTot" << 0x130 << 18 << 18 << "270s" << 18;
    QTest::newRow("pre-alert 11") << "cboPreTot" << 0x131 << 11 << 0 << "Off" << 0;
    QTest::newRow("pre-alert 10") << "cboPreTot" << 0x131 << 10 << 10 << "10s" << 10;
    QTest::newRow("voice 3") << "cboAnVoice" << 0x12F << 3 << 0 << "Off" << 0;
    QTest::newRow("voice English") << "cboAnVoice" << 0x12F << 2 << 2 << "English" << 2;
    QTest::newRow("power-on tone 7") << "cboPwrOnTone" << 0x368 << 0x07 << 7 << "Tone-7" << 0x07;
    QTest::newRow("squelch 10") << "cboSql" << 0x134 << 10 << 5 << "5" << 5;
    QTest::newRow("radio squelch 0") << "cboRadioSql" << 0x36E << 0x00 << 19 << "19" << 153;
    QTest::newRow("radio squelch 166") << "cboRadioSql" << 0x36E << 166 << 32 << "32" << 166;
    QTest::newRow("radio volume 0xA0") << "cboRadioVolume" << 0x36F << 0xA0 << 0 << "0" << 0xA0;
    QTest::newRow("radio volume 0xB0") << "cboRadioVolume" << 0x36F << 0xB0 << 15 << "15" << 175;
    QTest::newRow("save mode 0xFF") << "cboSaveMode" << 0x369 << 0xFF << 8 << "1 - 10" << 165;
    QTest::newRow("save mode 141") << "cboSaveMode" << 0x369 << 141 << 8 << "1 - 10" << 165;
    QTest::newRow("save mode 170") << "cboSaveMode" << 0x369 << 170 << 8 << "1 - 10" << 165;
    QTest::newRow("save mode 142") << "cboSaveMode" << 0x369 << 142 << 0 << "1 - 2" << 144;
    QTest::newRow("save mode 145") << "cboSaveMode" << 0x369 << 145 << 1 << "1 - 3" << 146;
    QTest::newRow("save mode 147") << "cboSaveMode" << 0x369 << 147 << 2 << "1 - 4" << 149;
    QTest::newRow("save mode 150") << "cboSaveMode" << 0x369 << 150 << 3 << "1 - 5" << 152;
    QTest::newRow("save mode 163") << "cboSaveMode" << 0x369 << 163 << 8 << "1 - 10" << 165;
    QTest::newRow("tail delete 0x80") << "cboTailDel" << 0x36B << 0x80 << 4 << "5--120 + Freq" << 0x10;
    QTest::newRow("tail delete 0x03") << "cboTailDel" << 0x36B << 0x03 << 0 << "1--120 Degree" << 0x01;
    QTest::newRow("tail delete 0xC0") << "cboTailDel" << 0x36B << 0xC0 << 6 << "7--240 + Freq" << 0x40;
    QTest::newRow("tail delete off") << "cboTailDel" << 0x36B << 0x00 << 7 << "8--Off" << 0x00;
    QTest::newRow("alarm channel fixed 6") << "cboAlarmCh" << 0x3E3 << 0x05 << 6 << "Fixed CH: 6" << 0x05;
    QTest::newRow("alarm channel selected") << "cboAlarmCh" << 0x3E3 << 0x15 << 0 << "Selected CH" << 0x15;
    QTest::newRow("alarm channel 0xE7") << "cboAlarmCh" << 0x3E3 << 0xE7 << 8 << "Fixed CH: 8" << 0xE7;
    // The whole low nibble is the channel: 8..15 are channels 9..16.
    QTest::newRow("alarm channel fixed 9") << "cboAlarmCh" << 0x3E3 << 0x08 << 9 << "Fixed CH: 9" << 0x08;
    QTest::newRow("alarm channel 0xEC") << "cboAlarmCh" << 0x3E3 << 0xEC << 13 << "Fixed CH: 13" << 0xEC;
    QTest::newRow("alarm channel fixed 16") << "cboAlarmCh" << 0x3E3 << 0x0F << 16 << "Fixed CH: 16" << 0x0F;
    QTest::newRow("alarm sort bit 1") << "cboAlarmSort" << 0x367 << 0x02 << 1 << "Local And Distance" << 0x02;
    QTest::newRow("two-way volume 11") << "cboTwoWayVolumeLevel" << 0x3E6 << 11 << 10 << "10" << 10;
    QTest::newRow("low battery 255") << "cboLowBatAlarmTimer" << 0x364 << 255 << 255 << "510s" << 255;
    QTest::newRow("low battery tone bit 7") << "cboLowPwrToneSort" << 0x36D << 0x80 << 1 << "Tone 2" << 0x80;
    QTest::newRow("hold time 20") << "cboSk1LongTime" << 0x365 << 20 << 20 << "1.00s" << 20;
    QTest::newRow("hold time 255") << "cboSk2LongTime" << 0x366 << 255 << 255 << "12.75s" << 255;
    QTest::newRow("VOX level 11") << "cboVoxLevel" << 0x13A << 11 << 0 << "Off" << 0;
    QTest::newRow("VOX delay 6") << "cboVoxDly" << 0x13B << 6 << 3 << "1.5s" << 3;
    QTest::newRow("VOX inhibit bit 0") << "cboVoxRxForbid" << 0x138 << 0xFF << 1 << "On" << 0xFF;
    QTest::newRow("priority mode 3") << "cboScanPriChSort" << 0x160 << 3 << 0 << "None" << 0;
    QTest::newRow("priority channel 17") << "cboPriCh" << 0x161 << 17 << 0 << "Off" << 0;
    QTest::newRow("revert channel 4") << "cboScanTxMode" << 0x164 << 4 << 0 << "Selected" << 0;
    QTest::newRow("dropout 251") << "cboScanRxDly" << 0x165 << 251 << 3 << "3s" << 3;
    QTest::newRow("dropout 250") << "cboScanRxDly" << 0x165 << 250 << 250 << "250s" << 250;
    QTest::newRow("dwell 251") << "cboScanTxDly" << 0x167 << 251 << 3 << "3s" << 3;
    QTest::newRow("first digit 255") << "cboPreCarTime" << 0x3D9 << 255 << 255 << "5100" << 255;
    QTest::newRow("digit duration 3") << "cboCodeContiTime" << 0x3DA << 3 << 46 << "510" << 50;
    QTest::newRow("digit duration 254") << "cboCodeContiTime" << 0x3DA << 254 << 46 << "510" << 50;
    QTest::newRow("digit duration 4") << "cboCodeContiTime" << 0x3DA << 4 << 0 << "50" << 4;
    QTest::newRow("digit duration 253") << "cboCodeContiTime" << 0x3DA << 253 << 249 << "2540" << 253;
    QTest::newRow("digit interval 0") << "cboCodeSpaceTime" << 0x3DB << 0 << 46 << "510" << 50;
    QTest::newRow("group code '1'") << "cboDtmfGrpCode" << 0x116 << 0x31 << 0 << "Off" << 0;
    QTest::newRow("group code '#'") << "cboDtmfGrpCode" << 0x116 << 0x23 << 6 << "#" << 0x23;
    QTest::newRow("group code 'a'") << "cboDtmfGrpCode" << 0x116 << 0x61 << 0 << "Off" << 0;
    QTest::newRow("stun group 'C'") << "cboStunGrpCode" << 0x3DD << 0x43 << 3 << "C" << 0x43;
    QTest::newRow("stun group 0xFF") << "cboStunGrpCode" << 0x3DD << 0xFF << 0 << "Off" << 0;
    QTest::newRow("call alert 7") << "cboDtmfCallAlarm" << 0x118 << 7 << 7 << "Glint60s" << 7;
    QTest::newRow("call alert 1") << "cboDtmfCallAlarm" << 0x118 << 1 << 1 << "Continuous" << 1;
    QTest::newRow("call alert 255") << "cboDtmfCallAlarm" << 0x118 << 255 << 255 << "Glint2540s" << 255;
    QTest::newRow("auto reset 5") << "cboAutoRstTimer" << 0x117 << 5 << 5 << "5s" << 5;
    QTest::newRow("PTT ID pause 255") << "cboPttIdPauseTime" << 0x3DC << 255 << 255 << "255s" << 255;
    QTest::newRow("stun type 0xFF") << "cboDtmfCloseSort" << 0x1FA << 0xFF << 1 << "Tx/Rx Inhibit" << 0x01;
    QTest::newRow("stun type 0x02") << "cboDtmfCloseSort" << 0x1FA << 0x02 << 0 << "Tx Inhibit" << 0x00;
    QTest::newRow("tone volume 0x5A") << "cboDtmf2ToneVol" << 0x3E0 << 0x5A << 137 << "137" << 0x5A;
    QTest::newRow("tone volume 0xFF") << "cboDtmf2ToneVol" << 0x3E0 << 0xFF << 255 << "255" << 0xFF;
    QTest::newRow("two-tone first digit") << "cboTtPreCarTime" << 0x3E4 << 2 << 2 << "40" << 2;
    QTest::newRow("two-tone auto reset 0") << "cboTtAutoRstTimer" << 0x3DE << 0 << 0 << "Off" << 0;
}

void TestSettingsRefresh::listRepairAndCanonicalRewrite() {
    QFETCH(QString, name);
    QFETCH(int, address);
    QFETCH(int, stored);
    QFETCH(int, item);
    QFETCH(QString, text);
    QFETCH(int, after);
    SettingsFixture f;
    f.set({{address, stored}});
    f.refresh();
    QCOMPARE(f.c(name).item, item);
    QCOMPARE(f.c(name).itemText(), text);
    QCOMPARE(int(f.image.at(address)), after);
}

void TestSettingsRefresh::allFfImage() {
    SettingsFixture f(0xFF);
    f.refresh();
    const QList<std::pair<const char*, const char*>> shown = {
        {"cboTot", "60s"},           {"cboPreTot", "Off"},
        {"cboAnVoice", "Off"},       {"cboSql", "5"},
        {"cboSaveMode", "1 - 10"},   {"cboRadioSql", "19"},
        {"cboRadioVolume", "15"},    {"cboVoxLevel", "Off"},
        {"cboVoxDly", "1.5s"},       {"cboScanRxDly", "3s"},
        {"cboScanTxDly", "3s"},      {"cboCodeContiTime", "510"},
        {"cboCodeSpaceTime", "510"}, {"cboDtmfGrpCode", "Off"},
        {"cboStunGrpCode", "Off"},   {"listSk1Short", "1--Off"},
        {"listSk1Long", "1--Off"},   {"listSk2Short", "1--Off"},
        {"listSk2Long", "1--Off"},   {"cboTwoWayVolumeLevel", "10"},
        {"cboVoxCmpDat1", "170"},    {"cboVoxCmpDat10", "35"},
    };
    for (const auto& [name, text] : shown)
        QVERIFY2(f.c(QString::fromLatin1(name)).itemText() == QLatin1String(text), name);
    QCOMPARE(int(f.image.at(0x369)), 165);
    QCOMPARE(int(f.image.at(0x36E)), 153);
    QCOMPARE(int(f.image.at(0x36F)), 175);
    QCOMPARE(f.bytes(0x3DA, 2), QByteArray("\x32\x32"));
    QCOMPARE(int(f.image.at(0x116)), 0);
    QCOMPARE(int(f.image.at(0x3DD)), 0);
    QCOMPARE(f.bytes(0x360, 4), QByteArray(4, '\0'));
    QCOMPARE(f.bytes(0x194, 11), QByteArray::fromHex("aa9b8c7d6e5f504132235a"));
    for (int code = 0; code < TwoToneTable::Codes; ++code)
        for (int column = TwoToneTable::FreqA; column <= TwoToneTable::Interval; ++column)
            QVERIFY(f.model.twoTone().cell(code, column).isEmpty());
    QVERIFY(f.log.count() == 0);
}

void TestSettingsRefresh::powerOnToneListGrowsForStoredTones() {
    SettingsFixture f;
    f.set({{0x368, 0xA5}});
    f.refresh();
    QCOMPARE(f.c("cboPwrOnTone").itemText(), QStringLiteral("Tone-5"));
    QCOMPARE(f.c("cboPwrOnTone").items.size(), 8);
    QCOMPARE(f.c("cboPwrOnTone").items.last(), QStringLiteral("Tone-7"));
    QCOMPARE(f.c("cboSaveChNo").itemText(), QStringLiteral("11"));
    QVERIFY(f.model.selectItem("cboPwrOnTone", 0));
    QCOMPARE(int(f.image.at(0x368)), 0xA0);

    f.set({{0x368, 0x04}});
    f.refresh();
    QCOMPARE(f.c("cboPwrOnTone").items.size(), 6);
    QCOMPARE(f.c("cboSaveChNo").itemText(), QStringLiteral("1"));
}

// A refresh builds a list again only for another language or, when the list is marked as
// following it, another stored value: a list that follows it unmarked would keep old items.
void TestSettingsRefresh::onlyMarkedListsFollowTheStoredValue() {
    InterfaceTexts texts;
    texts.load(Language::English);
    int marked = 0;
    for (const FieldDesc& f : settingsFields()) {
        if (!f.list)
            continue;
        const QStringList first = f.list(texts, 0);
        bool follows = false;
        for (int value = 1; value <= 255 && !follows; ++value)
            follows = f.list(texts, value) != first;
        QVERIFY2(follows == f.listFollowsValue, f.name);
        marked += f.listFollowsValue;
    }
    QCOMPARE(marked, 1);
}

void TestSettingsRefresh::listsFollowALanguageChange() {
    SettingsFixture f(0xFF);
    f.set({{0x118, 2}});
    f.refresh();
    QCOMPARE(f.c("cboTot").itemText(), QStringLiteral("60s"));
    f.texts.load(Language::SimplifiedChinese);
    f.refresh();
    QCOMPARE(f.c("cboTot").itemText(), QString::fromUtf8("60秒"));
    QCOMPARE(f.c("cboSk1LongTime").items.first(), QString::fromUtf8("0.00秒"));
}

void TestSettingsRefresh::keyCodes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("after");
    QTest::newRow("short 9") << "listSk1Short" << 9 << "1--Off" << 0;
    QTest::newRow("long 9") << "listSk1Long" << 9 << "10--Squelch Off Momentary" << 9;
    QTest::newRow("short 10") << "listSk2Short" << 10 << "11--Channel Lock" << 10;
    QTest::newRow("short 14") << "listSk1Short" << 14 << "1--Off" << 0;
    QTest::newRow("long 24") << "listSk2Long" << 24 << "1--Off" << 0;
    QTest::newRow("long 25") << "listSk1Long" << 25 << "1--Off" << 0;
    QTest::newRow("short 26") << "listSk1Short" << 26 << "25--Switch Tail Del Mode" << 26;
    QTest::newRow("long 28") << "listSk2Long" << 28 << "27--Volume --" << 28;
    QTest::newRow("short 29") << "listSk2Short" << 29 << "1--Off" << 0;
    QTest::newRow("long 30") << "listSk1Long" << 30 << "1--Off" << 0;
    QTest::newRow("long 200") << "listSk1Long" << 200 << "1--Off" << 0;
}

void TestSettingsRefresh::keyCodes() {
    QFETCH(QString, name);
    QFETCH(int, stored);
    QFETCH(QString, text);
    QFETCH(int, after);
    const int address = QStringList{"listSk1Short", "listSk1Long", "listSk2Short", "listSk2Long"}.indexOf(name) + 0x360;
    SettingsFixture f;
    f.set({{address, stored}});
    f.refresh();
    QCOMPARE(f.c(name).itemText(), text);
    QCOMPARE(int(f.image.at(address)), after);
    QCOMPARE(f.c("listSk1Short").items.size(), 25);
    QCOMPARE(f.c("listSk1Long").items.size(), 26);
}

void TestSettingsRefresh::radioIdDigits_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QStringList>("digits");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("123456") << QByteArray::fromHex("214365") << QStringList{"1", "2", "3", "4", "5", "6"}
                            << QByteArray::fromHex("214365");
    QTest::newRow("nibble F and 0") << QByteArray::fromHex("f10c99") << QStringList{"1", "Off", "Off", "Off", "9", "9"}
                                    << QByteArray::fromHex("c1cc99");
    QTest::newRow("all off") << QByteArray::fromHex("ffffff") << QStringList(6, "Off") << QByteArray::fromHex("cccccc");
}

void TestSettingsRefresh::radioIdDigits() {
    QFETCH(QByteArray, stored);
    QFETCH(QStringList, digits);
    QFETCH(QByteArray, after);
    SettingsFixture f;
    f.image.write(0x3E9, stored);
    f.refresh();
    for (int k = 0; k < 6; ++k)
        QCOMPARE(f.c(QStringLiteral("cboRadioId%1").arg(k)).itemText(), digits.at(k));
    QCOMPARE(f.bytes(0x3E9, 3), after);
}

void TestSettingsRefresh::checkBoxesTakeTheirBits_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("bit");
    QTest::addColumn<bool>("inverted");
    const QList<std::tuple<const char*, int, int>> boxes = {
        {"chkDtmfMoni", 0x115, 0},           {"chkBatSave", 0x135, 0},          {"chkBeep", 0x136, 0},
        {"chkHighBatPwrOff", 0x367, 2},      {"chkLowBatPwrOff", 0x367, 3},     {"chkMoniTxEndTone", 0x367, 4},
        {"chkSwiLampTone", 0x367, 7},        {"chkPwrOnAnBatVolt", 0x36A, 0},   {"chkAnRadioId", 0x36A, 1},
        {"chkNoCdEncTxFreTail", 0x36A, 2},   {"chkNoCdEncRxFreTail", 0x36A, 3}, {"chkDtmfCallAlarmTone", 0x36A, 4},
        {"chkNoRespPttIdNoPause", 0x36A, 5}, {"chkSwiChExitScan", 0x36A, 6},    {"chkNoMicEnableVox", 0x36A, 7},
        {"chkScanStartHint", 0x36C, 0},      {"chkExitScanHint", 0x36C, 1},     {"chkAnScanOnOff", 0x36C, 2},
        {"chkAnVoxOnOff", 0x36C, 3},         {"chkScanLig", 0x36C, 4},          {"chkLowBatAn", 0x36C, 5},
        {"chkLowBatTone", 0x36C, 6},         {"chkLowTxPwrRgLig", 0x36C, 7},    {"chkTxEndTone", 0x36D, 0},
        {"chkLowBatTx", 0x36D, 1},           {"chkRedGreenLig", 0x36D, 3},      {"chkAnPwrOn", 0x36D, 4},
        {"chkCh16Scan", 0x36D, 5},           {"chkAnBatVolt", 0x36D, 6},        {"chkTtBeep", 0x3DF, 0},
    };
    for (const auto& [name, address, bit] : boxes)
        QTest::newRow(name) << QString::fromLatin1(name) << address << bit << false;
    QTest::newRow("chkRadioFuncEnable") << "chkRadioFuncEnable" << 0x367 << 5 << true;
}

// Each box shows exactly its own bit; unchecking it by hand clears only that bit.
void TestSettingsRefresh::checkBoxesTakeTheirBits() {
    QFETCH(QString, name);
    QFETCH(int, address);
    QFETCH(int, bit);
    QFETCH(bool, inverted);
    SettingsFixture f;
    f.set({{address, 1 << bit}});
    f.refresh();
    QCOMPARE(f.c(name).checked, !inverted);
    f.set({{address, 0xFF & ~(1 << bit)}});
    f.refresh();
    QCOMPARE(f.c(name).checked, inverted);
    QCOMPARE(int(f.image.at(address)), 0xFF & ~(1 << bit));
    QVERIFY(f.model.setChecked(name, !inverted));
    QCOMPARE(int(f.image.at(address)), 0xFF);
}

void TestSettingsRefresh::enabledStatesFollowStoredValues_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("value");
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<bool>("enabled");
    const QStringList lowBat{"cboLowPwrToneSort", "chkLowBatAn", "chkLowBatTone"};
    const QStringList tails{"chkNoCdEncTxFreTail", "chkNoCdEncRxFreTail"};
    QTest::newRow("battery save on") << 0x135 << 1 << QStringList{"cboSaveMode"} << true;
    QTest::newRow("battery save off") << 0x135 << 0 << QStringList{"cboSaveMode"} << false;
    QTest::newRow("alarm interval off") << 0x364 << 0 << lowBat << false;
    QTest::newRow("alarm interval 2s") << 0x364 << 1 << lowBat << true;
    QTest::newRow("priority fixed") << 0x160 << 1 << QStringList{"cboPriCh"} << true;
    QTest::newRow("priority selected") << 0x160 << 2 << QStringList{"cboPriCh"} << false;
    QTest::newRow("tail delete off") << 0x36B << 0 << tails << false;
    QTest::newRow("tail delete 0x80") << 0x36B << 0x80 << tails << true;
    QTest::newRow("TX tail tone on") << 0x36D << 1 << QStringList{"chkMoniTxEndTone"} << true;
    QTest::newRow("TX tail tone off") << 0x36D << 0 << QStringList{"chkMoniTxEndTone"} << false;
    QTest::newRow("stun code of 2") << 0x1E2 << 0xFF << QStringList{"cboDtmfCloseSort"} << false;
    QTest::newRow("stun code of 3") << 0x1E2 << 0x33 << QStringList{"cboDtmfCloseSort"} << true;
}

// Each case starts from the opposite state so that a missing update would show. A disabled
// control still shows its stored value, and disabling changes no stored bit.
void TestSettingsRefresh::enabledStatesFollowStoredValues() {
    QFETCH(int, address);
    QFETCH(int, value);
    QFETCH(QStringList, controls);
    QFETCH(bool, enabled);
    SettingsFixture f(0xFF);
    f.set({{0x135, enabled ? 0 : 1},
           {0x364, enabled ? 0 : 1},
           {0x160, enabled ? 0 : 1},
           {0x36B, enabled ? 0 : 1},
           {0x36D, enabled ? 0 : 1},
           {0x1E0, '1'},
           {0x1E1, '2'},
           {0x1E2, enabled ? 0xFF : '3'},
           {0x161, 7},
           {0x369, 152}});
    f.refresh();
    for (const QString& name : controls)
        QCOMPARE(f.c(name).enabled, !enabled);
    f.set({{address, value}});
    f.refresh();
    for (const QString& name : controls)
        QVERIFY2(f.c(name).enabled == enabled, qPrintable(name));
    QCOMPARE(f.c("cboPriCh").itemText(), QStringLiteral("7"));
    QCOMPARE(f.c("cboSaveMode").itemText(), QStringLiteral("1 - 5"));
    QCOMPARE(int(f.image.at(0x161)), 7);
    QCOMPARE(int(f.image.at(0x36A)), 0xFF);
    QCOMPARE(int(f.image.at(0x36C)), 0xFF);
}

// A rule that names a missing control, or tests a state its source does not have (a check
// mark of a list), would leave its control enabled or disabled for good.
void TestSettingsRefresh::enableRulesReadControlsOfTheirKind() {
    int rules = 0;
    for (const FieldDesc& f : settingsFields()) {
        if (!f.enabledWhen.source)
            continue;
        ++rules;
        const FieldDesc* source = findField(QString::fromLatin1(f.enabledWhen.source));
        QVERIFY2(source, f.name);
        QVERIFY2(source != &f, f.name);
        switch (f.enabledWhen.test) {
        case EnabledWhen::Test::Checked:
            QVERIFY2(source->kind == ControlKind::Check, f.name);
            break;
        case EnabledWhen::Test::ItemIs:
        case EnabledWhen::Test::ItemIsNot:
            QVERIFY2(source->kind == ControlKind::List, f.name);
            break;
        case EnabledWhen::Test::TextAtLeast:
            QVERIFY2(source->kind == ControlKind::Text, f.name);
            break;
        case EnabledWhen::Test::Always:
            QFAIL(f.name);
        }
    }
    QCOMPARE(rules, 9);
}

// A refresh copies nothing between controls: the monitor tail tone keeps its bit while
// TX tail tone is on, and the digit interval keeps its own value.
void TestSettingsRefresh::refreshSetsNoOtherControl() {
    SettingsFixture f;
    f.set({{0x36D, 0x01}, {0x367, 0x00}, {0x3DA, 10}, {0x3DB, 20}});
    f.refresh();
    QVERIFY(!f.c("chkMoniTxEndTone").checked);
    QVERIFY(f.c("chkMoniTxEndTone").enabled);
    QCOMPARE(int(f.image.at(0x367)), 0x00);
    QCOMPARE(f.c("cboCodeContiTime").itemText(), QStringLiteral("110"));
    QCOMPARE(f.c("cboCodeSpaceTime").itemText(), QStringLiteral("210"));
    QCOMPARE(int(f.image.at(0x3DB)), 20);
}

void TestSettingsRefresh::voxCompare_data() {
    QTest::addColumn<QByteArray>("stored"); // 0x194..0x19E
    QTest::addColumn<bool>("checkAfterwards");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QByteArray>("shownBefore"); // refreshed first; empty: a new model
    const QByteArray defaults = QByteArray::fromHex("aa9b8c7d6e5f504132235a");
    QTest::newRow("no mark") << QByteArray::fromHex("0102030405060708090aff") << false << defaults << QByteArray();
    QTest::newRow("no mark, the lists already showing the defaults")
        << QByteArray::fromHex("64646464646464646464ff") << true << defaults << defaults;
    QTest::newRow("level 1 above 180") << QByteArray::fromHex("c8646464646464646464"
                                                              "5a")
                                       << false
                                       << QByteArray::fromHex("b4646464646464646464"
                                                              "5a")
                                       << QByteArray();
    QTest::newRow("level 1 of 15, refresh only") << QByteArray::fromHex("0f646464646464646464"
                                                                        "5a")
                                                 << false
                                                 << QByteArray::fromHex("0f646464646464646464"
                                                                        "5a")
                                                 << QByteArray();
    QTest::newRow("level 1 of 15, then the check") << QByteArray::fromHex("0f646464646464646464"
                                                                          "5a")
                                                   << true << defaults << QByteArray();
    QTest::newRow("level 1 of 20 kept") << QByteArray::fromHex("14646464646464646464"
                                                               "5a")
                                        << true
                                        << QByteArray::fromHex("14646464646464646464"
                                                               "5a")
                                        << QByteArray();
    QTest::newRow("level 10 of 200 repaired, kept") << QByteArray::fromHex("6464646464646464"
                                                                           "64c8"
                                                                           "5a")
                                                    << true
                                                    << QByteArray::fromHex("6464646464646464"
                                                                           "64b4"
                                                                           "5a")
                                                    << QByteArray();
}

void TestSettingsRefresh::voxCompare() {
    QFETCH(QByteArray, stored);
    QFETCH(bool, checkAfterwards);
    QFETCH(QByteArray, after);
    QFETCH(QByteArray, shownBefore);
    SettingsFixture f;
    if (!shownBefore.isEmpty()) {
        f.image.write(0x194, shownBefore);
        f.refresh();
    }
    f.image.write(0x194, stored);
    f.model.refreshFromImage();
    if (checkAfterwards)
        f.model.repairVoxCompare();
    QCOMPARE(f.bytes(0x194, 11).toHex(), after.toHex());
    QCOMPARE(f.c("cboVoxCmpDat1").item, int(quint8(after.at(0))));
    QCOMPARE(f.c("cboVoxCmpDat1").toolTip, SettingsModel::voxCompareToolTip(quint8(after.at(0))));
}

void TestSettingsRefresh::dtmfTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("address");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("after");
    const QByteArray ff16(16, char(0xFF));
    QTest::newRow("PTT begin with E, F and a gap")
        << "txtPttBot" << 0x140 << QByteArray::fromHex("3145ff3246ffffffffffffffffffff23") << "12#"
        << QByteArray::fromHex("313223ffffffffffffffffffffffffff");
    QTest::newRow("PTT end empty") << "txtPttEot" << 0x150 << ff16 << "" << ff16;
    QTest::newRow("ID code of three digits") << "txtDtmfIdCode" << 0x120 << QByteArray::fromHex("313233ffffffffffffff")
                                             << "123" << QByteArray::fromHex("313233ffffffffffffff");
    QTest::newRow("ID code with a letter") << "txtDtmfIdCode" << 0x120 << QByteArray::fromHex("3141ffffffffffffffff")
                                           << "1" << QByteArray::fromHex("31ffffffffffffffffff");
    QTest::newRow("auto-dial 8") << "txtAutoMem7" << 0x270 << QByteArray::fromHex("2a3920ffffffffffffffffffffffffff")
                                 << "*9 " << QByteArray::fromHex("2a3920ffffffffffffffffffffffffff");
}

void TestSettingsRefresh::dtmfTexts() {
    QFETCH(QString, name);
    QFETCH(int, address);
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    QFETCH(QByteArray, after);
    SettingsFixture f;
    f.set({{0x150, '7'}});      // what follows a 10-byte field never shows in it
    f.model.refreshFromImage(); // the boxes now show something else than the case
    f.image.write(address, stored);
    f.model.refreshFromImage();
    QCOMPARE(f.c(name).text, shown);
    QCOMPARE(f.bytes(address, stored.size()).toHex(), after.toHex());
}

// The text box rule runs on a refresh only when the shown text differs from what the box
// showed before; then the field is stored in canonical form.
void TestSettingsRefresh::textBoxRewritesOnlyWhenShownTextChanges() {
    SettingsFixture f(0xFF);
    f.image.write(0x140, QByteArray::fromHex("3132"));
    f.refresh();
    QCOMPARE(f.c("txtPttBot").text, QStringLiteral("12"));
    const QByteArray gap = QByteArray::fromHex("31ff32ffffffffffffffffffffffffff");
    f.image.write(0x140, gap);
    f.refresh();
    QCOMPARE(f.bytes(0x140, 16), gap);

    // An empty message stored as 0xFF bytes: rewritten as zero codes once the box showed text.
    QCOMPARE(f.bytes(0x300, 32), QByteArray(32, char(0xFF)));
    f.image.write(0x300, hanzi::encodeBytes(QStringLiteral("AB"), 16));
    f.refresh();
    f.image.write(0x300, QByteArray(32, char(0xFF)));
    f.refresh();
    QCOMPARE(f.c("txtInfo1").text, QString());
    QCOMPARE(f.bytes(0x300, 32), QByteArray(32, '\0'));
}

void TestSettingsRefresh::messagesAndProgramCode_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("message with codes 128..999 and beyond") << "txtInfo1"
                                                            << QByteArray::fromHex("4100"
                                                                                   "8000"
                                                                                   "4200"
                                                                                   "f055"
                                                                                   "ffff"
                                                                                   "2000") +
                                                                   QByteArray(20, '\0')
                                                            << "AB"
                                                            << QByteArray::fromHex("4100"
                                                                                   "4200") +
                                                                   QByteArray(28, '\0');
    QTest::newRow("second message") << "txtInfo2" << QByteArray::fromHex("1504") + QByteArray(30, '\0')
                                    << QString::fromUtf8("中") << QByteArray::fromHex("1504") + QByteArray(30, '\0');
    QTest::newRow("program code") << "txtRdWrCode" << QByteArray::fromHex("410031001504") << QString::fromUtf8("A1中")
                                  << QByteArray::fromHex("410031001504");
    QTest::newRow("no program code") << "txtRdWrCode" << QByteArray(6, char(0xFF)) << "" << QByteArray(6, char(0xFF));
}

void TestSettingsRefresh::messagesAndProgramCode() {
    QFETCH(QString, name);
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    QFETCH(QByteArray, after);
    const auto write = [&](SettingsFixture& f, const QByteArray& bytes) {
        if (name == QLatin1String("txtRdWrCode")) {
            const int order[] = {0x385, 0x386, 0x387, 0x38B, 0x38C, 0x38D};
            for (int i = 0; i < 6; ++i)
                f.image.set(order[i], quint8(bytes.at(i)));
        } else {
            f.image.write(name == QLatin1String("txtInfo1") ? 0x300 : 0x320, bytes);
        }
    };
    const auto read = [&](const SettingsFixture& f) {
        if (name != QLatin1String("txtRdWrCode"))
            return f.bytes(name == QLatin1String("txtInfo1") ? 0x300 : 0x320, 32);
        QByteArray six;
        for (int a : {0x385, 0x386, 0x387, 0x38B, 0x38C, 0x38D})
            six.append(char(f.image.at(a)));
        return six;
    };
    SettingsFixture f(0xFF);
    write(f, hanzi::encodeBytes(QStringLiteral("XYZ"), name == QLatin1String("txtRdWrCode") ? 3 : 16));
    f.refresh();
    write(f, stored);
    f.refresh();
    QCOMPARE(f.c(name).text, shown);
    QCOMPARE(read(f).toHex(), after.toHex());
}

void TestSettingsRefresh::chineseItemTexts() {
    SettingsFixture f(0xFF, Language::SimplifiedChinese);
    f.set({{0x118, 2}, {0x3E3, 0x00}, {0x368, 0x01}});
    f.refresh();
    QCOMPARE(f.c("cboTot").itemText(), QString::fromUtf8("60秒"));
    QCOMPARE(f.c("cboDtmfCallAlarm").itemText(), QString::fromUtf8("灯闪10秒"));
    QCOMPARE(f.c("cboPwrOnTone").itemText(), QString::fromUtf8("开机音1"));
    QCOMPARE(f.c("cboPreTot").itemText(), QString::fromUtf8("关"));
    QCOMPARE(f.c("cboSk1LongTime").itemText(), QString::fromUtf8("12.75秒"));
}

// Size and texts of each list as the refresh builds it (stored bytes all zero), per language.
void TestSettingsRefresh::optionLists_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<Language>("language");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("firstTwo");
    QTest::addColumn<QString>("last");
    const auto row = [](const char* tag, const char* name, Language language, int count, const char* first,
                        const char* second, const char* last) {
        QTest::newRow(tag) << QString::fromLatin1(name) << language << count
                           << QStringList{QString::fromUtf8(first), QString::fromUtf8(second)}
                           << QString::fromUtf8(last);
    };
    row("TOT", "cboTot", Language::English, 19, "Off", "15s", "270s");
    row("TOT, Chinese", "cboTot", Language::SimplifiedChinese, 19, "关", "15秒", "270秒");
    row("pre-alert", "cboPreTot", Language::English, 11, "Off", "1s", "10s");
    row("voice", "cboAnVoice", Language::English, 3, "Off", "Chinese", "English");
    row("power-on tone", "cboPwrOnTone", Language::English, 6, "Off", "Tone-1", "Tone-5");
    row("squelch", "cboSql", Language::English, 10, "0", "1", "9");
    row("alarm channel", "cboAlarmCh", Language::English, 17, "Selected CH", "Fixed CH: 1", "Fixed CH: 16");
    row("radio squelch", "cboRadioSql", Language::English, 33, "0", "1", "32");
    row("radio volume", "cboRadioVolume", Language::English, 16, "0", "1", "15");
    row("save mode", "cboSaveMode", Language::English, 9, "1 - 2", "1 - 3", "1 - 10");
    row("tail delete", "cboTailDel", Language::English, 8, "1--120 Degree", "2--180 Degree", "8--Off");
    row("alarm sort", "cboAlarmSort", Language::English, 2, "Local", "Local And Distance", "Local And Distance");
    row("two-way volume", "cboTwoWayVolumeLevel", Language::English, 11, "Off", "1", "10");
    row("two-way volume, Traditional", "cboTwoWayVolumeLevel", Language::TraditionalChinese, 11, "關", "1", "10");
    row("low battery alarm", "cboLowBatAlarmTimer", Language::English, 256, "Off", "2s", "510s");
    row("low battery tone", "cboLowPwrToneSort", Language::English, 2, "Tone 1", "Tone 2", "Tone 2");
    row("channel number", "cboSaveChNo", Language::English, 16, "1", "2", "16");
    row("SK1 short", "listSk1Short", Language::English, 25, "1--Off", "2--Auto dial", "27--Volume --");
    row("SK2 long", "listSk2Long", Language::English, 26, "1--Off", "2--Auto dial", "27--Volume --");
    row("hold time", "cboSk1LongTime", Language::English, 256, "0.00s", "0.05s", "12.75s");
    row("hold time, Traditional", "cboSk2LongTime", Language::TraditionalChinese, 256, "0.00秒", "0.05秒", "12.75秒");
    row("VOX level", "cboVoxLevel", Language::English, 11, "Off", "1", "10");
    row("VOX delay", "cboVoxDly", Language::English, 6, "0.3s", "0.5s", "3.0s");
    row("VOX inhibit", "cboVoxRxForbid", Language::English, 2, "Off", "On", "On");
    row("VOX inhibit, Chinese", "cboVoxRxForbid", Language::SimplifiedChinese, 2, "否", "是", "是");
    row("VOX compare", "cboVoxCmpDat10", Language::English, 181, "0", "1", "180");
    row("priority mode", "cboScanPriChSort", Language::English, 3, "None", "Fixed", "Selected");
    row("priority channel", "cboPriCh", Language::English, 17, "Off", "1", "16");
    row("revert channel", "cboScanTxMode", Language::English, 4, "Selected", "Selected+Talk Back",
        "Priority+Talk Back");
    row("dropout delay", "cboScanRxDly", Language::English, 251, "0s", "1s", "250s");
    row("dwell time, Chinese", "cboScanTxDly", Language::SimplifiedChinese, 251, "0秒", "1秒", "250秒");
    row("first digit delay", "cboPreCarTime", Language::English, 256, "0", "20", "5100");
    row("digit duration", "cboCodeContiTime", Language::English, 250, "50", "60", "2540");
    row("group code", "cboDtmfGrpCode", Language::English, 7, "Off", "A", "#");
    row("PTT ID pause", "cboPttIdPauseTime", Language::English, 256, "0s", "1s", "255s");
    row("auto reset", "cboAutoRstTimer", Language::English, 256, "Off", "1s", "255s");
    row("call alert", "cboDtmfCallAlarm", Language::English, 256, "Off", "Continuous", "Glint2540s");
    row("call alert, Traditional", "cboDtmfCallAlarm", Language::TraditionalChinese, 256, "關", "", "燈閃2540秒");
    row("stun type", "cboDtmfCloseSort", Language::English, 2, "Tx Inhibit", "Tx/Rx Inhibit", "Tx/Rx Inhibit");
    row("tone volume", "cboDtmf2ToneVol", Language::English, 256, "0", "1", "255");
    row("two-tone first digit", "cboTtPreCarTime", Language::English, 256, "0", "20", "5100");
    row("two-tone auto reset", "cboTtAutoRstTimer", Language::English, 256, "Off", "1s", "255s");
    row("radio ID", "cboRadioId5", Language::English, 10, "Off", "1", "9");
    row("radio ID, Chinese", "cboRadioId0", Language::SimplifiedChinese, 10, "关", "1", "9");
}

void TestSettingsRefresh::optionLists() {
    QFETCH(QString, name);
    QFETCH(Language, language);
    QFETCH(int, count);
    QFETCH(QStringList, firstTwo);
    QFETCH(QString, last);
    SettingsFixture f(0x00, language);
    f.refresh();
    const QStringList& items = f.c(name).items;
    QCOMPARE(items.size(), count);
    QCOMPARE(items.first(), firstTwo.at(0));
    if (!firstTwo.at(1).isEmpty())
        QCOMPARE(items.at(1), firstTwo.at(1));
    QCOMPARE(items.last(), last);
}

void TestSettingsRefresh::shippedFilesNeedNoRepair_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("template") << "dhcpqec.def";
    QTest::newRow("factory defaults") << "DefRadioSet.def";
}

// The shipped data is what the program itself would save: a refresh repairs nothing.
void TestSettingsRefresh::shippedFilesNeedNoRepair() {
    QFETCH(QString, file);
    const QString path = QDir(test::builtAppDir()).filePath(file);
    if (!QFile::exists(path))
        QSKIP("the shipped data files are not built yet");
    // Every text box first shows something, so each one compares the file's text with
    // another previous content, as after opening a file with other data.
    SettingsFixture f(0x31);
    f.refresh();
    QByteArray bytes;
    QVERIFY(datafile::readFile(path, f.image.size(), &bytes).ok());
    datafile::loadIntoImage(bytes, f.image);
    const RadioImage before = f.image;
    f.refresh();
    QStringList changed;
    for (int a = 0; a < 0x400; ++a)
        if (before.at(a) != f.image.at(a))
            changed << QStringLiteral("0x%1: %2 -> %3")
                           .arg(a, 4, 16, QLatin1Char('0'))
                           .arg(before.at(a))
                           .arg(f.image.at(a));
    QVERIFY2(changed.isEmpty(), qPrintable(changed.join(QStringLiteral(", "))));
}

QTEST_GUILESS_MAIN(TestSettingsRefresh)
#include "tst_settingsrefresh.moc"
