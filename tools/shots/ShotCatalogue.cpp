#include "ShotCatalogue.h"

#include "comm/RadioLink.h"
#include "core/AppContext.h"
#include "core/ChannelCodec.h"
#include "core/ErrorLog.h"
#include "core/RadioImage.h"
#include "document/ConfigurationCheck.h"
#include "document/Document.h"
#include "gui/channels/ChannelEditorWindow.h"
#include "gui/channels/CustomBandDialog.h"
#include "gui/comm/CommunicationWindow.h"
#include "gui/comm/PortDialog.h"
#include "gui/comm/RadioSeriesWindow.h"

#include "gui/common/ComparisonWindow.h"
#include "gui/common/FindingsDialog.h"
#include "gui/common/ScreenPlacement.h"
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
#include "gui/print/PrintSelectionDialog.h"
#include "gui/shell/CompareCommands.h"
#include "gui/shell/MainWindow.h"
#include "gui/shell/PlatformServices.h"
#include "gui/shell/SideWindows.h"
#include "options/SettingsModel.h"

#include <QTabWidget>

#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>

namespace qrt::shots {

using namespace qrt::comm;

namespace {

template <class Window, class... Args> std::unique_ptr<QWidget> make(Args&&... args) {
    return std::make_unique<Window>(std::forward<Args>(args)...);
}

// The frame as the program shows it, with its docked windows.
std::unique_ptr<gui::MainWindow> frameWithSideWindows(ShotScene& s) {
    static gui::InertDocumentViewer viewer;
    static gui::InertRestarter restarter;
    auto frame = std::make_unique<gui::MainWindow>(s.document, s.prompts, viewer, restarter);
    new gui::SideWindows(*frame, s.context, std::make_unique<gui::info::ErrorLogWindow>(s.sampleErrors));
    return frame;
}

// The frame with one settings page in front, unlocked as after start-up.
std::unique_ptr<QWidget> frameWithPage(ShotScene& s, int page) {
    auto frame = frameWithSideWindows(s);
    auto* editor = static_cast<gui::ChannelEditorWindow*>(frame->channelEditor());
    editor->setSettingsLocked(false);
    editor->settingsTabs()->setCurrentIndex(page);
    return frame;
}

// The frame with a page of the radio set tree in front, as a click in the tree shows it.
std::unique_ptr<QWidget> frameWithTreePage(ShotScene& s, const QString& key) {
    auto frame = frameWithSideWindows(s);
    frame->findChild<gui::SideWindows*>()->tree().activateEntry(key);
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

// The communication objects live with the frame, as in the program.
RadioLink& radioLink(ShotScene& s) {
    auto* link = s.mainWindow.findChild<RadioLink*>();
    return link ? *link : *new RadioLink(s.document, createSerialPort, &s.mainWindow);
}

// The communication window; with the engineering frames revealed by the double-click gesture.
std::unique_ptr<QWidget> communicationWindow(ShotScene& s, TransferJob::Kind kind, bool engineering) {
    auto window = std::make_unique<gui::comm::CommunicationWindow>(radioLink(s), s.prompts, kind, &s.mainWindow);
    if (engineering) {
        radioLink(s).frameDoubleClicks() = 5;
        QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(window->findChild<QWidget*>(QStringLiteral("fraOne")), &click);
    }
    return window;
}

// The check before writing with what it finds in the data (the untitled data: no channel).
std::unique_ptr<QWidget> findingsBeforeWriting(ShotScene& s) {
    return make<gui::FindingsDialog>(
        &s.mainWindow, s.context.extraText(QStringLiteral("check.title")),
        s.context.extraText(QStringLiteral("check.intro")), configcheck::findingTexts(s.document),
        s.context.extraText(QStringLiteral("check.writeAnyway")), s.context.extraText(QStringLiteral("check.cancel")));
}

// File → "Compare with File..." with a file that holds this data but for channel 2: another
// frequency and another decode tone.
std::unique_ptr<QWidget> comparisonWithFile(ShotScene& s) {
    RadioImage file = s.document.image();
    ChannelCodec codec(s.context.tones(), nullptr);
    ChannelTable channels;
    codec.decodeAll(file, s.context.channelDef(), channels);
    constexpr int Channel = 2;
    constexpr qint32 Frequency = 44600625; // 446.00625 MHz in 10 Hz units
    channels.setValue(Channel, ChannelTable::RxColumn, Frequency);
    channels.setValue(Channel, ChannelTable::TxColumn, Frequency);
    channels.setDecodeTone(Channel, QStringLiteral("D023N"));
    codec.encodeChannel(channels, Channel, file);
    return gui::fileComparisonWindow(s.document, file, &s.mainWindow);
}

// Program → "Auto Read/Write"; its folder for read files is one a user has typed, so that
// the folder of this machine's application data stays out of the picture.
std::unique_ptr<QWidget> seriesWindow(ShotScene& s) {
    auto window = std::make_unique<gui::comm::RadioSeriesWindow>(radioLink(s), s.prompts, &s.mainWindow);
    window->findChild<QLineEdit*>(QStringLiteral("txtFolder"))->setText(QStringLiteral("radios"));
    return window;
}

} // namespace

// One line per window: its file name, how it is placed, and how the program builds it.
const std::vector<Shot>& shotCatalogue() {
    using namespace gui::info;
    constexpr auto Own = Shot::OwnSize;
    constexpr auto Given = Shot::GivenSize;
    constexpr auto Fills = Shot::FillsScreen;
    const auto page = [](int index) { return [index](ShotScene& s) { return frameWithPage(s, index); }; };
    static const std::vector<Shot> shots = {
        {"mdifrmMain", Fills, {}, [](ShotScene& s) { return frameWithSideWindows(s); }},
        {"frmShowErr", Given, {640, 180}, [](ShotScene& s) { return errorWindowInUse(s.sampleErrors); }},
        {"frmTreeView", Given, {220, 320}, [](ShotScene& s) { return make<RadioSetTreeWindow>(s.context); }},
        {"frmRadioInfo",
         Fills,
         {},
         [](ShotScene& s) { return frameWithTreePage(s, RadioSetTreeWindow::RadioInfoKey); }},
        {"frmSysSet", Fills, {}, [](ShotScene& s) { return frameWithTreePage(s, RadioSetTreeWindow::SettingsKey); }},
        {"sstabSetMode0", Fills, {}, page(0)},
        {"sstabSetMode1", Fills, {}, page(1)},
        {"sstabSetMode2", Fills, {}, page(2)},
        {"sstabSetMode3", Fills, {}, page(3)},
        {"sstabSetMode4", Fills, {}, page(4)},
        {"sstabSetMode5", Fills, {}, page(5)},
        {"sstabSetMode6", Fills, {}, page(6)},
        {"sstabSetMode7", Fills, {}, page(7)},
        {"frmAboutSoft", Own, {}, [](ShotScene& s) { return make<AboutDialog>(s.context, &s.mainWindow); }},
        {"frmPrintSelect",
         Own,
         {},
         [](ShotScene& s) { return make<gui::PrintSelectionDialog>(s.context, &s.mainWindow); }},
        {"frmCustomFre",
         Own,
         {},
         [](ShotScene& s) { return make<gui::CustomBandDialog>(s.context, QString(), QString(), &s.mainWindow); }},
        {"frmSetVolume",
         Own,
         {},
         [](ShotScene& s) { return make<gui::VolumeDialog>(s.document.volumeDialog(), s.context, &s.mainWindow); }},
        {"frmPttIdPauseChSet",
         Own,
         {},
         [](ShotScene& s) {
             return make<gui::PttIdPauseDialog>(s.document.pttIdPauseDialog(), s.context, &s.mainWindow);
         }},
        {"vsfgGridTwoTone",
         Own,
         {},
         [](ShotScene& s) { return make<gui::TwoToneGrids>(s.document.settings(), s.context); }},
        {"frmMemDat", Own, {}, memoryViewer},
        {"frmPartFill", Own, {}, partFill},
        {"frmCommun", Own, {}, [](ShotScene& s) { return communicationWindow(s, TransferJob::Read, false); }},
        {"frmCommunEngineering",
         Own,
         {},
         [](ShotScene& s) { return communicationWindow(s, TransferJob::Write, true); }},
        {"frmSeveralRadios", Own, {}, seriesWindow},
        {"frmToolCom",
         Own,
         {},
         [](ShotScene& s) { return make<gui::comm::PortDialog>(s.context, radioLink(s).port(), &s.mainWindow); }},
        {"frmFindings", Own, {}, findingsBeforeWriting},
        {"frmComparison", Own, {}, comparisonWithFile},
    };
    return shots;
}

std::unique_ptr<QWidget> showShot(const Shot& shot, ShotScene& scene) {
    std::unique_ptr<QWidget> window = shot.build(scene);
    switch (shot.placement) {
    case Shot::OwnSize:
        window->show();
        break;
    case Shot::GivenSize:
        window->resize(shot.size);
        window->show();
        break;
    case Shot::FillsScreen:
        gui::showFillingScreen(*window);
        break;
    }
    // Layouts, queued placements and the grid's delayed work settle.
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    return window;
}

OffscreenScreen::OffscreenScreen(QSize size) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen")
        return;
    const QString config = QStringLiteral(R"({"screens": [{"name": "shots", "x": 0, "y": 0, "width": %1,)"
                                          R"( "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                               .arg(size.width())
                               .arg(size.height());
    if (!m_config.open() || m_config.write(config.toUtf8()) < 0 || !m_config.flush())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(m_config.fileName()));
}

} // namespace qrt::shots
