#pragma once

#include "core/TextIndex.h"

// Interface texts of the settings dialogs, by their index in the interface text table.
namespace qrt::gui::dialog_texts {

using textindex::Notice;
using textindex::ReadFileFailed;

constexpr int SetVolumeTitle = 334;
constexpr int UseThisSet = 338;
constexpr int Default = 337;
constexpr int VolumeOk = 339;

constexpr int SelectAll = 367;
constexpr int SelectNone = 368;
constexpr int PttIdPauseTitle = 387;
constexpr int Channel = 388;
constexpr int PttIdPauseOk = 389;

constexpr int ImportSerialNumbers = 404;

} // namespace qrt::gui::dialog_texts
