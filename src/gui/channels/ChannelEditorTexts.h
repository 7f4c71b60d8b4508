#pragma once

#include "core/TextIndex.h"

// Interface texts of the channel editor window and its dialogs, by their index in the
// interface text table.
namespace qrt::gui::channel_texts {

using textindex::Notice;
constexpr int DeleteAllChannels = 112;
constexpr int ModelInformation = 370;
constexpr int ModelType = 371;
constexpr int Frequency = 372;
constexpr int CustomBandTitle = 374;
constexpr int CustomBandMin = 375;
constexpr int CustomBandMax = 376;
constexpr int Ok = 377;
constexpr int Cancel = 378;
constexpr int ChannelInfo = 382;
constexpr int RestoreDefaultSetting = 400;

} // namespace qrt::gui::channel_texts
