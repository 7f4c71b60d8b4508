// Every window as the program shows it on a 1024x768 screen, in every language: its frame
// lies on the screen and every text in it can be read whole.
#include "ScriptedPrompts.h"
#include "ShotCatalogue.h"
#include "SilentPrompts.h"
#include "TestSupport.h"
#include "TextFit.h"
#include "core/AppContext.h"
#include "core/ErrorLog.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "gui/channels/ChannelEditorWindow.h"
#include "gui/channels/ChannelGridView.h"
#include "gui/comm/CommunicationWindow.h"
#include "gui/common/ScreenPlacement.h"
#include "gui/shell/MainWindow.h"
#include "gui/shell/PlatformServices.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

using namespace qrt;

namespace {

// A started program in one language with the factory data open, and a frame for the
// dialogs' parent.
struct Scene {
    explicit Scene(Language language, gui::UserPrompts* framePrompts = nullptr) {
        document = startProgram(context, language);
        document->openFile(appDir.filePath(QStringLiteral("DefRadioSet.def")));
        frame = std::make_unique<gui::MainWindow>(*document, framePrompts ? *framePrompts : prompts, viewer, restarter);
    }
    shots::ShotScene shotScene() { return {context, *document, prompts, sampleErrors, *frame}; }

    test::TempAppDir appDir;
    AppContext context{appDir.path()};
    std::unique_ptr<Document> document;
    shots::SilentPrompts prompts;
    ErrorLog sampleErrors;
    gui::InertDocumentViewer viewer;
    gui::InertRestarter restarter;
    std::unique_ptr<gui::MainWindow> frame;
};

const char* const LanguageNames[] = {"", "Simplified Chinese", "Traditional Chinese", "English"};

} // namespace

class TestWindowFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QVERIFY2(screen == shots::SmallestScreen, "the offscreen platform did not take the screen size");
    }

    void everyWindowFits_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("window");
        for (const Language language : AllLanguages)
            for (const shots::Shot& shot : shots::shotCatalogue())
                QTest::addRow("%s, %s", LanguageNames[languageNumber(language)], qPrintable(shot.name))
                    << language << shot.name;
    }
    void everyWindowFits() {
        QFETCH(Language, language);
        QFETCH(QString, window);
        Scene scene(language);
        shots::ShotScene shotScene = scene.shotScene();
        for (const shots::Shot& shot : shots::shotCatalogue()) {
            if (shot.name != window)
                continue;
            const std::unique_ptr<QWidget> shown = shots::showShot(shot, shotScene);
            const QString offScreen = test::offScreen(*shown);
            QVERIFY2(offScreen.isEmpty(), qPrintable(offScreen));
            const QStringList cut = test::cutTexts(*shown);
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        }
    }

    // The settings file's column width is kept where it is wider than the caption.
    void columnsKeepTheSettingsWidth() {
        Scene scene(Language::English);
        auto* editor = static_cast<gui::ChannelEditorWindow*>(scene.frame->channelEditor());
        const QHeaderView* header = editor->grid()->horizontalHeader();
        const QAbstractItemModel* model = editor->grid()->model();
        for (int column = 0; column < model->columnCount(); ++column) {
            const int settingsWidth = model->headerData(column, Qt::Horizontal, Qt::SizeHintRole).toSize().width();
            QVERIFY2(header->sectionSize(column) >= settingsWidth, qPrintable(QString::number(column)));
        }
        QCOMPARE(header->sectionSize(1), model->headerData(1, Qt::Horizontal, Qt::SizeHintRole).toSize().width());
    }

    // Imported serial numbers show in the list without making the page scroll sideways.
    void embeddedMessagePageAfterAnImport_data() {
        QTest::addColumn<Language>("language");
        for (const Language language : AllLanguages)
            QTest::newRow(LanguageNames[languageNumber(language)]) << language;
    }
    void embeddedMessagePageAfterAnImport() {
        QFETCH(Language, language);
        test::ScriptedPrompts prompts{test::ScriptedPrompts::Unscripted::Close};
        Scene scene(language, &prompts);
        QVERIFY(scene.appDir.writeFile(QStringLiteral("serials.ini"),
                                       "[SerialNo]\n1=SN-2024-00000001\n2=SN-2024-00000002\n"));
        prompts.fileNames << scene.appDir.filePath(QStringLiteral("serials.ini"));
        auto* editor = static_cast<gui::ChannelEditorWindow*>(scene.frame->channelEditor());
        editor->setSettingsLocked(false);
        editor->settingsTabs()->setCurrentIndex(7);
        gui::showFillingScreen(*scene.frame);
        QCoreApplication::processEvents();

        auto* import = editor->findChild<QPushButton*>(QStringLiteral("cmdImportSeq"));
        QVERIFY(import);
        QTest::mouseClick(import, Qt::LeftButton);
        QCoreApplication::processEvents();

        QCOMPARE(prompts.dialogs.size(), 1);
        auto* list = editor->findChild<QComboBox*>(QStringLiteral("cboImportSeq"));
        QCOMPARE(list->count(), 2);
        const QStringList cut = test::cutTexts(*scene.frame);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    // Revealing the engineering frames grows the window downwards; it moves up to stay on
    // the screen.
    void communicationWindowStaysOnScreenWhenItGrows() {
        Scene scene(Language::English);
        shots::ShotScene shotScene = scene.shotScene();
        const auto& catalogue = shots::shotCatalogue();
        const auto shot = std::find_if(catalogue.begin(), catalogue.end(),
                                       [](const shots::Shot& s) { return s.name == QLatin1String("frmCommun"); });
        QVERIFY(shot != catalogue.end());
        const std::unique_ptr<QWidget> window = shots::showShot(*shot, shotScene);
        auto* communication = qobject_cast<gui::comm::CommunicationWindow*>(window.get());
        QVERIFY(communication);
        const QRect screen = window->screen()->availableGeometry();
        window->move(window->x(), screen.bottom() - window->frameGeometry().height() - 10);
        QVERIFY(test::offScreen(*window).isEmpty());

        QWidget* topFrame = window->findChild<QWidget*>(QStringLiteral("fraOne"));
        for (int i = 0; i < 6; ++i)
            QTest::mouseDClick(topFrame, Qt::LeftButton);
        QVERIFY(communication->engineeringShown());
        QVERIFY2(test::offScreen(*window).isEmpty(), qPrintable(test::offScreen(*window)));
    }

    void placedWithinTheAvailableArea_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("inside stays") << QRect(10, 10, 100, 100) << QRect(10, 10, 100, 100);
        QTest::newRow("below moves up") << QRect(10, 700, 100, 100) << QRect(10, 668, 100, 100);
        QTest::newRow("right moves left") << QRect(1000, 10, 100, 100) << QRect(924, 10, 100, 100);
        QTest::newRow("above moves down") << QRect(-20, -30, 100, 100) << QRect(0, 0, 100, 100);
        QTest::newRow("taller keeps its top on the area") << QRect(10, 300, 100, 900) << QRect(10, 0, 100, 900);
    }
    void placedWithinTheAvailableArea() {
        QFETCH(QRect, frame);
        QFETCH(QRect, placed);
        QCOMPARE(gui::placedWithin(frame, QRect(0, 0, 1024, 768)), placed);
    }
};

int main(int argc, char* argv[]) {
    const shots::OffscreenScreen screen(shots::SmallestScreen);
    QApplication app(argc, argv);
    TestWindowFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowfit.moc"
