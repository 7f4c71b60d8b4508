#include "gui/channels/ChannelGridGestures.h"

#include <utility>

namespace qrt::gui {

using channels::ChannelGridModel;
using channels::ChannelTableModel;

ChannelGridGestures::ChannelGridGestures(ChannelGridModel& grid, QObject* parent) : QObject(parent), m_grid(grid) {
    ChannelTableModel& channels = grid.table();
    // The tone list loses the focus to the lock: its tone is stored first.
    connect(&channels, &ChannelTableModel::aboutToLock, this, [this] { storePendingTone(); });
    // A tone list left open over the old data must not write into the new.
    connect(&channels, &ChannelTableModel::tableReplaced, this, &ChannelGridGestures::cancelPendingTone);
    connect(&channels, &ChannelTableModel::reloadedFromImage, this, [this] { m_grid.setHighlightedChannel(0); });
    // Nor into a deleted channel.
    connect(&channels, &ChannelTableModel::channelChanged, this, &ChannelGridGestures::dropPendingToneOfEmptyChannel);
}

void ChannelGridGestures::dropPendingToneOfEmptyChannel(int channel) {
    if (hasPendingTone() && ChannelGridModel::channelOf(m_pendingCell) == channel && !table().table().isInUse(channel))
        cancelPendingTone();
}

ChannelGridGestures::ClickResult ChannelGridGestures::click(const QModelIndex& index) {
    m_grid.setHighlightedChannel(0);
    // The tone list loses the focus to the click, wherever it lands: its tone is stored.
    storePendingTone();
    cancelPendingTone();
    const int channel = ChannelGridModel::channelOf(index), column = ChannelGridModel::columnOf(index);
    if (table().isLocked() || !index.isValid() || !table().isCell(channel, column))
        return {};
    m_grid.setHighlightedChannel(channel);
    const ChannelTable& channels = table().table();
    if (!channels.isInUse(channel))
        return {ClickResult::EditCell, m_grid.cell(channel, ChannelTable::RxColumn), QString()};
    if (column == ChannelTableModel::EncodeColumn && !channels.hasTransmit(channel))
        return {ClickResult::SelectCell, m_grid.cell(channel, ChannelTable::TxColumn), QString()};
    if (column == ChannelTableModel::DecodeColumn || column == ChannelTableModel::EncodeColumn) {
        const QString tone =
            column == ChannelTableModel::DecodeColumn ? channels.decodeTone(channel) : channels.encodeTone(channel);
        m_pendingCell = index;
        m_pendingText = tone;
        return {ClickResult::OpenToneList, index, tone};
    }
    return {ClickResult::EditCell, index, QString()};
}

bool ChannelGridGestures::doubleClick(const QModelIndex& index) {
    if (!index.isValid())
        return false;
    const int channel = ChannelGridModel::channelOf(index), column = ChannelGridModel::columnOf(index);
    bool changed = false;
    switch (column) {
    case ChannelTable::RxColumn:
        return false;
    case ChannelTable::TxColumn:
        changed = table().copyReceiveToTransmit(channel);
        break;
    case ChannelTableModel::DecodeColumn:
    case ChannelTableModel::EncodeColumn:
        changed = table().copyToneAcross(channel, column);
        break;
    default:
        changed = table().cycleOption(channel, column);
        break;
    }
    // A tone list open in this row shows the tone as it is now.
    if (changed && hasPendingTone() && ChannelGridModel::channelOf(m_pendingCell) == channel) {
        const ChannelTable& channels = table().table();
        m_pendingText = ChannelGridModel::columnOf(m_pendingCell) == ChannelTableModel::DecodeColumn
                            ? channels.decodeTone(channel)
                            : channels.encodeTone(channel);
    }
    return changed;
}

void ChannelGridGestures::setPendingToneText(const QString& text) {
    if (hasPendingTone())
        m_pendingText = text;
}

bool ChannelGridGestures::storePendingTone() {
    if (!hasPendingTone() || table().isLocked())
        return false;
    const QModelIndex cell = std::exchange(m_pendingCell, QPersistentModelIndex());
    table().setTone(ChannelGridModel::channelOf(cell), ChannelGridModel::columnOf(cell), m_pendingText);
    return true;
}

bool ChannelGridGestures::storePendingTone(const QString& text) {
    setPendingToneText(text);
    return storePendingTone();
}

bool ChannelGridGestures::storeTone(const QModelIndex& cell, const QString& text) {
    if (!table().canEdit(ChannelGridModel::channelOf(cell), ChannelGridModel::columnOf(cell)))
        return false;
    if (m_pendingCell == cell)
        cancelPendingTone();
    return m_grid.setData(cell, text);
}

void ChannelGridGestures::cancelPendingTone() {
    m_pendingCell = QPersistentModelIndex();
    m_pendingText.clear();
}

} // namespace qrt::gui
