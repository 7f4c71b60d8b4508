#pragma once

#include "core/Result.h"
#include "document/DocumentState.h"
#include "document/ModelAndBand.h"
#include "document/RadioData.h"
#include "document/ReadBackup.h"

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

// What one running program edits, and the only owner of it: the memory image and its
// template, the channel table, model and band, the radio-wide settings and their dialogs,
// the current file, the modified flag and the undo history. Views read the document and
// its models and follow its signals; user actions go to the models (or to the commands
// here), which record each as one undo step.
class Document : public QObject {
    Q_OBJECT
public:
    explicit Document(AppContext& context, QObject* parent = nullptr);
    ~Document() override;

    // Creates the data folder and builds the untitled data from the template with model 0
    // and the default band.
    void startUp();

    AppContext& context() { return m_context; }
    const AppContext& context() const { return m_context; }
    const RadioImage& image() const { return m_data.image; }
    // The template as stored in its file (the untitled data and empty channels come from it).
    const RadioImage& templateImage() const { return m_data.templateFile; }
    const ChannelTable& channels() const { return m_data.channels; }
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

    // Model and band.
    QStringList modelList() const { return m_band.modelList(); }
    QStringList bandList() const { return m_band.bandList(); }
    int modelPosition() const { return m_band.modelPosition(); }
    int bandPosition() const { return m_band.bandPosition(); }
    band::Limits bandLimits() const { return m_band.limits(); }
    band::Limits absoluteLimits() const { return m_band.absoluteLimits(); }
    QString bandCaption() const { return m_band.caption(); }
    QString customMinText() const { return m_band.customMinText(); }
    QString customMaxText() const { return m_band.customMaxText(); }
    const BandState& bandState() const { return m_band.state(); }

    QString currentFilePath() const { return m_currentFilePath; }
    QString untitledFilePath() const { return m_untitledFilePath; }
    bool isModified() const { return !m_undo.isClean(); }

    // File commands. New and Open start a new history and clear the modified flag, as
    // does a successful save.
    void newFile();
    Result openFile(const QString& path);
    Result save();
    Result saveAs(const QString& path);
    // "Restore Default Setting": the factory file opened, as one undo step. While locked it
    // fails with no message to show.
    Result restoreDefaults();

    // Model and band choices, each one undo step; nothing while locked. A band chosen
    // builds new data from the template, keeping model and band; a custom band also makes
    // the data untitled.
    void chooseModel(int position);
    void chooseBand(int position);
    void chooseCustomBand(const QString& minText, const QString& maxText);

    // The image read from the radio replaces the data as one undo step ("Read from radio"),
    // so that what was there, saved or not, comes back with Undo.
    void applyRadioRead(const QByteArray& image);
    // Keeps an image read from the radio as a new data file in Data/Backups (the data here
    // stays as it is); call it before applyRadioRead. A failure carries its reason in the
    // user's language and is logged.
    readbackup::Backup backUpRadioRead(const QByteArray& image);
    // The bytes a write to the radio forced into the image (no undo step; the data stays
    // as modified as it was).
    void applyRadioWrite(const QByteArray& image);
    // The channel table encoded into the image, as before a write to the radio;
    // aboutToEncode() first. The memory viewer's encoding (EditInProgress::Keep) leaves
    // what is being chosen where it is, without the signal.
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
    void modelChanged(int position);
    void bandChanged(int position, const QString& caption);
    void currentFileChanged(const QString& path);
    // A data file was opened, saved or written as the backup of a read.
    void fileUsed(const QString& path);
    // The channel table is about to be encoded into the image (a save, a write to the radio,
    // bytes typed into the image): a view holding an edit not yet stored stores it now.
    void aboutToEncode();
    void modifiedChanged(bool modified);
    void lockChanged(bool locked);

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
    void startNewHistory();
    void markSaved();
    void updateModified();
    int mergeIdOf(const QString& key);

    // The data itself, without recording (DocumentData.cpp).
    void createDataFolder();
    void buildUntitledData();
    void applyModel(int position);
    void applyFixedBand(int position);
    void applyCustomBand(const QString& minText, const QString& maxText);
    void announceBand();
    // New data from the template. Model and band stay as chosen, so only channels and
    // settings are shown from it, and nothing is repaired.
    void rebuildFromTemplate();
    // After the image was replaced (open, read from the radio, restore defaults): model,
    // band, channels and settings shown from it, then the repairs of the identification
    // text and of the VOX compare values.
    void showReplacedImage();
    void showChannelsAndSettings();
    // Runs a refresh of the views, then puts back the bytes the image held before it: the
    // views show the image, and what the refresh would repair stays as stored.
    void showKeepingTheImage(const std::function<void()>& refresh);
    void encodeChannelTable(EditInProgress edit = EditInProgress::Store);
    void setCurrentFilePath(const QString& path);

    // Files (DocumentFiles.cpp).
    // The file read into the image and shown, as the current file; no undo step.
    Result replaceWithFile(const QString& path);
    Result writeCurrentFile();
    Result failureResult(TextId message, const Result& status) const;

    AppContext& m_context;
    RadioData m_data;
    ModelAndBand m_band;
    QString m_currentFilePath;
    QString m_untitledFilePath;
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
