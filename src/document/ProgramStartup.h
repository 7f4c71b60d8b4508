#pragma once

#include "core/Language.h"

#include <functional>
#include <memory>
#include <optional>

namespace qrt {

class AppContext;
class Document;

// The steps of the start-up that only a program with windows performs. Each may be empty.
struct StartupHooks {
    // The first-start language step, before the settings are read (it may write the
    // language into the settings file). Returns true when the automatic port search is due.
    std::function<bool(AppContext&)> chooseFirstLanguage;
    // The test of the stored port, with the automatic search when the first step asks for it.
    std::function<void(AppContext&, bool searchPorts)> testPort;
    // The data is built: the window's texts, the memory viewer, the channel-lock state.
    std::function<void(Document&)> showWindows;
};

// The start-up sequence in its order: the first-start language step, the settings, the
// interface texts and the channel table definition (a languageOverride runs in that
// language without touching the settings file), the port test, then the document with
// the untitled data built from the template. Subscribe to the context's error log first
// to see what start-up logs.
std::unique_ptr<Document> startProgram(AppContext& context, std::optional<Language> languageOverride,
                                       const StartupHooks& hooks = {});

} // namespace qrt
