#include "gui/shell/ProgramLaunch.h"

#include "comm/RadioLink.h"
#include "core/AppContext.h"
#include "core/ApplicationFolder.h"
#include "core/LanguageSetup.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "gui/channels/ChannelEditorWindow.h"
#include "gui/comm/ModalLinkWindows.h"
#include "gui/common/ScreenPlacement.h"
#include "gui/common/WheelFocusPolicy.h"
#include "gui/info/ErrorLogWindow.h"
#include "gui/info/RadioSetPages.h"
#include "gui/memview/MemoryViewerWindow.h"
#include "gui/shell/CompareCommands.h"
#include "gui/shell/FileCommands.h"
#include "gui/shell/MainWindow.h"
#include "gui/shell/QtTranslations.h"
#include "gui/shell/SideWindows.h"
#include "gui/shell/StatusPanels.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QFontDatabase>

namespace qrt::gui {

using namespace qrt::comm;

namespace {
const QString AppDirOption = QStringLiteral("app-dir");
}

void describeCommandLine(QCommandLineParser& parser) {
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(
        {AppDirOption, QStringLiteral("Application folder (settings, template, data)."), QStringLiteral("DIR")});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A data file to open after the start."),
                                 QStringLiteral("[FILE.dat]"));
}

LaunchOptions launchOptionsFrom(const QCommandLineParser& parser, const QString& executableDir) {
    LaunchOptions options;
    const appfolder::Choice folder = appfolder::choose(parser.value(AppDirOption), executableDir);
    options.appDir = folder.path;
    options.appDirError = folder.error;
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        options.file = files.first();
    return options;
}

QString interfaceFontFamily(const QString& wanted, const QStringList& systemFamilies) {
    for (const QString& family : systemFamilies)
        if (family.compare(wanted, Qt::CaseInsensitive) == 0)
            return family;
    return {};
}

RunningProgram::RunningProgram(const QString& appDir, UserPrompts& prompts, DocumentViewer& viewer,
                               ProgramRestarter& restarter)
    : m_context(std::make_unique<AppContext>(appDir)), m_wheelPolicy(std::make_unique<WheelFocusPolicy>()) {
    // Before any window exists, so that the policy sees every widget made.
    QApplication::instance()->installEventFilter(m_wheelPolicy.get());
    StartupHooks hooks;
    hooks.chooseFirstLanguage = [](AppContext& context) {
        return runFirstStartLanguageStep(context.settings(), systemLocaleId(), &context.errorLog());
    };
    // The error list exists before the start-up, so that it shows what the start-up logs.
    auto errors = std::make_unique<info::ErrorLogWindow>(m_context->errorLog());
    // The port test and the automatic search run off this thread once the port is set up
    // below, so that a port whose open hangs cannot hold up the start.
    bool searchPorts = false;
    hooks.testPort = [&searchPorts](AppContext&, bool search) { searchPorts = search; };
    m_document = startProgram(*m_context, std::nullopt, hooks);
    m_qtTranslations = std::make_unique<QtTranslations>(m_context->language());

    const QString family = interfaceFontFamily(m_context->program().uiFontName(), QFontDatabase::families());
    if (!family.isEmpty()) {
        QFont font = QApplication::font();
        font.setFamily(family);
        QApplication::setFont(font);
    }
    m_window = std::make_unique<MainWindow>(*m_document, prompts, viewer, restarter);
    m_sideWindows = new SideWindows(*m_window, *m_context, std::move(errors));

    connectMemoryViewer(prompts);
    connectRadioLink(prompts, searchPorts);
    QObject::connect(&m_sideWindows->pages(), &info::RadioSetPages::printRequested, m_window.get(),
                     &MainWindow::printSheet);
}

void RunningProgram::connectMemoryViewer(UserPrompts& prompts) {
    // The memory viewer is reached only by the two hidden gestures.
    m_memoryViewer = new MemoryViewer(*m_document, prompts, *m_window);
    if (auto* editor = qobject_cast<ChannelEditorWindow*>(m_window->channelEditor())) {
        QObject::connect(editor, &ChannelEditorWindow::memoryViewerRequested, m_memoryViewer, &MemoryViewer::show);
        QObject::connect(editor, &ChannelEditorWindow::memoryViewerHideRequested, m_memoryViewer, &MemoryViewer::hide);
    }
    QObject::connect(&m_sideWindows->pages(), &info::RadioSetPages::memoryViewerRequested, m_memoryViewer,
                     &MemoryViewer::show);
    QObject::connect(m_window.get(), &MainWindow::exiting, m_memoryViewer, &MemoryViewer::closeForExit);
}

void RunningProgram::connectRadioLink(UserPrompts& prompts, bool searchPorts) {
    MainWindow* frame = m_window.get();
    m_radioLink = new RadioLink(*m_document, createSerialPort, frame);
    RadioLink* link = m_radioLink;
    link->setWindows(std::make_unique<comm::ModalLinkWindows>(prompts, *frame));
    QObject::connect(link, &RadioLink::portChanged, frame,
                     [frame](int number) { frame->statusPanels().setPort(number); });
    // "Show Memory Data": the viewer shows what a read or write left in the image.
    QObject::connect(link, &RadioLink::memoryViewRefreshRequested, m_memoryViewer, &MemoryViewer::refresh);
    QObject::connect(link, &RadioLink::tableMaxAddrChanged, m_memoryViewer, &MemoryViewer::setTableMaxAddr);
    frame->setCommunicationCommands({[link] { link->readRadio(); }, [link] { link->writeRadio(); },
                                     [link] { link->choosePort(); }, [link] { link->programSeveralRadios(); }});
    frame->compareCommands().setRadioCommand([link] { link->compareWithRadio(); });
    link->startPortTest(searchPorts);
}

RunningProgram::~RunningProgram() = default;

void RunningProgram::start(const QString& file) {
    showFillingScreen(*m_window);
    // The keyboard works at once, in the grid, also where no window manager activates
    // a new window.
    m_window->activateWindow();
    if (!file.isEmpty())
        m_window->fileCommands().openFile(file);
}

} // namespace qrt::gui
