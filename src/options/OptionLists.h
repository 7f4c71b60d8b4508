#pragma once

#include <QStringList>

namespace qrt {
class InterfaceTexts;
}

// The items of the option lists, built from the interface texts of the current language.
// Every builder takes the stored value for the one list whose items depend on it.
namespace qrt::options::lists {

using Builder = QStringList (*)(const InterfaceTexts& texts, int value);

// Key function codes offered by the short-press and the long-press lists, in item order.
const QList<int>& keyCodes(bool longPress);

QStringList numbers(int first, int last, int step = 1);

// The last item of the tail-delete list: tail delete off, stored as a byte with no bit set.
constexpr int TailDeleteOffItem = 7;

QStringList tot(const InterfaceTexts& t, int);
QStringList preTot(const InterfaceTexts& t, int);
QStringList anVoice(const InterfaceTexts& t, int);
QStringList pwrOnTone(const InterfaceTexts& t, int value);
QStringList sql(const InterfaceTexts& t, int);
QStringList alarmCh(const InterfaceTexts& t, int);
QStringList radioSql(const InterfaceTexts& t, int);
QStringList radioVolume(const InterfaceTexts& t, int);
QStringList saveMode(const InterfaceTexts& t, int);
QStringList tailDel(const InterfaceTexts& t, int);
QStringList alarmSort(const InterfaceTexts& t, int);
QStringList offAndTen(const InterfaceTexts& t, int);
QStringList lowBatAlarmTimer(const InterfaceTexts& t, int);
QStringList lowPwrToneSort(const InterfaceTexts& t, int);
QStringList saveChNo(const InterfaceTexts& t, int);
QStringList keyShort(const InterfaceTexts& t, int);
QStringList keyLong(const InterfaceTexts& t, int);
QStringList holdTime(const InterfaceTexts& t, int);
QStringList voxLevel(const InterfaceTexts& t, int);
QStringList voxDly(const InterfaceTexts& t, int);
QStringList voxRxForbid(const InterfaceTexts& t, int);
QStringList voxCompare(const InterfaceTexts& t, int);
QStringList scanPriChSort(const InterfaceTexts& t, int);
QStringList priCh(const InterfaceTexts& t, int);
QStringList scanTxMode(const InterfaceTexts& t, int);
QStringList scanDelay(const InterfaceTexts& t, int);
QStringList preCarTime(const InterfaceTexts& t, int);
QStringList digitTime(const InterfaceTexts& t, int);
QStringList groupCode(const InterfaceTexts& t, int);
QStringList pttIdPauseTime(const InterfaceTexts& t, int);
QStringList autoRstTimer(const InterfaceTexts& t, int);
QStringList callAlarm(const InterfaceTexts& t, int);
QStringList closeSort(const InterfaceTexts& t, int);
QStringList volumeSteps(const InterfaceTexts& t, int);
QStringList radioIdDigit(const InterfaceTexts& t, int);

} // namespace qrt::options::lists
