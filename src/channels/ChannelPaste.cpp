#include "channels/ChannelPaste.h"

#include "channels/ChannelTableModel.h"
#include "channels/FrequencyEntry.h"
#include "channels/ToneEntry.h"
#include "core/ExtraTexts.h"
#include "core/ToneCodec.h"

#include <QRegularExpression>

namespace qrt::channels {

namespace {

QString unquoted(const QString& cell) {
    const QString trimmed = cell.trimmed();
    if (trimmed.size() >= 2 && trimmed.startsWith(QLatin1Char('"')) && trimmed.endsWith(QLatin1Char('"')))
        return trimmed.mid(1, trimmed.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\"")).trimmed();
    return trimmed;
}

// Pastes one block, cell by cell; the first refusal stops it with its reason.
class Paster {
public:
    Paster(const QList<QStringList>& rows, int channel, int column)
        : m_rows(rows), m_channel(channel), m_column(column) {}

    bool run(ChannelTableModel& table) {
        for (int r = 0; r < m_rows.size(); ++r) {
            const QStringList& cells = m_rows.at(r);
            for (int k = 0; k < cells.size(); ++k) {
                if (!pasteCell(table, m_channel + r, m_column + k, cells.at(k)))
                    return false;
            }
        }
        return true;
    }

    const QString& refusal() const { return m_refusal; }

private:
    bool refuse(const ChannelTableModel& table, const QString& key, int channel, int column, const QString& text) {
        const QString cell = table.cellEditText(channel, column);
        m_refusal = table.extraTexts().text(key).arg(cell, text);
        return false;
    }

    bool pasteCell(ChannelTableModel& table, int channel, int column, const QString& text) {
        if (!table.isCell(channel, column)) {
            if (text.isEmpty())
                return true;
            m_refusal = table.extraTexts()
                            .text(QStringLiteral("paste.outside"))
                            .arg(QString::number(table.channelCount()), QString::number(table.columnCount()));
            return false;
        }
        const ChannelTable& channels = table.table();
        switch (table.columnKind(column)) {
        case ChannelTableModel::FrequencyColumn:
            if (!text.isEmpty() && !typedFrequency(text, band::Limits{}).has_value())
                return refuse(table, QStringLiteral("paste.notFrequency"), channel, column, text);
            if (text.isEmpty() && !channels.isInUse(channel))
                return true;
            if (!table.canEdit(channel, column))
                return refuse(table, QStringLiteral("paste.noReceive"), channel, column, text);
            return column == ChannelTable::RxColumn ? table.setReceiveFrequency(channel, text)
                                                    : table.setTransmitFrequency(channel, text);
        case ChannelTableModel::ToneColumn:
            if (text.isEmpty())
                return true;
            if (!normalizeTypedTone(text) && !ToneCodec::isNoneTextOfAnyLanguage(text))
                return refuse(table, QStringLiteral("paste.notTone"), channel, column, text);
            if (!table.canEdit(channel, column))
                return refuse(table,
                              channels.isInUse(channel) ? QStringLiteral("paste.noTransmit")
                                                        : QStringLiteral("paste.noReceive"),
                              channel, column, text);
            return table.setTone(channel, column, ToneCodec::isNoneTextOfAnyLanguage(text) ? QString() : text);
        case ChannelTableModel::OptionColumn: {
            if (text.isEmpty())
                return true;
            const int position = table.optionPosition(column, text);
            if (position < 0)
                return refuse(table, QStringLiteral("paste.notOption"), channel, column, text);
            if (!table.canEdit(channel, column))
                return refuse(table, QStringLiteral("paste.noReceive"), channel, column, text);
            return table.chooseOption(channel, column, position);
        }
        case ChannelTableModel::PlainColumn:
            break;
        }
        return text.isEmpty() || refuse(table, QStringLiteral("paste.noText"), channel, column, text);
    }

    const QList<QStringList>& m_rows;
    const int m_channel;
    const int m_column;
    QString m_refusal;
};

} // namespace

QString copiedCells(const ChannelTableModel& table, const CellBlock& block) {
    QString text;
    for (int n = block.firstChannel; n <= block.lastChannel; ++n) {
        QStringList cells;
        for (int c = block.firstColumn; c <= block.lastColumn; ++c)
            cells << table.cellText(n, c);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QList<QStringList> pastedRows(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineBreak);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QList<QStringList> rows;
    for (const QString& line : std::as_const(lines)) {
        QStringList cells;
        for (const QString& cell : line.split(QLatin1Char('\t')))
            cells << unquoted(cell);
        rows << cells;
    }
    return rows;
}

PasteOutcome pasteCells(ChannelTableModel& table, int channel, int column, const QString& text) {
    const QList<QStringList> rows = pastedRows(text);
    if (rows.isEmpty())
        return {};
    if (table.isLocked())
        return {false, table.extraTexts().text(QStringLiteral("paste.locked"))};
    Paster paster(rows, channel, column);
    const bool pasted = table.applyAsOneEdit(table.extraTexts().text(QStringLiteral("edit.paste")),
                                             [&paster](ChannelTableModel& target) { return paster.run(target); });
    return {pasted, pasted ? QString() : paster.refusal()};
}

bool clearCells(ChannelTableModel& table, const CellBlock& block) {
    return table.applyAsOneEdit(
        table.extraTexts().text(QStringLiteral("edit.cut")), [&block](ChannelTableModel& target) {
            for (int n = block.firstChannel; n <= block.lastChannel; ++n) {
                // The transmit frequency first: clearing the receive frequency removes the channel.
                for (int c : {int(ChannelTable::TxColumn), int(ChannelTable::RxColumn)}) {
                    if (c >= block.firstColumn && c <= block.lastColumn && target.canEdit(n, c) &&
                        !target.cellText(n, c).isEmpty()) {
                        if (!(c == ChannelTable::RxColumn ? target.setReceiveFrequency(n, QString())
                                                          : target.setTransmitFrequency(n, QString())))
                            return false;
                    }
                }
            }
            return true;
        });
}

} // namespace qrt::channels
