#pragma once

#include <QAbstractTableModel>
#include <QTimer>

#include <vector>

namespace qrt {
class Document;
}

namespace qrt::memview {

// The image as a grid of 16 bytes a row, each cell two hexadecimal digits, the rows
// labelled with their first address ("0010H"): one row for each line address below the
// highest shown address, which bounds how far refresh and editing reach. A new highest
// address takes effect at once; the rows that stay keep their cells and marks.
//
// A refresh writes the image into the cells and marks in red the cells whose value
// differs from what they showed; the grid refreshes itself after every change of the
// document's image (once the change is complete), as well as on request. Editing a cell
// stores every cell within reach into the image as one undoable user edit; while the
// interface is locked no cell is editable and a fill is refused.
class MemoryGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int BytesPerRow = 16;

    MemoryGridModel(Document& document, int tableMaxAddr, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Accepts up to two hexadecimal digits (blank stores 0); anything else, or a cell out
    // of reach, returns false and changes nothing.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    static QString rowLabel(int row);
    int addressOf(const QModelIndex& index) const;
    QModelIndex indexOf(int address) const;
    // The highest address that refresh and editing reach: the highest shown address,
    // bounded by the rows and the image.
    int lastAddress() const;
    int tableMaxAddr() const { return m_tableMaxAddr; }
    void setTableMaxAddr(int address);
    int imageSize() const;
    bool isMarked(int address) const;
    int markedCount() const;

public Q_SLOTS:
    // Cells from the image, marking the changed ones; marks of earlier refreshes go.
    void refresh();
    // The channel table encoded into the image first, then refresh().
    void refreshNow();
    void clearMarks();

public:
    // Every byte of [start, end] set to `value` and the grid stored, as one user edit.
    // False (nothing changed) when the range is outside the image or the interface is
    // locked; an end below the start changes nothing.
    bool fill(int start, int end, quint8 value);

Q_SIGNALS:
    // A refresh marked changes; the last changed cell.
    void changeMarked(const QModelIndex& lastChanged);

private:
    bool reaches(int address) const { return address >= 0 && address <= lastAddress(); }
    void resizeRows(int rows);
    void catchUp();
    void fillEmptyCellsInReach();
    bool storeGrid(int address, const QByteArray& bytes, const QString& undoText);
    void announceAll(const QList<int>& roles);

    Document& m_document;
    int m_rows;
    int m_tableMaxAddr;
    std::vector<qint16> m_shown; // -1: the cell is empty
    std::vector<char> m_marked;
    QTimer m_follow;
};

} // namespace qrt::memview
