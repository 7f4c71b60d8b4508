#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QCommandLineParser;

namespace qrt {
class AppContext;
class Document;
} // namespace qrt

namespace qrt::comm {
class RadioLink;
}

namespace qrt::gui {

class DocumentViewer;
class MainWindow;
class MemoryViewer;
class ProgramRestarter;
class QtTranslations;
class SideWindows;
class UserPrompts;
class WheelFocusPolicy;

// qrt506 [--app-dir DIR] [FILE.dat]
struct LaunchOptions {
    QString appDir;      // empty when no application folder could be prepared
    QString appDirError; // then why
    QString file;        // empty: none
};

void describeCommandLine(QCommandLineParser& parser);
// The options of a parsed command line; without --app-dir the application folder is chosen
// from the folder of the executable (see appfolder::choose).
LaunchOptions launchOptionsFrom(const QCommandLineParser& parser, const QString& executableDir);

// The font family for the interface: the wanted one when the system has it, else empty
// (the platform's default font stays).
QString interfaceFontFamily(const QString& wanted, const QStringList& systemFamilies);

// One run of the program with windows: the start-up sequence (with the first-start
// One run of the program with windows: the start-up sequence (with the first-start
// language step from the system locale), Qt's own texts in the interface language, the
// interface font, the frame, and the wheel policy of every list, spin box and slider.
class RunningProgram {
public:
    RunningProgram(const QString& appDir, UserPrompts& prompts, DocumentViewer& viewer, ProgramRestarter& restarter);
    ~RunningProgram();

    // Shows the frame and opens the file given on the command line as Open does.
    void start(const QString& file);

    AppContext& context() { return *m_context; }
    Document& document() { return *m_document; }
    MainWindow& window() { return *m_window; }
    SideWindows& sideWindows() { return *m_sideWindows; }
    MemoryViewer& memoryViewer() { return *m_memoryViewer; }
    qrt::comm::RadioLink& radioLink() { return *m_radioLink; }

private:
    void connectMemoryViewer(UserPrompts& prompts);
    void connectRadioLink(UserPrompts& prompts, bool searchPorts);

    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<WheelFocusPolicy> m_wheelPolicy;
    std::unique_ptr<Document> m_document;
    std::unique_ptr<QtTranslations> m_qtTranslations;
    std::unique_ptr<MainWindow> m_window;
    SideWindows* m_sideWindows = nullptr;        // owned by the window
    MemoryViewer* m_memoryViewer = nullptr;      // owned by the window
    qrt::comm::RadioLink* m_radioLink = nullptr; // owned by the window
};

} // namespace qrt::gui
