#include "TestSupport.h"
#include "channels/ChannelTableModel.h"
#include "core/AppContext.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "options/SettingsModel.h"
#include "print/ChannelSheet.h"
#include "print/SheetPdf.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>

using namespace qrt;

namespace {

// The factory data with a few channels of every kind typed over it, in a language.
struct SheetFixture {
    explicit SheetFixture(int languageNumber) {
        const Language language = static_cast<Language>(languageNumber);
        context = std::make_unique<AppContext>(dir.path());
        document = startProgram(*context, language);
        document->openFile(dir.filePath(AppContext::FactoryFileName));
        channels::ChannelTableModel& table = document->channelModel();
        table.setReceiveFrequency(3, QStringLiteral("446.00625"));
        table.setTone(3, 3, QStringLiteral("D023I"));
        table.setReceiveFrequency(16, QStringLiteral("469.9875"));
        table.setTransmitFrequency(16, QString());
        table.setTone(16, 3, QStringLiteral("254.1"));
        document->settings().selectItem(QStringLiteral("cboTot"), 4);
    }
    // Every used channel's receive frequency and decode tone as the grid shows them.
    QStringList usedChannelTexts() const {
        QStringList texts;
        const channels::ChannelTableModel& table = document->channelModel();
        for (int n = 1; n <= table.channelCount(); ++n) {
            if (document->channels().isInUse(n))
                texts << table.cellText(n, ChannelTable::RxColumn) << table.cellText(n, 3);
        }
        return texts;
    }
    std::unique_ptr<QTextDocument> sheet(const print::SheetItems& items = {}) {
        return print::channelSheet(*document, items, QDateTime(QDate(2026, 3, 1), QTime(9, 30)));
    }

    test::TempAppDir dir;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<Document> document;
};

// The text of a PDF. Some Chinese characters come out as their look-alike Kangxi radicals
// (the font's glyph serves both); compatibility normalisation brings them back.
QString pdfText(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(-1);
    return QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

} // namespace

class TestChannelSheet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pdfHoldsEveryUsedChannel_data();
    void pdfHoldsEveryUsedChannel();
    void fitsTheWidthOfA4AndLetter_data();
    void fitsTheWidthOfA4AndLetter();
    void chosenItemsOnly_data();
    void chosenItemsOnly();
    void settingsShownAsThePages();
    void itemsFromTheCommandLine_data();
    void itemsFromTheCommandLine();
    void unwritablePdfFails();
};

void TestChannelSheet::pdfHoldsEveryUsedChannel_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("Simplified Chinese") << 1;
    QTest::newRow("Traditional Chinese") << 2;
    QTest::newRow("English") << 3;
}

void TestChannelSheet::pdfHoldsEveryUsedChannel() {
    QFETCH(int, language);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the PDF's text is not checked");
    SheetFixture f(language);
    const QString path = f.dir.filePath(QStringLiteral("sheet.pdf"));
    const Result written = print::writeSheetPdf(*f.sheet(), path, QPageSize(QPageSize::A4), QStringLiteral("sheet"),
                                                f.context->extraTexts());
    QVERIFY2(written.ok(), qPrintable(written.reason()));
    const QString text = pdfText(path);
    const QStringList expected = f.usedChannelTexts();
    QVERIFY(expected.contains(QStringLiteral("446.00625")) && expected.contains(QStringLiteral("254.1")));
    for (const QString& cell : expected)
        QVERIFY2(text.contains(cell), qPrintable(cell));
    QVERIFY(text.contains(f.context->text(TextId::PrintChannels))); // "Channel Information"
    QVERIFY(text.contains(f.context->text(textIdAt(201)))); // "Common Set"
    QVERIFY(text.contains(QStringLiteral("2026-03-01 09:30")));
}

void TestChannelSheet::fitsTheWidthOfA4AndLetter_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("pageSize");
    for (int language = 1; language <= 3; ++language) {
        QTest::addRow("A4, language %d", language) << language << int(QPageSize::A4);
        QTest::addRow("Letter, language %d", language) << language << int(QPageSize::Letter);
    }
}

// The sheet is laid out as printing lays it out: the paint rectangle of the landscape page
// in the document's units. Nothing may stick out on the right.
void TestChannelSheet::fitsTheWidthOfA4AndLetter() {
    QFETCH(int, language);
    QFETCH(int, pageSize);
    SheetFixture f(language);
    QPdfWriter writer(f.dir.filePath(QStringLiteral("fit.pdf")));
    print::setSheetPage(writer, QPageSize(QPageSize::PageSizeId(pageSize)));
    const QRectF inches = writer.pageLayout().paintRect(QPageLayout::Inch);
    const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
    const QSizeF page(inches.width() * dpi, inches.height() * dpi);
    const std::unique_ptr<QTextDocument> sheet = f.sheet();
    sheet->setPageSize(page);
    // Half a unit for the rounding of the layout.
    QVERIFY2(sheet->size().width() <= page.width() + 0.5,
             qPrintable(QStringLiteral("%1 > %2").arg(sheet->size().width()).arg(page.width())));
    QVERIFY(sheet->pageCount() >= 3);
}

void TestChannelSheet::chosenItemsOnly_data() {
    QTest::addColumn<bool>("cover");
    QTest::addColumn<bool>("settings");
    QTest::addColumn<bool>("channels");
    QTest::newRow("cover") << true << false << false;
    QTest::newRow("settings") << false << true << false;
    QTest::newRow("channels") << false << false << true;
    QTest::newRow("cover and channels") << true << false << true;
}

void TestChannelSheet::chosenItemsOnly() {
    QFETCH(bool, cover);
    QFETCH(bool, settings);
    QFETCH(bool, channels);
    SheetFixture f(3);
    const QString text = f.sheet({cover, settings, channels})->toPlainText();
    QCOMPARE(text.contains(QStringLiteral("QRT506 Radio Software")), cover);
    QCOMPARE(text.contains(QStringLiteral("Radio Settings")), settings);
    QCOMPARE(text.contains(QStringLiteral("Time-out Timer[s]")), settings);
    QCOMPARE(text.contains(QStringLiteral("Channel Information")), channels);
    QCOMPARE(text.contains(QStringLiteral("446.00625")), channels);
}

void TestChannelSheet::settingsShownAsThePages() {
    SheetFixture f(3);
    const QStringList lines = f.sheet({false, true, false})->toPlainText().split(QLatin1Char('\n'));
    auto valueAfter = [&lines](const QString& caption) {
        const qsizetype at = lines.indexOf(caption);
        return at < 0 ? QStringLiteral("(no %1)").arg(caption) : lines.value(at + 1);
    };
    QCOMPARE(valueAfter(QStringLiteral("Time-out Timer[s]")), f.document->settings().control("cboTot")->itemText());
    QCOMPARE(valueAfter(QStringLiteral("Beep")),
             f.document->settings().control("chkBeep")->checked ? QStringLiteral("On") : QStringLiteral("Off"));
    QCOMPARE(valueAfter(QStringLiteral("Vox Compare Voltage 3")),
             f.document->settings().control("cboVoxCmpDat3")->itemText());
    // The program code stays off the sheet, and so do the controls no page shows.
    QVERIFY(!lines.contains(QStringLiteral("Program Code")));
    QVERIFY(!lines.contains(QStringLiteral("Radio Sql")));
    QVERIFY(!lines.contains(QStringLiteral("Message2")));
}

void TestChannelSheet::itemsFromTheCommandLine_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("chosen"); // cover 1, settings 2, channels 4
    QTest::newRow("all") << "cover,settings,channels" << true << 7;
    QTest::newRow("one") << "channels" << true << 4;
    QTest::newRow("blanks and repeats") << " cover , cover" << true << 1;
    QTest::newRow("unknown word") << "cover,pictures" << false << 7;
    QTest::newRow("empty") << "" << false << 7;
    QTest::newRow("commas only") << ",," << false << 7;
}

void TestChannelSheet::itemsFromTheCommandLine() {
    QFETCH(QString, list);
    QFETCH(bool, valid);
    QFETCH(int, chosen);
    print::SheetItems items;
    QCOMPARE(print::SheetItems::parse(list, &items), valid);
    QCOMPARE(int(items.cover) | int(items.settings) << 1 | int(items.channels) << 2, chosen);
}

void TestChannelSheet::unwritablePdfFails() {
    SheetFixture f(3);
    const Result written =
        print::writeSheetPdf(*f.sheet(), f.dir.filePath(QStringLiteral("no/such/folder/x.pdf")),
                             QPageSize(QPageSize::A4), QStringLiteral("sheet"), f.context->extraTexts());
    QVERIFY(written.failed());
    QVERIFY(!written.reason().isEmpty());
}

QTEST_MAIN(TestChannelSheet)
#include "tst_channelsheet.moc"
