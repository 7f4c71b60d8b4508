#include "print/SettingsSheetPages.h"

namespace qrt::print {

namespace {

QStringList numbered(const QString& name, int first, int last) {
    QStringList names;
    for (int k = first; k <= last; ++k)
        names << name + QString::number(k);
    return names;
}

} // namespace

const std::vector<SettingsSheetPage>& settingsSheetPages() {
    static const std::vector<SettingsSheetPage> pages = {
        {201,
         {"cboTot", "cboPreTot", "cboAnVoice", "cboPwrOnTone", "cboSql", "cboTailDel", "cboAlarmSort",
          "cboTwoWayVolumeLevel", "chkTxEndTone", "chkMoniTxEndTone", "chkBeep", "chkAnPwrOn", "chkRedGreenLig",
          "chkNoCdEncTxFreTail", "chkNoCdEncRxFreTail"}},
        {202, {"listSk1Short", "listSk1Long", "listSk2Short", "listSk2Long", "cboSk1LongTime", "cboSk2LongTime"}},
        {203, QStringList{"cboVoxLevel", "cboVoxDly", "cboVoxRxForbid", "chkAnVoxOnOff", "chkNoMicEnableVox"} +
                  numbered(QStringLiteral("cboVoxCmpDat"), 1, 10)},
        {204,
         {"cboScanPriChSort", "cboPriCh", "cboScanTxMode", "cboScanRxDly", "cboScanTxDly", "chkScanStartHint",
          "chkExitScanHint", "chkAnScanOnOff", "chkScanLig", "chkCh16Scan", "chkSwiChExitScan"}},
        {350,
         {"chkBatSave", "cboSaveMode", "chkLowBatTx", "cboLowBatAlarmTimer", "cboLowPwrToneSort", "chkLowBatAn",
          "chkLowBatTone", "chkLowTxPwrRgLig", "chkAnBatVolt", "chkPwrOnAnBatVolt", "chkHighBatPwrOff",
          "chkLowBatPwrOff"}},
        {205, QStringList{"cboPreCarTime", "cboCodeContiTime", "cboCodeSpaceTime", "txtPttBot", "txtPttEot",
                          "chkDtmfMoni", "cboPttIdPauseTime", "chkNoRespPttIdNoPause", "cboDtmf2ToneVol",
                          "txtDtmfIdCode", "cboDtmfGrpCode", "cboDtmfCallAlarm", "chkDtmfCallAlarmTone",
                          "cboAutoRstTimer", "txtDtmfCloseCode", "cboStunGrpCode", "cboDtmfCloseSort"} +
                  numbered(QStringLiteral("txtAutoMem"), 0, 7)},
        {206, QStringList{"txtInfo1", "txtInfo2"} + numbered(QStringLiteral("cboRadioId"), 0, 5) +
                  QStringList{"chkAnRadioId"}},
    };
    return pages;
}

} // namespace qrt::print
