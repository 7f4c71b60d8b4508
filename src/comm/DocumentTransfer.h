#pragma once

#include "comm/TransferJob.h"

namespace qrt {
class Document;
} // namespace qrt

namespace qrt::comm {

// Fills the parts of a job that come from the document: for a write the channel table is
// encoded and the side-key lists store their codes first; then the image, the program-code
// fields, the serial-number switch, the band and the texts are copied. Ranges, device and
// port are the caller's.
void fillTransferJob(Document& document, TransferJob& job);

// Applies what an operation handed back: a read's image replaces the data (every view
// follows, a new history starts), a write's forced bytes go into the image, and the serial
// list moves on when asked. Messages and the port dialog are the caller's.
void applyTransferOutcome(Document& document, const TransferJob& job, const TransferOutcome& outcome);

} // namespace qrt::comm
