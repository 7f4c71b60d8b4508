#include "channels/ChannelTableModel.h"

#include "channels/FrequencyEntry.h"
#include "core/ChannelTableDef.h"
#include "core/ErrorLog.h"
#include "core/ExtraTexts.h"
#include "core/InterfaceTexts.h"
#include "core/ToneCodec.h"

namespace qrt::channels {

namespace {

constexpr int FirstLabelledRow = 100;
constexpr int DefaultColumnWidth = 1000;

QColor colorOfNumber(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace

ChannelTableModel::ChannelTableModel(ChannelTableSources sources, QObject* parent)
    : QObject(parent), m_table(sources.table), m_image(sources.image), m_templateFile(sources.templateFile),
      m_def(sources.def), m_codec(sources.codec), m_tones(sources.tones), m_texts(sources.texts),
      m_extraTexts(sources.extraTexts), m_log(sources.log), m_bandLimits(std::move(sources.bandLimits)),
      m_outOfBandColor(colorOfNumber(sources.outOfBandColor)), m_inBandColor(colorOfNumber(sources.inBandColor)) {}

int ChannelTableModel::channelCount() const {
    return qBound(0, m_def.chCount, ChannelTable::Rows);
}

int ChannelTableModel::columnCount() const {
    return qBound(0, m_def.colCount, ChannelTable::Columns - 1);
}

bool ChannelTableModel::isCell(int channel, int column) const {
    return channel >= 1 && channel <= channelCount() && column >= 1 && column <= columnCount();
}

QString ChannelTableModel::cornerCaption() const {
    return m_def.captions().value(0);
}

QString ChannelTableModel::columnCaption(int column) const {
    return m_def.captions().value(column);
}

int ChannelTableModel::columnWidthTwips(int column) const {
    return m_def.colWidths.value(column, DefaultColumnWidth);
}

int ChannelTableModel::rowHeightTwips() const {
    return m_def.rowHeight;
}

QString ChannelTableModel::cellEditText(int channel, int column) const {
    return m_extraTexts.text(QStringLiteral("edit.channelCell")).arg(channel).arg(columnCaption(column));
}

QString ChannelTableModel::rowLabel(int channel) const {
    if (channel < FirstLabelledRow)
        return QString::number(channel);
    return channel == FirstLabelledRow ? QStringLiteral("VFO") : QString();
}

ChannelTableModel::ColumnKind ChannelTableModel::columnKind(int column) const {
    switch (column) {
    case ChannelTable::RxColumn:
    case ChannelTable::TxColumn:
        return FrequencyColumn;
    case DecodeColumn:
    case EncodeColumn:
        return ToneColumn;
    case NameColumn:
        return PlainColumn;
    default:
        return column > EncodeColumn && m_def.isOptionColumn(column) ? OptionColumn : PlainColumn;
    }
}

QStringList ChannelTableModel::optionList(int column) const {
    switch (columnKind(column)) {
    case ToneColumn:
        return m_tones.toneList();
    case OptionColumn:
        return m_def.columnKey(column).split(QLatin1Char('|'));
    default:
        return {};
    }
}

int ChannelTableModel::optionPosition(int column, const QString& text) const {
    const QStringList options = optionList(column);
    if (columnKind(column) != OptionColumn)
        return -1;
    if (const qsizetype byText = options.indexOf(text); byText >= 0)
        return int(byText);
    bool ok = false;
    const int number = (text.startsWith(QLatin1Char('#')) ? text.mid(1) : text).toInt(&ok);
    return ok && number >= 0 && number < options.size() ? number : -1;
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

QColor ChannelTableModel::frequencyColor(int channel, int column) const {
    const qint32 frequency = m_table.isInUse(channel) ? m_table.value(channel, column) : ChannelTable::Empty;
    if (frequency == ChannelTable::Empty)
        return m_inBandColor;
    const band::Limits limits = m_bandLimits();
    return frequency < limits.min || frequency > limits.max ? m_outOfBandColor : m_inBandColor;
}

bool ChannelTableModel::canEdit(int channel, int column) const {
    if (m_locked || !isCell(channel, column) || columnKind(column) == PlainColumn)
        return false;
    if (!m_table.isInUse(channel))
        return column == ChannelTable::RxColumn;
    return column != EncodeColumn || m_table.hasTransmit(channel);
}

QString ChannelTableModel::deleteChannelCaption(int channel) const {
    return m_texts.text(TextId::DeleteChannel) + QLatin1Char(' ') + QString::number(channel);
}

QString ChannelTableModel::deleteAllChannelsCaption() const {
    return m_texts.text(TextId::DeleteAllChannels);
}

bool ChannelTableModel::canDeleteChannel(int channel) const {
    return !m_locked && channel >= 1 && channel <= channelCount() && m_table.isInUse(channel);
}

void ChannelTableModel::setLocked(bool locked) {
    if (locked == m_locked)
        return;
    if (locked)
        Q_EMIT aboutToLock();
    m_locked = locked;
    Q_EMIT lockChanged(locked);
}

void ChannelTableModel::reloadFromImage() {
    Q_EMIT aboutToReplaceTable();
    m_codec.decodeAll(m_image, m_def, m_table);
    Q_EMIT tableReplaced();
    Q_EMIT reloadedFromImage();
    logOptionsWithoutText();
}

void ChannelTableModel::restoreTable(const ChannelTable& table) {
    Q_EMIT aboutToReplaceTable();
    m_table = table;
    Q_EMIT tableReplaced();
}

void ChannelTableModel::logOptionsWithoutText() {
    for (int n = 1; n <= channelCount(); ++n) {
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
