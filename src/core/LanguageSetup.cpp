#include "core/LanguageSetup.h"

#include "core/ErrorLog.h"
#include "core/ProgramSettings.h"
#include "core/SettingsFile.h"

namespace qrt {

namespace {

const QString FirstRunKey = QStringLiteral("FirRun");
const QString LanguageKey = QStringLiteral("Language");
constexpr int FirstRunWidth = 3;

void logError(ErrorLog* log, const char* tag, int number) {
    if (log)
        log->logErr(QString::fromLatin1(tag), number);
}

// FirRun as a number; false when it is not one.
bool readFirstRun(const SettingsFile& settings, int* value) {
    bool isNumber = false;
    *value =
        settings.read(key::SettingSection, FirstRunKey, QStringLiteral("1"), FirstRunWidth).trimmed().toInt(&isNumber);
    return isNumber;
}

} // namespace

Language languageForLocaleId(int localeId) {
    switch (localeId) {
    case lcid::ChineseTaiwan:
        return Language::TraditionalChinese;
    case lcid::EnglishUnitedStates:
        return Language::English;
    case lcid::ChinesePrc:
        return Language::SimplifiedChinese;
    default:
        return Language::English;
    }
}

int localeIdOf(const QLocale& locale) {
    const QLocale::Language language = locale.language();
    const QLocale::Territory territory = locale.territory();
    if (language == QLocale::Chinese && territory == QLocale::Taiwan)
        return lcid::ChineseTaiwan;
    if (language == QLocale::Chinese && territory == QLocale::China)
        return lcid::ChinesePrc;
    if (language == QLocale::English && territory == QLocale::UnitedStates)
        return lcid::EnglishUnitedStates;
    return lcid::Other;
}

int systemLocaleId() {
    return localeIdOf(QLocale::system());
}

std::optional<Language> firstStartLanguage(const SettingsFile& settings, int localeId) {
    int firstRun = 0;
    if (!readFirstRun(settings, &firstRun) || firstRun == 0)
        return std::nullopt;
    return languageForLocaleId(localeId);
}

bool runFirstStartLanguageStep(SettingsFile& settings, int localeId, ErrorLog* log) {
    const char* tag = "mdifrmMain->GetSysLang";
    int firstRun = 0;
    if (!readFirstRun(settings, &firstRun)) {
        logError(log, tag, err::TypeMismatch);
        return false;
    }
    if (firstRun == 0)
        return false;

    if (const Result written = settings.write(key::SettingSection, FirstRunKey, QStringLiteral("0"));
        written.failed()) {
        logError(log, tag, written.errorNumber());
        return false;
    }
    const Language language = languageForLocaleId(localeId);
    if (const Result written =
            settings.write(key::SettingSection, LanguageKey, QString::number(languageNumber(language)));
        written.failed()) {
        logError(log, tag, written.errorNumber());
        return false;
    }
    return true;
}

bool storeLanguage(SettingsFile& settings, Language language, ErrorLog* log) {
    if (const Result written =
            settings.write(key::SettingSection, LanguageKey, QString::number(languageNumber(language)));
        written.failed()) {
        logError(log, "mdifrmMain->SwiLangFace", written.errorNumber());
        return false;
    }
    return true;
}

} // namespace qrt
