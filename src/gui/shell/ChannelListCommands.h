#pragma once

#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace qrt {
class Document;
}

namespace qrt::gui {

class FileCommands;
class UserPrompts;

// File, Import... and Export...: the channels as a CSV list, the program's own (every
// column of the grid) or the CHIRP one, chosen by the file dialog's filter. An import
// with errors shows them and changes nothing; one that applies is one undo step. The
// lock disables the import.
class ChannelListCommands {
public:
    ChannelListCommands(Document& document, UserPrompts& prompts, FileCommands& files, QWidget& window);

    // Puts the two entries into the menu before `before` (a separator), with a separator before them.
    void addTo(QMenu& menu, QAction* before);

    void importList();
    void exportList();

private:
    QString filters() const;
    bool isChirp(const QString& chosenFilter) const;
    QString text(const char* key) const;
    void inform(bool failure, const QString& message);

    Document& m_document;
    UserPrompts& m_prompts;
    FileCommands& m_files;
    QWidget& m_window;
    QAction* m_import = nullptr;
};

} // namespace qrt::gui
