#pragma once

#include "comm/TransferJob.h"

namespace qrt::comm {

class RadioLink;

// The windows the link's commands open, supplied by the user interface: each shows its
// window modally and returns when it has closed.
class RadioLinkWindows {
public:
    virtual ~RadioLinkWindows() = default;
    // The communication window with only the Read or the Write button.
    virtual void showTransferWindow(RadioLink& link, TransferJob::Kind kind) = 0;
    // The window that reads or writes several radios in a row.
    virtual void showSeriesWindow(RadioLink& link) = 0;
    // The port dialog over the port of the link.
    virtual void showPortDialog(RadioLink& link) = 0;
    // A read into a copy of its own, then the differences of the program's data and the
    // radio's; the program's data stays as it is.
    virtual void showRadioComparison(RadioLink& link) { (void)link; }
};

} // namespace qrt::comm
