#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace qrt::options {
class SettingsModel;
}

namespace qrt::gui {

// One of the two two-tone grids as a table: eight codes (1..8 or 9..16), the code number in
// column 0 and the five cells of the code in columns 1..5. Edits go to the settings model,
// whose validation pass may rewrite any cell of either grid.
class TwoToneGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Columns = 6;

    // grid 0 or 1; headers: the six column captions of the language.
    TwoToneGridModel(options::SettingsModel& settings, int grid, QStringList headers, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    int codeAt(int row) const;

private:
    void showAll();

    options::SettingsModel& m_settings;
    int m_grid;
    QStringList m_headers;
};

} // namespace qrt::gui
