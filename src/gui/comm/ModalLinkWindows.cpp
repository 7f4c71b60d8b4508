#include "gui/comm/ModalLinkWindows.h"

#include "comm/RadioLink.h"
#include "core/AppContext.h"
#include "core/MemoryLayout.h"
#include "document/Document.h"
#include "gui/comm/CommunicationWindow.h"
#include "gui/comm/PortDialog.h"
#include "gui/comm/RadioSeriesWindow.h"
#include "gui/common/ComparisonWindow.h"

#include <optional>

namespace qrt::gui::comm {

using namespace qrt::comm;

void ModalLinkWindows::showTransferWindow(RadioLink& link, TransferJob::Kind kind) {
    CommunicationWindow window(link, m_prompts, kind, &m_frame);
    window.exec();
}

void ModalLinkWindows::showRadioComparison(RadioLink& link) {
    std::optional<TransferOutcome> outcome;
    {
        CommunicationWindow window(link, m_prompts, TransferJob::Read, &m_frame);
        window.setKeepsProgramData(true);
        QObject::connect(&window, &CommunicationWindow::operationFinished, &window,
                         [&outcome](const TransferOutcome& o) { outcome = o; });
        window.exec();
    }
    if (!outcome || outcome->result != TransferResult::Ok || !outcome->image)
        return;
    const Document& document = link.document();
    const CommAddresses& addresses = link.addresses();
    // The program's data reaches as far as the editor; the radio's memory above it is not compared.
    const int first = addresses.value(CommAddresses::ReadStart);
    const int last = qMin(addresses.value(CommAddresses::ReadEnd), layout::EditorArea.last);
    const AppContext& context = document.context();
    const QList<ComparisonRow> rows = comparisonRows(compareImages(document.image(), *outcome->image, first, last),
                                                     context.texts(), context.extraTexts());
    ComparisonWindow comparison(context, rows, context.extraText(QStringLiteral("compare.radioColumn")), &m_frame);
    comparison.exec();
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
