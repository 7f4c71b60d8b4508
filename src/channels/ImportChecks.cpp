#include "channels/ImportChecks.h"

#include "channels/FrequencyEntry.h"
#include "channels/ToneEntry.h"
#include "core/ExtraTexts.h"
#include "core/Numeric.h"
#include "core/ToneCodec.h"

namespace qrt::channels {

namespace {
constexpr double UnitsPerMhz = 100000;
constexpr double HighestMhz = 100000;
} // namespace

bool megahertzToUnits(const QString& text, qint64* units) {
    double megahertz = 0;
    if (!parseDecimal(text, &megahertz) || megahertz < 0 || megahertz > HighestMhz)
        return false;
    *units = qint64(roundHalfEven(megahertz * UnitsPerMhz));
    return true;
}

QString ImportChecks::text(const char* key) const {
    return m_target.texts->text(QString::fromLatin1(key));
}

bool ImportChecks::readFile(const QByteArray& bytes, csv::ReadResult* read) {
    *read = csv::read(bytes);
    switch (read->error) {
    case csv::ReadError::None:
        return true;
    case csv::ReadError::Empty:
        m_list.errors << text("csv.error.empty");
        break;
    case csv::ReadError::NotText:
        m_list.errors << text("csv.error.notText");
        break;
    case csv::ReadError::TooLarge:
        m_list.errors << text("csv.error.tooLarge").arg(csv::MaxFileBytes);
        break;
    case csv::ReadError::LineTooLong:
        lineError(read->errorLine, text("csv.error.lineTooLong").arg(csv::MaxLineLength));
        break;
    case csv::ReadError::UnclosedQuote:
        lineError(read->errorLine, text("csv.error.unclosedQuote"));
        break;
    case csv::ReadError::TextAfterQuote:
        lineError(read->errorLine, text("csv.error.textAfterQuote"));
        break;
    }
    return false;
}

void ImportChecks::error(int line, const QString& column, const QString& what) {
    m_list.errors << text("csv.error.cell").arg(line).arg(column, what);
}

void ImportChecks::lineError(int line, const QString& what) {
    m_list.errors << text("csv.error.line").arg(line).arg(what);
}

std::optional<qint32> ImportChecks::frequency(int line, const QString& column, const QString& typed) {
    qint64 units = 0;
    if (!megahertzToUnits(typed, &units)) {
        error(line, column, text("csv.error.notFrequency").arg(typed));
        return std::nullopt;
    }
    return frequency(line, column, typed, units);
}

std::optional<qint32> ImportChecks::frequency(int line, const QString& column, const QString& shown, qint64 units) {
    const band::Limits limits = m_target.band;
    if (units < limits.min || units > limits.max) {
        error(line, column,
              text("csv.error.outOfBand").arg(shown, frequencyCellText(limits.min), frequencyCellText(limits.max)));
        return std::nullopt;
    }
    const qint32 snapped = band::snapToRaster(qint32(units));
    if (snapped != units) {
        error(line, column, text("csv.error.offRaster").arg(shown, frequencyCellText(snapped)));
        return std::nullopt;
    }
    return qint32(units);
}

std::optional<QString> ImportChecks::tone(int line, const QString& column, const QString& typed) {
    if (ToneCodec::isNoneTextOfAnyLanguage(typed))
        return m_target.noneText;
    if (std::optional<QString> form = normalizeTypedTone(typed))
        return form;
    error(line, column, text("csv.error.notTone").arg(typed));
    return std::nullopt;
}

std::optional<int> ImportChecks::channelNumber(int line, const QString& column, const QString& typed) {
    bool ok = false;
    const int number = typed.toInt(&ok);
    if (!ok || number < 1 || number > m_target.channelCount) {
        error(line, column, text("csv.error.notChannel").arg(typed).arg(m_target.channelCount));
        return std::nullopt;
    }
    return number;
}

} // namespace qrt::channels
