#include "gui/shell/SideWindows.h"

#include "core/AppContext.h"
#include "gui/info/AboutDialog.h"
#include "gui/info/ErrorLogWindow.h"
#include "gui/info/RadioSetPages.h"
#include "gui/info/RadioSetTreeWindow.h"
#include "gui/shell/MainWindow.h"

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace qrt::gui {

namespace {

QDockWidget* dock(MainWindow& frame, const QString& name, QWidget* content, Qt::DockWidgetArea area) {
    auto* host = new QDockWidget(content->windowTitle(), &frame);
    host->setObjectName(name);
    host->setAccessibleName(content->windowTitle());
    host->setWidget(content);
    host->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                      QDockWidget::DockWidgetFloatable);
    frame.addDockWidget(area, host);
    return host;
}

void showDock(QDockWidget* host) {
    host->show();
    host->raise();
}

} // namespace

SideWindows::SideWindows(MainWindow& frame, const AppContext& context, std::unique_ptr<info::ErrorLogWindow> errors)
    : QObject(&frame), m_frame(frame), m_tree(new info::RadioSetTreeWindow(context)), m_errors(errors.release()),
      m_pages(new info::RadioSetPages(context, nullptr, this)) {
    m_treeDock = dock(frame, QStringLiteral("tdockTreeView"), m_tree, Qt::LeftDockWidgetArea);
    m_errorDock = dock(frame, QStringLiteral("tdockShowErr"), m_errors, Qt::BottomDockWidgetArea);
    frame.resizeDocks({m_treeDock}, {160}, Qt::Horizontal);
    // The tree repeats the settings tabs and is reached only through the View menu, so
    // the grid keeps the whole width. The error list shows itself when something is logged,
    // and at once when the start-up already logged something (a settings file or template
    // it could not use).
    m_treeDock->hide();
    m_errorDock->setVisible(!m_errors->lines().isEmpty());
    connect(m_errors, &info::ErrorLogWindow::errorShown, m_errorDock, [this] { showDock(m_errorDock); });

    m_pages->follow(*m_tree);
    connect(m_pages, &info::RadioSetPages::pageCreated, this,
            [this](QWidget* page) { m_frame.childArea()->addSubWindow(page)->installEventFilter(this); });
    connect(m_pages, &info::RadioSetPages::channelEditorRequested, this, &SideWindows::showChannelEditor);
    connect(&frame, &MainWindow::exiting, m_pages, [this] { m_pages->setProgramClosing(true); });
    connect(&frame, &MainWindow::aboutToBeDestroyed, this, [this] { m_frameGone = true; });

    if (QAction* entry = frame.findChild<QAction*>(QStringLiteral("mnuTreeView")))
        connect(entry, &QAction::triggered, m_treeDock, [this] { showDock(m_treeDock); });
    if (QAction* entry = frame.findChild<QAction*>(QStringLiteral("mnuShowErr")))
        connect(entry, &QAction::triggered, m_errorDock, [this] { showDock(m_errorDock); });
    frame.setAboutCommand([&frame, &context] {
        info::AboutDialog about(context, &frame);
        about.exec();
    });
}

bool SideWindows::eventFilter(QObject* watched, QEvent* event) {
    // A page the user closes is only hidden, and the area would keep it as its active
    // window: the editor comes back in front instead.
    // While the frame is destroyed its pages hide too, and the frame is no longer one to ask.
    if (!m_frameGone && event->type() == QEvent::Hide && !event->spontaneous() && !m_frame.isExiting() &&
        m_frame.childArea()->currentSubWindow() == watched)
        showChannelEditor();
    return QObject::eventFilter(watched, event);
}

void SideWindows::showChannelEditor() {
    QWidget* editor = m_frame.channelEditor();
    if (!editor)
        return;
    for (QMdiSubWindow* child : m_frame.childArea()->subWindowList()) {
        if (child->widget() == editor) {
            m_frame.childArea()->setActiveSubWindow(child);
            child->showMaximized();
        }
    }
}

} // namespace qrt::gui
