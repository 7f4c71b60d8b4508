// Qt's own texts (message box buttons, file dialogs) follow the interface language; a
// translation missing on this computer leaves them English without a fuss.
#include "ShellFixture.h"
#include "gui/shell/ProgramLaunch.h"
#include "gui/shell/QtTranslations.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace qrt;

namespace {

// What a Yes/No question's buttons say.
QStringList questionButtons() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"),
                    QMessageBox::Yes | QMessageBox::No);
    return {box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text()};
}

const QStringList English{QStringLiteral("&Yes"), QStringLiteral("&No")};

} // namespace

class TestQtTranslations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buttonsInTheLanguage_data();
    void buttonsInTheLanguage();
    void missingTranslationKeepsEnglish();
    void fileDialogAsksInTheLanguage();
    void programInstallsItForItsLanguage();
};

void TestQtTranslations::buttonsInTheLanguage_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("Simplified Chinese") << Language::SimplifiedChinese << true << QStringList{"是(&Y)", "否(&N)"};
    QTest::newRow("Traditional Chinese") << Language::TraditionalChinese << true << QStringList{"是(&Y)", "否(&N)"};
    QTest::newRow("English") << Language::English << false << English;
}

void TestQtTranslations::buttonsInTheLanguage() {
    QFETCH(Language, language);
    QFETCH(bool, installed);
    QFETCH(QStringList, buttons);
    {
        const gui::QtTranslations translations(language);
        QCOMPARE(translations.installed(), installed);
        QCOMPARE(questionButtons(), buttons);
    }
    // Removed with the object.
    QCOMPARE(questionButtons(), English);
}

void TestQtTranslations::missingTranslationKeepsEnglish() {
    const QTemporaryDir empty;
    const gui::QtTranslations translations(Language::SimplifiedChinese, empty.path());
    QVERIFY(!translations.installed());
    QCOMPARE(questionButtons(), English);
}

// The file dialog's own question before it replaces a file, and its buttons.
void TestQtTranslations::fileDialogAsksInTheLanguage() {
    const gui::QtTranslations translations(Language::SimplifiedChinese);
    QCOMPARE(QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?"),
             QStringLiteral("%1 已存在。\n您想要替换它吗？"));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QCOMPARE(dialog.labelText(QFileDialog::Reject), QStringLiteral("取消"));
}

void TestQtTranslations::programInstallsItForItsLanguage() {
    test::TempAppDir appDir;
    SettingsFile settings(appDir.filePath(AppContext::SettingsFileName));
    settings.write(QStringLiteral("Setting"), QStringLiteral("FirRun"), QStringLiteral("0"));
    settings.write(QStringLiteral("Setting"), QStringLiteral("Language"), QStringLiteral("2"));
    test::ScriptedPrompts prompts{test::ScriptedPrompts::Unscripted::Close};
    test::RecordingViewer files;
    test::RecordingRestarter restarter;
    {
        gui::RunningProgram program(appDir.path(), prompts, files, restarter);
        QCOMPARE(program.context().language(), Language::TraditionalChinese);
        QCOMPARE(questionButtons(), (QStringList{"是(&Y)", "否(&N)"}));
    }
    QCOMPARE(questionButtons(), English);
}

QTEST_MAIN(TestQtTranslations)
#include "tst_qttranslations.moc"
