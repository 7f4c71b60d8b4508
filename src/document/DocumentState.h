#pragma once

#include "core/ChannelCodec.h"
#include "document/ModelAndBand.h"

#include <QByteArray>
#include <QString>

namespace qrt {

// Everything a user edit can change: the image, the decoded channel table (which may
// hold rows not yet encoded into the image), model and band, and the current file.
struct DocumentState {
    QByteArray image;
    ChannelTable channels;
    BandState band;
    QString filePath;
    bool operator==(const DocumentState&) const = default;
};

} // namespace qrt
