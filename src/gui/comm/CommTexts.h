#pragma once

#include "core/TextIndex.h"

// Interface text indices of the communication window and the port dialog.
namespace qrt::gui::commtext {

inline constexpr int PortDialogTitle = 60; // "Communication Port"
inline constexpr int PortFrame = 61;       // "Set"
inline constexpr int PortLabel = 62;       // "Communication Port"
inline constexpr int Ok = 63;
inline constexpr int Cancel = 64;
using textindex::Notice;
inline constexpr int ReadButton = 100;
inline constexpr int WriteButton = 101;
inline constexpr int WindowTitle = 102;   // "Communicate"
inline constexpr int ProgressFrame = 156; // "Communication"

// The window for several radios in a row.
inline constexpr int SeriesSetting = 150;  // "Auto Read/Write Setting"
inline constexpr int SeriesInterval = 151; // "Interval Time"
inline constexpr int SeriesWrite = 152;    // "Write to Radio"
inline constexpr int SeriesRead = 153;     // "Read from Radio"
inline constexpr int SeriesProgress = 154; // "Show Progress"
inline constexpr int SeriesTitle = 155;    // "Auto Read/Write"
inline constexpr int SeriesTimes = 157;    // "Times"

} // namespace qrt::gui::commtext
