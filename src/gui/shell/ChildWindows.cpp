#include "gui/shell/ChildWindows.h"

#include "gui/channels/ChannelClipboard.h"
#include "gui/channels/ChannelEditorWindow.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace qrt::gui {

namespace {

// The channel editor's frame: it is maximised whenever it is the current child window and
// refuses to be closed; it goes when the main window goes. While another child window is
// in front (a page of the radio set tree), the area may restore it: maximising it then
// would bring it back over the page the user asked for.
class FixedChildWindow : public QMdiSubWindow {
public:
    FixedChildWindow() {
        connect(this, &QMdiSubWindow::windowStateChanged, this, &FixedChildWindow::maximiseWhenActive,
                Qt::QueuedConnection);
        connect(this, &QMdiSubWindow::aboutToActivate, this, &FixedChildWindow::maximiseWhenActive,
                Qt::QueuedConnection);
    }

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }

private:
    void maximiseWhenActive() {
        if (!isMaximized() && mdiArea() && mdiArea()->currentSubWindow() == this)
            showMaximized();
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
    return {editor, [editor](bool locked) { editor->setSettingsLocked(locked); }, editor->clipboard()->actions()};
}

} // namespace qrt::gui
