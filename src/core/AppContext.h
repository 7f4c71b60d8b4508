#pragma once

#include "core/ChannelTableDef.h"
#include "core/ErrorLog.h"
#include "core/ExtraTexts.h"
#include "core/InterfaceTexts.h"
#include "core/Language.h"
#include "core/ProgramSettings.h"
#include "core/SettingsFile.h"
#include "core/ToneCodec.h"

#include <QString>

#include <optional>

namespace qrt {

// The values the whole program shares for one run: the application folder, the settings
// file and what start-up read from it, the interface texts and the program's own texts of the language, the channel
// table definition, the tone list and the error log.
class AppContext {
public:
    static inline const QString SettingsFileName = QStringLiteral("holvard.def");
    static inline const QString TemplateFileName = QStringLiteral("dhcpqec.def");
    static inline const QString FactoryFileName = QStringLiteral("DefRadioSet.def");

    explicit AppContext(const QString& appDir);
    // Reads the settings file, the interface texts and the channel table definition.
    // A languageOverride runs in that language without touching the settings file.
    // Subscribe to the error log first to see what start-up logs.
    void load(std::optional<Language> languageOverride = std::nullopt);

    const QString& appDir() const { return m_appDir; }
    QString appFile(const QString& name) const;

    SettingsFile& settings() { return m_settings; }
    const ProgramSettings& program() const { return m_program; }
    Language language() const { return m_program.language; }

    ErrorLog& errorLog() { return m_errorLog; }
    const InterfaceTexts& texts() const { return m_texts; }
    QString text(TextId id) const { return m_texts.text(id); }
    // The program's own texts (captions, questions and reasons the interface table lacks).
    const ExtraTexts& extraTexts() const { return m_extraTexts; }
    QString extraText(const QString& key) const { return m_extraTexts.text(key); }
    const ChannelTableDef& channelDef() const { return m_channelDef; }
    // The same object for the whole run: the channel codec keeps a reference to it.
    const ToneCodec& tones() const { return m_tones; }

private:
    QString m_appDir;
    SettingsFile m_settings;
    ProgramSettings m_program;
    ErrorLog m_errorLog;
    InterfaceTexts m_texts;
    ExtraTexts m_extraTexts;
    ChannelTableDef m_channelDef;
    ToneCodec m_tones;
};

} // namespace qrt
