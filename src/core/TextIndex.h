#pragma once

// Interface text indices that several parts of the program use; a part's own texts are
// named beside it.
namespace qrt::textindex {

constexpr int Notice = 70; // the title of every message box
constexpr int WrongFileType = 83;
constexpr int SaveFailed = 84;
constexpr int FileName = 85; // "File Name:" before the current file
constexpr int SaveAsFailed = 86;
constexpr int ReadFileFailed = 87;

} // namespace qrt::textindex
