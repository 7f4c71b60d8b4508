#pragma once

#include "core/Band.h"
#include "core/ProgramSettings.h"

#include <functional>

namespace qrt {
class ChannelCodec;
class ChannelTable;
class ErrorLog;
class ExtraTexts;
class InterfaceTexts;
class RadioImage;
class ToneCodec;
struct ChannelTableDef;
} // namespace qrt

namespace qrt::channels {

// What the channel table model works on. The table, the image and the codec are shared
// with their owner, which outlives the model.
struct ChannelTableSources {
    ChannelTable& table;
    RadioImage& image;
    const RadioImage& templateFile; // the template as stored in its file
    const ChannelTableDef& def;
    ChannelCodec& codec;
    const ToneCodec& tones;
    const InterfaceTexts& texts;
    const ExtraTexts& extraTexts;
    ErrorLog* log = nullptr;
    std::function<band::Limits()> bandLimits;
    int outOfBandColor = ProgramSettings::DefaultOutOfBandColor; // colour numbers 0xBBGGRR
    int inBandColor = ProgramSettings::DefaultInBandColor;
};

} // namespace qrt::channels
