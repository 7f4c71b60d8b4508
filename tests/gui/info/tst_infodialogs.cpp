#include "InfoFixture.h"
#include "gui/info/AboutDialog.h"
#include "gui/info/RadioInfoPage.h"
#include "gui/info/SettingsPageWindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace qrt;
using namespace qrt::gui::info;

namespace {

QString labelText(const QWidget& parent, const QString& name) {
    const auto* label = parent.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

} // namespace

class TestInfoDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void radioInfoTexts_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("captions"); // frame, model, range, version, last write
        QTest::newRow("Simplified Chinese")
            << Language::SimplifiedChinese << QStringList{"本机信息", "机型", "频段[MHz]", "软件版本", "上次写频时间"};
        QTest::newRow("Traditional Chinese")
            << Language::TraditionalChinese << QStringList{"本機信息", "機型", "頻段[MHz]", "軟體版本", "上次寫頻時間"};
        QTest::newRow("English") << Language::English
                                 << QStringList{"Radio Info", "Model Type", "Frequency[MHz]", "Soft Version",
                                                "Write Data Last Time"};
    }
    void radioInfoTexts() {
        QFETCH(Language, language);
        QFETCH(QStringList, captions);
        test::LanguageContext context(language);
        RadioInfoPage page(*context);

        const QStringList shown{page.frame()->title(), labelText(page, "lblModel"), labelText(page, "lblRange"),
                                labelText(page, "lblSoftVer"), labelText(page, "lblLastPc")};
        QCOMPARE(shown, captions);
        QCOMPARE(page.windowTitle(), captions.first());
        // Every caption names the box it stands for.
        for (const char* name : {"Model", "Range", "SoftVer", "LastPc"}) {
            auto* label = page.findChild<QLabel*>(QStringLiteral("lbl") + name);
            QCOMPARE(label->buddy(), page.findChild<QLineEdit*>(QStringLiteral("txt") + name));
        }
        QCOMPARE(page.findChild<QLineEdit*>("txtRange")->text(), QStringLiteral("400.00000 - 470.00000MHz"));
        QVERIFY(page.findChild<QLineEdit*>("txtModel")->text().isEmpty());
        QVERIFY(page.findChild<QLineEdit*>("txtSoftVer")->text().isEmpty());
        QVERIFY(page.findChild<QLineEdit*>("txtLastPc")->text().isEmpty());

        auto* ranges = page.findChild<QComboBox*>("cboRange");
        QStringList items;
        for (int i = 0; i < ranges->count(); ++i)
            items << ranges->itemText(i);
        QCOMPARE(items, (QStringList{"134.00000 - 174.00000MHz", "245.00000 - 246.00000MHz", "200.00000 - 260.00000MHz",
                                     "400.00000 - 470.00000MHz", "400.00000 - 520.00000MHz", "134.00000 - 520.00000MHz",
                                     "Custom"}));
    }

    // Double clicks on the debug label (L) and on the frame (F), in order, and how often
    // the memory viewer is asked for.
    void debugGesture_data() {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("viewerRequests");
        QTest::addColumn<bool>("debugModeAfter");
        QTest::newRow("frame alone") << "F" << 0 << false;
        QTest::newRow("label then frame") << "LF" << 1 << true;
        QTest::newRow("frame twice while on") << "LFF" << 2 << true;
        QTest::newRow("label twice turns it off") << "LLF" << 0 << false;
        QTest::newRow("on, off, on") << "LFLFLF" << 2 << true;
        QTest::newRow("label alone") << "L" << 0 << true;
    }
    void debugGesture() {
        QFETCH(QString, clicks);
        QFETCH(int, viewerRequests);
        QFETCH(bool, debugModeAfter);
        test::LanguageContext context(3);
        RadioInfoPage page(*context);
        page.resize(420, 300);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy viewer(&page, &RadioInfoPage::memoryViewerRequested);
        QVERIFY(!page.isDebugMode());

        // A spot of the frame with no control on it: just inside its top-left corner, below the title.
        const QPoint frameSpot(4, page.frame()->height() / 2);
        QVERIFY(!page.frame()->childAt(frameSpot));
        for (const QChar click : clicks) {
            if (click == 'L')
                QTest::mouseDClick(page.debugLabel(), Qt::LeftButton);
            else
                QTest::mouseDClick(page.frame(), Qt::LeftButton, {}, frameSpot);
        }
        QCOMPARE(viewer.count(), viewerRequests);
        QCOMPARE(page.isDebugMode(), debugModeAfter);
    }

    void settingsPageWindowTexts_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("print");
        QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese << "打印";
        QTest::newRow("Traditional Chinese") << Language::TraditionalChinese << "列印";
        QTest::newRow("English") << Language::English << "Print";
    }
    void settingsPageWindowTexts() {
        QFETCH(Language, language);
        QFETCH(QString, print);
        test::LanguageContext context(language);
        SettingsPageWindow window(*context);
        QCOMPARE(window.windowTitle(), QStringLiteral("整机设置"));
        QCOMPARE(window.findChild<QPushButton*>("cmdSysSetPrint")->text(), print);
        // The button asks for the frame's Print command.
        QSignalSpy requests(&window, &SettingsPageWindow::printRequested);
        QTest::mouseClick(window.findChild<QPushButton*>("cmdSysSetPrint"), Qt::LeftButton);
        QCOMPARE(requests.count(), 1);
    }

    void settingsPagesTakeTheFrame() {
        test::LanguageContext context(3);
        SettingsPageWindow window(*context);
        QPointer<QWidget> first = new QLabel(QStringLiteral("first"));
        window.setPages(first);
        QCOMPARE(first->parentWidget(), window.frame());
        auto* second = new QLabel(QStringLiteral("second"));
        window.setPages(second);
        QVERIFY(first.isNull());
        QCOMPARE(window.pages(), second);
        QCOMPARE(second->parentWidget(), window.frame());
    }

    void aboutTexts_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("useRange");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<bool>("hasDescription");
        QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese << "关于"
                                            << "QRT506系列对讲机编程软件"
                                            << "用于QRT506"
                                            << "版本 1.0"
                                            << "确定" << true;
        QTest::newRow("Traditional Chinese") << Language::TraditionalChinese << "關於"
                                             << "QRT506系列對講機編程軟體"
                                             << "用於QRT506"
                                             << "版本 1.0"
                                             << "確定" << true;
        QTest::newRow("English") << Language::English << "About"
                                 << "QRT506 Radio Programming Software"
                                 << "For QRT506"
                                 << "Version 1.0"
                                 << "OK" << true;
        QTest::newRow("unknown language") << static_cast<Language>(9) << "About"
                                          << "QRT506 Radio Programming Software"
                                          << "For QRT506"
                                          << "Version 1.0"
                                          << "OK" << true;
    }
    void aboutTexts() {
        QFETCH(Language, language);
        QFETCH(QString, caption);
        QFETCH(QString, title);
        QFETCH(QString, useRange);
        QFETCH(QString, version);
        QFETCH(QString, ok);
        QFETCH(bool, hasDescription);
        test::LanguageContext context(languageNumber(language)); // 9: stored as it stands
        QWidget owner;
        AboutDialog dialog(*context, &owner);
        dialog.show();

        QCOMPARE(dialog.parentWidget(), &owner);
        QVERIFY(dialog.isModal());
        QCOMPARE(dialog.windowTitle(), caption);
        QCOMPARE(labelText(dialog, "lblTitle"), title);
        QCOMPARE(labelText(dialog, "lblUseRange"), useRange);
        QCOMPARE(labelText(dialog, "lblVersion"), version);
        QCOMPARE(dialog.okButton()->text(), ok);
        QCOMPARE(!labelText(dialog, "lblDescription").isEmpty(), hasDescription);
        QVERIFY(!labelText(dialog, "lblRelease").isEmpty());
        QVERIFY(dialog.label("lblRights")->isVisible());
        QVERIFY(!dialog.label("lblRights")->text().isEmpty());
        QCOMPARE(dialog.label("lblTitle")->font().pointSize(), AboutDialog::TitlePointSize);
        QCOMPARE(dialog.label("lblVersion")->font().family(), context->program().uiFontName());
        QVERIFY(!dialog.findChild<QLabel*>("picAboutSoft")->pixmap().isNull());
    }

    void aboutClosesOnOk_data() {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("click") << false;
        QTest::newRow("Enter") << true;
    }
    void aboutClosesOnOk() {
        QFETCH(bool, byKeyboard);
        test::LanguageContext context(3);
        AboutDialog dialog(*context);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (byKeyboard)
            QTest::keyClick(&dialog, Qt::Key_Return);
        else
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(dialog.isHidden());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestInfoDialogs)
#include "tst_infodialogs.moc"
