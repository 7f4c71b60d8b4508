#pragma once

#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

namespace qrt {
class AppContext;
}

namespace qrt::gui::info {

// The small navigation tree beside the editor: the radio with its information page, the
// channel editor and the settings page window. Activating an entry (click, Enter or
// double click) asks for the view it names; the window shows nothing itself.
class RadioSetTreeWindow : public QWidget {
    Q_OBJECT
public:
    // Keys of the entries, in the order they are shown.
    static inline const QString RootKey = QStringLiteral("Radio");
    static inline const QString RadioInfoKey = QStringLiteral("RadioInfo");
    static inline const QString ChannelInfoKey = QStringLiteral("ChInfo");
    static inline const QString SettingsKey = QStringLiteral("SysSet");
    static constexpr int KeyRole = Qt::UserRole;

    explicit RadioSetTreeWindow(const AppContext& context, QWidget* parent = nullptr);

    QTreeWidget* tree() const { return m_tree; }
    QTreeWidgetItem* entry(const QString& key) const;

    // What activating the entry with this key does; an unknown key or the root does nothing.
    void activateEntry(const QString& key);

Q_SIGNALS:
    void radioInfoRequested();
    void channelEditorRequested();
    void settingsPageRequested();

private:
    void buildEntries();
    void onItemActivated(QTreeWidgetItem* item);

    const AppContext& m_context;
    QTreeWidget* m_tree;
};

} // namespace qrt::gui::info
