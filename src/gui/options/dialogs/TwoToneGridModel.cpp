#include "gui/options/dialogs/TwoToneGridModel.h"

#include "options/SettingsModel.h"
#include "options/TwoToneTable.h"

namespace qrt::gui {

using options::TwoToneTable;

TwoToneGridModel::TwoToneGridModel(options::SettingsModel& settings, int grid, QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), m_settings(settings), m_grid(grid), m_headers(std::move(headers)) {
    connect(&m_settings, &options::SettingsModel::twoToneChanged, this, &TwoToneGridModel::showAll);
    connect(&m_settings, &options::SettingsModel::refreshed, this, &TwoToneGridModel::showAll);
}

int TwoToneGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TwoToneTable::RowsPerGrid;
}

int TwoToneGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

int TwoToneGridModel::codeAt(int row) const {
    return TwoToneTable::codeOf(m_grid, row + 1);
}

QVariant TwoToneGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (index.column() == 0)
            return QString::number(codeAt(index.row()) + 1);
        return m_settings.twoTone().cell(codeAt(index.row()), index.column());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant TwoToneGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_headers.value(section);
}

Qt::ItemFlags TwoToneGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == 0 ? shown : shown | Qt::ItemIsEditable;
}

bool TwoToneGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() == 0 || role != Qt::EditRole)
        return false;
    return m_settings.editTwoTone(codeAt(index.row()), index.column(), value.toString());
}

// The validation pass rewrites all sixteen codes, so every cell is shown again.
void TwoToneGridModel::showAll() {
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, Columns - 1), {Qt::DisplayRole, Qt::EditRole});
}

} // namespace qrt::gui
