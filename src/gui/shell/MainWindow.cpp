#include "gui/shell/MainWindow.h"

#include "core/AppContext.h"
#include "core/ApplicationFolder.h"
#include "document/Document.h"
#include "document/InterfaceLock.h"
#include "gui/common/ConfigurationReview.h"
#include "gui/common/UserPrompts.h"
#include "gui/print/SheetPrinting.h"
#include "gui/shell/ChannelListCommands.h"
#include "gui/shell/ChildWindows.h"
#include "gui/shell/CompareCommands.h"
#include "gui/shell/FileCommands.h"
#include "gui/shell/FrameMenus.h"
#include "gui/shell/FrameTexts.h"
#include "gui/shell/FrameToolBar.h"
#include "gui/shell/LanguageSwitch.h"
#include "gui/shell/LockController.h"
#include "gui/shell/PlatformServices.h"
#include "gui/shell/RecentFilesMenu.h"
#include "gui/shell/StatusPanels.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QUndoStack>

namespace qrt::gui {

namespace {

QString helpFileName(Language language) {
    switch (language) {
    case Language::SimplifiedChinese:
        return QStringLiteral("ChsHelp.CHM");
    case Language::TraditionalChinese:
        return QStringLiteral("ChtHelp.CHM");
    case Language::English:
        break;
    }
    return QStringLiteral("EngHelp.CHM");
}

// The section of the user guide about what has the keyboard focus.
QString helpTopicOf(const QWidget* focus) {
    for (const QWidget* w = focus; w; w = w->parentWidget()) {
        const QString name = w->objectName();
        if (name == QLatin1String("vsfgGridCh"))
            return QStringLiteral("channels");
        if (name == QLatin1String("sstabSetMode"))
            return QStringLiteral("settings");
        if (name == QLatin1String("frmShowErr"))
            return QStringLiteral("trouble");
    }
    return QStringLiteral("start");
}

} // namespace

MainWindow::MainWindow(Document& document, UserPrompts& prompts, DocumentViewer& viewer, ProgramRestarter& restarter,
                       QWidget* parent)
    : QMainWindow(parent), m_document(document), m_prompts(prompts), m_viewer(viewer),
      m_guideFolder(QCoreApplication::applicationDirPath()), m_childArea(new QMdiArea(this)) {
    AppContext& context = document.context();
    setObjectName(QStringLiteral("mdifrmMain"));
    setAccessibleName(context.text(TextId::ProgramTitle));
    m_childArea->setObjectName(QStringLiteral("mdiClientArea"));
    setCentralWidget(m_childArea);
    showTitle();
    // Queued: the area puts the caption of a maximised child with a title bar into this
    // title itself, and takes it out again when the child leaves; this comes after it.
    connect(m_childArea, &QMdiArea::subWindowActivated, this, &MainWindow::followChildCaption, Qt::QueuedConnection);

    m_menus = std::make_unique<FrameMenus>(*this, context);
    m_toolBar = std::make_unique<FrameToolBar>(*this, context);
    m_status = std::make_unique<StatusPanels>(*statusBar());
    m_files = std::make_unique<FileCommands>(document, prompts, *this);
    m_compare = std::make_unique<CompareCommands>(document, prompts, *this, *m_menus);

    m_channelLists = std::make_unique<ChannelListCommands>(document, prompts, *m_files, *this);
    m_channelLists->addTo(*m_menus->menu(QStringLiteral("mnuFile")), m_menus->action(QStringLiteral("sepPrintFile")));
    buildEditMenu();

    m_status->setNotice(context.text(TextId::Ready));
    m_status->setPort(context.program().portNumber);
    showFileName();
    connect(&document, &Document::currentFileChanged, this, &MainWindow::showFileName);
    setWindowModified(document.isModified());
    connect(&document, &Document::modifiedChanged, this, &QWidget::setWindowModified);

    QAction* channelLockEntry = m_menus->action(QStringLiteral("mnuChLock"));
    const HostedChannelEditor editor = hostChannelEditor(*m_childArea, document, prompts, *channelLockEntry);
    m_channelEditor = editor.window;
    QMenu* editMenu = m_menus->menu(QStringLiteral("mnuEdit"));
    editMenu->addSeparator();
    editMenu->addActions(editor.clipboardActions);

    m_interfaceLock = new InterfaceLock(context, document, this);
    m_lock = new LockController(context, *m_interfaceLock, *m_status, *m_menus->action(QStringLiteral("mnuLockFace")),
                                *channelLockEntry, this);
    connect(m_lock, &LockController::lockChanged, this, editor.lockSettings);
    // Ctrl+L works although its menu is not offered: the lock is one keystroke away.
    addAction(channelLockEntry);
    m_language = new LanguageSwitch(context,
                                    {m_menus->action(QStringLiteral("mnuLangSel0")),
                                     m_menus->action(QStringLiteral("mnuLangSel1")),
                                     m_menus->action(QStringLiteral("mnuLangSel2"))},
                                    *m_files, prompts, restarter, *this, [this] { closeWithoutAsking(); });

    connectFileCommands();
    connectOtherCommands();
    addSafeProgrammingCommands();
    setCommunicationCommands({});
    setAboutCommand({});
    m_interfaceLock->applyStoredState();
}

MainWindow::~MainWindow() {
    Q_EMIT aboutToBeDestroyed();
    // The child windows go after this part of the frame: their last activations find no one.
    disconnect(m_childArea, nullptr, this, nullptr);
    disconnect(m_childCaption);
}

void MainWindow::buildEditMenu() {
    const AppContext& context = m_document.context();
    auto* edit = new QMenu(context.extraText(QStringLiteral("edit.menu")), this);
    edit->setObjectName(QStringLiteral("mnuEdit"));
    edit->menuAction()->setObjectName(QStringLiteral("mnuEdit"));
    menuBar()->insertMenu(m_menus->menu(QStringLiteral("mnuProgram"))->menuAction(), edit);

    QAction* undo = m_document.editHistory().createUndoAction(edit, context.extraText(QStringLiteral("edit.undo")));
    undo->setObjectName(QStringLiteral("mnuEditUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = m_document.editHistory().createRedoAction(edit, context.extraText(QStringLiteral("edit.redo")));
    redo->setObjectName(QStringLiteral("mnuEditRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(undo);
    edit->addAction(redo);
}

void MainWindow::connectRunner(const QString& menuEntry, const QString& toolButton,
                               const std::function<void()>& command) {
    for (QAction* action : {menuEntry.isEmpty() ? nullptr : m_menus->action(menuEntry),
                            toolButton.isEmpty() ? nullptr : m_toolBar->button(toolButton)})
        if (action)
            connect(action, &QAction::triggered, this, [command] { command(); });
}

void MainWindow::connectFileCommands() {
    connectRunner(QStringLiteral("mnuFileNew"), QStringLiteral("FileNew"), [this] { m_files->newFile(); });
    connectRunner(QStringLiteral("mnuFileOpen"), QStringLiteral("FileOpen"), [this] { m_files->openFile(); });
    connectRunner(QStringLiteral("mnuFileSave"), QStringLiteral("FileSave"), [this] { m_files->save(); });
    connectRunner(QStringLiteral("mnuFileSaveAs"), QString(), [this] { m_files->saveAs(); });
}

void MainWindow::connectOtherCommands() {
    connectRunner(QStringLiteral("mnuExit"), QStringLiteral("Exit"), [this] { close(); });
    connectRunner(QStringLiteral("mnuHelpTopic"), QStringLiteral("Help"), [this] { showHelp(); });
    m_printing =
        new SheetPrinting(m_document, m_prompts, *this, [this](const QString& text) { m_status->setNotice(text); });
    connectRunner(QStringLiteral("mnuPrintFile"), QStringLiteral("Print"), [this] { printSheet(); });
    // The entries that are not offered have no command.
}

void MainWindow::addSafeProgrammingCommands() {
    // Right below Open, as desktop programs place their recent files.
    new RecentFilesMenu(m_document, *m_files, m_prompts, *m_menus->menu(QStringLiteral("mnuFile")),
                        m_menus->action(QStringLiteral("mnuFileSave")), *this);
    QAction* check = new QAction(m_document.context().extraText(QStringLiteral("check.menu")), this);
    check->setObjectName(QStringLiteral("mnuCheck"));
    m_menus->menu(QStringLiteral("mnuProgram"))->insertAction(m_menus->action(QStringLiteral("sepBatchRw")), check);
    connect(check, &QAction::triggered, this, [this] { showConfigurationCheck(this, m_document, m_prompts); });
}

void MainWindow::setCommunicationCommands(const CommunicationCommands& commands) {
    struct Binding {
        const char* menuEntry;
        const char* toolButton;
        std::function<void()> command;
    };
    const Binding bindings[] = {
        {"mnuReadFre", "Read", commands.readRadio},
        {"mnuWriteFre", "Write", commands.writeRadio},
        {"mnuCommunicate", "Com", commands.choosePort},
        {"mnuSeveralRadios", nullptr, commands.programSeveralRadios},
    };
    for (const Binding& binding : bindings) {
        for (QAction* action :
             {m_menus->action(QString::fromLatin1(binding.menuEntry)),
              binding.toolButton ? m_toolBar->button(QString::fromLatin1(binding.toolButton)) : nullptr}) {
            if (!action)
                continue;
            action->setEnabled(bool(binding.command));
            action->disconnect(this);
            if (binding.command)
                connect(action, &QAction::triggered, this, [command = binding.command] { command(); });
        }
    }
}

void MainWindow::setAboutCommand(std::function<void()> showAbout) {
    QAction* about = m_menus->action(QStringLiteral("mnuAboutSoft"));
    about->setEnabled(bool(showAbout));
    about->disconnect(this);
    if (showAbout)
        connect(about, &QAction::triggered, this, [showAbout = std::move(showAbout)] { showAbout(); });
}

void MainWindow::followChildCaption() {
    disconnect(m_childCaption);
    const QMdiSubWindow* child = m_childArea->currentSubWindow();
    if (child && child->widget())
        m_childCaption = connect(child->widget(), &QWidget::windowTitleChanged, this, &MainWindow::showTitle);
    showTitle();
}

void MainWindow::showTitle() {
    // The child window in front fills the area without a title bar of its own, so its
    // caption (the editor's band) joins the frame's title.
    QString title = m_document.context().text(TextId::ProgramTitle);
    const QMdiSubWindow* child = m_childArea->currentSubWindow();
    const QString caption = child && child->widget() ? child->widget()->windowTitle() : QString();
    if (!caption.isEmpty())
        title += QStringLiteral(" - [%1]").arg(caption);
    setWindowTitle(title + QStringLiteral("[*]"));
}

void MainWindow::showFileName() {
    m_status->setFileText(m_document.context().text(TextId::FileName) +
                          QDir::toNativeSeparators(m_document.currentFilePath()));
}

void MainWindow::showHelp() {
    const AppContext& context = m_document.context();
    const QString path = context.appFile(helpFileName(context.language()));
    if (QFileInfo(path).isFile()) {
        m_viewer.open(path);
        return;
    }
    const QString guide = appfolder::userGuidePage(m_guideFolder, context.language());
    if (!guide.isEmpty())
        m_viewer.showGuide(guide, helpTopicOf(QApplication::focusWidget()),
                           withoutAccessKey(context.text(TextId::HelpTopicCaption)));
}

void MainWindow::printSheet() {
    m_printing->start();
}

void MainWindow::closeWithoutAsking() {
    m_exitWithoutAsking = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_exitWithoutAsking) {
        const QString notice = m_document.context().text(TextId::Notice);
        if (!m_files->offerToSaveChanges() ||
            m_prompts.ask(this, QMessageBox::Question, notice, m_document.context().text(TextId::ExitQuestion),
                          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
            event->ignore();
            return;
        }
    }
    m_exiting = true;
    Q_EMIT exiting();
    m_childArea->closeAllSubWindows();
    event->accept();
}

} // namespace qrt::gui
