#include "gui/shell/CompareCommands.h"

#include "core/AppContext.h"
#include "core/DataFile.h"
#include "core/InterfaceTexts.h"
#include "core/MemoryLayout.h"
#include "document/DataComparison.h"
#include "document/Document.h"
#include "gui/common/ComparisonWindow.h"
#include "gui/common/UserPrompts.h"
#include "gui/shell/FileCommands.h"
#include "gui/shell/FrameMenus.h"
#include "gui/shell/FrameTexts.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace qrt::gui {

namespace {

// A new entry of a menu, placed before `before` (at the end when null).
QAction* addEntry(QMenu& menu, QAction* before, const QString& name, const QString& caption) {
    auto* action = new QAction(caption, &menu);
    action->setObjectName(name);
    menu.insertAction(before, action);
    return action;
}

// The entry after `entry` in its menu, or null.
QAction* entryAfter(const QMenu& menu, const QAction* entry) {
    const QList<QAction*> actions = menu.actions();
    const qsizetype i = actions.indexOf(const_cast<QAction*>(entry));
    return i >= 0 && i + 1 < actions.size() ? actions.at(i + 1) : nullptr;
}

} // namespace

CompareCommands::CompareCommands(Document& document, UserPrompts& prompts, QWidget& window, const FrameMenus& menus)
    : m_document(document), m_prompts(prompts), m_window(window) {
    const AppContext& context = document.context();
    QMenu* file = menus.menu(QStringLiteral("mnuFile"));
    m_fileEntry = addEntry(*file, entryAfter(*file, menus.action(QStringLiteral("mnuFileSaveAs"))),
                           QStringLiteral("mnuCompareFile"), context.extraText(QStringLiteral("compare.fileMenu")));
    QObject::connect(m_fileEntry, &QAction::triggered, m_fileEntry, [this] { compareWithFile(); });

    QMenu* program = menus.menu(QStringLiteral("mnuProgram"));
    m_radioEntry = addEntry(*program, entryAfter(*program, menus.action(QStringLiteral("mnuWriteFre"))),
                            QStringLiteral("mnuCompareRadio"), context.extraText(QStringLiteral("compare.radioMenu")));
    m_radioEntry->setEnabled(false);
}

void CompareCommands::setRadioCommand(std::function<void()> compareWithRadio) {
    QObject::disconnect(m_radioCommand);
    m_radioEntry->setEnabled(bool(compareWithRadio));
    if (compareWithRadio)
        m_radioCommand = QObject::connect(m_radioEntry, &QAction::triggered, m_radioEntry,
                                          [command = std::move(compareWithRadio)] { command(); });
}

bool CompareCommands::compareWithFile(const QString& chosen) {
    const AppContext& context = m_document.context();
    QString path = chosen;
    if (path.isEmpty()) {
        path = m_prompts.openFileName(
            &m_window, withoutAccessKey(context.extraText(QStringLiteral("compare.fileMenu"))),
            QFileInfo(m_document.currentFilePath()).absolutePath(), FileCommands::DataFileFilter);
        if (path.isEmpty())
            return false;
    }
    QByteArray bytes;
    if (const Result read = datafile::readFile(path, datafile::FileSize + 1, &bytes); read.failed()) {
        m_prompts.inform(&m_window, QMessageBox::Warning, context.text(TextId::Notice),
                         context.extraText(QStringLiteral("compare.fileUnreadable"))
                             .arg(QDir::toNativeSeparators(path), read.inLanguage(context.extraTexts()).reason()));
        return false;
    }
    if (const QString oddity = datafile::whyNotRadioData(bytes, context.extraTexts()); !oddity.isEmpty()) {
        m_prompts.inform(
            &m_window, QMessageBox::Warning, context.text(TextId::Notice),
            context.extraText(QStringLiteral("compare.fileUnreadable")).arg(QDir::toNativeSeparators(path), oddity));
        return false;
    }
    // The file read as opening it would, into a copy: bytes it does not hold stay the program's.
    RadioImage other = m_document.image();
    datafile::loadIntoImage(bytes, other);
    fileComparisonWindow(m_document, other, &m_window)->exec();
    return true;
}

std::unique_ptr<ComparisonWindow> fileComparisonWindow(const Document& document, const RadioImage& file,
                                                       QWidget* parent) {
    const AppContext& context = document.context();
    const QList<ComparisonRow> rows =
        comparisonRows(compareImages(document.image(), file, layout::EditorArea.first, layout::EditorArea.last),
                       context.texts(), context.extraTexts());
    return std::make_unique<ComparisonWindow>(context, rows, context.extraText(QStringLiteral("compare.fileColumn")),
                                              parent);
}

} // namespace qrt::gui
