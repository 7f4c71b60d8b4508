// Opening a data file of any content through the document, as File -> Open does, and saving
// what was opened. What opens must save, and a saved file must open and save to the same
// bytes again.
#include "FuzzAppFolder.h"

#include "cli/StartedProgram.h"

#include <QTextStream>

#include <cstdlib>

using namespace qrt;

namespace {

QByteArray readBack(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QString messages;
    static QTextStream err(&messages);
    static cli::StartedProgram program(fuzz::appFolder().path(), Language::English, err);
    const QString input = fuzz::inputFile(QStringLiteral("input.dat"), data, size);
    const QString first = fuzz::appFolder().filePath(QStringLiteral("first.dat"));
    const QString second = fuzz::appFolder().filePath(QStringLiteral("second.dat"));
    if (input.isEmpty())
        std::abort();
    if (program.open(input)) {
        if (!program.saveAs(first) || !program.open(first) || !program.saveAs(second))
            std::abort();
        if (readBack(first) != readBack(second))
            std::abort();
    }
    err.flush();
    messages.clear();
    return 0;
}
