// A CHIRP channel list of any content imported into the factory data. What CHIRP's columns
// cannot carry is left as the channel has it, so a list that imports exports as a CHIRP
// list that imports again without errors.
#include "FuzzChannelImport.h"

#include "channels/ChirpCsv.h"

using namespace qrt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::ChannelImportRun run;
    channels::ChannelTableModel& table = run.freshTable();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!run.importInto(table, bytes, channels::parseChirpCsv))
        return 0;
    if (!run.importInto(table, channels::exportChirpCsv(table), channels::parseChirpCsv))
        std::abort();
    return 0;
}
