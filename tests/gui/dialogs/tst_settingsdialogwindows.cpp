#include "DialogFixture.h"

#include "core/FileAccess.h"
#include "core/SettingsFile.h"
#include "gui/options/dialogs/PttIdPauseDialog.h"
#include "gui/options/dialogs/SerialNumberImport.h"
#include "gui/options/dialogs/VolumeDialog.h"
#include "options/PttIdPauseDialogModel.h"
#include "options/SettingsModel.h"
#include "options/VolumeDialogModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>

using namespace qrt;
using namespace qrt::test;

namespace {

template <class Widget> Widget* child(QWidget& parent, const QString& name) {
    auto* w = parent.findChild<Widget*>(name);
    if (!w)
        qWarning("no %s", qPrintable(name));
    return w;
}

QStringList volumeDefaults() {
    QStringList changes;
    const int positions[] = {63, 111, 143, 159, 175, 191, 207, 223, 239, 252};
    for (int step = 1; step <= 10; ++step)
        changes << QStringLiteral("cboVolumeDat%1=%2").arg(step).arg(positions[step - 1]);
    return changes << QStringLiteral("chkVolumeIic=1");
}

} // namespace

class TestSettingsDialogWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void volumeDialogLayout_data();
    void volumeDialogLayout();
    void volumeStepChosenByKeyboard_data();
    void volumeStepChosenByKeyboard();
    void useThisSetSwitched_data();
    void useThisSetSwitched();
    void volumeDefaultIsOneUndoStep();
    void volumeDialogShowsTheImage();

    void pauseDialogLayout();
    void pauseBoxes_data();
    void pauseBoxes();
    void pauseOptions_data();
    void pauseOptions();
    void pauseDialogOpensWithoutOptions();

    void serialImport_data();
    void serialImport();
    void serialImportCancelled();
    void serialImportOfUnreadableFile_data();
    void serialImportOfUnreadableFile();
};

// ---- Set Volume ----

void TestSettingsDialogWindows::volumeDialogLayout_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("firstLabel");
    QTest::addColumn<QString>("lastLabel");
    QTest::newRow("English") << Language::English << QStringLiteral("Volume  1 Level")
                             << QStringLiteral("Volume 10 Level");
    QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese << QStringLiteral("音量  1 级")
                                        << QStringLiteral("音量 10 级");
}

void TestSettingsDialogWindows::volumeDialogLayout() {
    QFETCH(Language, language);
    QFETCH(QString, firstLabel);
    QFETCH(QString, lastLabel);
    DialogFixture f(language);
    gui::VolumeDialog dialog(f.document->volumeDialog(), *f.context, f.window.get());
    QCOMPARE(dialog.objectName(), QStringLiteral("frmSetVolume"));
    QCOMPARE(dialog.parentWidget(), f.window.get());
    QCOMPARE(dialog.windowTitle(), f.context->text(TextId::SetVolume));
    QCOMPARE(child<QLabel>(dialog, "lblVolumeLevel1")->text(), firstLabel);
    QCOMPARE(child<QLabel>(dialog, "lblVolumeLevel10")->text(), lastLabel);
    for (int step = 1; step <= 10; ++step) {
        auto* label = child<QLabel>(dialog, QStringLiteral("lblVolumeLevel%1").arg(step));
        QCOMPARE(label->buddy(), dialog.stepList(step));
        QCOMPARE(dialog.stepList(step)->count(), 256);
        QCOMPARE(dialog.stepList(step)->accessibleName(), label->text());
    }
    QCOMPARE(child<QCheckBox>(dialog, "chkVolumeIic")->text(), f.context->text(TextId::UseThisVolumeSet));
    QCOMPARE(child<QPushButton>(dialog, "cmdDefault")->text(), f.context->text(TextId::VolumeDefault));
    QCOMPARE(child<QPushButton>(dialog, "cmdOk")->text(), f.context->text(TextId::VolumeOk));
}

void TestSettingsDialogWindows::volumeStepChosenByKeyboard_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("change");
    const QList<int> tenDown(10, Qt::Key_Down);
    QTest::newRow("step 1, Home then ten down") << 1 << (QList<int>{Qt::Key_Home} + tenDown) << "cboVolumeDat1=10";
    QTest::newRow("step 1, item 11") << 1 << (QList<int>{Qt::Key_Home} + tenDown + QList<int>{Qt::Key_Down})
                                     << "cboVolumeDat1=11";
    QTest::newRow("step 10, End") << 10 << QList<int>{Qt::Key_End} << "cboVolumeDat10=255";
    QTest::newRow("step 5, Home") << 5 << QList<int>{Qt::Key_Home} << "cboVolumeDat5=0";
}

void TestSettingsDialogWindows::volumeStepChosenByKeyboard() {
    QFETCH(int, step);
    QFETCH(QList<int>, keys);
    QFETCH(QString, change);
    DialogFixture f;
    f.save(QStringLiteral("start.dat"));
    gui::VolumeDialog dialog(f.document->volumeDialog(), *f.context, f.window.get());
    for (int key : keys)
        QTest::keyClick(dialog.stepList(step), Qt::Key(key));
    QCOMPARE(f.save(QStringLiteral("gui.dat")), f.cliSet(QStringLiteral("start.dat"), {change}));
}

void TestSettingsDialogWindows::useThisSetSwitched_data() {
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("mouse") << false;
    QTest::newRow("space bar") << true;
}

void TestSettingsDialogWindows::useThisSetSwitched() {
    QFETCH(bool, byKeyboard);
    DialogFixture f;
    f.save(QStringLiteral("start.dat"));
    gui::VolumeDialog dialog(f.document->volumeDialog(), *f.context, f.window.get());
    auto* box = child<QCheckBox>(dialog, "chkVolumeIic");
    const bool wasOn = box->isChecked();
    QCOMPARE(wasOn, f.document->image().at(0x1AB) == 0x5A);
    if (byKeyboard)
        QTest::keyClick(box, Qt::Key_Space);
    else
        QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(box->isChecked(), !wasOn);
    QCOMPARE(f.save(QStringLiteral("gui.dat")),
             f.cliSet(QStringLiteral("start.dat"), {QStringLiteral("chkVolumeIic=%1").arg(wasOn ? 0 : 1)}));
}

void TestSettingsDialogWindows::volumeDefaultIsOneUndoStep() {
    DialogFixture f;
    f.save(QStringLiteral("start.dat"));
    {
        gui::VolumeDialog dialog(f.document->volumeDialog(), *f.context, f.window.get());
        QTest::keyClick(dialog.stepList(3), Qt::Key_Home);
        QTest::keyClick(child<QCheckBox>(dialog, "chkVolumeIic"), Qt::Key_Space);
        const QByteArray beforeDefault = f.document->image().bytes();
        QTest::mouseClick(child<QPushButton>(dialog, "cmdDefault"), Qt::LeftButton);
        const int shown[] = {63, 111, 143, 159, 175, 191, 207, 223, 239, 252};
        for (int step = 1; step <= 10; ++step)
            QCOMPARE(dialog.stepList(step)->currentIndex(), shown[step - 1]);
        QVERIFY(child<QCheckBox>(dialog, "chkVolumeIic")->isChecked());
        QCOMPARE(int(f.document->image().at(0x1A0)), 0x00);
        QCOMPARE(f.save(QStringLiteral("gui.dat")), f.cliSet(QStringLiteral("start.dat"), volumeDefaults()));
        f.document->undoStack().undo();
        QCOMPARE(f.document->image().bytes(), beforeDefault);
        QTest::mouseClick(child<QPushButton>(dialog, "cmdOk"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }
}

void TestSettingsDialogWindows::volumeDialogShowsTheImage() {
    DialogFixture f;
    f.save(QStringLiteral("start.dat"));
    // Position 137 holds the code 0x5A.
    const QByteArray changed =
        f.cliSet(QStringLiteral("start.dat"), {QStringLiteral("cboVolumeDat2=137"), QStringLiteral("chkVolumeIic=0")});
    QVERIFY(f.appDir.writeFile(QStringLiteral("changed.dat"), changed));
    QVERIFY(f.open(QStringLiteral("changed.dat")));
    QCOMPARE(int(f.document->image().at(0x1A2)), 0x5A);
    gui::VolumeDialog dialog(f.document->volumeDialog(), *f.context, f.window.get());
    QCOMPARE(dialog.stepList(2)->currentIndex(), 137);
    QVERIFY(!child<QCheckBox>(dialog, "chkVolumeIic")->isChecked());
    // Opening changes nothing.
    QVERIFY(!f.document->isModified());
    QCOMPARE(f.save(QStringLiteral("gui.dat")), changed);
}

// ---- PTT ID pause channels ----

void TestSettingsDialogWindows::pauseDialogLayout() {
    DialogFixture f;
    gui::PttIdPauseDialog dialog(f.document->pttIdPauseDialog(), *f.context, f.window.get());
    QCOMPARE(dialog.objectName(), QStringLiteral("frmPttIdPauseChSet"));
    QCOMPARE(dialog.parentWidget(), f.window.get());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("PTT ID Pause In Channel Set"));
    QCOMPARE(dialog.channelBox(0)->text(), QStringLiteral("CH 1"));
    QCOMPARE(dialog.channelBox(15)->text(), QStringLiteral("CH 16"));
    QCOMPARE(child<QRadioButton>(dialog, "chkSelectAll")->text(), QStringLiteral("All"));
    QCOMPARE(child<QRadioButton>(dialog, "chkSelectNone")->text(), QStringLiteral("None"));
    QCOMPARE(child<QPushButton>(dialog, "cmdOk")->text(), QStringLiteral("OK"));
}

void TestSettingsDialogWindows::pauseBoxes_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QStringList>("changes");
    QTest::newRow("CH 3 on") << QList<int>{2} << QStringList{"chkPttIdPauseChSet2=1"};
    QTest::newRow("first and last") << QList<int>{0, 15}
                                    << QStringList{"chkPttIdPauseChSet0=1", "chkPttIdPauseChSet15=1"};
    QTest::newRow("on and off again") << QList<int>{4, 4}
                                      << QStringList{"chkPttIdPauseChSet4=1", "chkPttIdPauseChSet4=0"};
}

void TestSettingsDialogWindows::pauseBoxes() {
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, changes);
    DialogFixture f;
    f.save(QStringLiteral("start.dat"));
    gui::PttIdPauseDialog dialog(f.document->pttIdPauseDialog(), *f.context, f.window.get());
    for (int box : clicks)
        QTest::mouseClick(dialog.channelBox(box), Qt::LeftButton);
    QCOMPARE(f.save(QStringLiteral("gui.dat")), f.cliSet(QStringLiteral("start.dat"), changes));
}

void TestSettingsDialogWindows::pauseOptions_data() {
    QTest::addColumn<QStringList>("actions"); // "all", "none" or a box index
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<bool>("allShown");
    QTest::addColumn<bool>("noneShown");
    QStringList allOn, allOff, allButThird;
    for (int i = 0; i < 16; ++i) {
        allOn << QStringLiteral("chkPttIdPauseChSet%1=1").arg(i);
        allOff << QStringLiteral("chkPttIdPauseChSet%1=0").arg(i);
        allButThird << QStringLiteral("chkPttIdPauseChSet%1=%2").arg(i).arg(i == 2 ? 0 : 1);
    }
    QTest::newRow("All") << QStringList{"all"} << allOn << true << false;
    QTest::newRow("All, then None") << QStringList{"all", "none"} << allOff << false << true;
    QTest::newRow("All, then CH 3 off") << QStringList{"all", "2"} << allButThird << false << false;
    QTest::newRow("None, then CH 1 on") << QStringList{"none", "0"} << (allOff + QStringList{"chkPttIdPauseChSet0=1"})
                                        << false << false;
    QTest::newRow("All chosen twice") << QStringList{"all", "all"} << allOn << true << false;
}

void TestSettingsDialogWindows::pauseOptions() {
    QFETCH(QStringList, actions);
    QFETCH(QStringList, changes);
    QFETCH(bool, allShown);
    QFETCH(bool, noneShown);
    DialogFixture f;
    f.save(QStringLiteral("start.dat"));
    gui::PttIdPauseDialog dialog(f.document->pttIdPauseDialog(), *f.context, f.window.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* all = child<QRadioButton>(dialog, "chkSelectAll");
    auto* none = child<QRadioButton>(dialog, "chkSelectNone");
    for (const QString& action : actions) {
        if (action == QLatin1String("all"))
            QTest::mouseClick(all, Qt::LeftButton);
        else if (action == QLatin1String("none"))
            QTest::keyClick(none, Qt::Key_Space);
        else
            QTest::mouseClick(dialog.channelBox(action.toInt()), Qt::LeftButton);
    }
    QCOMPARE(all->isChecked(), allShown);
    QCOMPARE(none->isChecked(), noneShown);
    QCOMPARE(f.save(QStringLiteral("gui.dat")), f.cliSet(QStringLiteral("start.dat"), changes));
}

void TestSettingsDialogWindows::pauseDialogOpensWithoutOptions() {
    DialogFixture f;
    f.save(QStringLiteral("start.dat"));
    QVERIFY(f.appDir.writeFile(QStringLiteral("ch5.dat"),
                               f.cliSet(QStringLiteral("start.dat"), {QStringLiteral("chkPttIdPauseChSet4=1")})));
    QVERIFY(f.open(QStringLiteral("ch5.dat")));
    {
        gui::PttIdPauseDialog first(f.document->pttIdPauseDialog(), *f.context, f.window.get());
        for (int i = 0; i < 16; ++i)
            QCOMPARE(first.channelBox(i)->isChecked(), i == 4);
        QTest::mouseClick(child<QRadioButton>(first, "chkSelectNone"), Qt::LeftButton);
    }
    gui::PttIdPauseDialog second(f.document->pttIdPauseDialog(), *f.context, f.window.get());
    for (int i = 0; i < 16; ++i)
        QVERIFY(!second.channelBox(i)->isChecked());
    QVERIFY(!child<QRadioButton>(second, "chkSelectAll")->isChecked());
    QVERIFY(!child<QRadioButton>(second, "chkSelectNone")->isChecked());
}

// ---- serial-number import ----

void TestSettingsDialogWindows::serialImport_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<bool>("exampleShown");
    QTest::newRow("keys 1, 2 and 4") << QByteArray("[SerialNo]\r\n1=SN First\r\n2=SN Second\r\n4=SN Fourth\r\n")
                                     << QStringList{"0001 -- SN First", "0002 -- SN Second"} << false;
    QTest::newRow("Chinese, blanks trimmed")
        << QByteArray("[SerialNo]\n1=  编号一  \n") << QStringList{QStringLiteral("0001 -- 编号一")} << false;
    QTest::newRow("another section") << QByteArray("[Other]\n1=SN\n") << QStringList{} << true;
    QTest::newRow("empty file") << QByteArray() << QStringList{} << true;
}

void TestSettingsDialogWindows::serialImport() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, items);
    QFETCH(bool, exampleShown);
    DialogFixture f;
    f.save(QStringLiteral("start.dat"));
    QVERIFY(f.appDir.writeFile(QStringLiteral("serials.ini"), file));
    ScriptedPrompts prompts{ScriptedPrompts::Unscripted::OkIfOffered};
    prompts.fileNames << f.path(QStringLiteral("serials.ini"));
    gui::SerialNumberImport import(*f.document, prompts, f.window.get());
    QCOMPARE(import.exec(), int(items.size()));
    QVERIFY(prompts.boxes.isEmpty());
    QCOMPARE(prompts.dialogs.size(), 1);
    QCOMPARE(prompts.dialogs.first().title, f.context->text(TextId::ImportSerialNumbers));
    QCOMPARE(QDir(prompts.dialogs.first().folder), QDir(f.appDir.path()));
    const options::SettingsModel& settings = f.document->settings();
    QCOMPARE(settings.control(QStringLiteral("cboImportSeq"))->items, items);
    QCOMPARE(settings.control(QStringLiteral("txtSeqExample"))->visible, exampleShown);
    QCOMPARE(settings.control(QStringLiteral("chkAutoNextSn"))->visible, !items.isEmpty());
    // The first serial number becomes the message, as if typed.
    const QStringList changes = items.isEmpty()
                                    ? QStringList{"txtInfo1=" + settings.control(QStringLiteral("txtInfo1"))->text}
                                    : QStringList{"txtInfo1=" + items.first().mid(8)};
    QCOMPARE(f.save(QStringLiteral("gui.dat")), f.cliSet(QStringLiteral("start.dat"), changes));
}

void TestSettingsDialogWindows::serialImportCancelled() {
    DialogFixture f;
    const QByteArray before = f.document->image().bytes();
    ScriptedPrompts prompts{ScriptedPrompts::Unscripted::OkIfOffered}; // no file chosen
    gui::SerialNumberImport import(*f.document, prompts, f.window.get());
    QCOMPARE(import.exec(), -1);
    QVERIFY(prompts.boxes.isEmpty());
    QCOMPARE(f.document->image().bytes(), before);
    QVERIFY(!f.document->isModified());
}

void TestSettingsDialogWindows::serialImportOfUnreadableFile_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<bool>("folder"); // else a file too large to be a list
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder, English") << Language::English << true << QStringLiteral("It is a folder, not a file");
    QTest::newRow("folder, Simplified Chinese") << Language::SimplifiedChinese << true << QString();
    QTest::newRow("too large, Traditional Chinese") << Language::TraditionalChinese << false << QString();
}

void TestSettingsDialogWindows::serialImportOfUnreadableFile() {
    QFETCH(Language, language);
    QFETCH(bool, folder);
    QFETCH(QString, reason);
    DialogFixture f(language);
    if (folder)
        QVERIFY(QDir(f.appDir.path()).mkdir(QStringLiteral("serials.ini")));
    else
        QVERIFY(f.appDir.writeFile(QStringLiteral("serials.ini"), QByteArray(SettingsFile::MaxFileSize + 1, ' ')));
    // Every reason is told in the interface language.
    if (reason.isEmpty())
        reason = folder ? f.context->extraText(fileaccess::IsFolder)
                        : f.context->extraText(SettingsFile::TooLargeKey).arg(SettingsFile::MaxFileSize);
    QVERIFY(!reason.startsWith(QStringLiteral("file.")));
    ScriptedPrompts prompts{ScriptedPrompts::Unscripted::OkIfOffered};
    prompts.fileNames << f.path(QStringLiteral("serials.ini"));
    gui::SerialNumberImport import(*f.document, prompts, f.window.get());
    QCOMPARE(import.exec(), 0);
    QCOMPARE(prompts.boxes.size(), 1);
    const ScriptedPrompts::Box& box = prompts.boxes.first();
    QCOMPARE(box.parent, f.window.get());
    QCOMPARE(box.title, f.context->text(TextId::Notice));
    QVERIFY2(box.text.startsWith(f.context->text(TextId::ReadFileFailed)), qPrintable(box.text));
    QVERIFY2(box.text.endsWith(QLatin1Char('\n') + reason), qPrintable(box.text));
    QVERIFY(box.text.contains(QDir::toNativeSeparators(f.path(QStringLiteral("serials.ini")))));
    QVERIFY(f.document->settings().control(QStringLiteral("cboImportSeq"))->items.isEmpty());
}

QTEST_MAIN(TestSettingsDialogWindows)
#include "tst_settingsdialogwindows.moc"
