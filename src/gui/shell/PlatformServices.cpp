#include "gui/shell/PlatformServices.h"

#include "gui/shell/HelpWindow.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace qrt::gui {

void DesktopDocumentViewer::open(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

DesktopDocumentViewer::~DesktopDocumentViewer() {
    delete m_helpWindow;
}

void DesktopDocumentViewer::showGuide(const QString& page, const QString& topic, const QString& title) {
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow;
    m_helpWindow->showPage(page, topic, title);
}

bool ExecutableRestarter::restart(const QString& appDir) {
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), {QStringLiteral("--app-dir"), appDir});
}

} // namespace qrt::gui
