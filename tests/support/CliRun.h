#pragma once

#include "cli/Cli.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace qrt::test {

// What one in-process run of the command-line tool gave.
struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

// Runs the command-line tool in-process, in English, with appDir as its application folder.
// For the tests that link qrt_cli.
inline CliRun runCli(const QString& appDir, const QStringList& args) {
    CliRun r;
    QTextStream out(&r.out), err(&r.err);
    r.code = cli::run(QStringList{QStringLiteral("qrt506-cli"), QStringLiteral("--lang"), QStringLiteral("3"),
                                  QStringLiteral("--app-dir"), appDir} +
                          args,
                      appDir, out, err);
    out.flush();
    err.flush();
    return r;
}

} // namespace qrt::test
