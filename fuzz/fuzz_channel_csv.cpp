// The program's own channel list (CSV) of any content imported into the factory data. A
// list that imports exports again as a list that imports to the same table and exports to
// the same bytes.
#include "FuzzChannelImport.h"

#include "channels/ChannelCsv.h"

using namespace qrt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::ChannelImportRun run;
    channels::ChannelTableModel& table = run.freshTable();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!run.importInto(table, bytes, channels::parseChannelCsv))
        return 0;
    const QList<QStringList> imported = fuzz::ChannelImportRun::cells(table);
    const QByteArray exported = channels::exportChannelCsv(table);
    if (!run.importInto(table, exported, channels::parseChannelCsv))
        std::abort();
    if (fuzz::ChannelImportRun::cells(table) != imported || channels::exportChannelCsv(table) != exported)
        std::abort();
    return 0;
}
