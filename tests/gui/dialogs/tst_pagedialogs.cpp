// The settings pages' buttons open their dialogs; the two-tone grids sit in their frame.
#include "DialogFixture.h"

#include "gui/channels/ChannelEditorWindow.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

using namespace qrt;
using namespace qrt::test;

class TestPageDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buttonOpensItsDialog_data();
    void buttonOpensItsDialog();
    void twoToneGridsAreInTheirFrame();
};

void TestPageDialogs::buttonOpensItsDialog_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("two-way volume") << "cmdTwoWayVolSet"
                                    << "frmSetVolume";
    QTest::newRow("ptt id pause channels") << "cmdPttIdPauseChSet"
                                           << "frmPttIdPauseChSet";
}

void TestPageDialogs::buttonOpensItsDialog() {
    QFETCH(QString, button);
    QFETCH(QString, dialog);
    DialogFixture f;
    ScriptedPrompts prompts{ScriptedPrompts::Unscripted::OkIfOffered};
    gui::ChannelEditorWindow editor(*f.document, prompts);
    editor.show();
    auto* pushButton = editor.findChild<QPushButton*>(button);
    QVERIFY(pushButton);
    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->objectName();
            modal->close();
        }
    });
    pushButton->click();
    QCOMPARE(opened, dialog);
}

void TestPageDialogs::twoToneGridsAreInTheirFrame() {
    DialogFixture f;
    ScriptedPrompts prompts{ScriptedPrompts::Unscripted::OkIfOffered};
    gui::ChannelEditorWindow editor(*f.document, prompts);
    QWidget* frame = editor.findChild<QWidget*>(QStringLiteral("fraSysSet7"));
    QVERIFY(frame);
    QVERIFY(frame->findChild<QWidget*>(QStringLiteral("vsfgGridTwoTone0")));
    QVERIFY(frame->findChild<QWidget*>(QStringLiteral("vsfgGridTwoTone1")));
}

QTEST_MAIN(TestPageDialogs)
#include "tst_pagedialogs.moc"
