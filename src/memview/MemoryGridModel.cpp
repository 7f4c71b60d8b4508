#include "memview/MemoryGridModel.h"

#include "core/AppContext.h"
#include "document/Document.h"
#include "memview/ByteTexts.h"

#include <QColor>

#include <algorithm>

namespace qrt::memview {

namespace {

const QColor ChangedColour(255, 0, 0);

int rowsBelow(int tableMaxAddr) {
    // One row for each line address below the highest shown address.
    return tableMaxAddr <= 0 ? 0 : (tableMaxAddr + MemoryGridModel::BytesPerRow - 1) / MemoryGridModel::BytesPerRow;
}

} // namespace

MemoryGridModel::MemoryGridModel(Document& document, int tableMaxAddr, QObject* parent)
    : QAbstractTableModel(parent), m_document(document), m_rows(rowsBelow(tableMaxAddr)), m_tableMaxAddr(tableMaxAddr),
      m_shown(size_t(m_rows) * BytesPerRow, -1), m_marked(size_t(m_rows) * BytesPerRow, 0) {
    // Several changes in a row (a user edit and the repairs that follow it) are shown by
    // one refresh, so that its marks show all of them.
    m_follow.setSingleShot(true);
    m_follow.setInterval(0);
    connect(&m_follow, &QTimer::timeout, this, &MemoryGridModel::refresh);
    connect(&document, &Document::imageChanged, &m_follow, qOverload<>(&QTimer::start));
    refresh();
}

int MemoryGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int MemoryGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : BytesPerRow;
}

int MemoryGridModel::addressOf(const QModelIndex& index) const {
    return index.isValid() ? index.row() * BytesPerRow + index.column() : -1;
}

QModelIndex MemoryGridModel::indexOf(int address) const {
    if (address < 0 || address >= m_rows * BytesPerRow)
        return {};
    return index(address / BytesPerRow, address % BytesPerRow);
}

QString MemoryGridModel::rowLabel(int row) {
    return QStringLiteral("%1H").arg(row * BytesPerRow, 4, 16, QLatin1Char('0')).toUpper();
}

int MemoryGridModel::lastAddress() const {
    return std::min({m_tableMaxAddr, m_rows * BytesPerRow - 1, m_document.image().size() - 1});
}

int MemoryGridModel::imageSize() const {
    return m_document.image().size();
}

void MemoryGridModel::setTableMaxAddr(int address) {
    m_tableMaxAddr = address;
    const int rows = rowsBelow(address);
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        resizeRows(rows);
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        resizeRows(rows);
        endRemoveRows();
    }
    fillEmptyCellsInReach();
}

void MemoryGridModel::resizeRows(int rows) {
    m_rows = rows;
    m_shown.resize(size_t(rows) * BytesPerRow, -1);
    m_marked.resize(size_t(rows) * BytesPerRow, 0);
}

bool MemoryGridModel::isMarked(int address) const {
    return address >= 0 && size_t(address) < m_marked.size() && m_marked[size_t(address)];
}

int MemoryGridModel::markedCount() const {
    return int(std::count(m_marked.begin(), m_marked.end(), char(1)));
}

QVariant MemoryGridModel::data(const QModelIndex& index, int role) const {
    const int address = addressOf(index);
    if (address < 0 || size_t(address) >= m_shown.size())
        return {};
    const int shown = m_shown[size_t(address)];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return shown < 0 ? QString() : bytetext::formatByte(shown);
    case Qt::ToolTipRole:
        return shown < 0 ? QVariant() : QVariant(bytetext::cellToolTip(address, bytetext::formatByte(shown)));
    case Qt::ForegroundRole:
        return m_marked[size_t(address)] ? QVariant(ChangedColour) : QVariant();
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant MemoryGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < BytesPerRow ? QString::number(section, 16).toUpper() : QString();
    return section >= 0 && section < m_rows ? rowLabel(section) : QString();
}

Qt::ItemFlags MemoryGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return reaches(addressOf(index)) && !m_document.isLocked() ? shown | Qt::ItemIsEditable : shown;
}

bool MemoryGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int address = addressOf(index);
    if (role != Qt::EditRole || !reaches(address) || m_document.isLocked())
        return false;
    const bytetext::ReadNumber typed = bytetext::readNumber(value.toString(), 16, 0x100);
    if (typed.status == bytetext::NumberStatus::NotANumber || typed.status == bytetext::NumberStatus::Negative ||
        typed.value > 0xFF)
        return false;
    catchUp();
    // Every cell in reach is stored, not only the edited one.
    QByteArray bytes(lastAddress() + 1, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(std::max<qint16>(m_shown[size_t(i)], 0));
    bytes[address] = char(typed.value);
    const QString where = QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
    if (!storeGrid(0, bytes, m_document.context().extraText(QStringLiteral("edit.memoryByte")).arg(where)))
        return false;
    m_shown[size_t(address)] = qint16(typed.value);
    Q_EMIT dataChanged(index, index);
    return true;
}

bool MemoryGridModel::fill(int start, int end, quint8 value) {
    if (start < 0 || end < 0 || start >= imageSize() || end >= imageSize() || m_document.isLocked())
        return false;
    if (end < start)
        return true;
    catchUp();
    // The rest of the grid already equals the image, so storing the grid comes down to the
    // range itself; the filled cells show the value once it is stored.
    if (!storeGrid(start, QByteArray(end - start + 1, char(value)),
                   m_document.context().extraText(QStringLiteral("edit.partFill"))))
        return false;
    const int lastInGrid = std::min(end, lastAddress());
    for (int i = start; i <= lastInGrid; ++i)
        m_shown[size_t(i)] = value;
    if (start <= lastInGrid)
        Q_EMIT dataChanged(indexOf(start), indexOf(lastInGrid));
    return true;
}

bool MemoryGridModel::storeGrid(int address, const QByteArray& bytes, const QString& undoText) {
    return m_document.writeBytes(address, bytes, undoText);
}

// Before the grid is stored it must show the image as it is now: the channel table is
// encoded (rows being edited are kept) and a pending refresh is done.
void MemoryGridModel::catchUp() {
    m_document.encodeChannels(Document::EditInProgress::Keep);
    if (m_follow.isActive()) {
        m_follow.stop();
        refresh();
    }
    fillEmptyCellsInReach();
}

void MemoryGridModel::fillEmptyCellsInReach() {
    const QByteArray& image = m_document.image().bytes();
    const int last = lastAddress();
    for (int i = 0; i <= last; ++i)
        if (m_shown[size_t(i)] < 0)
            m_shown[size_t(i)] = qint16(quint8(image.at(i)));
    announceAll({Qt::DisplayRole, Qt::EditRole, Qt::ToolTipRole});
}

void MemoryGridModel::refresh() {
    m_follow.stop();
    std::fill(m_marked.begin(), m_marked.end(), char(0));
    const QByteArray& image = m_document.image().bytes();
    const char* bytes = image.constData();
    const int last = lastAddress();
    int lastChanged = -1;
    for (int i = 0; i <= last; ++i) {
        const qint16 now = qint16(quint8(bytes[i]));
        qint16& shown = m_shown[size_t(i)];
        if (shown >= 0 && shown != now) {
            m_marked[size_t(i)] = 1;
            lastChanged = i;
        }
        shown = now;
    }
    announceAll({Qt::DisplayRole, Qt::EditRole, Qt::ToolTipRole, Qt::ForegroundRole});
    if (lastChanged >= 0)
        Q_EMIT changeMarked(indexOf(lastChanged));
}

void MemoryGridModel::refreshNow() {
    m_document.encodeChannels(Document::EditInProgress::Keep);
    refresh();
}

void MemoryGridModel::clearMarks() {
    std::fill(m_marked.begin(), m_marked.end(), char(0));
    announceAll({Qt::ForegroundRole});
}

void MemoryGridModel::announceAll(const QList<int>& roles) {
    if (m_rows > 0)
        Q_EMIT dataChanged(index(0, 0), index(m_rows - 1, BytesPerRow - 1), roles);
}

} // namespace qrt::memview
