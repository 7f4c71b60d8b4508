#include "options/OptionLists.h"

#include "core/InterfaceTexts.h"

namespace qrt::options::lists {

namespace {

QStringList run(const InterfaceTexts& t, TextId first, int count) {
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
    return withUnit({t.text(TextId::TimeOutOff)}, 1, 18, 15, t.text(TextId::Seconds));
}
QStringList preTot(const InterfaceTexts& t, int) {
    return withUnit({t.text(TextId::PreTimeOutOff)}, 1, 10, 1, t.text(TextId::Seconds));
}
QStringList anVoice(const InterfaceTexts& t, int) {
    return run(t, TextId::VoiceAnnouncementFirst, 3);
}
QStringList pwrOnTone(const InterfaceTexts& t, int value) {
    QStringList items{t.text(TextId::PowerOnToneOff)};
    const int last = value >= 5 ? 7 : 5;
    for (int n = 1; n <= last; ++n)
        items << t.text(TextId::PowerOnTone) + QString::number(n);
    return items;
}
QStringList sql(const InterfaceTexts&, int) {
    return numbers(0, 9);
}
QStringList alarmCh(const InterfaceTexts& t, int) {
    QStringList items{t.text(TextId::SelectedChannel)};
    for (int n = 1; n <= 16; ++n)
        items << t.text(TextId::FixedChannel) + QLatin1Char(' ') + QString::number(n);
    return items;
}
QStringList radioSql(const InterfaceTexts&, int) {
    return numbers(0, 32);
}
QStringList radioVolume(const InterfaceTexts&, int) {
    return numbers(0, 15);
}
QStringList saveMode(const InterfaceTexts& t, int) {
    return run(t, TextId::SaveModeFirst, 9);
}
QStringList tailDel(const InterfaceTexts& t, int) {
    return run(t, TextId::TailDeleteFirst, 8);
}
QStringList alarmSort(const InterfaceTexts& t, int) {
    return run(t, TextId::AlarmSortFirst, 2);
}
QStringList offAndTen(const InterfaceTexts& t, int) {
    return QStringList{t.text(TextId::TimeOutOff)} + numbers(1, 10);
}
QStringList lowBatAlarmTimer(const InterfaceTexts& t, int) {
    return withUnit({t.text(TextId::LowBatteryAlarmOff)}, 1, 255, 2, t.text(TextId::LowBatteryAlarmSeconds));
}
QStringList lowPwrToneSort(const InterfaceTexts& t, int) {
    return run(t, TextId::LowPowerToneFirst, 2);
}
QStringList saveChNo(const InterfaceTexts&, int) {
    return numbers(1, 16);
}

static QStringList keyList(const InterfaceTexts& t, bool longPress) {
    QStringList items;
    for (int code : keyCodes(longPress))
        items << t.text(TextId::KeyFunctionFirst + code);
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
                     QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0')) + t.text(TextId::HoldSeconds);
    }
    return items;
}
QStringList voxLevel(const InterfaceTexts& t, int) {
    return QStringList{t.text(TextId::VoxOff)} + numbers(1, 10);
}
QStringList voxDly(const InterfaceTexts& t, int) {
    return run(t, TextId::VoxDelayFirst, 6);
}
QStringList voxRxForbid(const InterfaceTexts& t, int) {
    return run(t, TextId::VoxReceiveForbidFirst, 2);
}
QStringList voxCompare(const InterfaceTexts&, int) {
    return numbers(0, 180);
}
QStringList scanPriChSort(const InterfaceTexts& t, int) {
    return run(t, TextId::ScanPriorityFirst, 3);
}
QStringList priCh(const InterfaceTexts& t, int) {
    return QStringList{t.text(TextId::PriorityChannelOff)} + numbers(1, 16);
}
QStringList scanTxMode(const InterfaceTexts& t, int) {
    return run(t, TextId::ScanTransmitModeFirst, 4);
}
QStringList scanDelay(const InterfaceTexts& t, int) {
    return withUnit({}, 0, 250, 1, t.text(TextId::DtmfSeconds));
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
    return run(t, TextId::GroupCodeFirst, 7);
}
QStringList pttIdPauseTime(const InterfaceTexts& t, int) {
    return withUnit({}, 0, 255, 1, t.text(TextId::DtmfSeconds));
}
QStringList autoRstTimer(const InterfaceTexts& t, int) {
    return withUnit({t.text(TextId::CallAlarmOff)}, 1, 255, 1, t.text(TextId::CallAlarmSeconds));
}
QStringList callAlarm(const InterfaceTexts& t, int) {
    QStringList items{t.text(TextId::CallAlarmOff), t.text(TextId::CallAlarmContinuous)};
    for (int n = 2; n <= 255; ++n)
        items << t.text(TextId::CallAlarmGlint) + QString::number(10 * n - 10) + t.text(TextId::CallAlarmSeconds);
    return items;
}
QStringList closeSort(const InterfaceTexts& t, int) {
    return run(t, TextId::CloseSortFirst, 2);
}
QStringList volumeSteps(const InterfaceTexts&, int) {
    return numbers(0, 255);
}
QStringList radioIdDigit(const InterfaceTexts& t, int) {
    return QStringList{t.text(TextId::RadioIdOff)} + numbers(1, 9);
}

} // namespace qrt::options::lists
