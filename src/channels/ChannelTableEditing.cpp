// The user actions of the channel table model: edits, clicks, the tone list, deletes.
#include "channels/ChannelTableModel.h"

#include "channels/FrequencyEntry.h"
#include "channels/ToneEntry.h"
#include "core/ChannelTableDef.h"
#include "core/ToneCodec.h"

#include <utility>

namespace qrt::channels {

namespace {

bool sameRow(const ChannelTable& a, const ChannelTable& b, int channel) {
    for (int c = 0; c < ChannelTable::Columns; ++c) {
        if (a.value(channel, c) != b.value(channel, c))
            return false;
    }
    return a.decodeTone(channel) == b.decodeTone(channel) && a.encodeTone(channel) == b.encodeTone(channel);
}

} // namespace

// One change of the table: tells the views which rows changed and, for a user action,
// brackets it with userEditStarted() and userEditFinished().
class ChannelTableModel::Mutation {
public:
    enum Kind { Refresh, UserAction };

    Mutation(ChannelTableModel& model, Kind kind, const QString& mergeKey = QString(),
             const QString& undoText = QString())
        : m_model(model), m_before(model.m_table), m_kind(kind) {
        if (m_kind == UserAction)
            Q_EMIT m_model.userEditStarted(mergeKey, undoText);
    }
    // A user's edit of one cell.
    Mutation(ChannelTableModel& model, int channel, int column)
        : Mutation(model, UserAction, cellKey(channel, column), model.cellEditText(channel, column)) {}
    ~Mutation() {
        const int last = m_model.columnCount() - 1;
        for (int n = 1; n <= m_model.rowCount(); ++n) {
            if (!sameRow(m_before, m_model.m_table, n))
                Q_EMIT m_model.dataChanged(m_model.index(n - 1, 0), m_model.index(n - 1, last));
        }
        if (m_kind == UserAction)
            Q_EMIT m_model.userEditFinished();
    }
    Mutation(const Mutation&) = delete;
    Mutation& operator=(const Mutation&) = delete;

private:
    ChannelTableModel& m_model;
    const ChannelTable m_before;
    const Kind m_kind;
};

QString ChannelTableModel::cellKey(int channel, int column) {
    return QStringLiteral("channel %1 column %2").arg(channel).arg(column);
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const int channel = channelOf(index), column = columnOf(index);
    if (!canEdit(channel, column))
        return false;
    switch (editorKind(column)) {
    case FrequencyEditor: {
        Mutation change(*this, channel, column);
        typeFrequency(channel, column, value.toString());
        return true;
    }
    case ToneListEditor: {
        if (m_pending.channel == channel && m_pending.column == column)
            m_pending = {};
        Mutation change(*this, channel, column);
        storeTone(channel, column, value.toString());
        return true;
    }
    case OptionListEditor: {
        const int position = optionPosition(column, value);
        if (position < 0)
            return false;
        Mutation change(*this, channel, column);
        chooseOption(channel, column, position);
        return true;
    }
    case NoEditor:
        break;
    }
    return false;
}

int ChannelTableModel::optionPosition(int column, const QVariant& value) const {
    const QStringList options = optionList(column);
    if (value.metaType().id() == QMetaType::QString)
        return int(options.indexOf(value.toString()));
    bool ok = false;
    const int position = value.toInt(&ok);
    return ok && position >= 0 && position < options.size() ? position : -1;
}

void ChannelTableModel::typeFrequency(int channel, int column, const QString& text) {
    const std::optional<qint32> frequency = typedFrequency(text, m_bandLimits());
    if (!frequency) {
        if (column == ChannelTable::RxColumn) {
            removeChannel(channel);
            Q_EMIT currentCellRequested(cell(channel, ChannelTable::RxColumn));
        } else {
            m_table.setValue(channel, ChannelTable::TxColumn, ChannelTable::Empty);
            m_table.setEncodeTone(channel, QString());
        }
        return;
    }
    // The cells as they were: an empty decode tone cell means the channel was empty.
    const bool newChannel = cellText(channel, DecodeColumn).isEmpty();
    const bool noTransmit = cellText(channel, ChannelTable::TxColumn).isEmpty();
    const QString encodeShown = cellText(channel, EncodeColumn);
    m_table.setValue(channel, column, *frequency);
    if (column == ChannelTable::RxColumn) {
        if (newChannel) {
            m_table.setDecodeTone(channel, m_tones.noneText());
            if (noTransmit) {
                m_table.setValue(channel, ChannelTable::TxColumn, *frequency);
                m_table.setEncodeTone(channel, m_tones.noneText());
            }
            for (int c = ChannelTable::FirstOptionColumn; c <= columnCount(); ++c) {
                if (m_table.value(channel, c) == ChannelTable::Empty)
                    m_table.setValue(channel, c, m_def.defaultValue(c));
            }
        }
        Q_EMIT currentCellRequested(cell(channel, ChannelTable::TxColumn));
    } else {
        // The encode tone is what its cell showed, or the decode tone when none was kept. A
        // channel without transmit frequency shows none, so a tone its record still holds
        // stays out of the new transmit frequency.
        m_table.setEncodeTone(channel,
                              m_table.encodeTone(channel).isEmpty() ? cellText(channel, DecodeColumn) : encodeShown);
        Q_EMIT currentCellRequested(cell(channel, DecodeColumn));
    }
    encodeIfComplete(channel);
}

void ChannelTableModel::chooseOption(int channel, int column, int position) {
    m_table.setValue(channel, column, position);
    encodeIfComplete(channel);
}

void ChannelTableModel::storeTone(int channel, int column, const QString& text) {
    const QString tone = normalizeTypedTone(text).value_or(m_tones.noneText());
    if (column == DecodeColumn)
        m_table.setDecodeTone(channel, tone);
    // A decode tone is given to the encode tone too.
    m_table.setEncodeTone(channel, tone);
    if (!m_table.isInUse(channel)) {
        removeChannel(channel);
    } else if (!m_table.hasTransmit(channel)) {
        // A channel without transmit frequency keeps no encode tone.
        m_table.setEncodeTone(channel, QString());
    }
}

void ChannelTableModel::removeChannel(int channel) {
    for (int c = 1; c <= columnCount(); ++c)
        m_table.setValue(channel, c, ChannelTable::Empty);
    m_table.setDecodeTone(channel, QString());
    m_table.setEncodeTone(channel, QString());
}

bool ChannelTableModel::rowIsComplete(int channel) const {
    for (int c = 1; c <= columnCount(); ++c) {
        if (cellText(channel, c).isEmpty())
            return false;
    }
    return true;
}

void ChannelTableModel::encodeIfComplete(int channel) {
    // A row with an empty cell is encoded by the next save or write.
    if (rowIsComplete(channel))
        m_codec.encodeAll(m_table, m_def, m_image);
}

void ChannelTableModel::setHighlighted(int channel) {
    const int previous = std::exchange(m_highlighted, channel);
    const int last = columnCount() - 1;
    for (int n : {previous, channel}) {
        if (n != 0 && previous != channel)
            Q_EMIT dataChanged(index(n - 1, 0), index(n - 1, last), {Qt::BackgroundRole});
    }
}

ChannelTableModel::ClickResult ChannelTableModel::click(const QModelIndex& index) {
    setHighlighted(0);
    // The tone list loses the focus to the click, wherever it lands: its tone is stored.
    storePendingTone();
    m_pending = {};
    const int channel = channelOf(index), column = columnOf(index);
    if (m_locked || !index.isValid() || !isCell(channel, column))
        return {};
    setHighlighted(channel);
    if (!m_table.isInUse(channel))
        return {ClickResult::EditCell, cell(channel, ChannelTable::RxColumn), QString()};
    if (column == EncodeColumn && !m_table.hasTransmit(channel))
        return {ClickResult::SelectCell, cell(channel, ChannelTable::TxColumn), QString()};
    if (column == DecodeColumn || column == EncodeColumn) {
        const QString tone = column == DecodeColumn ? m_table.decodeTone(channel) : m_table.encodeTone(channel);
        m_pending = {channel, column, tone};
        return {ClickResult::OpenToneList, index, tone};
    }
    return {ClickResult::EditCell, index, QString()};
}

bool ChannelTableModel::doubleClick(const QModelIndex& index) {
    const int channel = channelOf(index), column = columnOf(index);
    if (m_locked || !index.isValid() || !isCell(channel, column) || !m_table.isInUse(channel) ||
        column == ChannelTable::RxColumn || column == NameColumn)
        return false;
    const bool hasTransmit = m_table.hasTransmit(channel);
    const qint32 value = m_table.value(channel, column);
    if ((column == ChannelTable::TxColumn && hasTransmit) ||
        ((column == DecodeColumn || column == EncodeColumn) && !hasTransmit) ||
        (column > EncodeColumn && value == ChannelTable::Empty))
        return false;

    Mutation change(*this, channel, column);
    switch (column) {
    case ChannelTable::TxColumn:
        m_table.setValue(channel, ChannelTable::TxColumn, m_table.value(channel, ChannelTable::RxColumn));
        m_table.setEncodeTone(channel, m_table.decodeTone(channel));
        break;
    case DecodeColumn:
        m_table.setDecodeTone(channel, m_table.encodeTone(channel));
        break;
    case EncodeColumn:
        m_table.setEncodeTone(channel, m_table.decodeTone(channel));
        break;
    default:
        m_table.setValue(channel, column, value >= m_def.optionCount(column) - 1 ? 0 : value + 1);
        break;
    }
    // A tone list open in this row shows the tone as it is now.
    if (m_pending.channel == channel)
        m_pending.text = m_pending.column == DecodeColumn ? m_table.decodeTone(channel) : m_table.encodeTone(channel);
    return true;
}

void ChannelTableModel::setPendingToneText(const QString& text) {
    if (hasPendingTone())
        m_pending.text = text;
}

bool ChannelTableModel::storePendingTone() {
    if (!hasPendingTone() || m_locked)
        return false;
    const PendingTone pending = std::exchange(m_pending, {});
    Mutation change(*this, pending.channel, pending.column);
    storeTone(pending.channel, pending.column, pending.text);
    return true;
}

bool ChannelTableModel::storePendingTone(const QString& text) {
    setPendingToneText(text);
    return storePendingTone();
}

void ChannelTableModel::setLocked(bool locked) {
    if (locked == m_locked)
        return;
    if (locked)
        storePendingTone();
    m_locked = locked;
    if (rowCount() > 0 && columnCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    Q_EMIT lockChanged(locked);
}

bool ChannelTableModel::deleteChannel(int channel) {
    if (!canDeleteChannel(channel))
        return false;
    Mutation change(*this, Mutation::UserAction, QString(), deleteChannelCaption(channel));
    m_codec.emptyChannel(m_table, channel, m_image, m_templateFile);
    m_pending = {};
    return true;
}

bool ChannelTableModel::deleteAllChannels() {
    if (!canDeleteAllChannels())
        return false;
    Mutation change(*this, Mutation::UserAction, QString(), deleteAllChannelsCaption());
    m_pending = {};
    for (int n = 1; n <= rowCount(); ++n) {
        if (!m_codec.emptyChannel(m_table, n, m_image, m_templateFile))
            break;
    }
    return true;
}

void ChannelTableModel::encodeIntoImage() {
    Mutation change(*this, Mutation::Refresh);
    m_codec.encodeAll(m_table, m_def, m_image);
}

} // namespace qrt::channels
