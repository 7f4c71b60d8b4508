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
constexpr int SaveAsCaption = 24;
} // namespace frametext

// Captions and questions of the frame that the interface text table does not hold, in the
// three languages (1 Simplified Chinese, 2 Traditional Chinese, anything else English).
namespace extratext {
QString editMenu(int language);
QString undo(int language);
QString redo(int language);
// Asks whether to open a file that does not look like radio data; reason says why not
// (an English sentence from the file check).
QString openOddFileQuestion(int language, const QString& fileName, const QString& reason);
} // namespace extratext

// A menu caption without its access key: "S&ave As" -> "Save As", "另存为(&A)" -> "另存为".
QString withoutAccessKey(const QString& caption);

} // namespace qrt::gui
