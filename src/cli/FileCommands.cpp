#include "cli/CommandContext.h"
#include "cli/StartedProgram.h"
#include "core/DataFile.h"
#include "core/InterfaceTexts.h"
#include "core/MemoryMap.h"
#include "document/DataComparison.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>

namespace qrt::cli {

namespace {

// More than any data file holds; a larger file is shown only up to here.
constexpr int MaxShownBytes = 64 * 1024;

// Reads at most MaxShownBytes; *cut tells whether the file holds more, which is said on err.
bool readRaw(const QString& path, QByteArray* bytes, bool* cut, QTextStream& err) {
    const Result status = datafile::readFile(path, MaxShownBytes + 1, bytes);
    if (status.failed()) {
        err << "Cannot read " << path << ": " << status.reason() << '\n';
        return false;
    }
    *cut = bytes->size() > MaxShownBytes;
    if (*cut) {
        bytes->truncate(MaxShownBytes);
        err << path << " is larger than " << MaxShownBytes << " bytes; only the first " << MaxShownBytes
            << " bytes are used.\n";
    }
    return true;
}

QString hex2(int v) {
    return differenceByteText(v);
}
QString hex4(int v) {
    return QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0')).toUpper();
}

QString offsetMeaning(int offset, const InterfaceTexts& texts) {
    if (offset < datafile::HeaderText.size())
        return QStringLiteral("header text");
    if (offset >= datafile::FileSize)
        return QStringLiteral("beyond the data file layout");
    const int address = datafile::addressOfOffset(offset);
    if (address < 0)
        return QStringLiteral("filler");
    QString meaning =
        QStringLiteral("address 0x") + hex4(address).mid(1) + QStringLiteral("  ") + describeAddress(address);
    if (const QStringList captions = optionCaptionsAt(address, texts); !captions.isEmpty())
        meaning += QStringLiteral(" (") + captions.join(QStringLiteral(", ")) + QLatin1Char(')');
    return meaning;
}

} // namespace

int normalizeCommand(CommandContext& c) {
    const QString output = c.parser.value(QStringLiteral("output"));
    if (c.args.size() != 1 || output.isEmpty()) {
        c.err << "normalize takes one data file and -o OUT.\n";
        return ExitUsage;
    }
    StartedProgram program(c.appDir, c.language, c.err);
    if (!program.openWarningIfOdd(c.args.first()))
        return ExitIo;
    return program.saveAs(output) ? ExitOk : ExitIo;
}

int hexdumpCommand(CommandContext& c) {
    if (c.args.size() != 1) {
        c.err << "hexdump takes one file.\n";
        return ExitUsage;
    }
    QByteArray bytes;
    bool cut = false;
    if (!readRaw(c.args.first(), &bytes, &cut, c.err))
        return ExitIo;
    for (int line = 0; line < bytes.size(); line += 16) {
        QString hex, ascii;
        for (int i = line; i < line + 16; ++i) {
            if (i < bytes.size()) {
                const quint8 b = quint8(bytes.at(i));
                hex += hex2(b) + QLatin1Char(' ');
                ascii += (b >= 0x20 && b < 0x7F) ? QChar(b) : QLatin1Char('.');
            } else {
                hex += QStringLiteral("   ");
            }
        }
        c.out << hex4(line) << "  " << hex << " |" << ascii << "|\n";
    }
    return ExitOk;
}

int diffCommand(CommandContext& c) {
    if (c.args.size() != 2) {
        c.err << "diff takes two files.\n";
        return ExitUsage;
    }
    QByteArray a, b;
    bool cutA = false, cutB = false;
    if (!readRaw(c.args.at(0), &a, &cutA, c.err) || !readRaw(c.args.at(1), &b, &cutB, c.err))
        return ExitIo;
    InterfaceTexts texts;
    texts.load(DefaultLanguage);
    const QList<ByteDifference> found = compareBytes(a, b, 0, MaxShownBytes - 1);
    for (const ByteDifference& d : found) {
        c.out << "offset 0x" << hex4(d.position) << "  " << differenceByteText(d.ours) << " -> "
              << differenceByteText(d.theirs) << "  " << offsetMeaning(d.position, texts) << '\n';
    }
    const qsizetype differences = found.size();
    if (differences == 0 && (cutA || cutB))
        c.out << "The first " << MaxShownBytes << " bytes are identical; the rest was not compared.\n";
    else if (differences == 0)
        c.out << "The files are identical.\n";
    else
        c.out << differences << " byte(s) differ.\n";
    return ExitOk;
}

} // namespace qrt::cli
