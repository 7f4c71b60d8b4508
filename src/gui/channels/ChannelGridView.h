#pragma once

#include "channels/ChannelGridModel.h"
#include "gui/channels/ChannelGridGestures.h"

#include <QPersistentModelIndex>
#include <QTableView>
#include <QTimer>

class QAbstractButton;

namespace qrt::gui {

// The channel grid `vsfgGridCh`: a table view over the channel table that turns clicks,
// double-clicks and keys into its gestures (ChannelGridGestures) and edits and carries
// out what they answer. Keys (the README's keyboard table):
//   arrows, Home, End, Page Up/Down  move the current cell;
//   Enter, F2, Space                 act as a click on the current cell (edit it, or open
//                                    the tone list on a tone cell);
//   Ctrl+Enter                       acts as a double-click on the current cell;
//   typing on a cell with an editor  opens it with the typed character (a frequency or
//                                    tone takes it as text, an option list its option);
//   Delete on a frequency cell       clears it (an empty edit);
//   in an editor: Enter stores, Tab and Shift+Tab store and move right or left, Escape
//   closes it without storing; an option list's arrows only move its choice;
//   Menu key, Shift+F10              the context menu of the current cell;
//   Shift with a move, or a drag      selects a block of cells (for Copy and Cut).
// A click opens its editor only when no double-click follows, so that a double-click
// reaches the grid (it steps an option or copies a frequency or tone).
class ChannelGridView : public QTableView {
    Q_OBJECT
public:
    explicit ChannelGridView(channels::ChannelTableModel& table, QWidget* parent = nullptr);

    channels::ChannelGridModel& gridModel() const { return *m_model; }
    ChannelGridGestures& gestures() const { return *m_gestures; }

    // Stores a tone being chosen in the tone list and closes the list.
    void storeToneBeingChosen();
    // Stores what an open cell editor holds and closes it, and the tone being chosen.
    void storeOpenEditor();
    // Carries out a click on the cell at once (the keyboard's click).
    void activate(const QModelIndex& cell);
    // Carries out a double-click on the cell (also the keyboard's Ctrl+Enter).
    void doubleClickCell(const QModelIndex& cell);
    // The selection colour while unlocked.
    static QColor selectionColor() { return channels::ChannelGridModel::selectionColor(); }

Q_SIGNALS:
    // The context menu is asked for over a data cell.
    void channelMenuRequested(int channel, const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

protected Q_SLOTS:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    enum class EditTiming { AfterDoubleClickTime, Now };
    void carryOut(const ChannelGridGestures::ClickResult& result, EditTiming timing);
    void openDelayedEditor();
    void moveToRequestedCell(const QModelIndex& cell);
    void applySectionSizes();
    int captionWidth(int column) const;
    void applyLock(bool locked);
    bool handleCommandKey(QKeyEvent* event);
    bool typeIntoCell(const QModelIndex& cell);
    void requestMenuAt(const QModelIndex& cell, const QPoint& globalPos);
    bool paintCorner();

    channels::ChannelGridModel* m_model;
    ChannelGridGestures* m_gestures;
    QAbstractButton* m_corner = nullptr;
    QPalette m_ownPalette;
    QColor m_background;
    QTimer m_delayedEdit;
    QPersistentModelIndex m_delayedCell;
    QPersistentModelIndex m_requestedCell;
    QPoint m_cursorBeforeReset; // column, row
    bool m_movingCursor = false;
};

} // namespace qrt::gui
