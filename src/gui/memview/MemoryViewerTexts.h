#pragma once

#include <QString>

// The memory viewer and the part fill are engineering windows: their texts are the same
// in every language.
namespace qrt::gui::memview_texts {

inline const QString MemoryData = QStringLiteral("Memory Data");
inline const QString AddressTitle = QStringLiteral("Addr");
inline const QString AutomaticRefresh = QStringLiteral("自动");
inline const QString FillGrid = QStringLiteral("Fill Gird");
inline const QString SetDefaultColour = QStringLiteral("Set Def Color");
inline const QString PartFill = QStringLiteral("Part Fill");
inline const QString FillData = QStringLiteral("Fill Data");
inline const QString FillBase = QStringLiteral("Base of Fill Data");
inline const QString StartAddr = QStringLiteral("Start Addr");
inline const QString EndAddr = QStringLiteral("End Addr");
inline const QString HexUnit = QStringLiteral("H");
inline const QString Fill = QStringLiteral("Fill");

} // namespace qrt::gui::memview_texts
