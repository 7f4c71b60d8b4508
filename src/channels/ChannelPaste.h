#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace qrt::channels {

class ChannelTableModel;

// Copy, cut and paste of channel cells as text spreadsheets exchange: one line per row,
// the cells of a row separated by tabs, the texts as the grid shows them.

// A block of cells of the table, channels and columns counted as the table's.
struct CellBlock {
    int firstChannel = 1;
    int firstColumn = 1;
    int lastChannel = 0;
    int lastColumn = 0;
};

// The texts of the block's cells, each row ended by a line break.
QString copiedCells(const ChannelTableModel& table, const CellBlock& block);

// Rows of cell texts from pasted text: lines ended by CRLF, LF or CR, cells split at tabs,
// a cell wholly in double quotes unquoted, blanks around a cell dropped. The line break
// after the last row adds no row.
QList<QStringList> pastedRows(const QString& text);

// What a paste did: nothing when `refusal` is set, which then names the cell and why.
struct PasteOutcome {
    bool pasted = false;
    QString refusal;
};

// Pastes the text with its first cell at (channel, column), cell by cell through the
// named edits of typing, left to right and top down, as one undo step. A frequency cell
// takes a number (empty clears it: an empty receive frequency removes the channel); a
// tone cell a tone or the none text; an option cell one of its options (or #n); empty
// tone and option cells are left as they are. Any cell the grid would refuse (text that
// means nothing in its column, a cell of a channel without receive or transmit frequency,
// a cell beyond the table) refuses the whole paste. Empty cells beyond the table, as a
// spreadsheet's trailing tab gives, are ignored.
PasteOutcome pasteCells(ChannelTableModel& table, int channel, int column, const QString& text);

// Clears the block's frequency cells as Delete does (the receive frequency removes the
// channel), as one undo step; false when nothing could be cleared (the lock).
bool clearCells(ChannelTableModel& table, const CellBlock& block);

} // namespace qrt::channels
