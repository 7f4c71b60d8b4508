#include "comm/DocumentTransfer.h"

#include "core/AppContext.h"
#include "core/ProgramSettings.h"

#include "core/ReservedCodes.h"
#include "document/Document.h"
#include "options/SettingsModel.h"

namespace qrt::comm {

namespace {
const char* const SideKeyLists[] = {"listSk1Short", "listSk1Long", "listSk2Short", "listSk2Long"};
}

void fillTransferJob(Document& document, TransferJob& job) {
    options::SettingsModel& settings = document.settings();
    if (job.kind == TransferJob::Write) {
        document.encodeChannels();
        for (const char* name : SideKeyLists) {
            const options::Control* list = settings.control(QString::fromLatin1(name));
            if (list && list->item >= 0)
                settings.selectItem(list->name, list->item);
        }
    }
    const options::Control* codeBox = settings.control(QStringLiteral("txtRdWrCode"));
    const options::Control* newTicked = settings.control(QStringLiteral("chkNewRdWrCode"));
    const options::Control* newCode = settings.control(QStringLiteral("txtNewRdWrCode"));
    const options::Control* serials = settings.control(QStringLiteral("cboImportSeq"));
    const options::Control* autoNext = settings.control(QStringLiteral("chkAutoNextSn"));
    job.image = document.image();
    job.codeFieldShown = codeBox && codeBox->visible;
    job.newCodeTicked = newTicked && newTicked->checked;
    job.newCodeText = newCode ? newCode->text : QString();
    job.newCodeBlock = settings.newCodeBlock();
    job.reservedCodes = reservedProgramCodes();
    job.bandLimits = document.bandLimits();
    job.autoNextSerial =
        serials && serials->visible && !serials->items.isEmpty() && autoNext && autoNext->visible && autoNext->checked;
    job.verifyAfterWrite = verifyAfterWrite(document.context().settings());
    job.texts = document.context().texts();
    job.extraTexts = document.context().extraTexts();
}

std::optional<readbackup::Backup> applyTransferOutcome(Document& document, const TransferJob& job,
                                                       const TransferOutcome& outcome) {
    std::optional<readbackup::Backup> backup;
    if (outcome.image) {
        if (job.kind == TransferJob::Read && outcome.result == TransferResult::Ok) {
            backup = document.backUpRadioRead(outcome.image->bytes());
            document.applyRadioRead(outcome.image->bytes());
        } else {
            document.applyRadioWrite(outcome.image->bytes());
        }
    }
    if (outcome.advanceSerial)
        document.settings().selectNextSerialNumber();
    return backup;
}

} // namespace qrt::comm
