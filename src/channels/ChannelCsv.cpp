#include "channels/ChannelCsv.h"

#include "channels/ImportChecks.h"

#include <QHash>
#include <QMap>

namespace qrt::channels {

QByteArray exportChannelCsv(const ChannelTableModel& model) {
    QList<QStringList> rows;
    QStringList header{model.cornerCaption()};
    for (int column = 1; column <= model.columnCount(); ++column)
        header << model.columnCaption(column);
    rows << header;
    for (int channel = 1; channel <= model.channelCount(); ++channel) {
        QStringList row{QString::number(channel)};
        for (int column = 1; column <= model.columnCount(); ++column)
            row << model.cellText(channel, column);
        rows << row;
    }
    return csv::write(rows, csv::ByteOrderMark::With);
}

namespace {

using Kind = ChannelTableModel::ColumnKind;

// The reading of one file.
class ChannelCsvReader {
public:
    explicit ChannelCsvReader(const ImportTarget& target) : m_checks(target), m_target(target) {}

    ChannelImport read(const QByteArray& bytes) {
        csv::ReadResult file;
        if (!m_checks.readFile(bytes, &file))
            return m_checks.take();
        if (!readHeader(file.records.first()))
            return m_checks.take();
        for (qsizetype i = 1; i < file.records.size() && !m_checks.tooManyErrors(); ++i)
            readRow(file.records.at(i));
        return m_checks.take();
    }

private:
    bool readHeader(const csv::Record& header) {
        m_fieldColumns = QList<int>(header.fields.size(), -1);
        for (qsizetype field = 0; field < header.fields.size(); ++field) {
            const QString caption = header.fields.at(field).trimmed();
            if (caption.isEmpty())
                continue; // a spreadsheet's trailing empty column
            const int column = m_target.columnOfCaption(caption);
            if (column >= 0 && m_fieldColumns.contains(column)) {
                m_checks.lineError(header.line, m_checks.text("csv.error.repeatedColumn").arg(caption));
            } else if (column >= 0) {
                m_fieldColumns[field] = column;
            } else if (field > 0) {
                m_checks.lineError(header.line, m_checks.text("csv.error.unknownColumn").arg(caption));
            }
        }
        // The channel numbers stand first, whatever their caption, unless a column names them.
        if (!m_fieldColumns.contains(0) && m_fieldColumns.value(0) < 0)
            m_fieldColumns[0] = 0;
        for (const int required : {0, int(ChannelTable::RxColumn)}) {
            if (!m_fieldColumns.contains(required))
                m_checks.lineError(header.line,
                                   m_checks.text("csv.error.missingColumn").arg(m_target.caption(required)));
        }
        return m_checks.list().ok();
    }

    void readRow(const csv::Record& row) {
        if (row.fields.size() != m_fieldColumns.size()) {
            m_checks.lineError(row.line,
                               m_checks.text("csv.error.fieldCount").arg(row.fields.size()).arg(m_fieldColumns.size()));
            return;
        }
        QMap<int, QString> cells;
        for (qsizetype field = 0; field < row.fields.size(); ++field) {
            if (m_fieldColumns.at(field) >= 0)
                cells.insert(m_fieldColumns.at(field), row.fields.at(field).trimmed());
        }
        const std::optional<int> channel = m_checks.channelNumber(row.line, m_target.caption(0), cells.value(0));
        if (!channel)
            return;
        if (const int first = m_lineOfChannel.value(*channel)) {
            m_checks.error(row.line, m_target.caption(0),
                           m_checks.text("csv.error.repeatedChannel").arg(*channel).arg(first));
            return;
        }
        m_lineOfChannel.insert(*channel, row.line);
        ImportedChannel imported;
        imported.line = row.line;
        imported.channel = *channel;
        if (cells.value(ChannelTable::RxColumn).isEmpty())
            checkEmptyChannel(row.line, cells);
        else if (!readChannel(row.line, cells, &imported))
            return;
        m_checks.list().channels << imported;
    }

    // An empty channel has nothing else the grid would let be typed.
    void checkEmptyChannel(int line, const QMap<int, QString>& cells) {
        for (auto it = cells.begin(); it != cells.end(); ++it) {
            if (it.key() > ChannelTable::RxColumn && !it.value().isEmpty() && kind(it.key()) != Kind::PlainColumn)
                m_checks.error(line, m_target.caption(it.key()), m_checks.text("csv.error.cellOfEmptyChannel"));
        }
    }

    bool readChannel(int line, const QMap<int, QString>& cells, ImportedChannel* imported) {
        const qsizetype errorsBefore = m_checks.list().errors.size();
        const int rx = ChannelTable::RxColumn, tx = ChannelTable::TxColumn;
        if (const auto f = m_checks.frequency(line, m_target.caption(rx), cells.value(rx)))
            imported->receive = *f;
        if (cells.contains(tx)) {
            const QString typed = cells.value(tx);
            imported->transmit = typed.isEmpty() ? std::optional<qint32>(ChannelTable::Empty)
                                                 : m_checks.frequency(line, m_target.caption(tx), typed);
        }
        imported->decodeTone = toneOf(line, cells, ChannelTableModel::DecodeColumn);
        imported->encodeTone = toneOf(line, cells, ChannelTableModel::EncodeColumn);
        if (imported->encodeTone && imported->transmit == ChannelTable::Empty)
            m_checks.error(line, m_target.caption(ChannelTableModel::EncodeColumn),
                           m_checks.text("csv.error.encodeWithoutTransmit"));
        for (auto it = cells.begin(); it != cells.end(); ++it) {
            if (kind(it.key()) != Kind::OptionColumn || it.value().isEmpty())
                continue;
            const int position = m_target.optionPosition(it.key(), it.value());
            if (position < 0)
                m_checks.error(line, m_target.caption(it.key()),
                               m_checks.text("csv.error.notOption")
                                   .arg(it.value(), m_target.options(it.key()).join(QStringLiteral(", "))));
            else
                imported->options[it.key()] = position;
        }
        return m_checks.list().errors.size() == errorsBefore;
    }

    std::optional<QString> toneOf(int line, const QMap<int, QString>& cells, int column) {
        const QString typed = cells.value(column);
        if (typed.isEmpty())
            return std::nullopt;
        return m_checks.tone(line, m_target.caption(column), typed);
    }

    Kind kind(int column) const { return m_target.columnKinds.value(column, Kind::PlainColumn); }

    ImportChecks m_checks;
    const ImportTarget& m_target;
    QList<int> m_fieldColumns; // the table column of each field of a row
    QHash<int, int> m_lineOfChannel;
};

} // namespace

ChannelImport parseChannelCsv(const QByteArray& bytes, const ImportTarget& target) {
    return ChannelCsvReader(target).read(bytes);
}

} // namespace qrt::channels
