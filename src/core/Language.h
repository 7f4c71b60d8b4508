#pragma once

#include <QString>

#include <array>
#include <optional>

namespace qrt {

// The interface languages. The numbers are those stored under the settings file's
// Language key, taken by --lang and carried in the names of the text files.
enum class Language { SimplifiedChinese = 1, TraditionalChinese = 2, English = 3 };

// Every language, in the order of their numbers.
constexpr std::array<Language, 3> AllLanguages = {Language::SimplifiedChinese, Language::TraditionalChinese,
                                                  Language::English};

// The language of a run whose choice is unknown or out of range.
constexpr Language DefaultLanguage = Language::English;

constexpr int languageNumber(Language language) {
    return static_cast<int>(language);
}

// The language with this number; none for a number outside 1..3.
constexpr std::optional<Language> languageFromNumber(long long number) {
    if (number < languageNumber(Language::SimplifiedChinese) || number > languageNumber(Language::English))
        return std::nullopt;
    return static_cast<Language>(number);
}

// The language a command line names by its number ("1", "2" or "3"); none for anything else.
inline std::optional<Language> parseLanguage(const QString& text) {
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok ? languageFromNumber(number) : std::nullopt;
}

// The language itself when it is one of the three, else the default (a value cast from an
// unchecked number).
constexpr Language knownLanguageOr(Language language, Language fallback = DefaultLanguage) {
    return languageFromNumber(languageNumber(language)).value_or(fallback);
}

} // namespace qrt
