#include "ShellFixture.h"
#include "gui/print/PrintSelectionDialog.h"
#include "gui/print/SheetPrinting.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using namespace qrt;
using gui::PrintSelectionDialog;

namespace {

// The frame with its Print command asked for (Ctrl+P); the print selection view is open.
struct PrintFixture : test::ShellFixture {
    PrintFixture() {
        document->channelModel().setReceiveFrequency(2, QStringLiteral("446.00625"));
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keySequence(window.get(), QKeySequence(QStringLiteral("Ctrl+P")));
        view = window->findChild<PrintSelectionDialog*>(QStringLiteral("frmPrintSelect"));
    }
    QCheckBox* box(const char* name) const { return view->findChild<QCheckBox*>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) const { return view->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QString notice() const { return window->findChild<QLabel*>(QStringLiteral("statusNotice"))->text(); }

    PrintSelectionDialog* view = nullptr;
};

} // namespace

class TestSheetPrinting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void selectionViewChoices();
    void savesThePdfOfTheChosenItems();
    void failedPdfIsTold();
};

void TestSheetPrinting::selectionViewChoices() {
    PrintFixture f;
    QVERIFY(f.view && f.view->isVisible());
    QCOMPARE(f.view->windowTitle(), QStringLiteral("Select Print Content"));
    QCOMPARE(f.view->findChild<QGroupBox*>()->title(), QStringLiteral("Item"));
    QStringList captions;
    for (const char* name : {"chkPrintCover", "chkPrintSettings", "chkPrintChannels"}) {
        QVERIFY(f.box(name)->isChecked());
        captions << f.box(name)->text();
    }
    QCOMPARE(captions, (QStringList{"Cover", "Radio Settings", "Channel Information"}));
    QCOMPARE(f.button("cmdPrint")->text(), QStringLiteral("Print"));
    QCOMPARE(f.button("cmdCancel")->text(), QStringLiteral("Cancel"));

    // Nothing chosen, nothing to print.
    for (const char* name : {"chkPrintCover", "chkPrintSettings", "chkPrintChannels"})
        f.box(name)->click();
    QVERIFY(!f.button("cmdPrint")->isEnabled());
    QVERIFY(!f.button("cmdPrintPdf")->isEnabled());
    f.box("chkPrintSettings")->click();
    QVERIFY(f.button("cmdPrint")->isEnabled() && f.button("cmdPrintPdf")->isEnabled());
    const print::SheetItems items = f.view->items();
    QVERIFY(!items.cover && items.settings && !items.channels);

    // A second Ctrl+P brings the same view to the front.
    QTest::keySequence(f.window.get(), QKeySequence(QStringLiteral("Ctrl+P")));
    QCOMPARE(f.window->findChildren<PrintSelectionDialog*>().size(), 1);
    f.button("cmdCancel")->click();
    QTRY_VERIFY(f.window->findChildren<PrintSelectionDialog*>().isEmpty());
    QVERIFY(f.prompts.dialogs.isEmpty());
    QVERIFY(f.prompts.boxes.isEmpty());
}

void TestSheetPrinting::savesThePdfOfTheChosenItems() {
    PrintFixture f;
    const QString path = f.appDir.filePath(QStringLiteral("sheet.pdf"));
    f.prompts.fileNames.enqueue(path);
    f.box("chkPrintSettings")->click();
    f.button("cmdPrintPdf")->click();
    QCOMPARE(f.prompts.dialogs.size(), 1);
    QVERIFY(f.prompts.dialogs.first().save);
    QCOMPARE(f.prompts.dialogs.first().filter, QStringLiteral("PDF files (*.pdf)"));
    QVERIFY(f.prompts.dialogs.first().folder.endsWith(QStringLiteral("Untitled.pdf")));
    QVERIFY(f.prompts.boxes.isEmpty());
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QCOMPARE(f.notice(), QStringLiteral("Ready"));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the PDF's text is not checked");
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    text.waitForFinished(-1);
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY(printed.contains(QStringLiteral("446.00625")));
    QVERIFY(printed.contains(QStringLiteral("Channel Information")));
    QVERIFY(!printed.contains(QStringLiteral("Radio Settings")));
}

void TestSheetPrinting::failedPdfIsTold() {
    PrintFixture f;
    f.prompts.fileNames.enqueue(f.appDir.filePath(QStringLiteral("no/such/folder/sheet.pdf")));
    f.button("cmdPrintPdf")->click();
    QCOMPARE(f.prompts.boxes.size(), 1);
    QVERIFY2(f.prompts.boxes.first().text.startsWith(QStringLiteral("Print occur error!\n")),
             qPrintable(f.prompts.boxes.first().text));
    QCOMPARE(f.notice(), QStringLiteral("Ready"));
}

QTEST_MAIN(TestSheetPrinting)
#include "tst_sheetprinting.moc"
