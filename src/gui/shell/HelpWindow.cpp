#include "gui/shell/HelpWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace qrt::gui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(760, 600);
}

void HelpWindow::showPage(const QString& page, const QString& topic, const QString& title) {
    setWindowTitle(title);
    m_browser->setAccessibleName(title);
    QUrl url = QUrl::fromLocalFile(page);
    url.setFragment(topic);
    m_browser->setSource(url);
    if (!isVisible()) {
        // Fully on the screen the frame is on, however small it is.
        if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen()) {
            const QRect room = screen->availableGeometry();
            resize(size().boundedTo(room.size() * 0.9));
            move(room.center() - rect().center());
        }
    }
    show();
    raise();
    activateWindow();
}

} // namespace qrt::gui
