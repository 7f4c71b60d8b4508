#include "cli/StartedProgram.h"

#include "cli/DataFileCheck.h"
#include "document/ProgramStartup.h"

namespace qrt::cli {

StartedProgram::StartedProgram(const QString& appDir, std::optional<Language> language, QTextStream& err)
    : m_err(err), m_context(appDir) {
    m_context.errorLog().subscribe([this](const QString& header, const QString& detail) {
        m_err << header << '\n' << detail << '\n';
        m_err.flush();
    });
    m_document = startProgram(m_context, language);
}

bool StartedProgram::open(const QString& path) {
    return report(m_document->openFile(path), path);
}

bool StartedProgram::openWarningIfOdd(const QString& path) {
    if (!open(path))
        return false;
    if (const QString notData = notRadioDataText(path); !notData.isEmpty())
        m_err << "Warning: " << notData << '\n';
    return true;
}

bool StartedProgram::saveAs(const QString& path) {
    return report(m_document->saveAs(path), path);
}

bool StartedProgram::report(const Result& result, const QString& path) {
    if (!result.ok())
        m_err << m_context.text(result.message().value_or(textIdAt(0))) << " (" << path << ": " << result.reason()
              << ")\n";
    return result.ok();
}

} // namespace qrt::cli
