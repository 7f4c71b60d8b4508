#include "gui/shell/PlatformServices.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace qrt::gui {

void DesktopDocumentViewer::open(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool ExecutableRestarter::restart(const QString& appDir) {
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), {QStringLiteral("--app-dir"), appDir});
}

} // namespace qrt::gui
