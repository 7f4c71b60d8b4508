#pragma once

#include "options/OptionLists.h"
#include "options/SettingsControl.h"

#include <QStringView>

#include <vector>

namespace qrt::options {

// How a control's item, check state or text is kept in the image.
enum class Encoding {
    Byte,         // item = byte
    Offset,       // byte = item + param
    Bits,         // item = `count` bits from bit `low`
    Bit,          // item or check state = bit `low`; param 1 = inverted
    SaveMode,     // items 0..8 as 144, 146, 149, 152, 155, 157, 159, 162, 165
    TailDelete,   // one bit per item, the last item 0x00
    AlarmChannel, // bit 4 = selected channel, else bits 0-3 = fixed channel - 1
    GroupCode,    // 0 = Off, 'A' 'B' 'C' 'D' '*' '#'
    VoiceSeq,     // byte = level code of the item's position
    KeyCode,      // key function code; param 1 = long-press list
    CloseSort,    // shown from bit 0, written as the whole byte
    VoxCompare,   // one compare level (param = level 1..10)
    RadioIdDigit, // nibble from bit `low`; 1..9 = digit, Off stored as 0x0C
    DtmfText,     // `count` DTMF code bytes; param = filter
    StunCode,     // 8 DTMF code bytes at the address, 2 more at StunTailAddress
    Message,      // 16 character codes
    ProgramCode,  // 3 character codes in the program-code byte pairs
    TwoToneGrid,  // the sixteen two-tone records
};

// A stored value outside [low, high] is replaced by `replacement` on refresh.
struct Repair {
    int low = 1;
    int high = 0; // high < low: no repair
    int replacement = 0;
    bool active() const { return low <= high; }
};

// When a control is enabled, decided by the state of one other control, its source.
struct EnabledWhen {
    enum class Test {
        Always,      // no rule: the control stays enabled
        Checked,     // the source is checked
        ItemIs,      // the source's selected item is `value`
        ItemIsNot,   // the source's selected item is not `value`
        TextAtLeast, // the source's text has at least `value` characters
    };
    const char* source = nullptr;
    Test test = Test::Always;
    int value = 0;
};

// Whether a control with this rule is enabled while its source is in the given state.
bool isEnabledBy(const EnabledWhen& rule, const Control& source);

struct FieldDesc {
    const char* name;
    // The interface text that captions the control: its own text or its label's. A
    // control of a numbered row (VOX compare level, autodial row, radio ID digit) shares
    // the caption of its group.
    int caption = -1;
    ControlKind kind;
    Encoding encoding;
    int address;
    int low = 0;   // first bit of a bit field
    int count = 8; // bits of a bit field; characters of a text
    int param = 0;
    Repair repair = {};
    lists::Builder list = nullptr;
    bool fixedList = false;        // built once, its handler runs only when the item changes
    bool listFollowsValue = false; // its items depend on the stored value, not only on the language
    bool hidden = false;           // in the hidden container
    EnabledWhen enabledWhen = {};
};

namespace addr {
constexpr int VoxCompareMark = 0x019E;
constexpr int VoxCompareFirst = 0x0194;
constexpr int StunTail = 0x01F8;
constexpr int MessageFirst = 0x0300;
constexpr int TwoToneFirst = 0x0280;
constexpr int VolumeFirst = 0x01A0;
constexpr int VolumeMark = 0x01AB;
} // namespace addr

constexpr quint8 ValidMark = 0x5A;

// Every control the refresh sets, in the order of the refresh.
const std::vector<FieldDesc>& settingsFields();
const FieldDesc* findField(QStringView name);

// Program-code character k (0..2): addresses of its low and high byte.
int programCodeLow(int k);
int programCodeHigh(int k);

} // namespace qrt::options
