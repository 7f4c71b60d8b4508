#include "gui/channels/ChannelEditorWindow.h"

#include "channels/ChannelTableModel.h"
#include "core/AppContext.h"
#include "core/TextIndex.h"
#include "document/Document.h"
#include "gui/channels/ChannelClipboard.h"
#include "gui/channels/ChannelGridMenu.h"
#include "gui/channels/ChannelGridView.h"
#include "gui/channels/ModelBandPanel.h"
#include "gui/common/UserPrompts.h"
#include "gui/options/SettingsPages.h"
#include "gui/options/dialogs/SettingsDialogs.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qrt::gui {

using channels::ChannelTableModel;

ChannelEditorWindow::ChannelEditorWindow(Document& document, UserPrompts& prompts, QWidget* parent)
    : QWidget(parent), m_document(document), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmChMem"));
    const QString channelInfo = document.context().text(TextId::ChannelInfo);
    setAccessibleName(channelInfo);
    ChannelTableModel& model = document.channelModel();

    auto* gridFrame = new QGroupBox(channelInfo, this);
    gridFrame->setObjectName(QStringLiteral("fraMain"));
    gridFrame->setAccessibleName(channelInfo);
    m_grid = new ChannelGridView(model, gridFrame);
    m_grid->setAccessibleName(channelInfo);
    // A tone being chosen in the tone list is stored before the table is encoded for a
    // save or a write.
    connect(&document, &Document::aboutToEncode, m_grid, &ChannelGridView::storeToneBeingChosen);
    auto* gridLayout = new QVBoxLayout(gridFrame);
    gridLayout->addWidget(m_grid);

    m_menu = new ChannelGridMenu(model, this);
    m_menu->setAccessibleName(channelInfo);
    connect(m_grid, &ChannelGridView::channelMenuRequested, this, &ChannelEditorWindow::showChannelMenu);
    m_clipboard = new ChannelClipboard(*m_grid, prompts, document.context());
    m_menu->addClipboardActions(m_clipboard->actions());

    m_modelBand = new ModelBandPanel(document, this);
    connect(m_modelBand, &ModelBandPanel::memoryViewerRequested, this, &ChannelEditorWindow::memoryViewerRequested);
    connect(m_modelBand, &ModelBandPanel::memoryViewerHideRequested, this,
            &ChannelEditorWindow::memoryViewerHideRequested);

    m_deleteAll = commandButton(QStringLiteral("cmdDelAllCh"), TextId::DeleteAllChannels);
    m_restoreDefaults = commandButton(QStringLiteral("cmdDefSet"), TextId::RestoreDefaultSetting);
    connect(m_deleteAll, &QPushButton::clicked, this, [&model] { model.deleteAll(); });
    connect(m_restoreDefaults, &QPushButton::clicked, this, &ChannelEditorWindow::restoreDefaults);
    // The radio-wide settings; page 0 holds the model and band and the two buttons.
    m_settingsTabs = new QTabWidget(this);
    m_settingsTabs->setObjectName(QStringLiteral("sstabSetMode"));
    m_settingsTabs->setAccessibleName(channelInfo);
    m_settingsPages = new SettingsPages(document, *m_settingsTabs, *this);
    connectSettingsDialogs(*m_settingsPages, document, prompts, this);
    auto* radioInfo = new QHBoxLayout;
    radioInfo->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_deleteAll);
    buttons->addWidget(m_restoreDefaults);
    buttons->addStretch();
    radioInfo->addWidget(m_modelBand);
    radioInfo->addLayout(buttons);
    static_cast<QBoxLayout*>(m_settingsPages->modelBandPlace()->layout())->addLayout(radioInfo);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gridFrame, 3);
    layout->addWidget(m_settingsTabs, 2);

    setWindowTitle(document.bandCaption());
    connect(&document, &Document::bandChanged, this, [this](int, const QString& caption) { setWindowTitle(caption); });
    connect(&model, &ChannelTableModel::lockChanged, this, &ChannelEditorWindow::applyLock);
    applyLock(model.isLocked());
}

QPushButton* ChannelEditorWindow::commandButton(const QString& objectName, TextId caption) {
    auto* button = new QPushButton(m_document.context().text(caption), this);
    button->setObjectName(objectName);
    button->setAccessibleName(button->text());
    return button;
}

void ChannelEditorWindow::setSettingsLocked(bool locked) {
    m_settingsPages->setLocked(locked);
}

void ChannelEditorWindow::setChannelLockAction(QAction* lockAction) {
    m_menu->setChannelLockAction(lockAction);
}

void ChannelEditorWindow::showChannelMenu(int channel, const QPoint& globalPos) {
    m_menu->prepareFor(channel);
    m_menu->popup(globalPos);
}

void ChannelEditorWindow::restoreDefaults() {
    const Result result = m_document.restoreDefaults();
    if (!result.ok() && result.message())
        m_prompts.inform(window(), QMessageBox::Critical, m_document.context().text(TextId::Notice),
                         result.withReason(m_document.context().text(*result.message())));
}

void ChannelEditorWindow::applyLock(bool locked) {
    // The lock also covers the commands that replace channels or the whole data.
    m_modelBand->setEnabled(!locked);
    m_deleteAll->setEnabled(!locked);
    m_restoreDefaults->setEnabled(!locked);
}

} // namespace qrt::gui
