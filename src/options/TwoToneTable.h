#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace qrt {
class RadioImage;
}

namespace qrt::options {

// The sixteen two-tone codes as the two grids show them: per code the tone A frequency,
// tone A time, tone B frequency, tone B time and interval cells (texts, empty = none).
// Records of 8 bytes at 0x0280: A frequency (0.1 Hz, low byte first), A time (0.1 s),
// B frequency, B time, interval, and the mark 0x5A of a record in use.
class TwoToneTable {
public:
    static constexpr int Codes = 16;
    static constexpr int RowsPerGrid = 8;
    enum Column { FreqA = 1, TimeA = 2, FreqB = 3, TimeB = 4, Interval = 5 };
    static constexpr int MinFreq = 2885;  // 288.5 Hz
    static constexpr int MaxFreq = 31060; // 3106.0 Hz

    // Code (0..15) shown by row 1..8 of grid 0 or 1.
    static int codeOf(int grid, int row) { return RowsPerGrid * grid + row - 1; }
    static const QStringList& timeItems();
    static const QStringList& intervalItems();

    QString cell(int code, int column) const;

    // Fills the cells from the image, writing the repairs of out-of-range times and intervals.
    void refresh(RadioImage& image);
    // A user's edit of one cell, then the validation pass over all sixteen codes, which
    // rewrites every record. A time or interval cell takes only its list's items (or the
    // empty text); false leaves everything unchanged.
    bool edit(RadioImage& image, int code, int column, const QString& text);
    void validate(RadioImage& image);

private:
    QString& at(int code, int column) { return m_cells[size_t(code)][size_t(column - 1)]; }
    std::array<std::array<QString, 5>, Codes> m_cells;
};

} // namespace qrt::options
