#pragma once

#include "comm/PortDialogModel.h"

#include <QDialog>

#include <array>

class QGridLayout;
class QRadioButton;

namespace qrt {
class AppContext;
class ExtraTexts;
} // namespace qrt

namespace qrt::comm {
class PortControl;
}

namespace qrt::gui::comm {

// The port dialog frmToolCom: the sixteen port numbers in four rows, each with the device it
// stands for; those whose open test fails are greyed out. OK makes the choice current and
// stores it under "COM"; Cancel, Escape and the close box keep the port as it was.
class PortDialog : public QDialog {
    Q_OBJECT
public:
    PortDialog(AppContext& context, qrt::comm::PortControl& port, QWidget* parent);

    QRadioButton* option(int index) const { return m_options.at(size_t(index)); }

    void accept() override;
    void reject() override;

private:
    void addOption(int index, QGridLayout& grid);

    qrt::comm::PortDialogModel m_model;
    const ExtraTexts& m_texts;
    std::array<QRadioButton*, qrt::comm::PortDialogModel::OptionCount> m_options{};
    QString m_accessHint;
};

} // namespace qrt::gui::comm
