#pragma once

#include <QString>

namespace qrt {

// The outcome of a file command: on failure the interface text to show and the reason.
struct FileResult {
    bool ok = true;
    int messageIndex = 0; // interface text of the message box on failure
    QString reason;       // why, in the user's language

    // A failure message with the reason on a line of its own.
    QString withReason(const QString& message) const {
        return reason.isEmpty() ? message : message + QLatin1Char('\n') + reason;
    }
};

} // namespace qrt
