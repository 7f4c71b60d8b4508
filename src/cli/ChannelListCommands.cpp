// export and import: the channels as a CSV list, the program's own or the CHIRP one.
#include "channels/ChannelCsv.h"
#include "channels/ChirpCsv.h"
#include "channels/CsvText.h"
#include "cli/CommandContext.h"
#include "cli/StartedProgram.h"
#include "core/FileAccess.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace qrt::cli {

namespace {

enum class ListFormat { Own, Chirp };

std::optional<ListFormat> formatOf(CommandContext& c) {
    const QString format = c.parser.value(QStringLiteral("format"));
    if (format.isEmpty() || format == QLatin1String("qrt"))
        return ListFormat::Own;
    if (format == QLatin1String("chirp"))
        return ListFormat::Chirp;
    c.err << "--format takes qrt or chirp, not \"" << format << "\".\n";
    return std::nullopt;
}

} // namespace

int exportCommand(CommandContext& c) {
    const QString output = c.parser.value(QStringLiteral("output"));
    const std::optional<ListFormat> format = formatOf(c);
    if (c.args.size() != 1 || output.isEmpty()) {
        c.err << "export takes one data file and -o OUT.csv.\n";
        return ExitUsage;
    }
    if (!format)
        return ExitUsage;
    StartedProgram program(c.appDir, c.language, c.err);
    if (!program.open(c.args.first()))
        return ExitIo;
    const channels::ChannelTableModel& model = program.document().channelModel();
    const QByteArray list =
        *format == ListFormat::Chirp ? channels::exportChirpCsv(model) : channels::exportChannelCsv(model);
    if (const Result written = fileaccess::replaceFile(output, list); written.failed()) {
        c.err << "Cannot write " << output << ": " << written.reason() << '\n';
        return ExitIo;
    }
    return ExitOk;
}

int importCommand(CommandContext& c) {
    const QString output = c.parser.value(QStringLiteral("output"));
    const std::optional<ListFormat> format = formatOf(c);
    if (c.args.size() != 2 || output.isEmpty()) {
        c.err << "import takes a data file, a channel list and -o OUT.dat.\n";
        return ExitUsage;
    }
    if (!format)
        return ExitUsage;
    StartedProgram program(c.appDir, c.language, c.err);
    if (!program.open(c.args.at(0)))
        return ExitIo;
    QByteArray bytes;
    if (const Result read = fileaccess::readRegularFile(c.args.at(1), channels::csv::MaxFileBytes + 1, &bytes);
        read.failed()) {
        c.err << "Cannot read " << c.args.at(1) << ": " << read.reason() << '\n';
        return ExitIo;
    }
    channels::ChannelTableModel& model = program.document().channelModel();
    const channels::ImportTarget target = channels::ImportTarget::of(model, program.context());
    const channels::ChannelImport list = *format == ListFormat::Chirp ? channels::parseChirpCsv(bytes, target)
                                                                      : channels::parseChannelCsv(bytes, target);
    for (const QString& note : list.notes)
        c.err << c.args.at(1) << ": " << note << '\n';
    if (!list.ok()) {
        for (const QString& error : list.errors)
            c.err << c.args.at(1) << ": " << error << '\n';
        c.err << "Nothing was imported and nothing written.\n";
        return ExitUsage;
    }
    channels::applyImport(list, model, program.context().extraText(QStringLiteral("transfer.undoImport")));
    return program.saveAs(output) ? ExitOk : ExitIo;
}

} // namespace qrt::cli
