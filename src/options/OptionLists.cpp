#include "options/OptionLists.h"

#include "core/InterfaceTexts.h"

namespace qrt::options::lists {

namespace {

// Interface texts the lists are built from.
enum Text {
    TotOff = 260,
    Seconds = 261,
    PreTotOff = 262,
    AnVoiceFirst = 263,
    PwrOnToneOff = 266,
    PwrOnTone = 267,
    SaveModeFirst = 276,
    TailDelFirst = 285,
    LowBatOff = 293,
    LowBatSeconds = 294,
    VoxOff = 295,
    VoxDlyFirst = 296,
    VoxRxForbidFirst = 302,
    ScanPriFirst = 304,
    PriChOff = 307,
    ScanTxModeFirst = 308,
    DtmfSeconds = 312,
    GroupCodeFirst = 313,
    CallAlarmOff = 320,
    Glint = 321,
    CallAlarmSeconds = 322,
    CloseSortFirst = 323,
    AlarmSortFirst = 331,
    LowPwrToneFirst = 347,
    RadioIdOff = 353,
    Continuous = 366,
    SelectedCh = 385,
    FixedCh = 386,
    HoldSeconds = 395,
    KeyFunctionFirst = 411,
};

QStringList run(const InterfaceTexts& t, int first, int count) {
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << t.text(first + i);
    return items;
}

QStringList withUnit(QStringList items, int first, int last, int step, const QString& unit) {
    for (int n = first; n <= last; ++n)
        items << QString::number(n * step) + unit;
    return items;
}

} // namespace

const QList<int>& keyCodes(bool longPress) {
    static const QList<int> shortCodes = {0,  1,  2,  3,  4,  5,  6,  7,  8,  10, 11, 12, 13,
                                          15, 16, 17, 18, 19, 20, 21, 22, 23, 26, 27, 28};
    static const QList<int> longCodes = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                         13, 15, 16, 17, 18, 19, 20, 21, 22, 23, 26, 27, 28};
    return longPress ? longCodes : shortCodes;
}

QStringList numbers(int first, int last, int step) {
    QStringList items;
    for (int n = first; n <= last; n += step)
        items << QString::number(n);
    return items;
}

QStringList tot(const InterfaceTexts& t, int) {
    return withUnit({t.text(TotOff)}, 1, 18, 15, t.text(Seconds));
}
QStringList preTot(const InterfaceTexts& t, int) {
    return withUnit({t.text(PreTotOff)}, 1, 10, 1, t.text(Seconds));
}
QStringList anVoice(const InterfaceTexts& t, int) {
    return run(t, AnVoiceFirst, 3);
}
QStringList pwrOnTone(const InterfaceTexts& t, int value) {
    QStringList items{t.text(PwrOnToneOff)};
    const int last = value >= 5 ? 7 : 5;
    for (int n = 1; n <= last; ++n)
        items << t.text(PwrOnTone) + QString::number(n);
    return items;
}
QStringList sql(const InterfaceTexts&, int) {
    return numbers(0, 9);
}
QStringList alarmCh(const InterfaceTexts& t, int) {
    QStringList items{t.text(SelectedCh)};
    for (int n = 1; n <= 16; ++n)
        items << t.text(FixedCh) + QLatin1Char(' ') + QString::number(n);
    return items;
}
QStringList radioSql(const InterfaceTexts&, int) {
    return numbers(0, 32);
}
QStringList radioVolume(const InterfaceTexts&, int) {
    return numbers(0, 15);
}
QStringList saveMode(const InterfaceTexts& t, int) {
    return run(t, SaveModeFirst, 9);
}
QStringList tailDel(const InterfaceTexts& t, int) {
    return run(t, TailDelFirst, 8);
}
QStringList alarmSort(const InterfaceTexts& t, int) {
    return run(t, AlarmSortFirst, 2);
}
QStringList offAndTen(const InterfaceTexts& t, int) {
    return QStringList{t.text(TotOff)} + numbers(1, 10);
}
QStringList lowBatAlarmTimer(const InterfaceTexts& t, int) {
    return withUnit({t.text(LowBatOff)}, 1, 255, 2, t.text(LowBatSeconds));
}
QStringList lowPwrToneSort(const InterfaceTexts& t, int) {
    return run(t, LowPwrToneFirst, 2);
}
QStringList saveChNo(const InterfaceTexts&, int) {
    return numbers(1, 16);
}

static QStringList keyList(const InterfaceTexts& t, bool longPress) {
    QStringList items;
    for (int code : keyCodes(longPress))
        items << t.text(KeyFunctionFirst + code);
    return items;
}
QStringList keyShort(const InterfaceTexts& t, int) {
    return keyList(t, false);
}
QStringList keyLong(const InterfaceTexts& t, int) {
    return keyList(t, true);
}

QStringList holdTime(const InterfaceTexts& t, int) {
    QStringList items;
    for (int n = 0; n <= 255; ++n) {
        const int hundredths = 5 * n;
        items << QString::number(hundredths / 100) + QLatin1Char('.') +
                     QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0')) + t.text(HoldSeconds);
    }
    return items;
}
QStringList voxLevel(const InterfaceTexts& t, int) {
    return QStringList{t.text(VoxOff)} + numbers(1, 10);
}
QStringList voxDly(const InterfaceTexts& t, int) {
    return run(t, VoxDlyFirst, 6);
}
QStringList voxRxForbid(const InterfaceTexts& t, int) {
    return run(t, VoxRxForbidFirst, 2);
}
QStringList voxCompare(const InterfaceTexts&, int) {
    return numbers(0, 180);
}
QStringList scanPriChSort(const InterfaceTexts& t, int) {
    return run(t, ScanPriFirst, 3);
}
QStringList priCh(const InterfaceTexts& t, int) {
    return QStringList{t.text(PriChOff)} + numbers(1, 16);
}
QStringList scanTxMode(const InterfaceTexts& t, int) {
    return run(t, ScanTxModeFirst, 4);
}
QStringList scanDelay(const InterfaceTexts& t, int) {
    return withUnit({}, 0, 250, 1, t.text(DtmfSeconds));
}
QStringList preCarTime(const InterfaceTexts&, int) {
    return numbers(0, 5100, 20);
}
// The "40" item (byte 3) is not offered: a refresh would not accept it and would replace
// it by 50, so the radio would never keep that choice.
QStringList digitTime(const InterfaceTexts&, int) {
    return numbers(50, 2540, 10);
}
QStringList groupCode(const InterfaceTexts& t, int) {
    return run(t, GroupCodeFirst, 7);
}
QStringList pttIdPauseTime(const InterfaceTexts& t, int) {
    return withUnit({}, 0, 255, 1, t.text(DtmfSeconds));
}
QStringList autoRstTimer(const InterfaceTexts& t, int) {
    return withUnit({t.text(CallAlarmOff)}, 1, 255, 1, t.text(CallAlarmSeconds));
}
QStringList callAlarm(const InterfaceTexts& t, int) {
    QStringList items{t.text(CallAlarmOff), t.text(Continuous)};
    for (int n = 2; n <= 255; ++n)
        items << t.text(Glint) + QString::number(10 * n - 10) + t.text(CallAlarmSeconds);
    return items;
}
QStringList closeSort(const InterfaceTexts& t, int) {
    return run(t, CloseSortFirst, 2);
}
QStringList volumeSteps(const InterfaceTexts&, int) {
    return numbers(0, 255);
}
QStringList radioIdDigit(const InterfaceTexts& t, int) {
    return QStringList{t.text(RadioIdOff)} + numbers(1, 9);
}

} // namespace qrt::options::lists
