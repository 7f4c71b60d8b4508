#include "cli/DumpCommand.h"

#include "cli/CommandContext.h"
#include "cli/DataFileCheck.h"
#include "cli/StartedProgram.h"

#include <QCommandLineParser>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

namespace qrt::cli {

namespace {

QString mhz(qint32 value) {
    return value == ChannelTable::Empty ? QString() : QString::number(value / 100000.0, 'f', 5);
}

void printText(const Document& document, QTextStream& out) {
    const ChannelTableDef& def = document.context().channelDef();
    const ChannelTable& table = document.channels();
    const band::Limits limits = document.bandLimits();
    out << "Model: " << document.modelList().value(document.modelPosition()) << '\n';
    out << "Band: " << document.bandCaption() << " (" << mhz(limits.min) << " - " << mhz(limits.max) << " MHz)\n";
    out << "File: " << QDir::toNativeSeparators(document.currentFilePath()) << '\n';

    const QStringList captions = def.captions();
    QStringList header;
    for (int c = 0; c <= def.colCount; ++c)
        header << captions.value(c, QString::number(c));
    out << header.join(QLatin1Char('\t')) << '\n';
    for (int n = 1; n <= def.chCount; ++n) {
        QStringList cells{QString::number(n)};
        const bool inUse = table.isInUse(n);
        for (int c = 1; c <= def.colCount; ++c) {
            QString cell;
            if (!inUse) {
                cell.clear();
            } else if (c == ChannelTable::RxColumn || c == ChannelTable::TxColumn) {
                cell = mhz(table.value(n, c));
            } else if (c == 3) {
                cell = table.decodeTone(n);
            } else if (c == 4) {
                cell = table.hasTransmit(n) ? table.encodeTone(n) : QString();
            } else if (!def.optionText(c, table.value(n, c), &cell)) {
                cell = QString::number(table.value(n, c));
            }
            cells << cell;
        }
        out << cells.join(QLatin1Char('\t')) << '\n';
    }
}

} // namespace

QJsonObject settingsJson(const options::SettingsModel& settings) {
    QJsonObject json;
    for (const QString& name : settings.names()) {
        const options::Control* c = settings.control(name);
        QJsonObject entry;
        switch (c->kind) {
        case options::ControlKind::Button:
        case options::ControlKind::Grid:
            continue;
        case options::ControlKind::Check:
            entry.insert(QStringLiteral("checked"), c->checked);
            break;
        case options::ControlKind::Text:
            entry.insert(QStringLiteral("text"), c->text);
            break;
        case options::ControlKind::List:
        case options::ControlKind::KeyList:
            entry.insert(QStringLiteral("item"), c->item);
            entry.insert(QStringLiteral("text"), c->itemText());
            break;
        }
        entry.insert(QStringLiteral("enabled"), c->enabled);
        json.insert(name, entry);
    }
    // The two-tone grids: eight codes each, the cells of a row in column order.
    const options::TwoToneTable& twoTone = settings.twoTone();
    for (int grid = 0; grid < 2; ++grid) {
        QJsonArray rows;
        for (int row = 1; row <= options::TwoToneTable::RowsPerGrid; ++row) {
            QJsonArray cells;
            for (int column = options::TwoToneTable::FreqA; column <= options::TwoToneTable::Interval; ++column)
                cells.append(twoTone.cell(options::TwoToneTable::codeOf(grid, row), column));
            rows.append(cells);
        }
        json.insert(QStringLiteral("vsfgGridTwoTone%1").arg(grid),
                    QJsonObject{{QStringLiteral("rows"), rows}, {QStringLiteral("enabled"), true}});
    }
    return json;
}

QJsonObject dumpJson(const Document& document) {
    const ChannelTableDef& def = document.context().channelDef();
    const ChannelTable& table = document.channels();
    QJsonArray channels;
    for (int n = 1; n <= def.chCount; ++n) {
        QJsonObject options;
        for (int c = ChannelTable::FirstOptionColumn; c <= def.colCount; ++c)
            options.insert(QString::number(c), table.value(n, c));
        channels.append(QJsonObject{{QStringLiteral("number"), n},
                                    {QStringLiteral("rx"), table.value(n, ChannelTable::RxColumn)},
                                    {QStringLiteral("tx"), table.value(n, ChannelTable::TxColumn)},
                                    {QStringLiteral("decode"), table.decodeTone(n)},
                                    {QStringLiteral("encode"), table.encodeTone(n)},
                                    {QStringLiteral("options"), options}});
    }
    const band::Limits limits = document.bandLimits();
    return QJsonObject{{QStringLiteral("model"), document.modelPosition()},
                       {QStringLiteral("band"), QJsonObject{{QStringLiteral("position"), document.bandPosition()},
                                                            {QStringLiteral("min"), limits.min},
                                                            {QStringLiteral("max"), limits.max}}},
                       {QStringLiteral("channels"), channels}};
}

int dumpCommand(CommandContext& c) {
    if (c.args.size() > 1) {
        c.err << "dump takes one data file.\n";
        return ExitUsage;
    }
    StartedProgram program(c.appDir, c.language, c.err);
    if (!c.args.isEmpty() && !program.open(c.args.first()))
        return ExitIo;
    if (const QString notData = c.args.isEmpty() ? QString() : notRadioDataText(c.args.first()); !notData.isEmpty())
        c.err << "Warning: " << notData << '\n';
    if (c.parser.isSet(QStringLiteral("json"))) {
        QJsonObject json = dumpJson(program.document());
        json.insert(QStringLiteral("settings"), settingsJson(program.settings()));
        c.out << QJsonDocument(json).toJson(QJsonDocument::Indented);
    } else
        printText(program.document(), c.out);
    return ExitOk;
}

} // namespace qrt::cli
