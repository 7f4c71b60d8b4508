#pragma once

#include "channels/ChannelTableModel.h"

#include <QPersistentModelIndex>
#include <QTableView>
#include <QTimer>

class QAbstractButton;

namespace qrt::gui {

// The channel grid `vsfgGridCh`: a table view over the channel table model that turns
// clicks, double-clicks and keys into the model's click(), doubleClick() and edits and
// carries out what the model answers. Keys:
//   arrows, Home, End, Page Up/Down  move the current cell;
//   Enter, F2, Space                 act as a click on the current cell (edit it, or open
//                                    the tone list on a tone cell);
//   typing on a frequency cell       starts its edit with the typed character;
//   Delete on a frequency cell       clears it (an empty edit);
//   Escape in an editor              closes it without storing;
//   Menu key, Shift+F10              the context menu of the current cell.
// A click opens its editor only when no double-click follows, so that a double-click
// reaches the grid (it steps an option or copies a frequency or tone).
class ChannelGridView : public QTableView {
    Q_OBJECT
public:
    explicit ChannelGridView(channels::ChannelTableModel& model, QWidget* parent = nullptr);

    // Stores a tone being chosen in the tone list and closes the list.
    void commitToneSelection();
    // Carries out a click on the cell at once (the keyboard's click).
    void activate(const QModelIndex& cell);
    // The selection colour while unlocked.
    static QColor selectionColor() { return channels::ChannelTableModel::selectionColor(); }

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
    void carryOut(const channels::ChannelTableModel::ClickResult& result, EditTiming timing);
    void openDelayedEditor();
    void moveToRequestedCell(const QModelIndex& cell);
    void applySectionSizes();
    int captionWidth(int column) const;
    void applyLock(bool locked);
    bool handleCommandKey(QKeyEvent* event);
    void requestMenuAt(const QModelIndex& cell, const QPoint& globalPos);
    bool paintCorner();

    channels::ChannelTableModel& m_model;
    QAbstractButton* m_corner = nullptr;
    QColor m_background;
    QTimer m_delayedEdit;
    QPersistentModelIndex m_delayedCell;
    QPersistentModelIndex m_requestedCell;
    bool m_movingCursor = false;
};

} // namespace qrt::gui
