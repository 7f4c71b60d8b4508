#include "ShotCatalogue.h"

#include "core/AppContext.h"
#include "core/ErrorLog.h"
#include "document/Document.h"
#include "gui/channels/ChannelEditorWindow.h"
#include "gui/channels/CustomBandDialog.h"
#include "gui/comm/CommunicationWindow.h"
#include "gui/comm/PortDialog.h"
#include "gui/comm/RadioLink.h"
#include "gui/common/UserPrompts.h"
#include "gui/info/AboutDialog.h"
#include "gui/info/ErrorLogWindow.h"
#include "gui/info/RadioInfoPage.h"
#include "gui/info/RadioSetTreeWindow.h"
#include "gui/info/SettingsPageWindow.h"
#include "gui/memview/MemoryViewerWindow.h"
#include "gui/memview/PartFillDialog.h"
#include "gui/options/dialogs/PttIdPauseDialog.h"
#include "gui/options/dialogs/TwoToneGrids.h"
#include "gui/options/dialogs/VolumeDialog.h"
#include "gui/shell/MainWindow.h"
#include "gui/shell/PlatformServices.h"
#include "gui/shell/SideWindows.h"
#include "options/SettingsModel.h"

#include <QTabWidget>

#include <QCoreApplication>
#include <QMouseEvent>

namespace qrt::shots {

namespace {

template <class Window, class... Args> std::unique_ptr<QWidget> make(Args&&... args) {
    return std::make_unique<Window>(std::forward<Args>(args)...);
}

// The frame as the program shows it, with its docked windows.
std::unique_ptr<QWidget> frameWithSideWindows(ShotScene& s) {
    static gui::InertDocumentViewer viewer;
    static gui::InertRestarter restarter;
    auto frame = std::make_unique<gui::MainWindow>(s.document, s.prompts, viewer, restarter);
    new gui::SideWindows(*frame, s.context, std::make_unique<gui::info::ErrorLogWindow>(s.sampleErrors));
    return frame;
}

std::unique_ptr<QWidget> errorWindowInUse(ErrorLog& log) {
    auto window = make<gui::info::ErrorLogWindow>(log);
    log.logErr(QStringLiteral("modChMem->TextToAscii"), err::IndexOutOfRange);
    log.logErr(QStringLiteral("frmRadioInfo->InitOpt:"), err::FileNotFound);
    return window;
}

std::unique_ptr<QWidget> memoryViewer(ShotScene& s) {
    return make<gui::MemoryViewerWindow>(s.document, s.prompts, s.context.program().tableMaxAddr, &s.mainWindow);
}

std::unique_ptr<QWidget> partFill(ShotScene& s) {
    // The dialog belongs to a viewer; the viewer goes with the frame.
    auto* viewer = new gui::MemoryViewerWindow(s.document, s.prompts, s.context.program().tableMaxAddr, &s.mainWindow);
    return make<gui::PartFillDialog>(viewer->model(), s.context, s.prompts, s.context.program().tableMaxAddr, viewer);
}

// The channel editor with one settings page in front, unlocked as after start-up.
std::unique_ptr<QWidget> editorWithPage(ShotScene& s, int page) {
    auto editor = std::make_unique<gui::ChannelEditorWindow>(s.document, s.prompts);
    editor->setSettingsLocked(false);
    editor->settingsTabs()->setCurrentIndex(page);
    return editor;
}

// The communication objects live with the frame, as in the program.
gui::comm::RadioLink& radioLink(ShotScene& s) {
    auto* link = s.mainWindow.findChild<gui::comm::RadioLink*>();
    return link ? *link
                : *new gui::comm::RadioLink(s.document, s.prompts, s.mainWindow, createSerialPort, &s.mainWindow);
}

// The communication window; with the engineering frames revealed by the double-click gesture.
std::unique_ptr<QWidget> communicationWindow(ShotScene& s, TransferJob::Kind kind, bool engineering) {
    auto window = std::make_unique<gui::comm::CommunicationWindow>(radioLink(s), kind, &s.mainWindow);
    if (engineering) {
        radioLink(s).frameDoubleClicks() = 5;
        QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(window->findChild<QWidget*>(QStringLiteral("fraOne")), &click);
    }
    return window;
}

} // namespace

// One line per window: its file name, its size, and how the program builds it.
const std::vector<Shot>& shotCatalogue() {
    using namespace gui::info;
    static const std::vector<Shot> shots = {
        {"mdifrmMain", {1000, 700}, frameWithSideWindows},
        {"frmShowErr", {640, 180}, [](ShotScene& s) { return errorWindowInUse(s.sampleErrors); }},
        {"frmTreeView", {220, 320}, [](ShotScene& s) { return make<RadioSetTreeWindow>(s.context); }},
        {"frmRadioInfo", {}, [](ShotScene& s) { return make<RadioInfoPage>(s.context); }},
        {"frmSysSet", {480, 360}, [](ShotScene& s) { return make<SettingsPageWindow>(s.context); }},
        {"sstabSetMode0", {1000, 640}, [](ShotScene& s) { return editorWithPage(s, 0); }},
        {"sstabSetMode1", {1000, 640}, [](ShotScene& s) { return editorWithPage(s, 1); }},
        {"sstabSetMode2", {1000, 640}, [](ShotScene& s) { return editorWithPage(s, 2); }},
        {"sstabSetMode3", {1000, 640}, [](ShotScene& s) { return editorWithPage(s, 3); }},
        {"sstabSetMode4", {1000, 640}, [](ShotScene& s) { return editorWithPage(s, 4); }},
        {"sstabSetMode5", {1000, 640}, [](ShotScene& s) { return editorWithPage(s, 5); }},
        {"sstabSetMode6", {1000, 640}, [](ShotScene& s) { return editorWithPage(s, 6); }},
        {"sstabSetMode7", {1000, 640}, [](ShotScene& s) { return editorWithPage(s, 7); }},
        {"frmAboutSoft", {}, [](ShotScene& s) { return make<AboutDialog>(s.context, &s.mainWindow); }},
        {"frmSetVolume",
         {},
         [](ShotScene& s) { return make<gui::VolumeDialog>(s.document.volumeDialog(), s.context, &s.mainWindow); }},
        {"frmPttIdPauseChSet",
         {},
         [](ShotScene& s) {
             return make<gui::PttIdPauseDialog>(s.document.pttIdPauseDialog(), s.context, &s.mainWindow);
         }},
        {"vsfgGridTwoTone",
         {520, 0},
         [](ShotScene& s) { return make<gui::TwoToneGrids>(s.document.settings(), s.context); }},
        {"frmMemDat", {600, 420}, memoryViewer},
        {"frmPartFill", {}, partFill},
        {"frmCommun", {}, [](ShotScene& s) { return communicationWindow(s, TransferJob::Read, false); }},
        {"frmCommunEngineering", {}, [](ShotScene& s) { return communicationWindow(s, TransferJob::Write, true); }},
        {"frmCustomFre",
         {},
         [](ShotScene& s) { return make<gui::CustomBandDialog>(s.context, "", "", &s.mainWindow); }},
        {"frmToolCom",
         {},
         [](ShotScene& s) { return make<gui::comm::PortDialog>(s.context, radioLink(s).port(), &s.mainWindow); }},
    };
    return shots;
}

} // namespace qrt::shots
