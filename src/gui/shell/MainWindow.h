#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>

class QMdiArea;

namespace qrt {
class Document;
class InterfaceLock;
} // namespace qrt

namespace qrt::gui {

class ChannelListCommands;
class DocumentViewer;
class CompareCommands;
class FileCommands;
class FrameMenus;
class FrameToolBar;
class LanguageSwitch;
class LockController;
class ProgramRestarter;
class SheetPrinting;
class StatusPanels;
class UserPrompts;

// The program's frame: the child windows in a multiple-document area, menus, tool bar and
// status bar. It wires commands to the parts that carry them (file commands, language
// switch, lock) and closes the program after the exit question.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Document& document, UserPrompts& prompts, DocumentViewer& viewer, ProgramRestarter& restarter,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    Document& document() { return m_document; }
    QMdiArea* childArea() const { return m_childArea; }
    FileCommands& fileCommands() { return *m_files; }
    CompareCommands& compareCommands() { return *m_compare; }

    ChannelListCommands& channelListCommands() { return *m_channelLists; }
    LockController& lockController() { return *m_lock; }
    LanguageSwitch& languageSwitch() { return *m_language; }
    StatusPanels& statusPanels() { return *m_status; }
    QWidget* channelEditor() const { return m_channelEditor; }

    // Read, write and the port dialog; their entries stay disabled until given.
    struct CommunicationCommands {
        std::function<void()> readRadio;
        std::function<void()> writeRadio;
        std::function<void()> choosePort;
        std::function<void()> programSeveralRadios;
    };
    void setCommunicationCommands(const CommunicationCommands& commands);
    // The about dialog; its entry stays disabled until given.
    void setAboutCommand(std::function<void()> showAbout);

    // The help file of the language, handed to the viewer when it exists; else the user
    // guide of the language at the section about the focused window.
    void showHelp();
    // Where the user guide is looked for (see appfolder::userGuidePage); the executable's folder.
    void setGuideFolder(const QString& executableDir) { m_guideFolder = executableDir; }
    // The Print command: the print selection view, then printing or a PDF.
    void printSheet();
    SheetPrinting& sheetPrinting() { return *m_printing; }
    // Closes without the exit question (the language switch).
    void closeWithoutAsking();
    bool isExiting() const { return m_exiting; }

Q_SIGNALS:
    // The frame has decided to close: windows that hide on a close request now close.
    void exiting();
    // The frame's own part is being destroyed; its child windows go after it.
    void aboutToBeDestroyed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildEditMenu();
    void connectFileCommands();
    void connectOtherCommands();
    // Recent files (File menu) and the check of the data (Program menu).
    void addSafeProgrammingCommands();
    void connectRunner(const QString& menuEntry, const QString& toolButton, const std::function<void()>& command);
    void showFileName();
    void followChildCaption();
    void showTitle();

    Document& m_document;
    UserPrompts& m_prompts;
    DocumentViewer& m_viewer;
    QString m_guideFolder;
    QMdiArea* m_childArea;
    std::unique_ptr<FrameMenus> m_menus;
    std::unique_ptr<FrameToolBar> m_toolBar;
    std::unique_ptr<StatusPanels> m_status;
    std::unique_ptr<FileCommands> m_files;
    std::unique_ptr<CompareCommands> m_compare;

    std::unique_ptr<ChannelListCommands> m_channelLists;
    InterfaceLock* m_interfaceLock = nullptr;
    LockController* m_lock = nullptr;
    LanguageSwitch* m_language = nullptr;
    SheetPrinting* m_printing = nullptr;
    QWidget* m_channelEditor = nullptr;
    QMetaObject::Connection m_childCaption;
    bool m_exitWithoutAsking = false;
    bool m_exiting = false;
};

} // namespace qrt::gui
