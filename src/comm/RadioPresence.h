#pragma once

#include "comm/SerialPort.h"

#include <atomic>

namespace qrt::comm {

// Whether a radio answers on a port, asked with the handshake every read and write begins
// with ("PROGRAM", answered by 0x06). The port is opened for the question and closed
// again, so that the read or write that follows opens it as it always does. Nothing else
// is sent, and the protocol engine's values (its slow mode among them) are not touched.
struct RadioPresence {
    enum Answer {
        Answered, // the radio acknowledged the handshake
        Silent,   // nothing, or something else, came back within the reply window
        NoPort,   // the port did not open (a cable unplugged takes its device along)
        Stopped,  // the stop flag was raised while waiting
    };
    Answer answer = Silent;
    PortError portError = PortError::None;
    QString portErrorDetail;
};

// Asks once. The reply window is measured from the end of sending; when it has passed the
// port is looked at once more, so that a reply that arrived while the thread was held up
// by a busy machine still counts.
RadioPresence askRadioPresence(const SerialPortFactory& portFactory, const QString& device, int replyWindowMs,
                               const std::atomic<bool>& stop);

} // namespace qrt::comm
