#pragma once

#include <QList>
#include <QObject>

class QTabWidget;
class QWidget;

namespace qrt {
class Document;
}

namespace qrt::gui {

class SettingsBinder;

// The eight pages of radio-wide options in the tab control `sstabSetMode`, and the hidden
// frame `fraModelInfo` whose options are refreshed like the others but never shown. The
// pages are laid out in their .ui files; the binder ties every option to the settings
// model. The buttons that open a dialog are announced by signals.
class SettingsPages : public QObject {
    Q_OBJECT
public:
    static constexpr int PageCount = 8;

    // Adds the pages to the tab control; the hidden frame becomes a hidden child of
    // hiddenParent.
    SettingsPages(Document& document, QTabWidget& tabs, QWidget& hiddenParent);
    ~SettingsPages() override;

    // The place on page 0 for the model and band lists and their buttons.
    QWidget* modelBandPlace() const { return m_modelBandPlace; }
    // The place in the hidden two-tone frame `fraSysSet7` for the two-tone grids.
    QWidget* twoToneGridPlace() const { return m_twoToneGridPlace; }
    // The pages, page 0 first (each scrolls inside its tab), and the hidden frame.
    const QList<QWidget*>& pages() const { return m_pages; }
    QWidget* hiddenFrame() const { return m_hiddenFrame; }
    // fraSysSet0 ... fraSysSet8.
    const QList<QWidget*>& lockedFrames() const { return m_frames; }
    SettingsBinder& binder() const { return *m_binder; }

    // The interface lock: disables or enables the nine frames together.
    void setLocked(bool locked);

Q_SIGNALS:
    void twoWayVolumeRequested();       // cmdTwoWayVolSet
    void pttIdPauseChannelsRequested(); // cmdPttIdPauseChSet
    void serialImportRequested();       // cmdImportSeq

private:
    void connectButtons(Document& document);

    QList<QWidget*> m_pages;
    QWidget* m_hiddenFrame = nullptr;
    QList<QWidget*> m_frames;
    QWidget* m_modelBandPlace = nullptr;
    QWidget* m_twoToneGridPlace = nullptr;
    SettingsBinder* m_binder = nullptr;
};

} // namespace qrt::gui
