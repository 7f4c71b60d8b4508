#pragma once

#include "core/Result.h"

#include <QPageSize>

class QPagedPaintDevice;
class QTextDocument;

namespace qrt {
class ExtraTexts;
}

namespace qrt::print {

// The page a sheet is printed on: landscape, so that every column of the channel table
// fits, with margins of 12 mm.
void setSheetPage(QPagedPaintDevice& device, const QPageSize& size);

// The sheet laid out on `size` pages and written to a PDF file, all or nothing as a saved
// data file (the reason of a failure in the language of `texts`).
Result writeSheetPdf(QTextDocument& sheet, const QString& path, const QPageSize& size, const QString& title,
                     const ExtraTexts& texts);

} // namespace qrt::print
