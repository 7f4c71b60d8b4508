#include "core/InterfaceLockSetting.h"

#include "core/ProgramSettings.h"
#include "core/SettingsFile.h"

namespace qrt::interfacelock {

bool isLockedState(const QString& stored) {
    return stored == LockedState;
}

bool store(SettingsFile& settings, bool locked) {
    return settings.write(key::SettingSection, Key, locked ? LockedState : UnlockedState).ok();
}

} // namespace qrt::interfacelock
