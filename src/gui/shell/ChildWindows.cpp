#include "gui/shell/ChildWindows.h"

#include "gui/channels/ChannelEditorWindow.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace qrt::gui {

namespace {

// The channel editor's frame: it stays maximised and refuses to be closed; it goes when
// the main window goes.
class FixedChildWindow : public QMdiSubWindow {
public:
    using QMdiSubWindow::QMdiSubWindow;

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
    void changeEvent(QEvent* event) override {
        QMdiSubWindow::changeEvent(event);
        if (event->type() == QEvent::WindowStateChange && !isMaximized())
            QMetaObject::invokeMethod(this, &QMdiSubWindow::showMaximized, Qt::QueuedConnection);
    }
};

} // namespace

HostedChannelEditor hostChannelEditor(QMdiArea& area, Document& document, UserPrompts& prompts,
                                      QAction& channelLockEntry) {
    auto* editor = new ChannelEditorWindow(document, prompts);
    editor->setChannelLockAction(&channelLockEntry);
    auto* child = new FixedChildWindow;
    child->setWidget(editor);
    child->setAttribute(Qt::WA_DeleteOnClose, false);
    child->setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
    area.addSubWindow(child);
    child->showMaximized();
    return {editor, [editor] { editor->commitToneSelection(); },
            [editor](bool locked) { editor->setSettingsLocked(locked); }};
}

} // namespace qrt::gui
