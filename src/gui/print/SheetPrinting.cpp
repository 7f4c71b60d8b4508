#include "gui/print/SheetPrinting.h"

#include "core/AppContext.h"
#include "core/TextIndex.h"
#include "document/Document.h"
#include "gui/common/UserPrompts.h"
#include "gui/print/PrintSelectionDialog.h"
#include "print/SheetPdf.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

namespace qrt::gui {

namespace {

QString pdfName(const QString& dataFile) {
    const QFileInfo file(dataFile);
    return file.dir().filePath(file.completeBaseName() + QStringLiteral(".pdf"));
}
} // namespace

SheetPrinting::SheetPrinting(Document& document, UserPrompts& prompts, QWidget& window,
                             std::function<void(const QString&)> showNotice)
    : QObject(&window), m_document(document), m_prompts(prompts), m_window(window),
      m_showNotice(std::move(showNotice)) {}

void SheetPrinting::start() {
    if (m_view) {
        m_view->raise();
        m_view->activateWindow();
        return;
    }
    // A tone being chosen or a frequency being typed belongs on the sheet.
    m_document.encodeChannels();
    m_view = new PrintSelectionDialog(m_document.context(), &m_window);
    m_view->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_view, &QDialog::accepted, this, &SheetPrinting::carryOut);
    m_view->open();
}

void SheetPrinting::carryOut() {
    if (!m_view)
        return;
    const print::SheetItems items = m_view->items();
    if (m_view->output() == PrintSelectionDialog::Output::Pdf)
        saveAsPdf(items);
    else
        printWithPreview(items);
}

bool SheetPrinting::saveAsPdf(const print::SheetItems& items) {
    const AppContext& context = m_document.context();
    const QString path = m_prompts.saveFileName(&m_window, context.extraText(QStringLiteral("print.pdf")),
                                                pdfName(m_document.currentFilePath()),
                                                context.extraText(QStringLiteral("print.filter")));
    if (path.isEmpty())
        return false;
    m_showNotice(context.text(TextId::Printing));
    const std::unique_ptr<QTextDocument> sheet = print::channelSheet(m_document, items, QDateTime::currentDateTime());
    const Result written =
        print::writeSheetPdf(*sheet, path, QPageSize(QPageSize::A4), context.text(TextId::PrintJobName), context.extraTexts());
    m_showNotice(context.text(TextId::Ready));
    if (written.failed())
        reportFailure(written.reason());
    return written.ok();
}

void SheetPrinting::printWithPreview(const print::SheetItems& items) {
    const AppContext& context = m_document.context();
    const std::unique_ptr<QTextDocument> sheet = print::channelSheet(m_document, items, QDateTime::currentDateTime());
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(context.text(TextId::PrintJobName));
    print::setSheetPage(printer, printer.pageLayout().pageSize());
    QPrintPreviewDialog preview(&printer, &m_window);
    preview.setObjectName(QStringLiteral("frmPrintPreview"));
    preview.setWindowTitle(context.text(TextId::PrintJobName));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* target) {
        m_showNotice(context.text(TextId::Printing));
        sheet->print(target);
        m_showNotice(context.text(TextId::Ready));
        if (target->printerState() == QPrinter::Error)
            reportFailure(QString());
    });
    preview.exec();
}

void SheetPrinting::reportFailure(const QString& reason) {
    const AppContext& context = m_document.context();
    m_prompts.inform(&m_window, QMessageBox::Critical, context.text(TextId::Notice),
                     reason.isEmpty() ? context.text(TextId::PrintFailed)
                                      : context.text(TextId::PrintFailed) + QLatin1Char('\n') + reason);
}

} // namespace qrt::gui
