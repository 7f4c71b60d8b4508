#pragma once

#include "core/TextIndex.h"

#include <QString>

namespace qrt::gui {

// Interface text indices the frame uses.
namespace frametext {
constexpr int Title = 16;
constexpr int LanguageChanged = 68;
using textindex::Notice;
constexpr int ExitQuestion = 73;
constexpr int ClearDataQuestion = 74;
constexpr int SaveChangesQuestion = 82;
using textindex::FileName;
using textindex::SaveAsFailed;
using textindex::SaveFailed;
using textindex::WrongFileType;
constexpr int Ready = 94;
constexpr int InterfaceLocked = 116;
constexpr int OpenCaption = 22;
constexpr int HelpTopicCaption = 37;
constexpr int SaveAsCaption = 24;
} // namespace frametext

// A menu caption without its access key: "S&ave As" -> "Save As", "另存为(&A)" -> "另存为".
QString withoutAccessKey(const QString& caption);

} // namespace qrt::gui
