#include "cli/Cli.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = qrt::cli::run(app.arguments(), QCoreApplication::applicationDirPath(), out, err);
    out.flush();
    err.flush();
    return code;
}
