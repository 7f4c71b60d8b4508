#pragma once

#include "document/RecentFiles.h"

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace qrt {
class Document;
}

namespace qrt::gui {

class FileCommands;
class UserPrompts;

// File, Recent Files: the data files opened, saved and backed up last, most recent first,
// each opened as File, Open would open it; a file that is gone is taken off the list with
// a message; "Clear List" empties it.
class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    // Builds the submenu into the file menu before the entry `before`.
    RecentFilesMenu(Document& document, FileCommands& files, UserPrompts& prompts, QMenu& fileMenu, QAction* before,
                    QWidget& window);

    RecentFiles& files() { return m_recent; }
    QMenu* menu() const { return m_menu; }

private:
    void rebuild();
    void openRecent(const QString& path);

    Document& m_document;
    FileCommands& m_files;
    UserPrompts& m_prompts;
    QWidget& m_window;
    RecentFiles m_recent;
    QMenu* m_menu = nullptr;
};

} // namespace qrt::gui
