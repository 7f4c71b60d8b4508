#pragma once

#include "CliRun.h"
#include "ScriptedPrompts.h"
#include "TestSupport.h"
#include "core/AppContext.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"

#include <QFile>
#include <QTest>
#include <QWidget>

#include <memory>

namespace qrt::test {

// A started program with untitled data, a window to parent the dialogs, and the
// command-line tool to compare with. Every file lives in the temporary application folder.
struct DialogFixture {
    explicit DialogFixture(Language language = Language::English) {
        context = std::make_unique<AppContext>(appDir.path());
        document = startProgram(*context, language);
        window = std::make_unique<QWidget>();
    }

    QString path(const QString& name) const { return appDir.filePath(name); }

    // The data as it is now, saved under name.
    QByteArray save(const QString& name) {
        if (!document->saveAs(path(name)).ok())
            qWarning("cannot save %s", qPrintable(name));
        return appDir.readFile(name);
    }
    bool open(const QString& name) { return document->openFile(path(name)).ok(); }

    // What `qrt506-cli set` makes of the file input with the given changes.
    QByteArray cliSet(const QString& input, const QStringList& changes) {
        const CliRun run =
            runCli(appDir.path(), QStringList{QStringLiteral("set"), path(input)} + changes +
                                      QStringList{QStringLiteral("-o"), path(QStringLiteral("cli.dat"))});
        if (run.code != 0)
            qWarning("cli set failed: %s", qPrintable(run.err));
        return run.code == 0 ? appDir.readFile(QStringLiteral("cli.dat")) : QByteArray();
    }

    TempAppDir appDir;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<Document> document;
    std::unique_ptr<QWidget> window;
};

} // namespace qrt::test
