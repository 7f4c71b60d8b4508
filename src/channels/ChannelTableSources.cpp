#include "channels/ChannelTableSources.h"

#include "core/AppContext.h"
#include "core/EditorSession.h"

namespace qrt::channels {

ChannelTableSources sourcesOf(EditorSession& session) {
    AppContext& context = session.context();
    return {session.channelTableStorage(),
            session.image(),
            session.templateImage(),
            context.channelDef(),
            session.codec(),
            context.tones(),
            context.texts(),
            context.extraTexts(),
            &context.errorLog(),
            [&session] { return session.bandLimits(); },
            context.program().outOfBandColor,
            context.program().inBandColor};
}

} // namespace qrt::channels
