#pragma once

#include "channels/ChannelGridModel.h"

#include <QObject>
#include <QPersistentModelIndex>

namespace qrt::gui {

// What the mouse and the command keys mean in the channel grid, in terms of the channel
// table's named edits: a click highlights its row and opens the cell's editor or the tone
// list; a double-click steps an option, gives an empty transmit the receive frequency or
// copies a tone from the other tone cell. It also keeps the tone being chosen in the tone
// list, which is stored when the list is left (the next click, locking, a save or a
// write) and dropped with the data it was chosen for.
class ChannelGridGestures : public QObject {
    Q_OBJECT
public:
    // What the grid does after a click.
    struct ClickResult {
        enum Action {
            Nothing,      // locked, or not a cell
            EditCell,     // start editing `cell` (which may differ from the clicked one)
            OpenToneList, // open the tone list over `cell`, showing `toneText`
            SelectCell,   // make `cell` the current cell
        };
        Action action = Nothing;
        QModelIndex cell;
        QString toneText;
    };

    explicit ChannelGridGestures(channels::ChannelGridModel& grid, QObject* parent = nullptr);

    ClickResult click(const QModelIndex& index);
    // False when nothing was done (locked, not a cell, an empty channel, column 1, ...).
    bool doubleClick(const QModelIndex& index);
    int highlightedChannel() const { return m_grid.highlightedChannel(); }

    bool hasPendingTone() const { return m_pendingCell.isValid(); }
    QModelIndex pendingToneCell() const { return m_pendingCell; }
    // The text the tone list shows now (its editor reports typing); changes no data.
    void setPendingToneText(const QString& text);
    // Leaving the tone list: stores its text into the pending cell. False when none is pending.
    bool storePendingTone();
    bool storePendingTone(const QString& text);
    // The tone list's editor commits its text into its cell.
    bool storeTone(const QModelIndex& cell, const QString& text);
    // The tone list closed without choosing (Escape): the pending tone is dropped unstored.
    void cancelPendingTone();

private:
    channels::ChannelTableModel& table() const { return m_grid.table(); }
    void dropPendingToneOfEmptyChannel(int channel);

    channels::ChannelGridModel& m_grid;
    QPersistentModelIndex m_pendingCell;
    QString m_pendingText;
};

} // namespace qrt::gui
