#include "gui/info/KeptPage.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace qrt::gui::info {

QWidget* KeptPage::holder() {
    if (auto* subWindow = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return subWindow;
    return this;
}

void KeptPage::bringToFront() {
    QWidget* shown = holder();
    show();
    shown->showMaximized();
    shown->raise();
    if (auto* subWindow = qobject_cast<QMdiSubWindow*>(shown); subWindow && subWindow->mdiArea())
        subWindow->mdiArea()->setActiveSubWindow(subWindow);
    else
        shown->activateWindow();
}

void KeptPage::closeEvent(QCloseEvent* event) {
    if (m_programClosing) {
        event->accept();
        return;
    }
    event->ignore();
    QWidget* shown = holder();
    if (shown != this)
        shown->hide();
    else
        hide();
}

} // namespace qrt::gui::info
