// The window for several radios in a row: its texts, a run started and stopped from the
// keyboard, and what it refuses, with a port where no radio answers.
#include "CommFixture.h"

#include "gui/comm/RadioSeriesWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

using namespace qrt;
using namespace qrt::comm;
using qrt::gui::comm::RadioSeriesWindow;
using qrt::test::CommFixture;

namespace {

constexpr int RunTimeoutMs = 60000;

template <class W> W* child(QWidget& window, const char* name) {
    return window.findChild<W*>(QString::fromLatin1(name));
}

} // namespace

class TestRadioSeriesWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void captionsComeFromTheTextTable_data();
    void captionsComeFromTheTextTable();
    void escapeStopsARunningRunAndCloses();
    void readNeedsAFolderThatCanBeWritten();
    void choicesOfTheLastRunComeBack();
};

void TestRadioSeriesWindow::captionsComeFromTheTextTable_data() {
    QTest::addColumn<Language>("language");
    QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese;
    QTest::newRow("Traditional Chinese") << Language::TraditionalChinese;
    QTest::newRow("English") << Language::English;
}

void TestRadioSeriesWindow::captionsComeFromTheTextTable() {
    QFETCH(Language, language);
    CommFixture f({1}, true, 1, language);
    RadioSeriesWindow window(*f.link, f.prompts, &f.frame);
    QCOMPARE(window.windowTitle(), f.text(TextId::SeveralRadiosTitle));
    QCOMPARE(child<QGroupBox>(window, "fraSetting")->title(), f.text(TextId::SeveralRadiosSetting));
    QCOMPARE(child<QGroupBox>(window, "fraCommunication")->title(), f.text(TextId::CommunicationFrame));
    QCOMPARE(child<QRadioButton>(window, "optWrite")->text(), f.text(TextId::SeveralRadiosWrite));
    QCOMPARE(child<QRadioButton>(window, "optRead")->text(), f.text(TextId::SeveralRadiosRead));
    QCOMPARE(child<QLabel>(window, "lblTimes")->text(), f.text(TextId::SeveralRadiosTimes));
    QCOMPARE(child<QLabel>(window, "lblInterval")->text(), f.text(TextId::SeveralRadiosInterval));
    QCOMPARE(child<QCheckBox>(window, "chkShowProgress")->text(), f.text(TextId::SeveralRadiosProgress));
    QCOMPARE(child<QPushButton>(window, "cmdStart")->text(), f.context->extraText("series.start"));
    // Heard by words, without the access key.
    QVERIFY(!child<QPushButton>(window, "cmdStart")->accessibleName().contains(QLatin1Char('&')));
    QCOMPARE(child<QSpinBox>(window, "txtTimes")->accessibleName(), f.text(TextId::SeveralRadiosTimes));
}

void TestRadioSeriesWindow::escapeStopsARunningRunAndCloses() {
    CommFixture f({1}, true);
    RadioSeriesWindow window(*f.link, f.prompts, &f.frame);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    child<QSpinBox>(window, "txtInterval")->setValue(1);
    QTest::keyClick(child<QPushButton>(window, "cmdStart"), Qt::Key_Space);
    QVERIFY(window.series().isRunning());
    QVERIFY(f.link->operationRunning());
    QVERIFY(!child<QGroupBox>(window, "fraSetting")->isEnabled());
    QVERIFY(child<QPushButton>(window, "cmdStop")->isEnabled());
    QCOMPARE(child<QLabel>(window, "lblStatus")->text(),
             QStringLiteral("Radio 1 of 10: connect the radio and switch it on."));

    // No radio answers; the user gives up.
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(QTest::qWaitFor([&] { return !window.isVisible(); }, RunTimeoutMs));
    QCOMPARE(window.series().ending(), RadioSeries::Ending::Stopped);
    QVERIFY(!f.link->operationRunning());
    QVERIFY(f.prompts.boxes.isEmpty());
}

void TestRadioSeriesWindow::readNeedsAFolderThatCanBeWritten() {
    CommFixture f({1}, true);
    RadioSeriesWindow window(*f.link, f.prompts, &f.frame);
    window.show();
    auto* folder = child<QLineEdit>(window, "txtFolder");
    QVERIFY(!folder->isEnabled());
    child<QRadioButton>(window, "optRead")->setChecked(true);
    QVERIFY(folder->isEnabled());

    // Browse puts the chosen folder into the box; a missing folder is refused at Start.
    const QString missing = f.dir.filePath(QStringLiteral("no-such-folder"));
    f.prompts.fileNames << missing;
    QTest::mouseClick(child<QPushButton>(window, "cmdBrowse"), Qt::LeftButton);
    QCOMPARE(folder->text(), QDir::toNativeSeparators(missing));
    QTest::mouseClick(child<QPushButton>(window, "cmdStart"), Qt::LeftButton);
    QCOMPARE(f.prompts.boxTexts(), QStringList{f.context->extraText("series.noFolder")});
    QVERIFY(!window.series().isRunning());
    QVERIFY(child<QGroupBox>(window, "fraSetting")->isEnabled());
    QVERIFY(!f.link->operationRunning());
}

void TestRadioSeriesWindow::choicesOfTheLastRunComeBack() {
    CommFixture f({1}, true);
    {
        RadioSeriesWindow window(*f.link, f.prompts, &f.frame);
        child<QRadioButton>(window, "optRead")->setChecked(true);
        child<QSpinBox>(window, "txtTimes")->setValue(7);
        child<QSpinBox>(window, "txtInterval")->setValue(3);
        child<QLineEdit>(window, "txtFolder")->setText(QDir::toNativeSeparators(f.dir.path()));
        window.start();
        QVERIFY(window.series().isRunning());
        window.series().stop();
        QVERIFY(QTest::qWaitFor([&] { return !window.series().isRunning(); }, RunTimeoutMs));
    }
    RadioSeriesWindow again(*f.link, f.prompts, &f.frame);
    QVERIFY(child<QRadioButton>(again, "optRead")->isChecked());
    QCOMPARE(child<QSpinBox>(again, "txtTimes")->value(), 7);
    QCOMPARE(child<QSpinBox>(again, "txtInterval")->value(), 3);
    QCOMPARE(child<QLineEdit>(again, "txtFolder")->text(), QDir::toNativeSeparators(f.dir.path()));
}

QTEST_MAIN(TestRadioSeriesWindow)
#include "tst_radioserieswindow.moc"
