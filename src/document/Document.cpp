#include "document/Document.h"

#include "channels/ChannelTableModel.h"
#include "core/AppContext.h"
#include "document/DocumentEditCommand.h"
#include "options/PttIdPauseDialogModel.h"
#include "options/SettingsModel.h"
#include "options/VolumeDialogModel.h"

namespace qrt {

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
    : QObject(parent), m_context(context), m_data(context), m_band(context, m_data.image),
      m_channelModel(
          std::make_unique<channels::ChannelTableModel>(m_data.channelSources([this] { return m_band.limits(); }))),
      m_settings(std::make_unique<options::SettingsModel>(m_data.image, context.texts(), &context.errorLog())),
      m_volume(std::make_unique<options::VolumeDialogModel>(m_data.image, context.texts())),
      m_pttIdPause(std::make_unique<options::PttIdPauseDialogModel>(m_data.image, context.texts())) {
    recordEditsOf(m_channelModel.get());
    recordEditsOf(m_settings.get());
    recordEditsOf(m_volume.get());
    recordEditsOf(m_pttIdPause.get());
    connect(&m_undo, &QUndoStack::cleanChanged, this, &Document::updateModified);
    m_history.addStack(&m_undo);
    m_history.setActiveStack(&m_undo);
}

Document::~Document() = default;

void Document::startUp() {
    createDataFolder();
    buildUntitledData();
    startNewHistory();
    announceReplacement();
}

void Document::setLocked(bool locked) {
    if (locked == m_locked)
        return;
    // Locking stores a tone still being chosen first.
    m_channelModel->setLocked(locked);
    m_locked = locked;
    m_history.setActiveStack(locked ? nullptr : &m_undo);
    Q_EMIT lockChanged(locked);
}

// ---- recording ----

DocumentState Document::captureState() const {
    return {image().bytes(), channels(), m_band.state(), m_currentFilePath};
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
    m_data.image.bytes() = state.image;
    m_band.restore(state.band);
    Q_EMIT modelChanged(m_band.modelPosition());
    announceBand();
    setCurrentFilePath(state.filePath);
    m_channelModel->restoreTable(state.channels);
    // The pages and dialogs show the image again, as it was: bytes stored from the memory
    // viewer stay as they were typed.
    showKeepingTheImage([this] {
        m_settings->refreshFromImage();
        m_volume->open();
        m_pttIdPause->open();
    });
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

void Document::startNewHistory() {
    m_undo.clear();
    updateModified();
}

void Document::markSaved() {
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

// ---- recorded commands of the document ----

Result Document::restoreDefaults() {
    if (m_locked)
        return Result::failure(QString());
    const EditScope edit(this, QString(), m_context.text(TextId::RestoreDefaultSetting));
    return replaceWithFile(m_context.appFile(AppContext::FactoryFileName));
}

void Document::chooseModel(int position) {
    if (m_locked)
        return;
    const EditScope edit(this, QStringLiteral("cboModel"), m_context.text(TextId::ModelType));
    applyModel(position);
}

void Document::chooseBand(int position) {
    if (m_locked)
        return;
    const EditScope edit(this, QString(), m_context.text(TextId::Frequency));
    applyFixedBand(position);
}

void Document::chooseCustomBand(const QString& minText, const QString& maxText) {
    if (m_locked)
        return;
    const EditScope edit(this, QString(), m_context.text(TextId::Frequency));
    applyCustomBand(minText, maxText);
}

// ---- the radio and the memory viewer ----

void Document::applyRadioRead(const QByteArray& newImage) {
    const EditScope edit(this, QString(), m_context.extraText(QStringLiteral("undo.readFromRadio")));
    m_data.image.write(0, newImage);
    showReplacedImage();
}

void Document::applyRadioWrite(const QByteArray& newImage) {
    const QByteArray before = image().bytes();
    m_data.image.write(0, newImage);
    announceChanges(before);
}

bool Document::writeBytes(int address, const QByteArray& bytes, const QString& undoText) {
    if (m_locked || !image().contains(address, int(bytes.size())))
        return false;
    const EditScope edit(this, QString(), undoText);
    encodeChannelTable();
    m_data.image.write(address, bytes);
    // Repairs belong to the refresh after a read or an open, not to bytes typed on purpose.
    showKeepingTheImage([this] { showReplacedImage(); });
    return true;
}

void Document::encodeChannels(EditInProgress edit) {
    const QByteArray before = image().bytes();
    encodeChannelTable(edit);
    announceChanges(before);
}

} // namespace qrt
