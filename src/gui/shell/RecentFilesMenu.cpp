#include "gui/shell/RecentFilesMenu.h"

#include "core/AppContext.h"
#include "document/Document.h"
#include "gui/common/UserPrompts.h"
#include "gui/shell/FileCommands.h"
#include "gui/shell/FrameTexts.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace qrt::gui {

namespace {
// Wider paths are shortened in the middle, so that the menu fits the smallest screen.
constexpr int MaxEntryWidth = 520;
} // namespace

RecentFilesMenu::RecentFilesMenu(Document& document, FileCommands& files, UserPrompts& prompts, QMenu& fileMenu,
                                 QAction* before, QWidget& window)
    : QObject(&window), m_document(document), m_files(files), m_prompts(prompts), m_window(window),
      m_recent(document.context().settings()) {
    m_menu = new QMenu(document.context().extraText(QStringLiteral("recent.menu")), &fileMenu);
    m_menu->setObjectName(QStringLiteral("mnuRecentFiles"));
    m_menu->menuAction()->setObjectName(QStringLiteral("mnuRecentFiles"));
    fileMenu.insertMenu(before, m_menu);
    connect(&m_recent, &RecentFiles::changed, this, &RecentFilesMenu::rebuild);
    connect(&document, &Document::fileUsed, &m_recent, &RecentFiles::add);
    rebuild();
}

void RecentFilesMenu::rebuild() {
    m_menu->clear();
    const AppContext& context = m_document.context();
    const QStringList& paths = m_recent.paths();
    const QFontMetrics metrics(m_menu->font());
    for (int position = 0; position < paths.size(); ++position) {
        const QString path = QDir::toNativeSeparators(paths.at(position));
        QString shown = metrics.elidedText(path, Qt::ElideMiddle, MaxEntryWidth);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = m_menu->addAction(QStringLiteral("&%1 %2").arg(position + 1).arg(shown));
        entry->setObjectName(QStringLiteral("mnuRecentFile%1").arg(position + 1));
        entry->setToolTip(path);
        entry->setStatusTip(path);
        connect(entry, &QAction::triggered, this, [this, file = paths.at(position)] { openRecent(file); });
    }
    if (paths.isEmpty()) {
        QAction* none = m_menu->addAction(context.extraText(QStringLiteral("recent.empty")));
        none->setObjectName(QStringLiteral("mnuRecentNone"));
        none->setEnabled(false);
    }
    m_menu->addSeparator();
    QAction* clear = m_menu->addAction(context.extraText(QStringLiteral("recent.clear")));
    clear->setObjectName(QStringLiteral("mnuRecentClear"));
    clear->setEnabled(!paths.isEmpty());
    connect(clear, &QAction::triggered, &m_recent, &RecentFiles::clear);
}

void RecentFilesMenu::openRecent(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        m_recent.remove(path);
        const AppContext& context = m_document.context();
        m_prompts.inform(&m_window, QMessageBox::Warning, context.text(TextId::Notice),
                         context.extraText(QStringLiteral("recent.missing")).arg(QDir::toNativeSeparators(path)));
        return;
    }
    m_files.openFile(path);
}

} // namespace qrt::gui
