// The named edits of the channel table.
#include "channels/ChannelTableModel.h"

#include "channels/FrequencyEntry.h"
#include "channels/ToneEntry.h"
#include "core/ChannelTableDef.h"
#include "core/RadioImage.h"
#include "core/ToneCodec.h"

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

// One change of the table: tells the views which channels changed and, for a user's
// edit, brackets it with userEditStarted() and userEditFinished().
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
        for (int n = 1; n <= m_model.channelCount(); ++n) {
            if (!sameRow(m_before, m_model.m_table, n))
                Q_EMIT m_model.channelChanged(n);
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

bool ChannelTableModel::setReceiveFrequency(int channel, const QString& typed) {
    return setFrequency(channel, ChannelTable::RxColumn, typed);
}

bool ChannelTableModel::setTransmitFrequency(int channel, const QString& typed) {
    return setFrequency(channel, ChannelTable::TxColumn, typed);
}

bool ChannelTableModel::setFrequency(int channel, int column, const QString& typed) {
    if (!canEdit(channel, column))
        return false;
    Mutation change(*this, channel, column);
    const std::optional<qint32> frequency = typedFrequency(typed, m_bandLimits());
    if (!frequency) {
        if (column == ChannelTable::RxColumn) {
            removeChannel(channel);
            requestCellAfterEdit(channel, ChannelTable::RxColumn);
        } else {
            m_table.setValue(channel, ChannelTable::TxColumn, ChannelTable::Empty);
            m_table.setEncodeTone(channel, QString());
        }
        return true;
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
        requestCellAfterEdit(channel, ChannelTable::TxColumn);
    } else {
        // The encode tone is what its cell showed, or the decode tone when none was kept. A
        // channel without transmit frequency shows none, so a tone its record still holds
        // stays out of the new transmit frequency.
        m_table.setEncodeTone(channel,
                              m_table.encodeTone(channel).isEmpty() ? cellText(channel, DecodeColumn) : encodeShown);
        requestCellAfterEdit(channel, DecodeColumn);
    }
    encodeIfComplete(channel);
    return true;
}

bool ChannelTableModel::setTone(int channel, int column, const QString& typed) {
    if (columnKind(column) != ToneColumn || !canEdit(channel, column))
        return false;
    Mutation change(*this, channel, column);
    const QString tone = normalizeTypedTone(typed).value_or(m_tones.noneText());
    if (column == DecodeColumn)
        m_table.setDecodeTone(channel, tone);
    // A decode tone is given to the encode tone too.
    m_table.setEncodeTone(channel, tone);
    // A channel without transmit frequency keeps no encode tone.
    if (!m_table.hasTransmit(channel))
        m_table.setEncodeTone(channel, QString());
    return true;
}

bool ChannelTableModel::chooseOption(int channel, int column, int position) {
    if (columnKind(column) != OptionColumn || !canEdit(channel, column) || position < 0 ||
        position >= optionList(column).size())
        return false;
    Mutation change(*this, channel, column);
    m_table.setValue(channel, column, position);
    encodeIfComplete(channel);
    return true;
}

bool ChannelTableModel::cycleOption(int channel, int column) {
    if (m_locked || !isCell(channel, column) || column <= EncodeColumn || column == NameColumn ||
        !m_table.isInUse(channel) || m_table.value(channel, column) == ChannelTable::Empty)
        return false;
    Mutation change(*this, channel, column);
    const qint32 value = m_table.value(channel, column);
    m_table.setValue(channel, column, value >= m_def.optionCount(column) - 1 ? 0 : value + 1);
    return true;
}

bool ChannelTableModel::copyReceiveToTransmit(int channel) {
    if (m_locked || !isCell(channel, ChannelTable::TxColumn) || !m_table.isInUse(channel) ||
        m_table.hasTransmit(channel))
        return false;
    Mutation change(*this, channel, ChannelTable::TxColumn);
    m_table.setValue(channel, ChannelTable::TxColumn, m_table.value(channel, ChannelTable::RxColumn));
    m_table.setEncodeTone(channel, m_table.decodeTone(channel));
    return true;
}

bool ChannelTableModel::copyToneAcross(int channel, int toColumn) {
    if (m_locked || columnKind(toColumn) != ToneColumn || !isCell(channel, toColumn) || !m_table.isInUse(channel) ||
        !m_table.hasTransmit(channel))
        return false;
    Mutation change(*this, channel, toColumn);
    if (toColumn == DecodeColumn)
        m_table.setDecodeTone(channel, m_table.encodeTone(channel));
    else
        m_table.setEncodeTone(channel, m_table.decodeTone(channel));
    return true;
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

bool ChannelTableModel::deleteChannel(int channel) {
    if (!canDeleteChannel(channel))
        return false;
    Mutation change(*this, Mutation::UserAction, QString(), deleteChannelCaption(channel));
    m_codec.emptyChannel(m_table, channel, m_image, m_templateFile);
    return true;
}

bool ChannelTableModel::deleteAll() {
    if (!canDeleteAllChannels())
        return false;
    Mutation change(*this, Mutation::UserAction, QString(), deleteAllChannelsCaption());
    for (int n = 1; n <= channelCount(); ++n) {
        if (!m_codec.emptyChannel(m_table, n, m_image, m_templateFile))
            break;
    }
    return true;
}

bool ChannelTableModel::applyAsOneEdit(const QString& undoText, const std::function<bool(ChannelTableModel&)>& edits) {
    if (m_locked)
        return false;
    {
        ChannelTable table = m_table;
        RadioImage image = m_image;
        ChannelCodec codec = m_codec;
        ChannelTableModel rehearsal(
            {table, image, m_templateFile, m_def, codec, m_tones, m_texts, m_extraTexts, nullptr, m_bandLimits});
        if (!edits(rehearsal))
            return false;
    }
    Mutation change(*this, Mutation::UserAction, QString(), undoText);
    ++m_compoundEdits;
    const bool done = edits(*this);
    --m_compoundEdits;
    return done;
}

void ChannelTableModel::requestCellAfterEdit(int channel, int column) {
    if (m_compoundEdits == 0)
        Q_EMIT cellAfterEditRequested(channel, column);
}

void ChannelTableModel::encodeIntoImage() {
    Mutation change(*this, Mutation::Refresh);
    m_codec.encodeAll(m_table, m_def, m_image);
}

} // namespace qrt::channels
