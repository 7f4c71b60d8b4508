#pragma once

#include <QTableView>

namespace qrt::memview {
class MemoryGridModel;
}

namespace qrt::gui {

// The memory grid `vsfgGridMemDat`: 16 narrow centred byte columns under the titles 0..F,
// the row addresses at the left under "Addr", cells edited in place with at most two
// hexadecimal digits, the tool tip of the cell under the mouse. A refresh that marks
// changes brings the last changed cell into view.
class MemoryGridView : public QTableView {
    Q_OBJECT
public:
    explicit MemoryGridView(memview::MemoryGridModel& model, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showChange(const QModelIndex& lastChanged);
};

} // namespace qrt::gui
