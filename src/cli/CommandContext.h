#pragma once

#include <QString>
#include <QStringList>

#include "cli/Cli.h"
#include "core/Language.h"

#include <optional>

class QCommandLineParser;
class QTextStream;

namespace qrt::cli {

// What a subcommand gets: its positional arguments (without the command name), the
// parsed options and the output streams.
struct CommandContext {
    const QCommandLineParser& parser;
    QStringList args;
    QString appDir;
    std::optional<Language> language; // none: the settings file's language
    QTextStream& out;
    QTextStream& err;
};

int dumpCommand(CommandContext& c);
int normalizeCommand(CommandContext& c);
int hexdumpCommand(CommandContext& c);
int diffCommand(CommandContext& c);
int portsCommand(CommandContext& c);
int readCommand(CommandContext& c);
int writeCommand(CommandContext& c);
int verifyCommand(CommandContext& c);
int setCommand(CommandContext& c);
int checkCommand(CommandContext& c);

// Channel lists in CSV.
int exportCommand(CommandContext& c);
int importCommand(CommandContext& c);
int printCommand(CommandContext& c);

} // namespace qrt::cli
