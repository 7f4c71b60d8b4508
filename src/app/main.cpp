#include "core/AppContext.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "gui/common/UserPrompts.h"
#include "gui/shell/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qrt506"));
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("app-dir"), QStringLiteral("Application folder (settings, template, data)."),
                      QStringLiteral("DIR")});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A data file to open after the start."));
    parser.process(app);
    const QString appDir =
        parser.isSet(QStringLiteral("app-dir")) ? parser.value(QStringLiteral("app-dir")) : QApplication::applicationDirPath();

    qrt::AppContext context(appDir);
    std::unique_ptr<qrt::Document> document = qrt::startProgram(context, 0);
    qrt::gui::DialogPrompts prompts;
    qrt::gui::MainWindow window(*document, prompts);
    window.show();
    return QApplication::exec();
}
