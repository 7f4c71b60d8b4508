#include "document/RadioData.h"

#include "core/AppContext.h"
#include "core/DataFile.h"
#include "core/MemoryLayout.h"

namespace qrt {

RadioData::RadioData(AppContext& context)
    : context(context), image(context.program().imageLastAddress + 1),
      templateFile(context.program().imageLastAddress + 1), codec(context.tones(), &context.errorLog()) {}

bool RadioData::loadTemplate() {
    QByteArray bytes;
    const Result status = datafile::readFile(context.appFile(AppContext::TemplateFileName), image.size(), &bytes);
    if (!status.ok()) {
        context.errorLog().logErr(QStringLiteral("mdifrmMain->InitTempArray"), status.errorNumber());
        return false;
    }
    templateFile.write(0, bytes);
    datafile::loadIntoImage(bytes, image);
    return true;
}

void RadioData::loadTemplateKeepingModelAndBand() {
    const QByteArray kept = image.mid(band::ModelAddress, 1 + layout::BandLimits.size());
    loadTemplate();
    image.write(band::ModelAddress, kept);
}

channels::ChannelTableSources RadioData::channelSources(std::function<band::Limits()> bandLimits) {
    return {channels,
            image,
            templateFile,
            context.channelDef(),
            codec,
            context.tones(),
            context.texts(),
            context.extraTexts(),
            &context.errorLog(),
            std::move(bandLimits),
            context.program().outOfBandColor,
            context.program().inBandColor};
}

} // namespace qrt
