#pragma once

#include <QString>

class QAction;
class QMainWindow;
class QToolBar;

namespace qrt {
class AppContext;
}

namespace qrt::gui {

// The tool bar tlbMdiFrmMain: 17 positions, command buttons between separators, each
// button a caption under an icon. A button's action carries its key as object name
// ("FileNew", "FileOpen", "FileSave", "Read", "Write", "Com", "Print", "Help", "Exit").
class FrameToolBar {
public:
    FrameToolBar(QMainWindow& window, const AppContext& context);

    QToolBar* toolBar() const { return m_toolBar; }
    QAction* button(const QString& key) const;

private:
    QToolBar* m_toolBar;
};

} // namespace qrt::gui
