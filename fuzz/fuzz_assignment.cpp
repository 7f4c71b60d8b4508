// Channel assignments of the command line (`set`), one an input line, read and applied to
// the factory data as the grid's edits.
#include "FuzzAppFolder.h"

#include "cli/ChannelAssignment.h"
#include "cli/StartedProgram.h"

#include <QTextStream>

#include <cstdlib>

using namespace qrt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QString messages;
    static QTextStream err(&messages);
    static cli::StartedProgram program(fuzz::appFolder().path(), Language::English, err);
    // Each run starts from the factory data, with a fresh undo history; opened again only
    // after a run that applied something.
    static bool changed = true;
    if (changed && !program.open(fuzz::appFolder().filePath(QStringLiteral("DefRadioSet.def"))))
        std::abort();
    changed = false;
    cli::ChannelAssigner assigner(program, err);
    const QStringList arguments =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(QLatin1Char('\n'));
    for (const QString& argument : arguments) {
        QString error;
        const std::optional<cli::ChannelAssignment> assignment = cli::parseChannelAssignment(argument, &error);
        if (!assignment)
            continue;
        if (!error.isEmpty() || assignment->argument != argument)
            std::abort();
        assigner.apply(*assignment);
        changed = true;
    }
    err.flush();
    messages.clear();
    return 0;
}
