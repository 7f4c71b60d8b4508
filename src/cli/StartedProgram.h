#pragma once

#include "core/AppContext.h"
#include "document/Document.h"
#include "options/SettingsModel.h"

#include <QTextStream>

#include <memory>

namespace qrt::cli {

// The program after its start-up, without windows: settings read, untitled data built
// from the template with model 0 and the band 400 - 470 MHz, the radio-wide settings
// refreshed from it. Logged errors go to err.
class StartedProgram {
public:
    StartedProgram(const QString& appDir, std::optional<Language> language, QTextStream& err);

    AppContext& context() { return m_context; }
    Document& document() { return *m_document; }
    options::SettingsModel& settings() { return m_document->settings(); }

    // Opens a data file as the Open command does; prints the message on failure.
    bool open(const QString& path);
    // Opens as open() does, then warns when the file is not what a save writes.
    bool openWarningIfOdd(const QString& path);
    // Saves as the Save As command does; prints the message on failure.
    bool saveAs(const QString& path);

private:
    bool report(const Result& result, const QString& path);

    QTextStream& m_err;
    AppContext m_context;
    std::unique_ptr<Document> m_document;
};

} // namespace qrt::cli
