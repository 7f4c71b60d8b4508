#pragma once

#include "comm/TransferJob.h"
#include "document/ReadBackup.h"

#include <optional>

namespace qrt {
class Document;
} // namespace qrt

namespace qrt::comm {

// Fills the parts of a job that come from the document: for a write the channel table is
// encoded and the side-key lists store their codes first; then the image, the program-code
// fields, the serial-number switch, the band and the texts are copied. Ranges, device and
// port are the caller's.
void fillTransferJob(Document& document, TransferJob& job);

// Applies what an operation handed back: a successful read is first kept in Data/Backups,
// then its image replaces the data (every view follows, a new history starts); a write's
// forced bytes go into the image, and the serial list moves on when asked. Gives the
// backup of a successful read (which may have failed: the data arrives all the same).
// Messages and the port dialog are the caller's.
std::optional<readbackup::Backup> applyTransferOutcome(Document& document, const TransferJob& job,
                                                       const TransferOutcome& outcome);

} // namespace qrt::comm
