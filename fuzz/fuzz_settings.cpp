// Reading holvard.def of any content as the program does at start-up, then writing a key
// into it: the reading repairs what it cannot use, and a written key reads back.
#include "FuzzAppFolder.h"

#include "core/ProgramSettings.h"
#include "core/SettingsFile.h"

#include <cstdlib>

using namespace qrt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzz::inputFile(QStringLiteral("fuzzed.def"), data, size);
    if (path.isEmpty())
        std::abort();
    SettingsFile file(path);
    const ProgramSettings settings = ProgramSettings::load(file);
    const int language = languageNumber(settings.language);
    if (language < 1 || language > 3 || settings.portNumber < 1 || settings.portNumber > 16)
        std::abort();
    if (settings.imageLastAddress < ProgramSettings::MinImageLastAddress ||
        settings.imageLastAddress > ProgramSettings::MaxImageLastAddress)
        std::abort();
    if (!file.status().ok())
        return 0;
    const QString value = QStringLiteral("0123");
    if (file.write(key::SettingSection, QStringLiteral("ReadStartAddr"), value).failed())
        return 0;
    if (SettingsFile(path).read(key::SettingSection, QStringLiteral("ReadStartAddr"), QString(), 30) != value)
        std::abort();
    return 0;
}
