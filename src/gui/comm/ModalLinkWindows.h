#pragma once

#include "comm/RadioLinkWindows.h"

class QWidget;

namespace qrt::gui {
class UserPrompts;
}

namespace qrt::gui::comm {

// The communication window and the port dialog of the link, modal over the frame; the
// messages of an operation go through the prompts.
class ModalLinkWindows : public qrt::comm::RadioLinkWindows {
public:
    ModalLinkWindows(UserPrompts& prompts, QWidget& frame) : m_prompts(prompts), m_frame(frame) {}

    void showTransferWindow(qrt::comm::RadioLink& link, qrt::comm::TransferJob::Kind kind) override;
    void showSeriesWindow(qrt::comm::RadioLink& link) override;
    void showPortDialog(qrt::comm::RadioLink& link) override;
    void showRadioComparison(qrt::comm::RadioLink& link) override;

private:
    UserPrompts& m_prompts;
    QWidget& m_frame;
};

} // namespace qrt::gui::comm
