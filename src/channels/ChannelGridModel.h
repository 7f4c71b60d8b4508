#pragma once

#include "channels/ChannelTableModel.h"

#include <QAbstractTableModel>
#include <QColor>

namespace qrt::channels {

// The channel table as an item model for the grid: one row per channel (model row n - 1
// is channel n, the channel number being the vertical header) and one column per table
// column (model column c - 1 is column c). It shows the table's texts, band colours and
// editable flags, and hands the end of a cell's edit to the table's named edits; the
// rules are the table's.
class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        OptionListRole = Qt::UserRole + 1, // QStringList: the tone list or the column's options
        ColumnKindRole,                    // int, a ChannelTableModel::ColumnKind
    };

    // The background of the highlighted row and of the tone list, and the grid's selection.
    static QColor highlightColor() { return QColor(194, 121, 240); }
    static QColor selectionColor() { return QColor(255, 0, 255); }

    explicit ChannelGridModel(ChannelTableModel& table, QObject* parent = nullptr);

    ChannelTableModel& table() const { return m_table; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The end of an edit. Frequency columns take the typed text (not a number: the
    // frequency is removed), tone columns the text of the tone list, option columns the
    // option's position (int) or its text. False when the table refuses the edit.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    QModelIndex cell(int channel, int column) const;
    static int channelOf(const QModelIndex& index) { return index.row() + 1; }
    static int columnOf(const QModelIndex& index) { return index.column() + 1; }

    // The highlighted row (the last clicked channel), 0 for none.
    void setHighlightedChannel(int channel);
    int highlightedChannel() const { return m_highlighted; }

Q_SIGNALS:
    // After an edit the grid moves its current cell.
    void currentCellRequested(const QModelIndex& cell);

private:
    QVariant editValue(int channel, int column) const;
    int optionPosition(int column, const QVariant& value) const;
    void announceChannel(int channel, const QList<int>& roles = {});

    ChannelTableModel& m_table;
    int m_highlighted = 0;
};

} // namespace qrt::channels
