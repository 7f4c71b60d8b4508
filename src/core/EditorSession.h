#pragma once

#include "core/Band.h"
#include "core/ChannelCodec.h"
#include "core/FileAccess.h"
#include "core/RadioImage.h"
#include "core/TextIndex.h"

#include <QObject>
#include <QString>

#include <memory>

namespace qrt {

class AppContext;

// What the settings subsystem contributes to a refresh of all views.
class SettingsRefresh {
public:
    virtual ~SettingsRefresh() = default;
    virtual void refreshFromImage() = 0;
    // Restores the VOX compare values when the shown ones are out of their range.
    virtual void repairVoxCompare() = 0;
};

// The owner of the channel table in a program with views: decodes and encodes it on
// the session's behalf, so that the views follow.
class ChannelRefresh {
public:
    virtual ~ChannelRefresh() = default;
    virtual void reloadFromImage() = 0;
    virtual void encodeIntoImage() = 0;
};

// The outcome of a file command: on failure the interface text to show and the reason.
struct FileResult {
    bool ok = true;
    int messageIndex = 0; // interface text of the message box on failure
    QString reason;       // why, in the user's language

    // A failure message with the reason on a line of its own.
    QString withReason(const QString& message) const {
        return reason.isEmpty() ? message : message + QLatin1Char('\n') + reason;
    }
};

// Model and band as the editor shows them, kept with each undo step.
struct BandState {
    int modelPosition = 0;
    int bandPosition = band::DefaultPosition;
    band::Limits limits;
    QString caption;
    QString customMinText;
    QString customMaxText;
    bool operator==(const BandState&) const = default;
};

// The data being edited: the memory image and its template, the decoded channel table,
// model and band, and the current file. Every view is a decoding of the image.
class EditorSession : public QObject {
    Q_OBJECT
public:
    static constexpr int IdentAddress = 0x1B8;
    static constexpr int MsgWrongFileType = textindex::WrongFileType;
    static constexpr int MsgSaveFailed = textindex::SaveFailed;
    static constexpr int MsgSaveAsFailed = textindex::SaveAsFailed;
    static constexpr int TextFileName = textindex::FileName;
    static constexpr int TextModel = 356;
    static constexpr int TextCustom = 373;

    explicit EditorSession(AppContext& context, QObject* parent = nullptr);
    ~EditorSession() override;

    AppContext& context() { return m_context; }
    void setSettingsRefresh(SettingsRefresh* refresh) { m_settingsRefresh = refresh; }
    void setChannelRefresh(ChannelRefresh* refresh) { m_channelRefresh = refresh; }

    // Start-up: the data folder and untitled path, then the channel editor, which builds
    // the untitled data from the template with model 0 and the band 400 - 470 MHz.
    void startUp();
    void createDataFolder();
    void initChannelEditor();

    RadioImage& image() { return m_image; }
    const RadioImage& image() const { return m_image; }
    const RadioImage& templateImage() const { return m_template; }
    const ChannelTable& channels() const { return m_channels; }
    // The table itself, for the one model that edits it.
    ChannelTable& channelTableStorage() { return m_channels; }
    ChannelCodec& codec() { return *m_codec; }

    // Model and band.
    int modelPosition() const { return m_modelPosition; }
    int bandPosition() const { return m_bandPosition; }
    band::Limits bandLimits() const { return m_limits; }
    band::Limits absoluteLimits() const { return {m_absMin, m_absMax}; }
    QString bandCaption() const { return m_caption; }
    QStringList modelList() const;
    QStringList bandList() const;
    void chooseModel(int position);
    // Positions 0..13; the data is rebuilt from the template, keeping model and band.
    void chooseBand(int position);
    // The custom band dialog accepted with these texts.
    void chooseCustomBand(const QString& minText, const QString& maxText);
    QString customMinText() const { return m_customMinText; }
    QString customMaxText() const { return m_customMaxText; }
    // Model and band from the image, repairing values the lists do not hold.
    void showModelFromImage();
    void showBandFromImage();
    BandState bandState() const;
    // Shows a band state taken earlier; the image is not touched.
    void restoreBandState(const BandState& state);

    // Files.
    QString currentFilePath() const { return m_currentFilePath; }
    QString untitledFilePath() const { return m_untitledFilePath; }
    QString statusFileText() const;
    // Puts back a current file path taken earlier (undo).
    void restoreFilePath(const QString& path) { setCurrentFilePath(path); }
    // Reads the template file into the template and the image; false (logged) when it cannot.
    bool loadTemplate();
    void newFile(); // after the user confirmed
    // New data from the template, keeping model and band; every view follows.
    void rebuildFromTemplate();
    FileResult openFile(const QString& path);
    FileResult restoreDefaults();
    // Save As with a chosen name; the current path changes only when the file was written.
    FileResult saveAs(const QString& path, int failureMessage = MsgSaveAsFailed);
    FileResult saveToCurrentFile();

    // Views.
    // After the image was replaced: model, band, channels and settings shown from it,
    // with the settings' repairs.
    void refreshViewsFromImage();
    void reloadChannels();
    void encodeChannels();
    // A channel made empty with its record bytes from the template (start-up).
    void emptyChannel(int channel);
    void emptyAllChannels();

Q_SIGNALS:
    void channelsChanged();
    void modelChanged(int position);
    void bandChanged(int position, const QString& caption);
    void currentFileChanged(const QString& path);
    void imageReplaced();
    void toneListHideRequested();

private:
    void applyBand(int position);
    void setCurrentFilePath(const QString& path);
    FileResult failureResult(int messageIndex, const Result& status) const;

    AppContext& m_context;
    SettingsRefresh* m_settingsRefresh = nullptr;
    ChannelRefresh* m_channelRefresh = nullptr;
    RadioImage m_image;
    RadioImage m_template;
    ChannelTable m_channels;
    std::unique_ptr<ChannelCodec> m_codec;

    int m_modelPosition = 0;
    int m_bandPosition = band::DefaultPosition;
    band::Limits m_limits = band::fixedLimits(band::DefaultPosition);
    qint32 m_absMin = band::AbsMin;
    qint32 m_absMax = band::AbsMax;
    bool m_bandShowBusy = false;
    QString m_caption;
    QString m_customMinText;
    QString m_customMaxText;

    QString m_currentFilePath;
    QString m_untitledFilePath;
};

} // namespace qrt
