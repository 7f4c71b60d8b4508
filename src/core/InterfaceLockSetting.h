#pragma once

#include <QString>

namespace qrt {

class SettingsFile;

// The interface lock as the settings file keeps it: key ChannelLock of section Setting,
// "ShowLock" while locked and "ShowNo" while not.
namespace interfacelock {

inline const QString Key = QStringLiteral("ChannelLock");
inline const QString LockedState = QStringLiteral("ShowLock");
inline const QString UnlockedState = QStringLiteral("ShowNo");

// Exactly "ShowLock" locks; any other text (also "showlock") does not.
bool isLockedState(const QString& stored);
// False when the settings file could not be written.
bool store(SettingsFile& settings, bool locked);

} // namespace interfacelock

} // namespace qrt
