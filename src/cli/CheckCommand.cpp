#include "cli/CommandContext.h"
#include "cli/StartedProgram.h"
#include "document/ConfigurationCheck.h"

#include <QTextStream>

namespace qrt::cli {

int checkCommand(CommandContext& c) {
    if (c.args.size() != 1) {
        c.err << "check takes one data file.\n";
        return ExitUsage;
    }
    StartedProgram program(c.appDir, c.language, c.err);
    if (!program.openWarningIfOdd(c.args.first()))
        return ExitIo;
    // Findings are advice, not failures: the exit code stays 0.
    for (const QString& finding : configcheck::findingTexts(program.document()))
        c.out << finding << '\n';
    return ExitOk;
}

} // namespace qrt::cli
