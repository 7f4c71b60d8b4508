#pragma once

#include "channels/ChannelImport.h"
#include "channels/CsvText.h"

namespace qrt::channels {

// The checks both list formats make on their cells, gathering the errors (naming line and
// column, in the interface language) and notes into the list being read.
class ImportChecks {
public:
    static constexpr int MaxErrors = 200; // a file with more is not worth reading on

    explicit ImportChecks(const ImportTarget& target) : m_target(target) {}

    ChannelImport& list() { return m_list; }
    ChannelImport take() { return std::move(m_list); }
    const ImportTarget& target() const { return m_target; }
    QString text(const char* key) const;
    bool tooManyErrors() const { return m_list.errors.size() >= MaxErrors; }

    // Reads the file; false (with the error) when it is no CSV text at all.
    bool readFile(const QByteArray& bytes, csv::ReadResult* read);

    void error(int line, const QString& column, const QString& what);
    void lineError(int line, const QString& what);
    void note(const QString& what) { m_list.notes << what; }

    // A frequency in MHz that the grid stores as it stands: a number in the band and on
    // the raster. nullopt with an error otherwise.
    std::optional<qint32> frequency(int line, const QString& column, const QString& text);
    // A frequency worked out from the list's cells, checked as one typed.
    std::optional<qint32> frequency(int line, const QString& column, const QString& shown, qint64 units);
    // A tone as the tone list takes it typed, or a none text of any language.
    std::optional<QString> tone(int line, const QString& column, const QString& text);
    // A channel number 1..channelCount.
    std::optional<int> channelNumber(int line, const QString& column, const QString& text);

private:
    const ImportTarget& m_target;
    ChannelImport m_list;
};

// Reads a decimal number of megahertz into 10 Hz units (halves to even); false for a text
// that is no number or far outside any frequency.
bool megahertzToUnits(const QString& text, qint64* units);

} // namespace qrt::channels
