#pragma once

#include <QDateTime>
#include <QString>

#include <memory>

class QTextDocument;

namespace qrt {
class Document;
}

namespace qrt::print {

// What a sheet holds; the print selection view's choices.
struct SheetItems {
    bool cover = true;
    bool settings = true;
    bool channels = true;

    bool any() const { return cover || settings || channels; }
    // From a comma-separated list of "cover", "settings", "channels"; false for another word
    // or an empty list.
    static bool parse(const QString& list, SheetItems* items);
};

// The sheet of the data in the interface language, as HTML: the cover (model, band, file
// name, date), the radio settings page by page with their captions and values as the pages
// show them, and the channel table as the grid shows it. Each item starts a new page.
QString channelSheetHtml(Document& document, const SheetItems& items, const QDateTime& printedAt);

// The sheet as a text document (a PDF writer or a printer lays it out for its pages).
std::unique_ptr<QTextDocument> channelSheet(Document& document, const SheetItems& items, const QDateTime& printedAt);

} // namespace qrt::print
