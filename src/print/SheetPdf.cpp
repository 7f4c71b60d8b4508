#include "print/SheetPdf.h"

#include "core/FileAccess.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QTextDocument>

namespace qrt::print {

namespace {
constexpr double MarginMillimetres = 12;
}

void setSheetPage(QPagedPaintDevice& device, const QPageSize& size) {
    device.setPageLayout(
        QPageLayout(size, QPageLayout::Landscape,
                    QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
                    QPageLayout::Millimeter));
}

Result writeSheetPdf(QTextDocument& sheet, const QString& path, const QPageSize& size, const QString& title,
                     const ExtraTexts& texts) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("qrt506"));
        setSheetPage(writer, size);
        sheet.print(&writer);
    }
    return fileaccess::replaceFile(path, bytes).inLanguage(texts);
}

} // namespace qrt::print
