#pragma once

#include <QObject>

#include <memory>

class QDockWidget;

namespace qrt {
class AppContext;
}

namespace qrt::gui {

class MainWindow;
namespace info {
class ErrorLogWindow;
class RadioSetPages;
class RadioSetTreeWindow;
} // namespace info

// The docking host with the radio set tree and the error list, the radio set's pages in
// the frame's child area, and the about dialog, wired into the frame.
class SideWindows : public QObject {
    Q_OBJECT
public:
    // errors was made before the start-up, so that it holds what the start-up logged.
    SideWindows(MainWindow& frame, const AppContext& context, std::unique_ptr<info::ErrorLogWindow> errors);

    info::RadioSetTreeWindow& tree() { return *m_tree; }
    info::ErrorLogWindow& errors() { return *m_errors; }
    info::RadioSetPages& pages() { return *m_pages; }
    QDockWidget& treeDock() { return *m_treeDock; }
    QDockWidget& errorDock() { return *m_errorDock; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showChannelEditor();

    MainWindow& m_frame;
    info::RadioSetTreeWindow* m_tree;
    info::ErrorLogWindow* m_errors;
    info::RadioSetPages* m_pages;
    QDockWidget* m_treeDock;
    QDockWidget* m_errorDock;
    bool m_frameGone = false;
};

} // namespace qrt::gui
