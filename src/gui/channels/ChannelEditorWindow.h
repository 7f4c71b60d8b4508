#pragma once

#include "core/TextIndex.h"

#include <QWidget>

class QAction;
class QGroupBox;
class QPushButton;
class QTabWidget;

namespace qrt {
class Document;
}

namespace qrt::gui {

class ChannelClipboard;
class ChannelGridMenu;
class ChannelGridView;
class ModelBandPanel;
class SettingsPages;
class UserPrompts;

// The channel editor `frmChMem`: the channel grid in `fraMain` with its pop-up menu, and
// under it the settings tabs `sstabSetMode`, whose first page holds the model and band
// lists and the buttons that delete all channels and restore the factory data. Its
// caption is the band's caption.
class ChannelEditorWindow : public QWidget {
    Q_OBJECT
public:
    ChannelEditorWindow(Document& document, UserPrompts& prompts, QWidget* parent = nullptr);

    // The frame's channel lock entry `mnuPopChLock`, shown in the grid's pop-up menu.
    void setChannelLockAction(QAction* lockAction);

    ChannelGridView* grid() const { return m_grid; }
    ChannelGridMenu* gridMenu() const { return m_menu; }
    ChannelClipboard* clipboard() const { return m_clipboard; }
    ModelBandPanel* modelBandPanel() const { return m_modelBand; }
    QTabWidget* settingsTabs() const { return m_settingsTabs; }
    SettingsPages* settingsPages() const { return m_settingsPages; }

    // The interface lock of the settings pages.
    void setSettingsLocked(bool locked);

Q_SIGNALS:
    void memoryViewerRequested();
    void memoryViewerHideRequested();

private:
    void showChannelMenu(int channel, const QPoint& globalPos);
    void restoreDefaults();
    void applyLock(bool locked);
    QPushButton* commandButton(const QString& objectName, TextId caption);

    Document& m_document;
    UserPrompts& m_prompts;
    ChannelGridView* m_grid;
    ChannelGridMenu* m_menu;
    ChannelClipboard* m_clipboard;
    ModelBandPanel* m_modelBand;
    QPushButton* m_deleteAll;
    QPushButton* m_restoreDefaults;
    QTabWidget* m_settingsTabs;
    SettingsPages* m_settingsPages;
};

} // namespace qrt::gui
