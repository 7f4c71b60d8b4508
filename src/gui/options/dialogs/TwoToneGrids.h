#pragma once

#include <QWidget>

#include <array>

class QTableView;

namespace qrt {
class AppContext;
namespace options {
class SettingsModel;
}
} // namespace qrt

namespace qrt::gui {

class TwoToneGridModel;

// The two two-tone grids `vsfgGridTwoTone0` (codes 1..8) and `vsfgGridTwoTone1` (codes
// 9..16), one above the other, for the two-tone frame of the settings. Cell edits go to the
// settings model and become undo steps there.
class TwoToneGrids : public QWidget {
    Q_OBJECT
public:
    TwoToneGrids(options::SettingsModel& settings, const AppContext& context, QWidget* parent = nullptr);

    QTableView* grid(int index) const { return m_views[size_t(index)]; }

private:
    std::array<QTableView*, 2> m_views{};
};

} // namespace qrt::gui
