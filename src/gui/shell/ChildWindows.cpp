#include "gui/shell/ChildWindows.h"

#include "core/AppContext.h"
#include "document/Document.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace qrt::gui {

namespace {
constexpr int TextChannelInformation = 66;
}

HostedChannelEditor hostChannelEditor(QMdiArea& area, Document& document, QAction& channelLockEntry) {
    Q_UNUSED(channelLockEntry);
    // Stand-in until the channel editor window joins the frame.
    auto* editor = new QWidget;
    editor->setObjectName(QStringLiteral("frmChMem"));
    editor->setWindowTitle(document.context().text(TextChannelInformation));
    editor->setAccessibleName(editor->windowTitle());
    QMdiSubWindow* child = area.addSubWindow(editor);
    child->setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
    child->showMaximized();
    return {editor, {}};
}

} // namespace qrt::gui
