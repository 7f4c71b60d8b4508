#pragma once

#include "gui/print/PrintSelectionDialog.h"
#include "print/ChannelSheet.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace qrt {
class Document;
}

namespace qrt::gui {

class UserPrompts;

// The Print command: the print selection view, then the sheet of the document printed
// through a preview, or saved as a PDF file chosen in the save dialog. While it prints the
// status bar says "Printing，Please wait..."; a failure is told with "Print occur error!"
// and its reason.
class SheetPrinting : public QObject {
    Q_OBJECT
public:
    SheetPrinting(Document& document, UserPrompts& prompts, QWidget& window,
                  std::function<void(const QString&)> showNotice);

    // Opens the print selection view (window-modal); what it chooses is carried out when it closes.
    void start();
    PrintSelectionDialog* selectionView() const { return m_view; }

    // The sheet of these items saved as a PDF file asked for in the save dialog; false when
    // cancelled or failed (the failure told).
    bool saveAsPdf(const print::SheetItems& items);
    // The sheet of these items shown in the print preview, from which it is printed.
    void printWithPreview(const print::SheetItems& items);

private:
    void carryOut();
    void reportFailure(const QString& reason);

    Document& m_document;
    UserPrompts& m_prompts;
    QWidget& m_window;
    std::function<void(const QString&)> m_showNotice;
    QPointer<PrintSelectionDialog> m_view;
};

} // namespace qrt::gui
