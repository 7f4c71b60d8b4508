#include "gui/common/UserPrompts.h"
#include "gui/shell/PlatformServices.h"
#include "gui/shell/ProgramLaunch.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qrt506"));
    QCommandLineParser parser;
    qrt::gui::describeCommandLine(parser);
    parser.process(app);
    const qrt::gui::LaunchOptions options = qrt::gui::launchOptionsFrom(parser, QApplication::applicationDirPath());

    qrt::gui::DialogPrompts prompts;
    qrt::gui::DesktopDocumentViewer viewer;
    qrt::gui::ExecutableRestarter restarter;
    qrt::gui::RunningProgram program(options.appDir, prompts, viewer, restarter);
    program.start(options.file);
    return QApplication::exec();
}
