#pragma once

#include "core/ExtraTexts.h"
#include "core/InterfaceTexts.h"

namespace qrt::cli {

// The tool's own messages are English, whatever the interface language.
inline ExtraTexts toolTexts() {
    ExtraTexts texts;
    texts.load(Language::English);
    return texts;
}

} // namespace qrt::cli
