#include "gui/comm/ModalLinkWindows.h"

#include "comm/RadioLink.h"
#include "document/Document.h"
#include "gui/comm/CommunicationWindow.h"
#include "gui/comm/PortDialog.h"
#include "gui/comm/RadioSeriesWindow.h"

namespace qrt::gui::comm {

using namespace qrt::comm;

void ModalLinkWindows::showTransferWindow(RadioLink& link, TransferJob::Kind kind) {
    CommunicationWindow window(link, m_prompts, kind, &m_frame);
    window.exec();
}

void ModalLinkWindows::showSeriesWindow(RadioLink& link) {
    RadioSeriesWindow window(link, m_prompts, &m_frame);
    window.exec();
}

void ModalLinkWindows::showPortDialog(RadioLink& link) {
    PortDialog dialog(link.document().context(), link.port(), &m_frame);
    dialog.exec();
}

} // namespace qrt::gui::comm
