// The document's data without recording: start-up, model and band, the data rebuilt from
// the template, and what every view shows after the image was replaced.
#include "document/Document.h"

#include "channels/ChannelTableModel.h"
#include "core/AppContext.h"
#include "core/MemoryLayout.h"
#include "options/SettingsModel.h"

#include <QDir>

namespace qrt {

namespace {
const QByteArray kIdentificationText = QByteArrayLiteral("T49516\xF8\xFF");
} // namespace

void Document::createDataFolder() {
    const QString folder = m_context.appFile(QStringLiteral("Data"));
    if (!QDir().mkpath(folder))
        m_context.errorLog().logErr(QStringLiteral("mdifrmMain->GenerateDatFolder"), err::PathFileAccess);
    m_untitledFilePath = QDir(folder).filePath(QStringLiteral("Untitled.dat"));
    setCurrentFilePath(m_untitledFilePath);
}

void Document::buildUntitledData() {
    for (int n = 1; n <= m_context.channelDef().chCount; ++n)
        m_data.codec.emptyChannel(m_data.channels, n, m_data.image, m_data.templateFile);
    applyModel(0);
    applyFixedBand(band::DefaultPosition);
}

void Document::applyModel(int position) {
    m_band.chooseModel(position);
    Q_EMIT modelChanged(m_band.modelPosition());
}

void Document::applyFixedBand(int position) {
    if (m_band.isShowingFromImage() || !m_band.chooseFixedBand(position))
        return;
    announceBand();
    rebuildFromTemplate();
}

void Document::applyCustomBand(const QString& minText, const QString& maxText) {
    if (m_band.isShowingFromImage())
        return;
    // The dialog makes the data untitled and rebuilds it before it takes the band.
    setCurrentFilePath(m_untitledFilePath);
    rebuildFromTemplate();
    m_band.chooseCustomBand(minText, maxText);
    announceBand();
    rebuildFromTemplate();
}

void Document::announceBand() {
    Q_EMIT bandChanged(m_band.bandPosition(), m_band.caption());
}

void Document::rebuildFromTemplate() {
    m_data.loadTemplateKeepingModelAndBand();
    showChannelsAndSettings();
}

void Document::showReplacedImage() {
    m_band.showModelFromImage();
    Q_EMIT modelChanged(m_band.modelPosition());
    m_band.showBandFromImage();
    announceBand();
    showChannelsAndSettings();
    if (m_data.image.at(layout::IdentificationText.first) != quint8('T'))
        m_data.image.write(layout::IdentificationText.first, kIdentificationText);
    m_settings->repairVoxCompare();
}

void Document::showChannelsAndSettings() {
    m_channelModel->reloadFromImage();
    m_settings->refreshFromImage();
}

void Document::showKeepingTheImage(const std::function<void()>& refresh) {
    const QByteArray stored = image().bytes();
    refresh();
    m_data.image.bytes() = stored;
}

void Document::encodeChannelTable(EditInProgress edit) {
    if (edit == EditInProgress::Store)
        Q_EMIT aboutToEncode();
    m_channelModel->encodeIntoImage();
}

void Document::setCurrentFilePath(const QString& path) {
    m_currentFilePath = path;
    Q_EMIT currentFileChanged(path);
}

} // namespace qrt
