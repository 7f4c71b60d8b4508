#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace qrt {
class AppContext;
}
namespace qrt::memview {
class MemoryGridModel;
}

namespace qrt::gui {

class UserPrompts;

// The part fill `frmPartFill`: one value, typed in base H, D or B, for every byte from
// the start to the end address (hexadecimal). Input that is not a number of its base, a
// negative value or an address outside the image is told in a message box and fills
// nothing. The dialog is kept between uses, with the texts the user left.
class PartFillDialog : public QDialog {
    Q_OBJECT
public:
    PartFillDialog(memview::MemoryGridModel& grid, const AppContext& context, UserPrompts& prompts, int initialEnd,
                   QWidget* parent);

    QLineEdit* valueEdit() const { return m_value; }
    QComboBox* baseList() const { return m_base; }
    QLineEdit* startEdit() const { return m_start; }
    QLineEdit* endEdit() const { return m_end; }

    void fill();

private:
    memview::MemoryGridModel& m_grid;
    const AppContext& m_context;
    UserPrompts& m_prompts;
    QLineEdit* m_value;
    QComboBox* m_base;
    QLineEdit* m_start;
    QLineEdit* m_end;
};

} // namespace qrt::gui
