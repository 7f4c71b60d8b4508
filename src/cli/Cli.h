#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace qrt::cli {

enum ExitCode { ExitOk = 0, ExitUsage = 1, ExitIo = 2 };

// Runs the command-line tool in-process. arguments[0] is the program name.
// defaultAppDir is the application folder used when --app-dir is not given.
int run(const QStringList& arguments, const QString& defaultAppDir, QTextStream& out, QTextStream& err);

} // namespace qrt::cli
