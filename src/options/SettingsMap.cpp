#include "options/SettingsMap.h"

#include "core/TextCodes.h"

#include <QHash>

namespace qrt::options {

namespace {

using K = ControlKind;
using E = Encoding;
namespace L = lists;

constexpr int Dtmf = int(dtmf::Filter::Dtmf);
constexpr int Digits = int(dtmf::Filter::Digits);

std::vector<FieldDesc> buildTable() {
    std::vector<FieldDesc> t = {
        // Common settings, the broadcast radio, save mode and tail delete.
        {.name = "cboTot",
         .kind = K::List,
         .encoding = E::Byte,
         .address = 0x130,
         .repair = {0, 18, 4},
         .list = L::tot},
        {.name = "cboPreTot",
         .kind = K::List,
         .encoding = E::Byte,
         .address = 0x131,
         .repair = {0, 10, 0},
         .list = L::preTot},
        {.name = "cboAnVoice",
         .kind = K::List,
         .encoding = E::Byte,
         .address = 0x12F,
         .repair = {0, 2, 0},
         .list = L::anVoice},
        {.name = "cboPwrOnTone",
         .kind = K::List,
         .encoding = E::Bits,
         .address = 0x368,
         .low = 0,
         .count = 3,
         .list = L::pwrOnTone},
        {.name = "cboSql", .kind = K::List, .encoding = E::Byte, .address = 0x134, .repair = {0, 9, 5}, .list = L::sql},
        {.name = "cboAlarmCh",
         .kind = K::List,
         .encoding = E::AlarmChannel,
         .address = 0x3E3,
         .list = L::alarmCh,
         .hidden = true},
        {.name = "cboRadioSql",
         .kind = K::List,
         .encoding = E::Offset,
         .address = 0x36E,
         .param = 134,
         .repair = {134, 166, 153},
         .list = L::radioSql,
         .hidden = true},
        {.name = "cboRadioVolume",
         .kind = K::List,
         .encoding = E::Offset,
         .address = 0x36F,
         .param = 160,
         .repair = {160, 175, 175},
         .list = L::radioVolume,
         .hidden = true},
        {.name = "cboSaveMode",
         .kind = K::List,
         .encoding = E::SaveMode,
         .address = 0x369,
         .repair = {142, 170, 170},
         .list = L::saveMode},
        {.name = "cboTailDel", .kind = K::List, .encoding = E::TailDelete, .address = 0x36B, .list = L::tailDel},
        {.name = "cboAlarmSort", .kind = K::List, .encoding = E::Bit, .address = 0x367, .low = 1, .list = L::alarmSort},
        {.name = "cboTwoWayVolumeLevel",
         .kind = K::List,
         .encoding = E::Byte,
         .address = 0x3E6,
         .repair = {0, 10, 10},
         .list = L::offAndTen},
        {.name = "cboLowBatAlarmTimer",
         .kind = K::List,
         .encoding = E::Byte,
         .address = 0x364,
         .list = L::lowBatAlarmTimer},
        {.name = "cboLowPwrToneSort",
         .kind = K::List,
         .encoding = E::Bit,
         .address = 0x36D,
         .low = 7,
         .list = L::lowPwrToneSort},
        {.name = "chkAnBatVolt", .kind = K::Check, .encoding = E::Bit, .address = 0x36D, .low = 6},
        {.name = "chkPwrOnAnBatVolt", .kind = K::Check, .encoding = E::Bit, .address = 0x36A, .low = 0},
        {.name = "chkNoCdEncTxFreTail", .kind = K::Check, .encoding = E::Bit, .address = 0x36A, .low = 2},
        {.name = "chkNoCdEncRxFreTail", .kind = K::Check, .encoding = E::Bit, .address = 0x36A, .low = 3},
        {.name = "chkBatSave", .kind = K::Check, .encoding = E::Bit, .address = 0x135, .low = 0},
        {.name = "chkLowBatTx", .kind = K::Check, .encoding = E::Bit, .address = 0x36D, .low = 1},
        {.name = "chkBeep", .kind = K::Check, .encoding = E::Bit, .address = 0x136, .low = 0},
        {.name = "chkTxEndTone", .kind = K::Check, .encoding = E::Bit, .address = 0x36D, .low = 0},
        {.name = "chkMoniTxEndTone", .kind = K::Check, .encoding = E::Bit, .address = 0x367, .low = 4},
        {.name = "chkRadioFuncEnable",
         .kind = K::Check,
         .encoding = E::Bit,
         .address = 0x367,
         .low = 5,
         .param = 1,
         .hidden = true},
        {.name = "chkLowBatAn", .kind = K::Check, .encoding = E::Bit, .address = 0x36C, .low = 5},
        {.name = "chkLowBatTone", .kind = K::Check, .encoding = E::Bit, .address = 0x36C, .low = 6},
        {.name = "chkLowTxPwrRgLig", .kind = K::Check, .encoding = E::Bit, .address = 0x36C, .low = 7},
        {.name = "chkRedGreenLig", .kind = K::Check, .encoding = E::Bit, .address = 0x36D, .low = 3},
        {.name = "chkAnPwrOn", .kind = K::Check, .encoding = E::Bit, .address = 0x36D, .low = 4},
        {.name = "chkSwiLampTone", .kind = K::Check, .encoding = E::Bit, .address = 0x367, .low = 7, .hidden = true},
        {.name = "cboSaveChNo",
         .kind = K::List,
         .encoding = E::Bits,
         .address = 0x368,
         .low = 4,
         .count = 4,
         .list = L::saveChNo,
         .fixedList = true,
         .hidden = true},
        {.name = "chkHighBatPwrOff", .kind = K::Check, .encoding = E::Bit, .address = 0x367, .low = 2},
        {.name = "chkLowBatPwrOff", .kind = K::Check, .encoding = E::Bit, .address = 0x367, .low = 3},
        // Key assignment.
        {.name = "listSk1Short",
         .kind = K::KeyList,
         .encoding = E::KeyCode,
         .address = 0x360,
         .param = 0,
         .list = L::keyShort},
        {.name = "listSk1Long",
         .kind = K::KeyList,
         .encoding = E::KeyCode,
         .address = 0x361,
         .param = 1,
         .list = L::keyLong},
        {.name = "listSk2Short",
         .kind = K::KeyList,
         .encoding = E::KeyCode,
         .address = 0x362,
         .param = 0,
         .list = L::keyShort},
        {.name = "listSk2Long",
         .kind = K::KeyList,
         .encoding = E::KeyCode,
         .address = 0x363,
         .param = 1,
         .list = L::keyLong},
        {.name = "cboSk1LongTime", .kind = K::List, .encoding = E::Byte, .address = 0x365, .list = L::holdTime},
        {.name = "cboSk2LongTime", .kind = K::List, .encoding = E::Byte, .address = 0x366, .list = L::holdTime},
        // VOX.
        {.name = "cboVoxLevel",
         .kind = K::List,
         .encoding = E::Byte,
         .address = 0x13A,
         .repair = {0, 10, 0},
         .list = L::voxLevel},
        {.name = "cboVoxDly",
         .kind = K::List,
         .encoding = E::Byte,
         .address = 0x13B,
         .repair = {0, 5, 3},
         .list = L::voxDly},
        {.name = "cboVoxRxForbid",
         .kind = K::List,
         .encoding = E::Bit,
         .address = 0x138,
         .low = 0,
         .list = L::voxRxForbid},
        {.name = "chkAnVoxOnOff", .kind = K::Check, .encoding = E::Bit, .address = 0x36C, .low = 3},
        {.name = "chkNoMicEnableVox", .kind = K::Check, .encoding = E::Bit, .address = 0x36A, .low = 7},
    };
    static const char* const voxNames[] = {"cboVoxCmpDat1", "cboVoxCmpDat2", "cboVoxCmpDat3", "cboVoxCmpDat4",
                                           "cboVoxCmpDat5", "cboVoxCmpDat6", "cboVoxCmpDat7", "cboVoxCmpDat8",
                                           "cboVoxCmpDat9", "cboVoxCmpDat10"};
    for (int k = 1; k <= 10; ++k)
        t.push_back({.name = voxNames[k - 1],
                     .kind = K::List,
                     .encoding = E::VoxCompare,
                     .address = 0x193 + k,
                     .param = k,
                     .repair = {0, 180, 180},
                     .list = L::voxCompare,
                     .fixedList = true});
    const std::vector<FieldDesc> scanAndDtmf = {
        // Scan.
        {.name = "cboScanPriChSort",
         .kind = K::List,
         .encoding = E::Byte,
         .address = 0x160,
         .repair = {0, 2, 0},
         .list = L::scanPriChSort},
        {.name = "cboPriCh",
         .kind = K::List,
         .encoding = E::Byte,
         .address = 0x161,
         .repair = {0, 16, 0},
         .list = L::priCh},
        {.name = "cboScanTxMode",
         .kind = K::List,
         .encoding = E::Byte,
         .address = 0x164,
         .repair = {0, 3, 0},
         .list = L::scanTxMode},
        {.name = "cboScanRxDly",
         .kind = K::List,
         .encoding = E::Byte,
         .address = 0x165,
         .repair = {0, 250, 3},
         .list = L::scanDelay},
        {.name = "cboScanTxDly",
         .kind = K::List,
         .encoding = E::Byte,
         .address = 0x167,
         .repair = {0, 250, 3},
         .list = L::scanDelay},
        {.name = "chkScanStartHint", .kind = K::Check, .encoding = E::Bit, .address = 0x36C, .low = 0},
        {.name = "chkExitScanHint", .kind = K::Check, .encoding = E::Bit, .address = 0x36C, .low = 1},
        {.name = "chkAnScanOnOff", .kind = K::Check, .encoding = E::Bit, .address = 0x36C, .low = 2},
        {.name = "chkScanLig", .kind = K::Check, .encoding = E::Bit, .address = 0x36C, .low = 4},
        {.name = "chkCh16Scan", .kind = K::Check, .encoding = E::Bit, .address = 0x36D, .low = 5},
        {.name = "chkSwiChExitScan", .kind = K::Check, .encoding = E::Bit, .address = 0x36A, .low = 6},
        // DTMF.
        {.name = "cboPreCarTime", .kind = K::List, .encoding = E::Byte, .address = 0x3D9, .list = L::preCarTime},
        {.name = "cboCodeContiTime",
         .kind = K::List,
         .encoding = E::Offset,
         .address = 0x3DA,
         .param = 4,
         .repair = {4, 253, 50},
         .list = L::digitTime},
        {.name = "cboCodeSpaceTime",
         .kind = K::List,
         .encoding = E::Offset,
         .address = 0x3DB,
         .param = 4,
         .repair = {4, 253, 50},
         .list = L::digitTime},
        {.name = "chkDtmfMoni", .kind = K::Check, .encoding = E::Bit, .address = 0x115, .low = 0},
        {.name = "chkNoRespPttIdNoPause", .kind = K::Check, .encoding = E::Bit, .address = 0x36A, .low = 5},
        {.name = "chkDtmfCallAlarmTone", .kind = K::Check, .encoding = E::Bit, .address = 0x36A, .low = 4},
        {.name = "cboStunGrpCode", .kind = K::List, .encoding = E::GroupCode, .address = 0x3DD, .list = L::groupCode},
        {.name = "cboPttIdPauseTime",
         .kind = K::List,
         .encoding = E::Byte,
         .address = 0x3DC,
         .list = L::pttIdPauseTime},
        {.name = "cboAutoRstTimer", .kind = K::List, .encoding = E::Byte, .address = 0x117, .list = L::autoRstTimer},
        {.name = "cboDtmfGrpCode", .kind = K::List, .encoding = E::GroupCode, .address = 0x116, .list = L::groupCode},
        {.name = "cboDtmfCallAlarm", .kind = K::List, .encoding = E::Byte, .address = 0x118, .list = L::callAlarm},
        {.name = "cboDtmfCloseSort", .kind = K::List, .encoding = E::CloseSort, .address = 0x1FA, .list = L::closeSort},
        {.name = "txtPttBot", .kind = K::Text, .encoding = E::DtmfText, .address = 0x140, .count = 16, .param = Dtmf},
        {.name = "txtPttEot", .kind = K::Text, .encoding = E::DtmfText, .address = 0x150, .count = 16, .param = Dtmf},
        {.name = "txtDtmfIdCode",
         .kind = K::Text,
         .encoding = E::DtmfText,
         .address = 0x120,
         .count = 10,
         .param = Digits},
        {.name = "txtDtmfCloseCode",
         .kind = K::Text,
         .encoding = E::StunCode,
         .address = 0x1E0,
         .count = 10,
         .param = Dtmf},
    };
    t.insert(t.end(), scanAndDtmf.begin(), scanAndDtmf.end());
    static const char* const autoMemNames[] = {"txtAutoMem0", "txtAutoMem1", "txtAutoMem2", "txtAutoMem3",
                                               "txtAutoMem4", "txtAutoMem5", "txtAutoMem6", "txtAutoMem7"};
    for (int k = 0; k < 8; ++k)
        t.push_back({.name = autoMemNames[k],
                     .kind = K::Text,
                     .encoding = E::DtmfText,
                     .address = 0x200 + 16 * k,
                     .count = 16,
                     .param = Dtmf});
    const std::vector<FieldDesc> tail = {
        // Two-tone signalling (hidden container).
        {.name = "cboTtPreCarTime",
         .kind = K::List,
         .encoding = E::Byte,
         .address = 0x3E4,
         .list = L::preCarTime,
         .hidden = true},
        {.name = "cboTtAutoRstTimer",
         .kind = K::List,
         .encoding = E::Byte,
         .address = 0x3DE,
         .list = L::autoRstTimer,
         .hidden = true},
        {.name = "chkTtBeep", .kind = K::Check, .encoding = E::Bit, .address = 0x3DF, .low = 0, .hidden = true},
        {.name = "vsfgGridTwoTone",
         .kind = K::Grid,
         .encoding = E::TwoToneGrid,
         .address = addr::TwoToneFirst,
         .hidden = true},
        {.name = "cboDtmf2ToneVol",
         .kind = K::List,
         .encoding = E::VoiceSeq,
         .address = 0x3E0,
         .list = L::volumeSteps,
         .fixedList = true},
        // Messages, radio ID and program code.
        {.name = "txtInfo1", .kind = K::Text, .encoding = E::Message, .address = addr::MessageFirst, .count = 16},
        {.name = "txtInfo2", .kind = K::Text, .encoding = E::Message, .address = addr::MessageFirst + 32, .count = 16},
    };
    t.insert(t.end(), tail.begin(), tail.end());
    static const char* const idNames[] = {"cboRadioId0", "cboRadioId1", "cboRadioId2",
                                          "cboRadioId3", "cboRadioId4", "cboRadioId5"};
    for (int k = 0; k < 6; ++k)
        t.push_back({.name = idNames[k],
                     .kind = K::List,
                     .encoding = E::RadioIdDigit,
                     .address = 0x3E9 + k / 2,
                     .low = (k % 2) * 4,
                     .count = 4,
                     .list = L::radioIdDigit});
    t.push_back({.name = "chkAnRadioId", .kind = K::Check, .encoding = E::Bit, .address = 0x36A, .low = 1});
    t.push_back({.name = "txtRdWrCode", .kind = K::Text, .encoding = E::ProgramCode, .address = 0x385, .count = 3});
    return t;
}

} // namespace

const std::vector<FieldDesc>& settingsFields() {
    static const std::vector<FieldDesc> table = buildTable();
    return table;
}

const FieldDesc* findField(QStringView name) {
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        const auto& t = settingsFields();
        for (int i = 0; i < int(t.size()); ++i)
            h.insert(QString::fromLatin1(t[size_t(i)].name), i);
        return h;
    }();
    const auto it = index.constFind(name.toString());
    return it == index.constEnd() ? nullptr : &settingsFields()[size_t(*it)];
}

int programCodeLow(int k) {
    static const int low[] = {0x385, 0x387, 0x38C};
    return k >= 0 && k < 3 ? low[k] : -1;
}

int programCodeHigh(int k) {
    static const int high[] = {0x386, 0x38B, 0x38D};
    return k >= 0 && k < 3 ? high[k] : -1;
}

} // namespace qrt::options
