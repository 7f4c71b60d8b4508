#include "gui/shell/FrameToolBar.h"

#include "core/AppContext.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QStyle>
#include <QToolBar>

#include <iterator>

namespace qrt::gui {

namespace {

struct Button {
    const char* key; // nullptr: a separator
    int textIndex;
    const char* themeIcon;
    QStyle::StandardPixmap fallbackIcon;
};

const Button Positions[] = {
    {nullptr, 0, nullptr, QStyle::SP_CustomBase},
    {"FileNew", 0, "document-new", QStyle::SP_FileIcon},
    {nullptr, 0, nullptr, QStyle::SP_CustomBase},
    {"FileOpen", 1, "document-open", QStyle::SP_DialogOpenButton},
    {"FileSave", 2, "document-save", QStyle::SP_DialogSaveButton},
    {nullptr, 0, nullptr, QStyle::SP_CustomBase},
    {"Read", 3, "go-down", QStyle::SP_ArrowDown},
    {"Write", 4, "go-up", QStyle::SP_ArrowUp},
    {nullptr, 0, nullptr, QStyle::SP_CustomBase},
    {"Com", 5, "network-wired", QStyle::SP_DriveNetIcon},
    {nullptr, 0, nullptr, QStyle::SP_CustomBase},
    {"Print", 8, "document-print", QStyle::SP_FileDialogDetailedView},
    {nullptr, 0, nullptr, QStyle::SP_CustomBase},
    {"Help", 6, "help-contents", QStyle::SP_DialogHelpButton},
    {nullptr, 0, nullptr, QStyle::SP_CustomBase},
    {"Exit", 7, "application-exit", QStyle::SP_DialogCloseButton},
    {nullptr, 0, nullptr, QStyle::SP_CustomBase},
};
static_assert(std::size(Positions) == 17);

} // namespace

FrameToolBar::FrameToolBar(QMainWindow& window, const AppContext& context) : m_toolBar(new QToolBar(&window)) {
    m_toolBar->setObjectName(QStringLiteral("tlbMdiFrmMain"));
    m_toolBar->setWindowTitle(context.extraText(QStringLiteral("frame.toolBar")));
    m_toolBar->setAccessibleName(m_toolBar->windowTitle());
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    window.addToolBar(Qt::TopToolBarArea, m_toolBar);
    QStyle* style = window.style();
    for (const Button& position : Positions) {
        if (!position.key) {
            m_toolBar->addSeparator();
            continue;
        }
        const QIcon icon =
            QIcon::fromTheme(QString::fromLatin1(position.themeIcon), style->standardIcon(position.fallbackIcon));
        QAction* action = m_toolBar->addAction(icon, context.text(textIdAt(position.textIndex)));
        action->setObjectName(QString::fromLatin1(position.key));
        if (QWidget* widget = m_toolBar->widgetForAction(action)) {
            widget->setObjectName(QString::fromLatin1(position.key));
            widget->setAccessibleName(action->text());
        }
    }
}

QAction* FrameToolBar::button(const QString& key) const {
    for (QAction* action : m_toolBar->actions())
        if (action->objectName() == key)
            return action;
    Q_ASSERT_X(false, "FrameToolBar::button", qPrintable(key));
    return nullptr;
}

} // namespace qrt::gui
