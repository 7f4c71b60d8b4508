#include "gui/common/UserPrompts.h"
#include "gui/shell/PlatformServices.h"
#include "gui/shell/ProgramLaunch.h"

#include "core/ProgramVersion.h"
#include <QApplication>

#include <QCommandLineParser>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qrt506"));
    QApplication::setApplicationVersion(qrt::programVersion());
    QCommandLineParser parser;
    qrt::gui::describeCommandLine(parser);
    parser.process(app);
    const qrt::gui::LaunchOptions options = qrt::gui::launchOptionsFrom(parser, QApplication::applicationDirPath());

    qrt::gui::DialogPrompts prompts;
    if (options.appDir.isEmpty()) {
        prompts.ask(nullptr, QMessageBox::Critical, QApplication::applicationName(), options.appDirError,
                    QMessageBox::Ok);
        return 2;
    }
    qrt::gui::DesktopDocumentViewer viewer;
    qrt::gui::ExecutableRestarter restarter;
    qrt::gui::RunningProgram program(options.appDir, prompts, viewer, restarter);
    program.start(options.file);
    return QApplication::exec();
}
