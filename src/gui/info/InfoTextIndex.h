#pragma once

// Indices into the interface text table used by the error window, the radio set tree,
// the radio information page, the settings page window and the about dialog.
namespace qrt::gui::info {

constexpr int TextPrint = 147;
constexpr int TextRadioInfoFrame = 183;
constexpr int TextModelType = 184;
constexpr int TextFrequencyRange = 185;
constexpr int TextSoftVersion = 186;
constexpr int TextLastWrite = 187;
constexpr int TextModelName = 356;
constexpr int TextTreeRadioInfo = 381;
constexpr int TextTreeChannelInfo = 382;
constexpr int TextTreeOptionalFeatures = 383;

} // namespace qrt::gui::info
