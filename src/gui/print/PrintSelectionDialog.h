#pragma once

#include "print/ChannelSheet.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace qrt {
class AppContext;
}

namespace qrt::gui {

// The print selection view "Select Print Content": which items the sheet holds (cover,
// radio settings, channel information), then Print (with a preview), Save as PDF or
// Cancel. Print and Save as PDF need at least one item.
class PrintSelectionDialog : public QDialog {
    Q_OBJECT
public:
    enum class Output { None, Printer, Pdf };

    PrintSelectionDialog(const AppContext& context, QWidget* parent = nullptr);

    print::SheetItems items() const;
    Output output() const { return m_output; }

private:
    void finishWith(Output output);
    void updateButtons();

    QCheckBox* m_cover;
    QCheckBox* m_settings;
    QCheckBox* m_channels;
    QPushButton* m_print;
    QPushButton* m_pdf;
    Output m_output = Output::None;
};

} // namespace qrt::gui
