#include "core/EditorSession.h"

#include "core/AppContext.h"
#include "core/DataFile.h"

#include <QDir>

namespace qrt {

namespace {
const QByteArray kIdentText = QByteArrayLiteral("T49516\xF8\xFF");
}

EditorSession::EditorSession(AppContext& context, QObject* parent)
    : QObject(parent), m_context(context), m_image(context.program().imageLastAddress + 1),
      m_template(context.program().imageLastAddress + 1),
      m_codec(std::make_unique<ChannelCodec>(context.tones(), &context.errorLog())) {}

EditorSession::~EditorSession() = default;

void EditorSession::startUp() {
    createDataFolder();
    initChannelEditor();
}

void EditorSession::createDataFolder() {
    const QString folder = m_context.appFile(QStringLiteral("Data"));
    if (!QDir().mkpath(folder))
        m_context.errorLog().logErr(QStringLiteral("mdifrmMain->GenerateDatFolder"), err::PathFileAccess);
    m_untitledFilePath = QDir(folder).filePath(QStringLiteral("Untitled.dat"));
    setCurrentFilePath(m_untitledFilePath);
}

void EditorSession::initChannelEditor() {
    emptyAllChannels();
    chooseModel(0);
    chooseBand(band::DefaultPosition);
}

QStringList EditorSession::modelList() const {
    return {m_context.text(TextModel)};
}

QStringList EditorSession::bandList() const {
    QStringList list;
    for (int p = 0; p < band::CustomPosition; ++p)
        list << band::fixedText(p);
    list << m_context.text(TextCustom);
    return list;
}

void EditorSession::chooseModel(int position) {
    m_modelPosition = position >= 0 && position < band::ModelCount ? position : 0;
    m_image.set(band::ModelAddress, quint8(m_modelPosition));
    Q_EMIT modelChanged(m_modelPosition);
}

void EditorSession::chooseBand(int position) {
    if (m_bandShowBusy)
        return;
    if (position < 0 || position >= band::CustomPosition) {
        m_context.errorLog().logErr(QStringLiteral("frmChMem->cboFrequency_Click"), err::InvalidPropertyValue);
        return;
    }
    m_limits = band::fixedLimits(position);
    applyBand(position);
}

void EditorSession::chooseCustomBand(const QString& minText, const QString& maxText) {
    if (m_bandShowBusy)
        return;
    // The dialog makes the data untitled and rebuilds it before it takes the band.
    setCurrentFilePath(m_untitledFilePath);
    rebuildFromTemplate();
    const band::CustomBand custom = band::customBand(minText, maxText);
    m_limits = custom.limits;
    m_customMinText = custom.minText;
    m_customMaxText = custom.maxText;
    applyBand(band::CustomPosition);
}

void EditorSession::applyBand(int position) {
    m_bandPosition = position;
    m_absMin = band::AbsMin;
    m_absMax = band::AbsMax;
    band::writeLimits(m_image, m_limits);
    m_caption = band::caption(position, m_limits, m_context.text(TextCustom));
    Q_EMIT bandChanged(m_bandPosition, m_caption);
    rebuildFromTemplate();
}

void EditorSession::showModelFromImage() {
    const int stored = m_image.at(band::ModelAddress);
    if (stored < band::ModelCount) {
        m_modelPosition = stored;
    } else {
        m_modelPosition = 0;
        m_image.set(band::ModelAddress, 0);
    }
    Q_EMIT modelChanged(m_modelPosition);
}

void EditorSession::showBandFromImage() {
    m_bandShowBusy = true;
    band::Limits limits;
    const bool readable = band::readLimits(m_image, &limits);
    if (!readable) {
        // Not decimal digits: the widest band, shown as a custom one; nothing is written.
        m_context.errorLog().logErr(QStringLiteral("frmChMem->FreRangeShow"), err::TypeMismatch);
        limits = {band::CustomMin, band::CustomMax};
    } else if (limits.min < band::AbsMin || limits.min > band::AbsMax || limits.max < band::AbsMin ||
               limits.max > band::AbsMax || limits.max < limits.min) {
        limits = band::fixedLimits(8);
        band::writeLimits(m_image, limits);
    }
    m_limits = limits;
    m_bandPosition = readable ? band::positionOf(limits) : band::CustomPosition;
    m_absMin = band::AbsMin;
    m_absMax = band::AbsMax;
    m_bandShowBusy = false;
    m_caption = band::caption(m_bandPosition, m_limits, m_context.text(TextCustom));
    Q_EMIT bandChanged(m_bandPosition, m_caption);
}

BandState EditorSession::bandState() const {
    return {m_modelPosition, m_bandPosition, m_limits, m_caption, m_customMinText, m_customMaxText};
}

void EditorSession::restoreBandState(const BandState& state) {
    m_modelPosition = state.modelPosition;
    m_bandPosition = state.bandPosition;
    m_limits = state.limits;
    m_caption = state.caption;
    m_customMinText = state.customMinText;
    m_customMaxText = state.customMaxText;
    Q_EMIT modelChanged(m_modelPosition);
    Q_EMIT bandChanged(m_bandPosition, m_caption);
}

QString EditorSession::statusFileText() const {
    return m_context.text(TextFileName) + m_currentFilePath;
}

void EditorSession::setCurrentFilePath(const QString& path) {
    m_currentFilePath = path;
    Q_EMIT currentFileChanged(path);
}

bool EditorSession::loadTemplate() {
    QByteArray bytes;
    const datafile::Status status =
        datafile::readFile(m_context.appFile(AppContext::TemplateFileName), m_image.size(), &bytes);
    if (!status.ok) {
        m_context.errorLog().logErr(QStringLiteral("mdifrmMain->InitTempArray"), status.errNumber);
        return false;
    }
    m_template.write(0, bytes);
    datafile::loadIntoImage(bytes, m_image);
    return true;
}

void EditorSession::newFile() {
    setCurrentFilePath(m_untitledFilePath);
    rebuildFromTemplate();
}

void EditorSession::rebuildFromTemplate() {
    // Model and band survive the new data.
    const QByteArray kept = m_image.mid(band::ModelAddress, 5);
    loadTemplate();
    m_image.write(band::ModelAddress, kept);
    reloadChannels();
    if (m_settingsRefresh)
        m_settingsRefresh->refreshFromImage();
    Q_EMIT toneListHideRequested();
    Q_EMIT imageReplaced();
}

FileResult EditorSession::openFile(const QString& path) {
    QByteArray bytes;
    const datafile::Status status = datafile::readFile(path, m_image.size(), &bytes);
    if (!status.ok) {
        m_context.errorLog().logErr(QStringLiteral("mdifrmMain->OpenFile"), status.errNumber);
        return failureResult(MsgWrongFileType, status);
    }
    datafile::loadIntoImage(bytes, m_image);
    refreshViewsFromImage();
    setCurrentFilePath(path);
    return {};
}

FileResult EditorSession::failureResult(int messageIndex, const FileStatus& status) const {
    return {false, messageIndex, m_context.extraText(status.reasonKey)};
}

FileResult EditorSession::restoreDefaults() {
    return openFile(m_context.appFile(AppContext::FactoryFileName));
}

FileResult EditorSession::saveAs(const QString& path, int failureMessage) {
    const QString previous = m_currentFilePath;
    m_currentFilePath = path;
    FileResult result = saveToCurrentFile();
    if (!result.ok) {
        m_currentFilePath = previous;
        result.messageIndex = failureMessage;
        return result;
    }
    setCurrentFilePath(path);
    return result;
}

FileResult EditorSession::saveToCurrentFile() {
    encodeChannels();
    m_image.write(0, datafile::HeaderText);
    const datafile::Status status = datafile::writeFile(m_currentFilePath, datafile::fileLayout(m_image));
    if (!status.ok) {
        m_context.errorLog().logErr(QStringLiteral("mdifrmMain->SaveDatFile"), status.errNumber);
        return failureResult(MsgSaveAsFailed, status);
    }
    return {};
}

void EditorSession::refreshViewsFromImage() {
    showModelFromImage();
    showBandFromImage();
    reloadChannels();
    if (m_settingsRefresh)
        m_settingsRefresh->refreshFromImage();
    if (m_image.at(IdentAddress) != quint8('T'))
        m_image.write(IdentAddress, kIdentText);
    if (m_settingsRefresh)
        m_settingsRefresh->repairVoxCompare();
    Q_EMIT imageReplaced();
}

void EditorSession::reloadChannels() {
    if (m_channelRefresh)
        m_channelRefresh->reloadFromImage();
    else
        m_codec->decodeAll(m_image, m_context.channelDef(), m_channels);
    Q_EMIT channelsChanged();
}

void EditorSession::encodeChannels() {
    if (m_channelRefresh)
        m_channelRefresh->encodeIntoImage();
    else
        m_codec->encodeAll(m_channels, m_context.channelDef(), m_image);
}

void EditorSession::emptyChannel(int channel) {
    if (!m_codec->emptyChannel(m_channels, channel, m_image, m_template))
        return;
    Q_EMIT toneListHideRequested();
    Q_EMIT channelsChanged();
}

void EditorSession::emptyAllChannels() {
    for (int n = 1; n <= m_context.channelDef().chCount; ++n)
        emptyChannel(n);
}

} // namespace qrt
