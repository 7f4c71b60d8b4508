#pragma once

#include "core/EditorSession.h"
#include "document/DocumentState.h"

#include <QHash>
#include <QObject>
#include <QUndoStack>

#include <memory>

namespace qrt {

class AppContext;
class UserEditNotifier;
namespace channels {
class ChannelTableModel;
}
namespace options {
class PttIdPauseDialogModel;
class SettingsModel;
class VolumeDialogModel;
} // namespace options

// What one running program edits: the memory image and its template, the channel table,
// the radio-wide settings and their dialogs, the current file, the modified flag and the
// undo history. Views read the models and follow imageChanged(); user actions go to the
// models (or to the commands here), which record each as one undo step.
class Document : public QObject {
    Q_OBJECT
public:
    explicit Document(AppContext& context, QObject* parent = nullptr);
    ~Document() override;

    // Builds the untitled data from the template with model 0 and the default band.
    void startUp();

    AppContext& context() { return m_context; }
    const RadioImage& image() const { return m_session.image(); }
    const ChannelTable& channels() const { return m_session.channels(); }
    EditorSession& session() { return m_session; }
    channels::ChannelTableModel& channelModel() { return *m_channelModel; }
    options::SettingsModel& settings() { return *m_settings; }
    options::VolumeDialogModel& volumeDialog() { return *m_volume; }
    options::PttIdPauseDialogModel& pttIdPauseDialog() { return *m_pttIdPause; }
    QUndoStack& undoStack() { return m_undo; }

    QString currentFilePath() const { return m_session.currentFilePath(); }
    bool isModified() const { return m_unsavedRead || !m_undo.isClean(); }

    // File commands. New and Open start a new history and clear the modified flag, as
    // does a successful save.
    void newFile();
    FileResult openFile(const QString& path);
    FileResult save();
    FileResult saveAs(const QString& path);
    // "Restore Default Setting": the factory file opened, as one undo step.
    FileResult restoreDefaults();

    // Model and band choices, each one undo step.
    void chooseModel(int position);
    void chooseBand(int position);
    void chooseCustomBand(const QString& minText, const QString& maxText);

    // The image read from the radio replaces the data; a new history starts and the data
    // counts as modified until it is saved.
    void applyRadioRead(const QByteArray& image);
    // The bytes a write to the radio forced into the image (no undo step; the data stays
    // as modified as it was).
    void applyRadioWrite(const QByteArray& image);
    // The channel table encoded into the image, as before a save or a write.
    void encodeChannels();
    // Bytes typed into the image (the memory viewer), as one user edit called undoText: the
    // channel table is encoded first, and afterwards every view is shown from the image
    // with its repairs, as after a read. False, with nothing changed, when the bytes do not
    // fit the image.
    bool writeBytes(int address, const QByteArray& bytes, const QString& undoText);

Q_SIGNALS:
    // Bytes [first, first + count) of the image may have changed.
    void imageChanged(int first, int count);
    void modifiedChanged(bool modified);

private:
    class EditScope;
    // Records the user actions of a model (one with userEditStarted/userEditFinished).
    template <class Model> void recordEditsOf(Model* model);
    void beginUserEdit(const QString& mergeKey, const QString& undoText);
    void endUserEdit();
    DocumentState captureState() const;
    void applyState(const DocumentState& state);
    void announceChanges(const QByteArray& before);
    void announceReplacement();
    void startNewHistory(bool unsavedRead);
    void markSaved();
    void updateModified();
    int mergeIdOf(const QString& key);

    AppContext& m_context;
    EditorSession m_session;
    std::unique_ptr<channels::ChannelTableModel> m_channelModel;
    std::unique_ptr<options::SettingsModel> m_settings;
    std::unique_ptr<options::VolumeDialogModel> m_volume;
    std::unique_ptr<options::PttIdPauseDialogModel> m_pttIdPause;
    QUndoStack m_undo;
    bool m_unsavedRead = false;
    bool m_lastModified = false;

    int m_editDepth = 0;
    bool m_applyingState = false;
    QString m_editKey;
    QString m_editText;
    DocumentState m_stateBeforeEdit;
    QHash<QString, int> m_mergeIds;
};

} // namespace qrt
