// qrt506-shots: pictures of every window and dialog as they show on a 1024x768 screen, in
// one language, on the offscreen platform, optionally after a data file is opened.
#include "ShotCatalogue.h"
#include "SilentPrompts.h"

#include "core/AppContext.h"
#include "core/ApplicationFolder.h"
#include "core/ErrorLog.h"
#include "core/ProgramVersion.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "gui/shell/MainWindow.h"
#include "gui/shell/PlatformServices.h"
#include "gui/shell/QtTranslations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

using namespace qrt;

namespace {

bool takeShot(const shots::Shot& shot, shots::ShotScene& scene, const QDir& out, QTextStream& err) {
    std::unique_ptr<QWidget> window = shots::showShot(shot, scene);
    const QString path = out.filePath(shot.name + QStringLiteral(".png"));
    const bool saved = window->grab().save(path);
    if (!saved)
        err << "qrt506-shots: cannot write " << path << '\n';
    window->hide();
    return saved;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const shots::OffscreenScreen screen(shots::SmallestScreen);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qrt506-shots"));
    QApplication::setApplicationVersion(programVersion());
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders every window and dialog to PNG files."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("lang"), QStringLiteral("Language: 1 Simplified Chinese, 2 Traditional Chinese, 3 English."),
         QStringLiteral("N"), QStringLiteral("3")},
        {QStringLiteral("open"), QStringLiteral("A data file to open first."), QStringLiteral("FILE")},
        {QStringLiteral("out"), QStringLiteral("Folder for the pictures (made if missing)."), QStringLiteral("DIR"),
         QStringLiteral(".")},
        {QStringLiteral("app-dir"), QStringLiteral("Application folder (settings, template, data)."),
         QStringLiteral("DIR")},
    });
    parser.process(app);
    QTextStream err(stderr);

    const std::optional<Language> language = parseLanguage(parser.value(QStringLiteral("lang")));
    if (!language) {
        err << "qrt506-shots: --lang must be 1, 2 or 3\n";
        return 2;
    }
    const QDir out(QDir(parser.value(QStringLiteral("out"))).absolutePath());
    if (!QDir().mkpath(out.path())) {
        err << "qrt506-shots: cannot make " << out.path() << '\n';
        return 2;
    }
    const appfolder::Choice folder =
        appfolder::choose(parser.value(QStringLiteral("app-dir")), QApplication::applicationDirPath());
    if (folder.path.isEmpty()) {
        err << "qrt506-shots: " << folder.error << '\n';
        return 2;
    }
    const QString appDir = QDir(folder.path).absolutePath();

    AppContext context(appDir);
    std::unique_ptr<Document> document = startProgram(context, language);
    const gui::QtTranslations qtTexts(context.language());
    // The pictures show the file's name, not where it lies on this machine: once the file
    // opens, a copy of it under a plain name is opened by that name from its folder.
    QTemporaryDir desk;
    if (parser.isSet(QStringLiteral("open"))) {
        const QString file = parser.value(QStringLiteral("open"));
        if (const Result opened = document->openFile(file); opened.failed()) {
            err << "qrt506-shots: cannot open " << file << ": " << opened.reason() << '\n';
            return 1;
        }
        const QString shownName = QStringLiteral("radio.dat");
        QFile original(file);
        if (!desk.isValid() || !original.copy(desk.filePath(shownName)) || !QDir::setCurrent(desk.path()) ||
            document->openFile(shownName).failed()) {
            err << "qrt506-shots: cannot open a copy of " << file << " in a temporary folder\n";
            return 1;
        }
    }

    shots::SilentPrompts prompts;
    ErrorLog sampleErrors;
    gui::InertDocumentViewer viewer;
    gui::InertRestarter restarter;
    gui::MainWindow frame(*document, prompts, viewer, restarter);

    shots::ShotScene scene{context, *document, prompts, sampleErrors, frame};

    int failures = 0;
    for (const shots::Shot& shot : shots::shotCatalogue()) {
        if (takeShot(shot, scene, out, err))
            QTextStream(stdout) << out.filePath(shot.name + QStringLiteral(".png")) << '\n';
        else
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
