#include "channels/ChirpCsv.h"

#include "channels/FrequencyEntry.h"
#include "channels/ImportChecks.h"
#include "core/Numeric.h"

#include <QHash>

#include <limits>

namespace qrt::channels {

namespace {

// Our option columns the list carries, and the positions of their options.
constexpr int BandwidthColumn = 5; // Wide, Narrow
constexpr int PowerColumn = 6;     // High, Low
constexpr int ScanAddColumn = 7;   // Off, On
constexpr int Wide = 0, Narrow = 1, High = 0, Low = 1, ScanOff = 0, ScanOn = 1;

constexpr qint64 UnitsPerMhz = 100000;
constexpr qint64 LargestRepeaterOffset = 20 * UnitsPerMhz; // larger ones are written as split
constexpr double LowestHighPowerWatts = 2.0;

const QStringList Header = {QStringLiteral("Location"),     QStringLiteral("Name"),       QStringLiteral("Frequency"),
                            QStringLiteral("Duplex"),       QStringLiteral("Offset"),     QStringLiteral("Tone"),
                            QStringLiteral("rToneFreq"),    QStringLiteral("cToneFreq"),  QStringLiteral("DtcsCode"),
                            QStringLiteral("DtcsPolarity"), QStringLiteral("RxDtcsCode"), QStringLiteral("CrossMode"),
                            QStringLiteral("Mode"),         QStringLiteral("TStep"),      QStringLiteral("Skip"),
                            QStringLiteral("Power"),        QStringLiteral("Comment"),    QStringLiteral("URCALL"),
                            QStringLiteral("RPT1CALL"),     QStringLiteral("RPT2CALL"),   QStringLiteral("DVCODE")};

enum Field {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    ToneMode,
    RToneFreq,
    CToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power
};

// What the unused tone columns hold.
const QString DefaultCtcss = QStringLiteral("88.5");
const QString DefaultDcs = QStringLiteral("023");
const QString DefaultCrossMode = QStringLiteral("Tone->Tone");
const QString NormalPolarity = QStringLiteral("NN");

// A squelch tone of ours in the list's terms.
struct Squelch {
    enum Kind { None, Ctcss, Dcs } kind = None;
    QString value;  // CTCSS hertz ("88.5") or the DCS code ("023")
    QChar polarity; // N or R for DCS
    bool operator==(const Squelch&) const = default;
};

Squelch squelchOf(const QString& tone, const QString& noneText) {
    if (tone.isEmpty() || tone == noneText)
        return {};
    if (tone.size() == 5 && tone.startsWith(u'D'))
        return {Squelch::Dcs, tone.mid(1, 3), tone.at(4) == u'I' ? u'R' : u'N'};
    return {Squelch::Ctcss, tone, QChar()};
}

QString megahertzText(qint64 units) {
    return QStringLiteral("%1.%2").arg(units / UnitsPerMhz).arg((units % UnitsPerMhz) * 10, 6, 10, QLatin1Char('0'));
}

// A worked-out frequency as the grid shows one; far outside every band, whole megahertz.
QString shownMegahertz(qint64 units) {
    if (units >= std::numeric_limits<qint32>::min() && units <= std::numeric_limits<qint32>::max())
        return frequencyCellText(qint32(units));
    return QString::number(units / UnitsPerMhz);
}

// The list's tone columns for one channel, from the tone-mode table of the format.
struct ToneColumns {
    QString mode, rTone = DefaultCtcss, cTone = DefaultCtcss, code = DefaultDcs, rxCode = DefaultDcs;
    QString cross = DefaultCrossMode;
    QChar txPolarity = u'N', rxPolarity = u'N';
};

QString crossName(Squelch::Kind kind) {
    return kind == Squelch::Ctcss ? QStringLiteral("Tone") : kind == Squelch::Dcs ? QStringLiteral("DTCS") : QString();
}

ToneColumns toneColumns(const Squelch& encode, const Squelch& decode) {
    ToneColumns t;
    using K = Squelch::Kind;
    const auto sendTone = [&] { t.rTone = encode.value; };
    const auto sendCode = [&] { t.code = encode.value, t.txPolarity = encode.polarity; };
    const auto receiveTone = [&] { t.cTone = decode.value; };
    const auto receiveCode = [&] { t.rxCode = decode.value, t.rxPolarity = decode.polarity; };
    if (encode.kind == K::None && decode.kind == K::None)
        return t;
    if (encode.kind == K::Ctcss && decode.kind == K::None) {
        t.mode = QStringLiteral("Tone");
        sendTone();
    } else if (encode.kind == K::Ctcss && encode == decode) {
        t.mode = QStringLiteral("TSQL");
        sendTone();
        receiveTone();
    } else if (encode.kind == K::Dcs && decode.kind == K::Dcs && encode.value == decode.value) {
        t.mode = QStringLiteral("DTCS");
        sendCode();
        receiveCode();
    } else {
        t.mode = QStringLiteral("Cross");
        t.cross = crossName(encode.kind) + QStringLiteral("->") + crossName(decode.kind);
        if (encode.kind == K::Ctcss)
            sendTone();
        if (encode.kind == K::Dcs)
            sendCode();
        if (decode.kind == K::Ctcss)
            receiveTone();
        if (decode.kind == K::Dcs)
            receiveCode();
    }
    return t;
}

QStringList exportRow(const ChannelTableModel& model, int n) {
    const ChannelTable& table = model.table();
    const QString none = model.optionList(ChannelTableModel::DecodeColumn).value(0);
    const qint64 rx = table.value(n, ChannelTable::RxColumn);
    const qint64 tx = table.value(n, ChannelTable::TxColumn);
    QString duplex, offset = megahertzText(0);
    if (!table.hasTransmit(n)) {
        duplex = QStringLiteral("off");
    } else if (qAbs(tx - rx) > LargestRepeaterOffset) {
        duplex = QStringLiteral("split");
        offset = megahertzText(tx);
    } else if (tx != rx) {
        duplex = tx > rx ? QStringLiteral("+") : QStringLiteral("-");
        offset = megahertzText(qAbs(tx - rx));
    }
    const Squelch encode = table.hasTransmit(n) ? squelchOf(table.encodeTone(n), none) : Squelch();
    const ToneColumns t = toneColumns(encode, squelchOf(table.decodeTone(n), none));
    const bool on6250Only = rx % 625 == 0 && rx % 500 != 0;
    const auto option = [&](int column, int ifPosition, const char* yes, const char* no) {
        return QString::fromLatin1(table.value(n, column) == ifPosition ? yes : no);
    };
    return {QString::number(n),
            QString(),
            megahertzText(rx),
            duplex,
            offset,
            t.mode,
            t.rTone,
            t.cTone,
            t.code,
            QString(t.txPolarity) + t.rxPolarity,
            t.rxCode,
            t.cross,
            option(BandwidthColumn, Narrow, "NFM", "FM"),
            on6250Only ? QStringLiteral("6.25") : QStringLiteral("5.00"),
            option(ScanAddColumn, ScanOff, "S", ""),
            option(PowerColumn, Low, "1.0W", "5.0W"),
            QString(),
            QString(),
            QString(),
            QString(),
            QString()};
}

} // namespace

QByteArray exportChirpCsv(const ChannelTableModel& model) {
    QList<QStringList> rows{Header};
    for (int n = 1; n <= model.channelCount(); ++n) {
        if (model.table().isInUse(n))
            rows << exportRow(model, n);
    }
    return csv::write(rows, csv::ByteOrderMark::Without);
}

namespace {

using Kind = ChannelTableModel::ColumnKind;

// The reading of one file.
class ChirpCsvReader {
public:
    explicit ChirpCsvReader(const ImportTarget& target) : m_checks(target), m_target(target) {}

    ChannelImport read(const QByteArray& bytes) {
        csv::ReadResult file;
        if (!m_checks.readFile(bytes, &file) || !readHeader(file.records.first()))
            return m_checks.take();
        const QList<csv::Record> rows = file.records.mid(1);
        for (const csv::Record& row : rows) {
            if (field(row, Location).trimmed() == QLatin1String("0")) {
                m_locationShift = 1;
                m_checks.note(m_checks.text("chirp.note.fromZero"));
                break;
            }
        }
        for (const csv::Record& row : rows) {
            if (m_checks.tooManyErrors())
                break;
            readRow(row);
        }
        noteIgnoredColumns(rows);
        return m_checks.take();
    }

private:
    bool readHeader(const csv::Record& header) {
        m_header = header.fields;
        for (qsizetype i = 0; i < header.fields.size(); ++i) {
            for (qsizetype f = 0; f < Header.size(); ++f) {
                if (header.fields.at(i).trimmed().compare(Header.at(f), Qt::CaseInsensitive) == 0 &&
                    !m_fieldIndex.contains(int(f)))
                    m_fieldIndex.insert(int(f), int(i));
            }
        }
        for (const Field required : {Location, Frequency}) {
            if (!m_fieldIndex.contains(required))
                m_checks.lineError(header.line, m_checks.text("csv.error.missingColumn").arg(Header.at(required)));
        }
        return m_checks.list().ok();
    }

    // The columns of the file the radio has no place for, when any row fills them.
    void noteIgnoredColumns(const QList<csv::Record>& rows) {
        QStringList ignored;
        for (qsizetype i = 0; i < m_header.size(); ++i) {
            // TStep follows from the frequency; the other known columns up to Power are read.
            const int known = m_fieldIndex.key(int(i), -1);
            if (known >= 0 && known != Name && known <= Power)
                continue;
            for (const csv::Record& row : rows) {
                if (!row.fields.value(i).trimmed().isEmpty()) {
                    ignored << m_header.at(i).trimmed();
                    break;
                }
            }
        }
        if (!ignored.isEmpty())
            m_checks.note(m_checks.text("chirp.note.ignoredColumns").arg(ignored.join(QStringLiteral(", "))));
    }

    QString field(const csv::Record& row, Field f) const {
        const int index = m_fieldIndex.value(f, -1);
        return index < 0 ? QString() : row.fields.value(index).trimmed();
    }
    bool has(Field f) const { return m_fieldIndex.contains(f); }

    void error(const csv::Record& row, Field f, const char* key) {
        m_checks.error(row.line, Header.at(f), m_checks.text(key).arg(field(row, f)));
    }

    void readRow(const csv::Record& row) {
        if (row.fields.size() > m_header.size()) {
            m_checks.lineError(row.line,
                               m_checks.text("csv.error.fieldCount").arg(row.fields.size()).arg(m_header.size()));
            return;
        }
        bool ok = false;
        const int location = field(row, Location).toInt(&ok);
        if (!ok) {
            error(row, Location, "chirp.error.location");
            return;
        }
        const int channel = location + m_locationShift;
        if (channel < 1 || channel > m_target.channelCount) {
            m_checks.note(m_checks.text("chirp.note.outside").arg(row.line).arg(location).arg(m_target.channelCount));
            return;
        }
        if (const int first = m_lineOfChannel.value(channel)) {
            m_checks.error(row.line, Header.at(Location),
                           m_checks.text("csv.error.repeatedChannel").arg(channel).arg(first));
            return;
        }
        m_lineOfChannel.insert(channel, row.line);
        const qsizetype errorsBefore = m_checks.list().errors.size();
        ImportedChannel imported;
        imported.line = row.line;
        imported.channel = channel;
        readFrequencies(row, &imported);
        readTones(row, &imported);
        readOptions(row, &imported);
        if (m_checks.list().errors.size() == errorsBefore)
            m_checks.list().channels << imported;
    }

    void readFrequencies(const csv::Record& row, ImportedChannel* imported) {
        const std::optional<qint32> rx = m_checks.frequency(row.line, Header.at(Frequency), field(row, Frequency));
        if (!rx)
            return;
        imported->receive = *rx;
        const QString duplex = field(row, Duplex).toLower();
        if (duplex.isEmpty()) {
            imported->transmit = *rx;
            return;
        }
        if (duplex == QLatin1String("off")) {
            imported->transmit = ChannelTable::Empty;
            return;
        }
        if (duplex != QLatin1String("+") && duplex != QLatin1String("-") && duplex != QLatin1String("split")) {
            error(row, Duplex, "chirp.error.duplex");
            return;
        }
        qint64 offset = 0;
        if (!megahertzToUnits(field(row, Offset), &offset)) {
            error(row, Offset, "csv.error.notFrequency");
            return;
        }
        const qint64 tx = duplex == QLatin1String("split") ? offset
                          : duplex == QLatin1String("+")   ? *rx + offset
                                                           : *rx - offset;
        imported->transmit = m_checks.frequency(row.line, Header.at(Offset), shownMegahertz(tx), tx);
    }

    std::optional<QString> ctcss(const csv::Record& row, Field f) {
        double hertz = 0;
        const int tenths =
            parseDecimal(field(row, f), &hertz) && hertz > 0 && hertz < 1000 ? int(roundHalfEven(hertz * 10)) : -1;
        if (tenths < 600 || tenths > 2650) {
            error(row, f, "chirp.error.notCtcss");
            return std::nullopt;
        }
        return QString::number(tenths / 10) + u'.' + QString::number(tenths % 10);
    }

    std::optional<QString> dcs(const csv::Record& row, Field f, int polarityIndex) {
        const QString code = field(row, f);
        bool octal = !code.isEmpty() && code.size() <= 3;
        for (const QChar ch : code)
            octal = octal && ch >= u'0' && ch <= u'7';
        if (!octal) {
            error(row, f, "chirp.error.notDcs");
            return std::nullopt;
        }
        const QString polarity = field(row, DtcsPolarity).toUpper();
        static const QStringList polarities = {QStringLiteral("NN"), QStringLiteral("NR"), QStringLiteral("RN"),
                                               QStringLiteral("RR")};
        if (!polarities.contains(polarity)) {
            error(row, DtcsPolarity, "chirp.error.polarity");
            return std::nullopt;
        }
        return u'D' + code.rightJustified(3, u'0') + (polarity.at(polarityIndex) == u'R' ? u'I' : u'N');
    }

    void readTones(const csv::Record& row, ImportedChannel* imported) {
        if (!has(ToneMode))
            return;
        std::optional<QString> encode = m_target.noneText, decode = m_target.noneText;
        const QString mode = field(row, ToneMode);
        const auto is = [&](const char* name) { return mode.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; };
        if (mode.isEmpty()) {
        } else if (is("Tone")) {
            encode = ctcss(row, RToneFreq);
        } else if (is("TSQL")) {
            encode = decode = ctcss(row, CToneFreq);
        } else if (is("DTCS")) {
            encode = dcs(row, DtcsCode, 0);
            decode = dcs(row, DtcsCode, 1);
        } else if (is("TSQL-R") || is("DTCS-R")) {
            m_checks.note(m_checks.text("chirp.note.reverseSquelch").arg(row.line).arg(mode));
        } else if (is("Cross")) {
            const QString cross = field(row, CrossMode);
            const qsizetype arrow = cross.indexOf(QStringLiteral("->"));
            const QString sent = cross.left(arrow), received = cross.mid(arrow + 2);
            const auto valid = [](const QString& s) {
                return s.isEmpty() || s == QLatin1String("Tone") || s == QLatin1String("DTCS");
            };
            if (arrow < 0 || !valid(sent) || !valid(received) || (sent.isEmpty() && received.isEmpty())) {
                error(row, CrossMode, "chirp.error.crossMode");
                return;
            }
            if (sent == QLatin1String("Tone"))
                encode = ctcss(row, RToneFreq);
            if (sent == QLatin1String("DTCS"))
                encode = dcs(row, DtcsCode, 0);
            if (received == QLatin1String("Tone"))
                decode = ctcss(row, CToneFreq);
            if (received == QLatin1String("DTCS"))
                decode = dcs(row, RxDtcsCode, 1);
        } else {
            error(row, ToneMode, "chirp.error.toneMode");
            return;
        }
        imported->decodeTone = decode;
        imported->encodeTone = encode;
    }

    void readOptions(const csv::Record& row, ImportedChannel* imported) {
        const QString mode = field(row, Mode).toUpper();
        if (!mode.isEmpty()) {
            if (mode == QLatin1String("FM") || mode == QLatin1String("NFM"))
                setOption(imported, BandwidthColumn, mode == QLatin1String("FM") ? Wide : Narrow);
            else
                error(row, Mode, "chirp.error.mode");
        }
        if (has(Skip)) {
            const QString skip = field(row, Skip).toUpper();
            if (skip.isEmpty() || skip == QLatin1String("P") || skip == QLatin1String("S"))
                setOption(imported, ScanAddColumn, skip == QLatin1String("S") ? ScanOff : ScanOn);
            else
                error(row, Skip, "chirp.error.skip");
        }
        const QString power = field(row, Power);
        if (!power.isEmpty()) {
            const std::optional<int> position = powerPosition(power);
            if (position)
                setOption(imported, PowerColumn, *position);
            else
                error(row, Power, "chirp.error.power");
        }
    }

    static std::optional<int> powerPosition(const QString& power) {
        if (power.compare(QLatin1String("High"), Qt::CaseInsensitive) == 0)
            return High;
        if (power.compare(QLatin1String("Low"), Qt::CaseInsensitive) == 0)
            return Low;
        double watts = 0;
        const QString number = power.endsWith(u'W', Qt::CaseInsensitive) ? power.chopped(1) : power;
        if (!parseDecimal(number, &watts) || watts < 0)
            return std::nullopt;
        return watts >= LowestHighPowerWatts ? High : Low;
    }

    void setOption(ImportedChannel* imported, int column, int position) const {
        if (m_target.columnKinds.value(column, Kind::PlainColumn) == Kind::OptionColumn &&
            position < m_target.options(column).size())
            imported->options[column] = position;
    }

    ImportChecks m_checks;
    const ImportTarget& m_target;
    QStringList m_header;
    QHash<int, int> m_fieldIndex; // Field -> the file's column
    QHash<int, int> m_lineOfChannel;
    int m_locationShift = 0;
};

} // namespace

ChannelImport parseChirpCsv(const QByteArray& bytes, const ImportTarget& target) {
    return ChirpCsvReader(target).read(bytes);
}

} // namespace qrt::channels
