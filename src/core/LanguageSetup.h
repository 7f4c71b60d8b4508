#pragma once

#include "core/Language.h"

#include <QLocale>

#include <optional>

namespace qrt {

class ErrorLog;
class SettingsFile;

// Locale identifiers the first start recognises; 0 stands for any other locale.
namespace lcid {
constexpr int Other = 0;
constexpr int ChineseTaiwan = 1028;
constexpr int EnglishUnitedStates = 1033;
constexpr int ChinesePrc = 2052;
} // namespace lcid

// The interface language for a system locale identifier: 1028 gives Traditional Chinese,
// 1033 English, 2052 Simplified Chinese, anything else English.
Language languageForLocaleId(int localeId);

// The identifier of a locale: zh_TW 1028, en_US 1033, zh_CN 2052, any other lcid::Other.
int localeIdOf(const QLocale& locale);
// The identifier of the system's default locale.
int systemLocaleId();

// The language the first-start step would choose for this locale identifier while that
// step has not run yet (FirRun is not 0); none once it has run or when FirRun is not a number,
// so that the stored Language applies. Writes nothing: for runs that skip the step.
std::optional<Language> firstStartLanguage(const SettingsFile& settings, int localeId);

// The first-start step. Reads FirRun (default "1"); when it is 0 nothing happens and the
// result is false. Otherwise writes FirRun = "0" and Language from the locale identifier,
// and returns true: the caller then runs the automatic port search. A FirRun that is not
// a number, or a write that fails, is logged as "mdifrmMain->GetSysLang" and gives false.
bool runFirstStartLanguageStep(SettingsFile& settings, int localeId, ErrorLog* log = nullptr);

// Stores the language chosen in the menu (key Language, its decimal text), the settings
// part of the language switch. A write that fails is logged as "mdifrmMain->SwiLangFace".
bool storeLanguage(SettingsFile& settings, Language language, ErrorLog* log = nullptr);

} // namespace qrt
