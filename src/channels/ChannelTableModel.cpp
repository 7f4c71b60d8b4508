#include "channels/ChannelTableModel.h"

#include "channels/FrequencyEntry.h"
#include "core/ChannelTableDef.h"
#include "core/ErrorLog.h"
#include "core/ExtraTexts.h"
#include "core/InterfaceTexts.h"
#include "core/ToneCodec.h"

#include <QBrush>
#include <QSize>

namespace qrt::channels {

namespace {

constexpr int TwipsPerPixel = 15;
constexpr int FirstLabelledRow = 100;
constexpr int DefaultColumnWidth = 1000;

QColor colorOfNumber(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace

ChannelTableModel::ChannelTableModel(ChannelTableSources sources, QObject* parent)
    : QAbstractTableModel(parent), m_table(sources.table), m_image(sources.image), m_templateFile(sources.templateFile),
      m_def(sources.def), m_codec(sources.codec), m_tones(sources.tones), m_texts(sources.texts),
      m_extraTexts(sources.extraTexts), m_log(sources.log), m_bandLimits(std::move(sources.bandLimits)),
      m_outOfBandColor(colorOfNumber(sources.outOfBandColor)), m_inBandColor(colorOfNumber(sources.inBandColor)) {}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : qBound(0, m_def.chCount, ChannelTable::Rows);
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : qBound(0, m_def.colCount, ChannelTable::Columns - 1);
}

QModelIndex ChannelTableModel::cell(int channel, int column) const {
    return isCell(channel, column) ? index(channel - 1, column - 1) : QModelIndex();
}

bool ChannelTableModel::isCell(int channel, int column) const {
    return channel >= 1 && channel <= rowCount() && column >= 1 && column <= columnCount();
}

QString ChannelTableModel::cornerCaption() const {
    return m_def.captions().value(0);
}

QString ChannelTableModel::cellEditText(int channel, int column) const {
    return m_extraTexts.text(QStringLiteral("edit.channelCell")).arg(channel).arg(m_def.captions().value(column));
}

QString ChannelTableModel::rowLabel(int channel) const {
    if (channel < FirstLabelledRow)
        return QString::number(channel);
    return channel == FirstLabelledRow ? QStringLiteral("VFO") : QString();
}

ChannelTableModel::EditorKind ChannelTableModel::editorKind(int column) const {
    switch (column) {
    case ChannelTable::RxColumn:
    case ChannelTable::TxColumn:
        return FrequencyEditor;
    case DecodeColumn:
    case EncodeColumn:
        return ToneListEditor;
    case NameColumn:
        return NoEditor;
    default:
        return column > EncodeColumn && m_def.isOptionColumn(column) ? OptionListEditor : NoEditor;
    }
}

bool ChannelTableModel::isOptionCell(int column) const {
    return editorKind(column) == OptionListEditor;
}

QStringList ChannelTableModel::optionList(int column) const {
    switch (editorKind(column)) {
    case ToneListEditor:
        return m_tones.toneList();
    case OptionListEditor:
        return m_def.columnKey(column).split(QLatin1Char('|'));
    default:
        return {};
    }
}

QString ChannelTableModel::cellText(int channel, int column) const {
    if (!isCell(channel, column) || !m_table.isInUse(channel))
        return QString();
    switch (column) {
    case ChannelTable::RxColumn:
    case ChannelTable::TxColumn:
        return frequencyCellText(m_table.value(channel, column));
    case DecodeColumn:
        return m_table.decodeTone(channel);
    case EncodeColumn:
        return m_table.hasTransmit(channel) ? m_table.encodeTone(channel) : QString();
    case NameColumn:
        return QString();
    default: {
        QString text;
        return m_def.optionText(column, m_table.value(channel, column), &text) ? text : QString();
    }
    }
}

QColor ChannelTableModel::bandColor(qint32 frequency) const {
    if (frequency == ChannelTable::Empty)
        return m_inBandColor;
    const band::Limits limits = m_bandLimits();
    return frequency < limits.min || frequency > limits.max ? m_outOfBandColor : m_inBandColor;
}

QVariant ChannelTableModel::editValue(int channel, int column) const {
    if (isOptionCell(column))
        return m_table.isInUse(channel) ? QVariant(m_table.value(channel, column)) : QVariant();
    if (editorKind(column) == ToneListEditor && m_table.isInUse(channel))
        return column == DecodeColumn ? m_table.decodeTone(channel) : m_table.encodeTone(channel);
    return cellText(channel, column);
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int channel = channelOf(index), column = columnOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return cellText(channel, column);
    case Qt::EditRole:
        return editValue(channel, column);
    case Qt::ForegroundRole:
        if (column != ChannelTable::RxColumn && column != ChannelTable::TxColumn)
            return {};
        return QBrush(bandColor(m_table.isInUse(channel) ? m_table.value(channel, column) : ChannelTable::Empty));
    case Qt::BackgroundRole:
        return channel == m_highlighted ? QVariant(QBrush(highlightColor())) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case OptionListRole: {
        const QStringList list = optionList(column);
        return list.isEmpty() ? QVariant() : QVariant(list);
    }
    case EditorKindRole:
        return int(editorKind(column));
    default:
        return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const bool horizontal = orientation == Qt::Horizontal;
    if (section < 0 || section >= (horizontal ? columnCount() : rowCount()))
        return {};
    const int column = horizontal ? section + 1 : 0;
    switch (role) {
    case Qt::DisplayRole:
        return horizontal ? m_def.captions().value(column) : rowLabel(section + 1);
    case Qt::SizeHintRole:
        return QSize(m_def.colWidths.value(column, DefaultColumnWidth) / TwipsPerPixel,
                     m_def.rowHeight / TwipsPerPixel);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return canEdit(channelOf(index), columnOf(index)) ? flags | Qt::ItemIsEditable : flags;
}

bool ChannelTableModel::canEdit(int channel, int column) const {
    if (m_locked || !isCell(channel, column) || editorKind(column) == NoEditor)
        return false;
    if (!m_table.isInUse(channel))
        return column == ChannelTable::RxColumn;
    return column != EncodeColumn || m_table.hasTransmit(channel);
}

QModelIndex ChannelTableModel::pendingToneCell() const {
    return hasPendingTone() ? cell(m_pending.channel, m_pending.column) : QModelIndex();
}

QString ChannelTableModel::deleteChannelCaption(int channel) const {
    return m_texts.text(TextDeleteChannel) + QLatin1Char(' ') + QString::number(channel);
}

QString ChannelTableModel::deleteAllChannelsCaption() const {
    return m_texts.text(TextDeleteAllChannels);
}

bool ChannelTableModel::canDeleteChannel(int channel) const {
    return !m_locked && channel >= 1 && channel <= rowCount() && m_table.isInUse(channel);
}

void ChannelTableModel::reloadFromImage() {
    beginResetModel();
    m_codec.decodeAll(m_image, m_def, m_table);
    // A tone list left open over the old data must not write into the new.
    m_pending = {};
    m_highlighted = 0;
    endResetModel();
    logOptionsWithoutText();
}

void ChannelTableModel::restoreTable(const ChannelTable& table) {
    beginResetModel();
    m_table = table;
    m_pending = {};
    endResetModel();
}

void ChannelTableModel::logOptionsWithoutText() {
    for (int n = 1; n <= rowCount(); ++n) {
        if (!m_table.isInUse(n))
            continue;
        for (int c = ChannelTable::FirstOptionColumn; c <= columnCount(); ++c) {
            QString text;
            if (c != NameColumn && !m_def.optionText(c, m_table.value(n, c), &text)) {
                if (m_log)
                    m_log->logErr(QStringLiteral("modChMem->ChParaShow"), err::IndexOutOfRange);
                break;
            }
        }
    }
}

} // namespace qrt::channels
