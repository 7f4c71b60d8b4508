#include "gui/shell/ChannelListCommands.h"

#include "channels/ChannelCsv.h"
#include "channels/ChirpCsv.h"
#include "channels/CsvText.h"
#include "core/AppContext.h"
#include "core/FileAccess.h"
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
const QString ListSuffix = QStringLiteral("csv");
constexpr int ShownLines = 20;
} // namespace

ChannelListCommands::ChannelListCommands(Document& document, UserPrompts& prompts, FileCommands& files, QWidget& window)
    : m_document(document), m_prompts(prompts), m_files(files), m_window(window) {}

void ChannelListCommands::addTo(QMenu& menu, QAction* before) {
    m_import = new QAction(text("transfer.import"), &menu);
    m_import->setObjectName(QStringLiteral("mnuFileImport"));
    auto* exportEntry = new QAction(text("transfer.export"), &menu);
    exportEntry->setObjectName(QStringLiteral("mnuFileExport"));
    menu.insertActions(before, {m_import, exportEntry});
    menu.insertSeparator(m_import);
    QObject::connect(m_import, &QAction::triggered, &menu, [this] { importList(); });
    QObject::connect(exportEntry, &QAction::triggered, &menu, [this] { exportList(); });
    m_import->setEnabled(!m_document.isLocked());
    QObject::connect(&m_document, &Document::lockChanged, m_import,
                     [this](bool locked) { m_import->setEnabled(!locked); });
}

QString ChannelListCommands::text(const char* key) const {
    return m_document.context().extraText(QString::fromLatin1(key));
}

QString ChannelListCommands::filters() const {
    return text("transfer.filter.own") + QStringLiteral(";;") + text("transfer.filter.chirp");
}

bool ChannelListCommands::isChirp(const QString& chosenFilter) const {
    return chosenFilter == text("transfer.filter.chirp");
}

void ChannelListCommands::inform(bool failure, const QString& message) {
    m_prompts.inform(&m_window, failure ? QMessageBox::Warning : QMessageBox::Information,
                     m_document.context().text(TextId::Notice), message);
}

void ChannelListCommands::importList() {
    if (m_document.isLocked())
        return;
    QString chosenFilter;
    const QString path = m_prompts.openFileNameWithFilter(&m_window, withoutAccessKey(text("transfer.importTitle")),
                                                          m_files.startFolder(), filters(), &chosenFilter);
    if (path.isEmpty())
        return;
    const QString shownPath = QDir::toNativeSeparators(path);
    QByteArray bytes;
    if (const Result read = fileaccess::readRegularFile(path, channels::csv::MaxFileBytes + 1, &bytes); read.failed()) {
        inform(
            true,
            text("transfer.importFailed").arg(shownPath, read.inLanguage(m_document.context().extraTexts()).reason()));
        return;
    }
    channels::ChannelTableModel& model = m_document.channelModel();
    const channels::ImportTarget target = channels::ImportTarget::of(model, m_document.context());
    const channels::ChannelImport list =
        isChirp(chosenFilter) ? channels::parseChirpCsv(bytes, target) : channels::parseChannelCsv(bytes, target);
    if (!list.ok()) {
        inform(true, text("transfer.importFailed")
                         .arg(shownPath, channels::errorSummary(list, m_document.context().extraTexts(), ShownLines)));
        return;
    }
    if (!channels::applyImport(list, model, text("transfer.undoImport")))
        return;
    if (!list.notes.isEmpty())
        inform(false, text("transfer.importNotes").arg(shownPath, list.notes.mid(0, ShownLines).join(u'\n')));
}

void ChannelListCommands::exportList() {
    QString chosenFilter;
    const QString path =
        m_files.askForSaveName(withoutAccessKey(text("transfer.exportTitle")), filters(), ListSuffix, &chosenFilter);
    if (path.isEmpty())
        return;
    // A tone still being chosen is stored first, as before a save.
    m_document.encodeChannels();
    const channels::ChannelTableModel& model = m_document.channelModel();
    const QByteArray list = isChirp(chosenFilter) ? channels::exportChirpCsv(model) : channels::exportChannelCsv(model);
    if (const Result written = fileaccess::replaceFile(path, list); written.failed())
        inform(true, text("transfer.exportFailed")
                         .arg(QDir::toNativeSeparators(path),
                              written.inLanguage(m_document.context().extraTexts()).reason()));
}

} // namespace qrt::gui
