#pragma once

#include "core/EditorSession.h"
#include "document/DocumentState.h"

#include <QHash>
#include <QObject>
#include <QUndoGroup>
#include <QUndoStack>

#include <functional>
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
    // The history as the Edit menu offers it: while locked it offers nothing to undo or redo.
    QUndoGroup& editHistory() { return m_history; }

    // The interface lock. While locked no edit reaches the data: the channel table refuses
    // every change, the document refuses model and band, "Restore Default Setting" and the
    // memory viewer's bytes, and the history offers no undo or redo. The settings pages are
    // disabled by their views. Opening, new data and reading the radio are no edits: the
    // user chooses them, and they are asked or undoable as ever.
    void setLocked(bool locked);
    bool isLocked() const { return m_locked; }

    QString currentFilePath() const { return m_session.currentFilePath(); }
    bool isModified() const { return !m_undo.isClean(); }

    // File commands. New and Open start a new history and clear the modified flag, as
    // does a successful save.
    void newFile();
    FileResult openFile(const QString& path);
    FileResult save();
    FileResult saveAs(const QString& path);
    // "Restore Default Setting": the factory file opened, as one undo step. While locked it
    // fails with no message to show (messageIndex 0).
    FileResult restoreDefaults();

    // Model and band choices, each one undo step; nothing while locked.
    void chooseModel(int position);
    void chooseBand(int position);
    void chooseCustomBand(const QString& minText, const QString& maxText);

    // The image read from the radio replaces the data as one undo step ("Read from radio"),
    // so that what was there, saved or not, comes back with Undo.
    void applyRadioRead(const QByteArray& image);
    // The bytes a write to the radio forced into the image (no undo step; the data stays
    // as modified as it was).
    void applyRadioWrite(const QByteArray& image);
    // The channel table encoded into the image, as before a save or a write; aboutToEncode()
    // first. The memory viewer's encoding (EditInProgress::Keep) leaves what is being
    // chosen where it is, without the signal.
    enum class EditInProgress { Store, Keep };
    void encodeChannels(EditInProgress edit = EditInProgress::Store);
    // Bytes typed into the image (the memory viewer), as one user edit called undoText: the channel table
    // is encoded first, the bytes are stored exactly as given, and every view then shows the
    // image without writing anything back into it (a value out of a list's range shows as
    // the refresh would repair it, and stays in the image). False, with nothing changed,
    // when the bytes do not fit the image or the interface is locked.
    bool writeBytes(int address, const QByteArray& bytes, const QString& undoText);

Q_SIGNALS:
    // Bytes [first, first + count) of the image may have changed.
    void imageChanged(int first, int count);
    void modifiedChanged(bool modified);
    void lockChanged(bool locked);
    // The channel table is about to be encoded for a save or a write: a view stores what the
    // user is still choosing (a tone in the tone list), so that it is not lost.
    void aboutToEncode();

private:
    class EditScope;
    // Records the user actions of a model (one with userEditStarted/userEditFinished).
    template <class Model> void recordEditsOf(Model* model);
    void beginUserEdit(const QString& mergeKey, const QString& undoText);
    void endUserEdit();
    DocumentState captureState() const;
    void applyState(const DocumentState& state);
    // Runs a refresh of the views, then puts back the bytes the image held before it: the
    // views show the image, and what the refresh would repair stays as stored.
    void showKeepingTheImage(const std::function<void()>& refresh);
    void announceChanges(const QByteArray& before);
    void announceReplacement();
    void startNewHistory();
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
    QUndoGroup m_history;
    bool m_lastModified = false;
    bool m_locked = false;

    int m_editDepth = 0;
    bool m_applyingState = false;
    QString m_editKey;
    QString m_editText;
    DocumentState m_stateBeforeEdit;
    QHash<QString, int> m_mergeIds;
};

} // namespace qrt
