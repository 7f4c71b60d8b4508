#include "cli/CommandContext.h"
#include "cli/DataFileCheck.h"
#include "cli/StartedProgram.h"
#include "print/ChannelSheet.h"
#include "print/SheetPdf.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextDocument>
#include <QTextStream>

namespace qrt::cli {

int printCommand(CommandContext& c) {
    const QString output = c.parser.value(QStringLiteral("output"));
    if (c.args.size() != 1 || output.isEmpty()) {
        c.err << "print takes one data file and -o OUT.pdf.\n";
        return ExitUsage;
    }
    print::SheetItems items;
    if (c.parser.isSet(QStringLiteral("items")) &&
        !print::SheetItems::parse(c.parser.value(QStringLiteral("items")), &items)) {
        c.err << "--items takes a comma-separated list of cover, settings and channels.\n";
        return ExitUsage;
    }
    const QString page = c.parser.value(QStringLiteral("page")).toLower();
    if (!page.isEmpty() && page != QLatin1String("a4") && page != QLatin1String("letter")) {
        c.err << "--page takes A4 or Letter.\n";
        return ExitUsage;
    }
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        c.err << "print needs the program's fonts: it runs only as its own call of qrt506-cli.\n";
        return ExitIo;
    }
    StartedProgram program(c.appDir, c.language, c.err);
    if (!program.open(c.args.first()))
        return ExitIo;
    if (const QString notData = notRadioDataText(c.args.first()); !notData.isEmpty())
        c.err << "Warning: " << notData << '\n';
    const std::unique_ptr<QTextDocument> sheet =
        print::channelSheet(program.document(), items, QDateTime::currentDateTime());
    const Result written = print::writeSheetPdf(
        *sheet, output, QPageSize(page == QLatin1String("letter") ? QPageSize::Letter : QPageSize::A4),
        program.context().text(TextId::PrintJobName), program.context().extraTexts());
    if (written.failed()) {
        c.err << "Cannot write " << output << ": " << written.reason() << '\n';
        return ExitIo;
    }
    return ExitOk;
}

} // namespace qrt::cli
