#pragma once

#include "ScriptedPrompts.h"
#include "TestSupport.h"
#include "channels/ChannelTableModel.h"
#include "core/AppContext.h"
#include "core/SettingsFile.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "gui/shell/MainWindow.h"
#include "gui/shell/PlatformServices.h"
#include "gui/shell/ProgramLaunch.h"

#include <QAction>
#include <QStringList>

#include <memory>

namespace qrt::test {

class RecordingViewer : public gui::DocumentViewer {
public:
    QStringList opened;
    QStringList guides; // "page#topic title"
    void open(const QString& path) override { opened << path; }
    void showGuide(const QString& page, const QString& topic, const QString& title) override {
        guides << page + QLatin1Char('#') + topic + QLatin1Char(' ') + title;
    }
};

class RecordingRestarter : public gui::ProgramRestarter {
public:
    QStringList requests; // the application folders
    bool restart(const QString& appDir) override {
        requests << appDir;
        return true;
    }
};

// A started program in a temporary application folder with its frame, every prompt
// answered by script. The settings given (key, value, ...) are written first.
struct ShellFixture {
    explicit ShellFixture(Language language = Language::English, const QStringList& settings = {}) {
        SettingsFile file(appDir.filePath(AppContext::SettingsFileName));
        for (qsizetype i = 0; i + 1 < settings.size(); i += 2)
            file.write(QStringLiteral("Setting"), settings.at(i), settings.at(i + 1));
        context = std::make_unique<AppContext>(appDir.path());
        document = startProgram(*context, language);
        window = std::make_unique<gui::MainWindow>(*document, prompts, viewer, restarter);
    }

    QAction* action(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }
    QString text(TextId id) const { return context->text(id); }
    // A key as the settings file on disk holds it.
    QString setting(const char* key) const {
        return SettingsFile(appDir.filePath(AppContext::SettingsFileName))
            .read(QStringLiteral("Setting"), QString::fromLatin1(key), QStringLiteral("?"), 30);
    }
    // An edit of the channel table that makes the data modified.
    void editChannel(const char* frequency = "441.5") {
        document->channelModel().setReceiveFrequency(2, QString::fromLatin1(frequency));
    }

    TempAppDir appDir;
    ScriptedPrompts prompts{ScriptedPrompts::Unscripted::Close};
    RecordingViewer viewer;
    RecordingRestarter restarter;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<Document> document;
    std::unique_ptr<gui::MainWindow> window;
};

// The whole program as main() starts it (frame, docked windows, memory viewer, radio
// link), in a temporary application folder, every prompt answered by script. Not shown yet.
struct ProgramFixture {
    ProgramFixture() : program(appDir.path(), prompts, viewer, restarter) {}

    TempAppDir appDir;
    ScriptedPrompts prompts{ScriptedPrompts::Unscripted::Close};
    RecordingViewer viewer;
    RecordingRestarter restarter;
    gui::RunningProgram program;
};

} // namespace qrt::test
