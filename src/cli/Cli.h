#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace qrt::cli {

enum ExitCode { ExitOk = 0, ExitUsage = 1, ExitIo = 2, ExitDiffers = 3 };

// Runs the command-line tool in-process. arguments[0] is the program name.
// executableDir is the folder of the program: without --app-dir the application folder is
// chosen from it (see appfolder::choose).
int run(const QStringList& arguments, const QString& executableDir, QTextStream& out, QTextStream& err);

} // namespace qrt::cli
