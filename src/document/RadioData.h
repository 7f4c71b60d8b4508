#pragma once

#include "channels/ChannelTableSources.h"
#include "core/ChannelCodec.h"
#include "core/RadioImage.h"

#include <functional>

namespace qrt {

class AppContext;

// The radio data being edited: the memory image, the template it is built from (as stored
// in its file) and the channel table decoded from the image.
struct RadioData {
    explicit RadioData(AppContext& context);

    // Reads the template file into the template and the image; false (logged) when it cannot.
    bool loadTemplate();
    // New data from the template; the model and band bytes of the image survive it.
    void loadTemplateKeepingModelAndBand();
    // What a channel table model over this data works on.
    channels::ChannelTableSources channelSources(std::function<band::Limits()> bandLimits);

    AppContext& context;
    RadioImage image;
    RadioImage templateFile;
    ChannelTable channels;
    ChannelCodec codec;
};

} // namespace qrt
