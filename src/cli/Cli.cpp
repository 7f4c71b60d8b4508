#include "cli/Cli.h"

#include "cli/CommandContext.h"
#include "core/AppContext.h"
#include "core/ApplicationFolder.h"
#include "core/LanguageSetup.h"
#include "core/ProgramVersion.h"
#include "core/SettingsFile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <functional>
#include <map>

namespace qrt::cli {

namespace {

struct Command {
    std::function<int(CommandContext&)> run;
    const char* synopsis;
};

const std::map<QString, Command>& commands() {
    static const std::map<QString, Command> table = {
        {QStringLiteral("dump"), {dumpCommand, "dump FILE [--json]   show the data the editor would show"}},
        {QStringLiteral("normalize"),
         {normalizeCommand, "normalize FILE -o OUT   open FILE and save it as the program would"}},
        {QStringLiteral("hexdump"), {hexdumpCommand, "hexdump FILE   show the bytes of a data file"}},
        {QStringLiteral("diff"), {diffCommand, "diff A B   list the addresses where two data files differ"}},
        {QStringLiteral("check"),
         {checkCommand, "check FILE   list what in the data may not be meant, one finding a line (exit 0 with "
                        "findings too)"}},
        {QStringLiteral("ports"),
         {portsCommand, "ports   list the device each port number 1..16 stands for (* the current one)"}},
        {QStringLiteral("read"),
         {readCommand, "read [--port PORT] -o OUT.dat [--range START-END] [--code TEXT] [--new-code TEXT]   "
                       "read the radio and save the data"}},
        {QStringLiteral("write"),
         {writeCommand, "write [--port PORT] FILE.dat [--range START-END] [--code TEXT] [--new-code TEXT] "
                        "[--force] [--verify]   write a data file into the radio"}},
        {QStringLiteral("verify"),
         {verifyCommand, "verify [--port PORT] FILE.dat [--range START-END] [--code TEXT]   read the radio and "
                         "compare it with what writing FILE would send (exit 0 the same, 3 different, 2 read failed)"}},
        {QStringLiteral("set"),
         {setCommand, "set FILE ASSIGNMENT... -o OUT   change options and channels as a user would, in order, and "
                      "save to OUT. Options: NAME=VALUE (a list by item text, #n or n; a check box by 0/1; a text "
                      "box by its text). Channels: chN.rx=TEXT, chN.tx=TEXT (type into the cell; empty clears it), "
                      "chN.decode=TEXT, chN.encode=TEXT (choose in the tone list), chN.C=VALUE (option column C by "
                      "text, #n or n), chN.C! (double-click), chN.delete, channels.delete-all, defaults"}},
        // Channel lists in CSV.
        {QStringLiteral("export"),
         {exportCommand, "export FILE.dat -o OUT.csv [--format qrt|chirp]   write the channels as a CSV list: every "
                         "column of the grid (qrt, the default) or the CHIRP columns"}},
        {QStringLiteral("import"),
         {importCommand, "import BASE.dat IN.csv -o OUT.dat [--format qrt|chirp]   type the channels of a CSV list "
                         "into BASE as the grid takes them and save to OUT; a list with errors changes nothing"}},
        {QStringLiteral("print"),
         {printCommand, "print FILE -o OUT.pdf [--items cover,settings,channels] [--page A4|Letter]   print the "
                        "channel sheet (cover, radio settings, channel table) in the language of --lang to a PDF"}},
    };
    return table;
}

QString usage(const QCommandLineParser& parser) {
    QString text = parser.helpText() + QStringLiteral("\nCommands:\n");
    for (const auto& [name, command] : commands())
        text += QStringLiteral("  ") + QString::fromLatin1(command.synopsis) + QLatin1Char('\n');
    return text;
}

} // namespace

int run(const QStringList& arguments, const QString& executableDir, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("QRT506 programming software, command-line tool"));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("version"), QStringLiteral("Show the version and end.")});
    parser.addOption(
        {QStringLiteral("app-dir"), QStringLiteral("Use DIR as the application folder."), QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("lang"),
                      QStringLiteral("Run in language N (1 Simplified Chinese, 2 Traditional Chinese, 3 English)."),
                      QStringLiteral("N")});
    parser.addOption({QStringLiteral("json"), QStringLiteral("dump: print one JSON object.")});
    parser.addOption(
        {{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Write to OUT."), QStringLiteral("OUT")});
    parser.addOption({QStringLiteral("port"),
                      QStringLiteral("read/write: the serial port, a number 1..16, COMn or a device path."),
                      QStringLiteral("PORT")});
    parser.addOption({QStringLiteral("range"),
                      QStringLiteral("read/write: the address range in hexadecimal, e.g. 0000-03FF."),
                      QStringLiteral("START-END")});
    parser.addOption({QStringLiteral("code"), QStringLiteral("read/write: the program code, as if typed into its box."),
                      QStringLiteral("TEXT")});
    parser.addOption({QStringLiteral("new-code"),
                      QStringLiteral("read/write: \"Set New Program Code\" ticked with this code."),
                      QStringLiteral("TEXT")});
    parser.addOption(
        {QStringLiteral("force"),
         QStringLiteral("write: send a file that is not radio data (wrong length, no header) all the same.")});
    parser.addOption({QStringLiteral("verify"),
                      QStringLiteral("write: read the written range back and compare it with what was sent; a "
                                     "difference fails the write (exit 2).")});

    parser.addOption({QStringLiteral("format"), QStringLiteral("export/import: the channel list, qrt or chirp."),
                      QStringLiteral("FORMAT")});
    parser.addOption({QStringLiteral("items"),
                      QStringLiteral("print: what the sheet holds, of cover, settings and channels (all of them)."),
                      QStringLiteral("LIST")});
    parser.addOption({QStringLiteral("page"), QStringLiteral("print: the paper, A4 (the default) or Letter."),
                      QStringLiteral("SIZE")});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("The command to run (see below)."));

    if (!parser.parse(arguments)) {
        err << parser.errorText() << '\n' << usage(parser);
        return ExitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << usage(parser);
        return ExitOk;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out << "qrt506-cli " << programVersion() << '\n';
        return ExitOk;
    }
    QStringList args = parser.positionalArguments();
    if (args.isEmpty()) {
        err << "No command given.\n" << usage(parser);
        return ExitUsage;
    }
    const QString name = args.takeFirst();
    const auto it = commands().find(name);
    if (it == commands().end()) {
        err << "Unknown command: " << name << '\n' << usage(parser);
        return ExitUsage;
    }

    std::optional<Language> language;
    if (parser.isSet(QStringLiteral("lang"))) {
        language = parseLanguage(parser.value(QStringLiteral("lang")));
        if (!language) {
            err << "--lang takes 1, 2 or 3.\n";
            return ExitUsage;
        }
    }
    const appfolder::Choice folder = appfolder::choose(parser.value(QStringLiteral("app-dir")), executableDir);
    if (folder.path.isEmpty()) {
        err << folder.error << '\n';
        return ExitIo;
    }
    const QString& appDir = folder.path;
    if (!QFileInfo(appDir).isDir()) {
        err << "The application folder does not exist: " << appDir << '\n';
        return ExitIo;
    }
    const SettingsFile settings(QDir(appDir).filePath(AppContext::SettingsFileName));
    if (const Result status = settings.status(); status.failed())
        err << "The settings file " << settings.path() << " is not used: " << status.reason()
            << ". Going on with the default settings.\n";
    // Without --lang, before the program's first start has chosen a language, the one that start
    // would choose from the system locale (none leaves the stored one); nothing is written.
    if (!language)
        language = firstStartLanguage(settings, systemLocaleId());
    CommandContext context{parser, args, appDir, language, out, err};
    return it->second.run(context);
}

} // namespace qrt::cli
