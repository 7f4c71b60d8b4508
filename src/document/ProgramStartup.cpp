#include "document/ProgramStartup.h"

#include "core/AppContext.h"
#include "document/Document.h"

namespace qrt {

std::unique_ptr<Document> startProgram(AppContext& context, std::optional<Language> languageOverride,
                                       const StartupHooks& hooks) {
    const bool searchPorts = hooks.chooseFirstLanguage && hooks.chooseFirstLanguage(context);
    context.load(languageOverride);
    if (hooks.testPort)
        hooks.testPort(context, searchPorts);
    auto document = std::make_unique<Document>(context);
    document->startUp();
    if (hooks.showWindows)
        hooks.showWindows(*document);
    return document;
}

} // namespace qrt
