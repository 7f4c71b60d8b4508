#pragma once

#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;

namespace qrt {
class AppContext;
}

namespace qrt::gui {

// The frame's menu tree. Every entry is a QAction (and every submenu a QMenu with its menu
// action) whose object name is the entry's name; entries that are not offered are hidden
// for the whole run. Commands are connected by the frame's parts, found by name.
class FrameMenus {
public:
    // Builds the tree into the window's menu bar with the captions of the context's language.
    explicit FrameMenus(QMainWindow& window, const AppContext& context);

    // The entry of that name; a missing name is a programming error.
    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;

private:
    QMainWindow& m_window;
};

} // namespace qrt::gui
