#pragma once

#include "core/TextIndex.h"

#include <QMessageBox>
#include <QString>

class QWidget;

namespace qrt {
class Document;
}

namespace qrt::gui {

class UserPrompts;

// The file commands of the frame: New, Open, Save and Save As with their questions and
// messages, and the offer to save unsaved changes before they would be lost.
class FileCommands {
public:
    static inline const QString DataFileFilter = QStringLiteral("Data File(*.dat)");
    static inline const QString DataFileSuffix = QStringLiteral("dat");

    FileCommands(Document& document, UserPrompts& prompts, QWidget& window);

    // Asks before the data is replaced by the template.
    void newFile();
    // Opens a data file; an empty path asks for one. A file that does not look like radio
    // data is opened only after the user agreed. True when the file was opened.
    bool openFile(const QString& path = {});
    // Save asks whether to save, then asks for the name as Save As does.
    void save();
    void saveAs();

    // With unsaved changes: asks whether to save them first. Yes saves (asking for the
    // name), No goes on, Cancel stays. True when the caller may go on; a failed or
    // cancelled save stays. Without unsaved changes it asks nothing and gives true.
    bool offerToSaveChanges();

    // The name to save under from the save dialog with these filters (";;" between them),
    // with the suffix added to a name typed without one; an existing file is replaced only
    // when the user agrees. Empty when cancelled. *chosenFilter: the filter chosen.
    QString askForSaveName(const QString& title, const QString& filters, const QString& suffix, QString* chosenFilter);
    // The folder the file dialogs start in.
    QString startFolder() const;

private:
    // Asks for a name and writes the data; false when cancelled or failed (the failure shown).
    bool saveWithDialog(TextId failureMessage);
    // The name to save under, with the data file suffix; an existing file is replaced only
    // when the user agrees. Empty when cancelled.
    QString askForSaveName();
    QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons);
    QString text(TextId id) const;

    Document& m_document;
    UserPrompts& m_prompts;
    QWidget& m_window;
};

} // namespace qrt::gui
