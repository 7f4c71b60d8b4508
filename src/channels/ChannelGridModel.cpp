#include "channels/ChannelGridModel.h"

#include <QBrush>
#include <QSize>

#include <utility>

namespace qrt::channels {

namespace {
constexpr int TwipsPerPixel = 15;
} // namespace

ChannelGridModel::ChannelGridModel(ChannelTableModel& table, QObject* parent)
    : QAbstractTableModel(parent), m_table(table) {
    connect(&table, &ChannelTableModel::channelChanged, this, [this](int channel) { announceChannel(channel); });
    connect(&table, &ChannelTableModel::aboutToReplaceTable, this, &ChannelGridModel::beginResetModel);
    connect(&table, &ChannelTableModel::tableReplaced, this, &ChannelGridModel::endResetModel);
    connect(&table, &ChannelTableModel::cellAfterEditRequested, this,
            [this](int channel, int column) { Q_EMIT currentCellRequested(cell(channel, column)); });
    // Locked, no cell is editable.
    connect(&table, &ChannelTableModel::lockChanged, this, [this] {
        if (rowCount() > 0 && columnCount() > 0)
            Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    });
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_table.channelCount();
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_table.columnCount();
}

QModelIndex ChannelGridModel::cell(int channel, int column) const {
    return m_table.isCell(channel, column) ? index(channel - 1, column - 1) : QModelIndex();
}

void ChannelGridModel::announceChannel(int channel, const QList<int>& roles) {
    if (channel >= 1 && channel <= rowCount())
        Q_EMIT dataChanged(index(channel - 1, 0), index(channel - 1, columnCount() - 1), roles);
}

void ChannelGridModel::setHighlightedChannel(int channel) {
    const int previous = std::exchange(m_highlighted, channel);
    if (previous == channel)
        return;
    announceChannel(previous, {Qt::BackgroundRole});
    announceChannel(channel, {Qt::BackgroundRole});
}

QVariant ChannelGridModel::editValue(int channel, int column) const {
    switch (m_table.columnKind(column)) {
    case ChannelTableModel::OptionColumn:
        return m_table.table().isInUse(channel) ? QVariant(m_table.table().value(channel, column)) : QVariant();
    case ChannelTableModel::ToneColumn:
        if (m_table.table().isInUse(channel))
            return column == ChannelTableModel::DecodeColumn ? m_table.table().decodeTone(channel)
                                                             : m_table.table().encodeTone(channel);
        break;
    default:
        break;
    }
    return m_table.cellText(channel, column);
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int channel = channelOf(index), column = columnOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return m_table.cellText(channel, column);
    case Qt::EditRole:
        return editValue(channel, column);
    case Qt::ForegroundRole:
        if (column != ChannelTable::RxColumn && column != ChannelTable::TxColumn)
            return {};
        return QBrush(m_table.frequencyColor(channel, column));
    case Qt::BackgroundRole:
        return channel == m_highlighted ? QVariant(QBrush(highlightColor())) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case OptionListRole: {
        const QStringList list = m_table.optionList(column);
        return list.isEmpty() ? QVariant() : QVariant(list);
    }
    case ColumnKindRole:
        return int(m_table.columnKind(column));
    default:
        return {};
    }
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const bool horizontal = orientation == Qt::Horizontal;
    if (section < 0 || section >= (horizontal ? columnCount() : rowCount()))
        return {};
    const int column = horizontal ? section + 1 : 0;
    switch (role) {
    case Qt::DisplayRole:
        return horizontal ? m_table.columnCaption(column) : m_table.rowLabel(section + 1);
    case Qt::SizeHintRole:
        return QSize(m_table.columnWidthTwips(column) / TwipsPerPixel, m_table.rowHeightTwips() / TwipsPerPixel);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return m_table.canEdit(channelOf(index), columnOf(index)) ? flags | Qt::ItemIsEditable : flags;
}

bool ChannelGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const int channel = channelOf(index), column = columnOf(index);
    switch (m_table.columnKind(column)) {
    case ChannelTableModel::FrequencyColumn:
        return column == ChannelTable::RxColumn ? m_table.setReceiveFrequency(channel, value.toString())
                                                : m_table.setTransmitFrequency(channel, value.toString());
    case ChannelTableModel::ToneColumn:
        return m_table.setTone(channel, column, value.toString());
    case ChannelTableModel::OptionColumn:
        return m_table.chooseOption(channel, column, optionPosition(column, value));
    case ChannelTableModel::PlainColumn:
        break;
    }
    return false;
}

int ChannelGridModel::optionPosition(int column, const QVariant& value) const {
    const QStringList options = m_table.optionList(column);
    if (value.metaType().id() == QMetaType::QString)
        return int(options.indexOf(value.toString()));
    bool ok = false;
    const int position = value.toInt(&ok);
    return ok && position >= 0 && position < options.size() ? position : -1;
}

} // namespace qrt::channels
