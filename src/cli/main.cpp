#include "cli/Cli.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Printing lays out text, which needs fonts and so a GUI application; it never needs a
// display. The other commands stay with the plain core.
bool printsSheet(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "print") == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    std::unique_ptr<QCoreApplication> app;
    if (printsSheet(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = qrt::cli::run(app->arguments(), QCoreApplication::applicationDirPath(), out, err);
    out.flush();
    err.flush();
    return code;
}
