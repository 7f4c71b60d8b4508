#pragma once

#include "core/InterfaceLockSetting.h"
#include "core/Language.h"

#include "core/Result.h"

#include <QString>

namespace qrt {

class SettingsFile;

namespace key {
inline const QString SettingSection = QStringLiteral("Setting");
inline const QString ChInfoSection = QStringLiteral("ChInfo");
// This program's own choices, kept apart from the sections above.
inline const QString VerifySection = QStringLiteral("Verify");
inline const QString VerifyAfterWriteKey = QStringLiteral("AfterWrite");
} // namespace key

// Whether a write is read back and compared ("Verify after write"): on unless the settings
// file says 0.
bool verifyAfterWrite(const SettingsFile& file);
Result setVerifyAfterWrite(SettingsFile& file, bool on);

// Fixed single-bit masks of a 16-bit word and their complements.
constexpr int bitMask(int i) {
    return 1 << i;
}
constexpr int bitClearMask(int i) {
    return 0xFFFF & ~(1 << i);
}

// The values of the "Setting" section read once at start-up, with their repairs:
// - Language: anything but 1, 2 or 3 (also empty or non-numeric) is 3.
// - COM: empty, non-numeric or outside 1..16 is 1.
// - DatNum: missing, non-numeric or below 8191 is 8191; above 65535 is 65535.
// - OverColor, DefColor: a non-numeric or negative value gives the default colour.
// - the address values: a text that is not hexadecimal in 0..FFFF gives the key's default.
// - ChannelLock: exactly "ShowLock" locks, anything else does not.
struct ProgramSettings {
    static constexpr int MinImageLastAddress = 8191;
    static constexpr int MaxImageLastAddress = 65535;
    static constexpr int DefaultOutOfBandColor = 255; // red (colour numbers are 0xBBGGRR)
    static constexpr int DefaultInBandColor = 0;      // black

    Language language = Language::TraditionalChinese;
    int portNumber = 1;
    int imageLastAddress = MinImageLastAddress; // "DatNum": the image holds addresses 0..this
    QString engFont = QStringLiteral("Times New Roman");
    QString chsFont = QStringLiteral("宋体");
    int outOfBandColor = DefaultOutOfBandColor;
    int inBandColor = DefaultInBandColor;
    QString tableMaxAddrText = QStringLiteral("1FFF");
    QString readStartAddrText = QStringLiteral("0000");
    QString readEndAddrText = QStringLiteral("1FFF");
    QString writeStartAddrText = QStringLiteral("0000");
    QString writeEndAddrText = QStringLiteral("1FFF");
    int tableMaxAddr = 0x1FFF;
    int readStartAddr = 0;
    int readEndAddr = 0x1FFF;
    int writeStartAddr = 0;
    int writeEndAddr = 0x1FFF;
    QString interfaceLockState = QStringLiteral("ShowNo");

    QString uiFontName() const { return language == Language::SimplifiedChinese ? chsFont : engFont; }
    bool channelLocked() const { return interfacelock::isLockedState(interfaceLockState); }

    static ProgramSettings load(const SettingsFile& file);
    static Language normalizeLanguage(const QString& text);
    // "&H" conversion of an address text; false when it is not a hexadecimal number in 0..FFFF.
    static bool parseHexAddress(const QString& text, int* value);
};

} // namespace qrt
