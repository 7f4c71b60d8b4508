#include "cli/StartedProgram.h"

namespace qrt::cli {

StartedProgram::StartedProgram(const QString& appDir, int language, QTextStream& err) : m_err(err), m_context(appDir) {
    m_context.errorLog().subscribe([this](const QString& header, const QString& detail) {
        m_err << header << '\n' << detail << '\n';
        m_err.flush();
    });
    m_context.load(language);
    m_session = std::make_unique<EditorSession>(m_context);
    m_settings = std::make_unique<options::SettingsModel>(m_session->image(), m_context.texts(), &m_context.errorLog());
    m_session->setSettingsRefresh(m_settings.get());
    m_session->startUp();
}

bool StartedProgram::open(const QString& path) {
    const FileResult result = m_session->openFile(path);
    if (!result.ok)
        m_err << m_context.text(result.messageIndex) << " (" << path << ": " << result.reason << ")\n";
    return result.ok;
}

bool StartedProgram::saveAs(const QString& path) {
    const FileResult result = m_session->saveAs(path);
    if (!result.ok)
        m_err << m_context.text(result.messageIndex) << " (" << path << ": " << result.reason << ")\n";
    return result.ok;
}

} // namespace qrt::cli
