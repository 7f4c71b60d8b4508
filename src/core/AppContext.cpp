#include "core/AppContext.h"

#include <QDir>

namespace qrt {

AppContext::AppContext(const QString& appDir)
    : m_appDir(QDir(appDir).absolutePath()), m_settings(QDir(m_appDir).filePath(SettingsFileName)),
      m_tones(DefaultLanguage, &m_errorLog) {}

void AppContext::load(std::optional<Language> languageOverride) {
    m_program = ProgramSettings::load(m_settings);
    if (languageOverride)
        m_program.language = knownLanguageOr(*languageOverride);
    if (m_texts.load(m_program.language).failed())
        m_errorLog.logErr(QStringLiteral("mdifrmMain->LoadSoftFaceText"), err::InvalidFileFormat);
    if (m_extraTexts.load(m_program.language).failed())
        m_errorLog.logErr(QStringLiteral("mdifrmMain->LoadExtraText"), err::InvalidFileFormat);
    m_tones = ToneCodec(m_program.language, &m_errorLog); // assigned in place: references stay valid
    m_channelDef = ChannelTableDef::read(m_settings, m_program.language, &m_errorLog);
}

QString AppContext::appFile(const QString& name) const {
    return QDir(m_appDir).filePath(name);
}

} // namespace qrt
