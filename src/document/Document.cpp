#include "document/Document.h"

#include "channels/ChannelTableModel.h"
#include "core/AppContext.h"
#include "document/DocumentEditCommand.h"
#include "options/PttIdPauseDialogModel.h"
#include "options/SettingsModel.h"
#include "options/VolumeDialogModel.h"

namespace qrt {

namespace {
// What the document's own user actions are called in the undo history (interface texts).
constexpr int TextModel = 371;           // "Model Type"
constexpr int TextBand = 372;            // "Frequency"
constexpr int TextRestoreDefaults = 400; // "Restore Default Setting"
} // namespace

// A user action of the document itself, recorded like the models' actions.
class Document::EditScope {
public:
    EditScope(Document* document, const QString& key, const QString& undoText) : m_document(document) {
        m_document->beginUserEdit(key, undoText);
    }
    ~EditScope() { m_document->endUserEdit(); }
    EditScope(const EditScope&) = delete;
    EditScope& operator=(const EditScope&) = delete;

private:
    Document* m_document;
};

template <class Model> void Document::recordEditsOf(Model* model) {
    connect(model, &Model::userEditStarted, this, &Document::beginUserEdit, Qt::DirectConnection);
    connect(model, &Model::userEditFinished, this, &Document::endUserEdit, Qt::DirectConnection);
}

Document::Document(AppContext& context, QObject* parent)
    : QObject(parent), m_context(context), m_session(context),
      m_channelModel(std::make_unique<channels::ChannelTableModel>(channels::sourcesOf(m_session))),
      m_settings(std::make_unique<options::SettingsModel>(m_session.image(), context.texts(), &context.errorLog())),
      m_volume(std::make_unique<options::VolumeDialogModel>(m_session.image(), context.texts())),
      m_pttIdPause(std::make_unique<options::PttIdPauseDialogModel>(m_session.image(), context.texts())) {
    m_session.setSettingsRefresh(m_settings.get());
    m_session.setChannelRefresh(m_channelModel.get());
    recordEditsOf(m_channelModel.get());
    recordEditsOf(m_settings.get());
    recordEditsOf(m_volume.get());
    recordEditsOf(m_pttIdPause.get());
    connect(&m_undo, &QUndoStack::cleanChanged, this, &Document::updateModified);
}

Document::~Document() = default;

void Document::startUp() {
    m_session.startUp();
    startNewHistory(false);
    announceReplacement();
}

// ---- recording ----

DocumentState Document::captureState() const {
    return {image().bytes(), channels(), m_session.bandState(), m_session.currentFilePath()};
}

void Document::beginUserEdit(const QString& mergeKey, const QString& undoText) {
    if (m_applyingState)
        return;
    if (m_editDepth++ > 0)
        return;
    m_editKey = mergeKey;
    m_editText = undoText;
    m_stateBeforeEdit = captureState();
}

void Document::endUserEdit() {
    if (m_applyingState || m_editDepth == 0 || --m_editDepth > 0)
        return;
    DocumentState after = captureState();
    if (after == m_stateBeforeEdit)
        return;
    const QByteArray before = m_stateBeforeEdit.image;
    const int mergeId = m_editKey.isEmpty() ? DocumentEditCommand::NoMerge : mergeIdOf(m_editKey);
    m_undo.push(new DocumentEditCommand(m_editText, mergeId, std::move(m_stateBeforeEdit), std::move(after),
                                        [this](const DocumentState& state) { applyState(state); }));
    announceChanges(before);
}

int Document::mergeIdOf(const QString& key) {
    const auto it = m_mergeIds.constFind(key);
    if (it != m_mergeIds.constEnd())
        return *it;
    const int id = int(m_mergeIds.size()) + 1;
    m_mergeIds.insert(key, id);
    return id;
}

void Document::applyState(const DocumentState& state) {
    const QByteArray before = image().bytes();
    m_applyingState = true;
    m_session.image().bytes() = state.image;
    m_session.restoreBandState(state.band);
    m_session.restoreFilePath(state.filePath);
    m_channelModel->restoreTable(state.channels);
    // The pages and dialogs show the image again; the bytes are those of a refreshed
    // image, so this repairs nothing.
    m_settings->refreshFromImage();
    m_volume->open();
    m_pttIdPause->open();
    m_applyingState = false;
    announceChanges(before);
}

void Document::announceReplacement() {
    Q_EMIT imageChanged(0, image().size());
}

void Document::announceChanges(const QByteArray& before) {
    const QByteArray& now = image().bytes();
    const int size = int(qMin(before.size(), now.size()));
    int first = 0;
    while (first < size && before.at(first) == now.at(first))
        ++first;
    int last = size - 1;
    while (last >= first && before.at(last) == now.at(last))
        --last;
    if (before.size() != now.size())
        Q_EMIT imageChanged(0, int(now.size()));
    else if (first <= last)
        Q_EMIT imageChanged(first, last - first + 1);
}

void Document::startNewHistory(bool unsavedRead) {
    m_unsavedRead = unsavedRead;
    m_undo.clear();
    updateModified();
}

void Document::markSaved() {
    m_unsavedRead = false;
    m_undo.setClean();
    updateModified();
}

void Document::updateModified() {
    const bool modified = isModified();
    if (modified != m_lastModified) {
        m_lastModified = modified;
        Q_EMIT modifiedChanged(modified);
    }
}

// ---- file commands ----

void Document::newFile() {
    m_session.newFile();
    startNewHistory(false);
    announceReplacement();
}

FileResult Document::openFile(const QString& path) {
    const FileResult result = m_session.openFile(path);
    if (result.ok) {
        startNewHistory(false);
        announceReplacement();
    }
    return result;
}

FileResult Document::save() {
    const QByteArray before = image().bytes();
    const FileResult result = m_session.saveToCurrentFile();
    announceChanges(before);
    if (result.ok)
        markSaved();
    return result;
}

FileResult Document::saveAs(const QString& path) {
    const QByteArray before = image().bytes();
    const FileResult result = m_session.saveAs(path);
    announceChanges(before);
    if (result.ok)
        markSaved();
    return result;
}

FileResult Document::restoreDefaults() {
    const EditScope edit(this, QString(), m_context.text(TextRestoreDefaults));
    return m_session.restoreDefaults();
}

void Document::chooseModel(int position) {
    const EditScope edit(this, QStringLiteral("cboModel"), m_context.text(TextModel));
    m_session.chooseModel(position);
}

void Document::chooseBand(int position) {
    const EditScope edit(this, QString(), m_context.text(TextBand));
    m_session.chooseBand(position);
}

void Document::chooseCustomBand(const QString& minText, const QString& maxText) {
    const EditScope edit(this, QString(), m_context.text(TextBand));
    m_session.chooseCustomBand(minText, maxText);
}

void Document::applyRadioRead(const QByteArray& newImage) {
    m_session.image().write(0, newImage);
    m_session.refreshViewsFromImage();
    startNewHistory(true);
    announceReplacement();
}

void Document::applyRadioWrite(const QByteArray& newImage) {
    const QByteArray before = image().bytes();
    m_session.image().write(0, newImage);
    announceChanges(before);
}

bool Document::writeBytes(int address, const QByteArray& bytes, const QString& undoText) {
    if (!image().contains(address, int(bytes.size())))
        return false;
    const EditScope edit(this, QString(), undoText);
    m_session.encodeChannels();
    m_session.image().write(address, bytes);
    m_session.refreshViewsFromImage();
    return true;
}

void Document::encodeChannels() {
    const QByteArray before = image().bytes();
    m_session.encodeChannels();
    announceChanges(before);
}

} // namespace qrt
