// qrt506-sim: a radio on a pseudo-terminal, for trying the program and for the tests.
#include "SimLine.h"
#include "SimRadio.h"

#include "core/DataFile.h"
#include "core/ProgramVersion.h"
#include "core/RadioImage.h"
#include "core/TextCodes.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

using namespace qrt;

namespace {

Result loadMemory(const QString& path, QByteArray& memory) {
    QByteArray bytes;
    const Result read = datafile::readFile(path, sim::SimRadio::MemorySize + 1, &bytes);
    if (read.failed())
        return read;
    if (bytes.size() == datafile::FileSize && bytes.startsWith(datafile::HeaderText)) {
        RadioImage image(sim::SimRadio::MemorySize);
        image.bytes() = memory;
        datafile::loadIntoImage(bytes, image);
        memory = image.bytes();
        return {};
    }
    if (bytes.size() > sim::SimRadio::MemorySize)
        return Result::failure(QStringLiteral("neither a data file nor a memory dump of at most 8 KiB"));
    memory.replace(0, bytes.size(), bytes);
    return {};
}

bool saveMemory(const QString& path, const QByteArray& memory) {
    QByteArray bytes = memory;
    if (path.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive)) {
        RadioImage image(sim::SimRadio::MemorySize);
        image.bytes() = memory;
        bytes = datafile::fileLayout(image);
    }
    return datafile::writeFile(path, bytes).ok();
}

bool poke(QByteArray& memory, int address, const QByteArray& bytes) {
    if (address < 0 || address + bytes.size() > memory.size())
        return false;
    memory.replace(address, bytes.size(), bytes);
    return true;
}

bool parseNumberList(const QStringList& values, QSet<int>* out) {
    for (const QString& v : values) {
        for (const QString& part : v.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool ok = false;
            const int n = part.toInt(&ok);
            if (!ok || n < 1)
                return false;
            out->insert(n);
        }
    }
    return true;
}

// ADDR or FIRST-LAST in hexadecimal (comma list, repeatable), inside the memory.
bool parseAddressList(const QStringList& values, QSet<int>* out) {
    for (const QString& v : values) {
        for (const QString& part : v.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QStringList ends = part.split(QLatin1Char('-'));
            bool ok1 = false, ok2 = ends.size() == 1;
            const int first = ends.at(0).trimmed().toInt(&ok1, 16);
            const int last = ends.size() == 2 ? ends.at(1).trimmed().toInt(&ok2, 16) : first;
            if (!ok1 || !ok2 || ends.size() > 2 || first < 0 || last < first || last >= sim::SimRadio::MemorySize)
                return false;
            for (int a = first; a <= last; ++a)
                out->insert(a);
        }
    }
    return true;
}

// A whole number from 0 up; the default when the option is not given.
bool countOption(const QCommandLineParser& p, const char* name, int def, int* value) {
    const QString key = QString::fromLatin1(name);
    if (!p.isSet(key)) {
        *value = def;
        return true;
    }
    bool ok = false;
    *value = p.value(key).trimmed().toInt(&ok);
    return ok && *value >= 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qrt506-sim"));
    QCoreApplication::setApplicationVersion(programVersion());
    QTextStream err(stderr);
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "QRT506 radio emulator. Opens a pseudo-terminal, prints its device path on the first line and answers "
        "the programming protocol on it until a signal arrives (e.g. kill %1), or until stdin ends or \"quit\" "
        "is typed when stdin is a pipe or the terminal of a foreground job. Started in the background (&), it "
        "leaves stdin alone."));
    p.addHelpOption();
    p.addVersionOption();
    const auto opt = [&p](const char* name, const char* help, const char* value = nullptr) {
        p.addOption(
            value ? QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(help), QString::fromLatin1(value))
                  : QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(help)));
    };
    opt("load", "Load the memory from a data file (*.dat) or a memory dump of up to 8 KiB.", "FILE");
    opt("save", "Save the memory on exit: a data file when FILE ends in .dat, else an 8 KiB dump.", "FILE");
    opt("code", "Program code stored in the radio (up to 3 characters; empty: none).", "TEXT");
    opt("command-set", "Command set declared at 0x388-0x38A: std, alt, none, or six hex digits.", "SET");
    opt("params", "Radio parameters: hex bytes stored from 0x3D0 on (at most 48).", "HEX");
    opt("poke", "Store hex bytes at a hex address, e.g. 3D4=64 (repeatable).", "ADDR=HEX");
    opt("baud", "Simulated line speed; 0 is full speed. Default 9600.", "N");
    opt("turnaround", "Milliseconds between a command's last byte and the reply. Default 2.", "MS");
    opt("silent", "Never answer.");
    opt("silent-after", "Answer only the first N commands.", "N");
    opt("silent-from", "Fall silent at the first command starting with these hex bytes.", "HEX");
    opt("no-reply", "Leave command N unanswered (comma list, repeatable).", "N");
    opt("wrong-byte", "Answer command N with its first byte inverted (comma list, repeatable).", "N");
    opt("delay", "Delay the reply to command N by MS milliseconds; N = 0 delays every reply.", "N:MS");
    opt("keep-bytes",
        "Acknowledge writes but keep the old bytes at these hex addresses (ADDR or FIRST-LAST, "
        "comma list, repeatable).",
        "ADDR[-ADDR]");
    opt("corrupt-write",
        "Flip the lowest bit of every byte written to these hex addresses on its way in (as "
        "--keep-bytes).",
        "ADDR[-ADDR]");
    opt("corrupt-read",
        "Flip the lowest bit of every byte read from these hex addresses on its way out (as "
        "--keep-bytes).",
        "ADDR[-ADDR]");
    opt("trace", "Append every command and reply to FILE.", "FILE");
    opt("no-stdin", "Do not watch stdin; run until a signal arrives.");
    opt("quiet", "Do not print the command count on exit.");
    p.process(app);

    sim::SimRadio radio;
    QByteArray& memory = radio.memory();
    if (p.isSet(QStringLiteral("load"))) {
        const Result loaded = loadMemory(p.value(QStringLiteral("load")), memory);
        if (loaded.failed()) {
            err << "Cannot load " << p.value(QStringLiteral("load")) << ": " << loaded.reason() << '\n';
            return 2;
        }
    }
    if (p.isSet(QStringLiteral("code"))) {
        const QString code = p.value(QStringLiteral("code")).trimmed();
        const QByteArray b = code.isEmpty() ? QByteArray(6, char(0xFF)) : hanzi::encodeBytes(code, 3);
        const int at[6] = {0x385, 0x386, 0x387, 0x38B, 0x38C, 0x38D};
        for (int i = 0; i < 6; ++i)
            memory[at[i]] = b.at(i);
    }
    if (p.isSet(QStringLiteral("command-set"))) {
        const QString set = p.value(QStringLiteral("command-set")).toLower();
        QByteArray b = set == QLatin1String("std")    ? QByteArray::fromHex("5A5257")
                       : set == QLatin1String("alt")  ? QByteArray::fromHex("5A2429")
                       : set == QLatin1String("none") ? QByteArray::fromHex("FFFFFF")
                                                      : QByteArray::fromHex(set.toLatin1());
        if (b.size() != 3) {
            err << "--command-set takes std, alt, none or six hex digits.\n";
            return 1;
        }
        poke(memory, 0x388, b);
    }
    if (p.isSet(QStringLiteral("params"))) {
        const QByteArray b = QByteArray::fromHex(p.value(QStringLiteral("params")).toLatin1());
        if (b.size() > 48 || !poke(memory, 0x3D0, b)) {
            err << "--params takes at most 48 hex bytes.\n";
            return 1;
        }
    }
    for (const QString& v : p.values(QStringLiteral("poke"))) {
        const QStringList parts = v.split(QLatin1Char('='));
        bool ok = parts.size() == 2;
        const int address = ok ? parts.at(0).toInt(&ok, 16) : 0;
        if (!ok || !poke(memory, address, QByteArray::fromHex(parts.at(1).toLatin1()))) {
            err << "--poke takes ADDR=HEX inside the 8 KiB memory: " << v << '\n';
            return 1;
        }
    }

    int baud = 0, turnaround = 0;
    sim::Faults faults;
    if (!countOption(p, "baud", 9600, &baud) || !countOption(p, "turnaround", 2, &turnaround) ||
        !countOption(p, "silent-after", 0, &faults.silentAfter)) {
        err << "--baud, --turnaround and --silent-after take a whole number from 0 up.\n";
        return 1;
    }
    faults.silent = p.isSet(QStringLiteral("silent"));
    faults.silentFrom = QByteArray::fromHex(p.value(QStringLiteral("silent-from")).toLatin1());
    if (p.isSet(QStringLiteral("silent-from")) && faults.silentFrom.isEmpty()) {
        err << "--silent-from takes the first bytes of a command in hexadecimal, e.g. 570379.\n";
        return 1;
    }
    if (!parseNumberList(p.values(QStringLiteral("no-reply")), &faults.noReply) ||
        !parseNumberList(p.values(QStringLiteral("wrong-byte")), &faults.wrongByte)) {
        err << "--no-reply and --wrong-byte take command numbers from 1.\n";
        return 1;
    }
    sim::MemoryFaults memoryFaults;
    if (!parseAddressList(p.values(QStringLiteral("keep-bytes")), &memoryFaults.keep) ||
        !parseAddressList(p.values(QStringLiteral("corrupt-write")), &memoryFaults.corruptWrite) ||
        !parseAddressList(p.values(QStringLiteral("corrupt-read")), &memoryFaults.corruptRead)) {
        err << "--keep-bytes, --corrupt-write and --corrupt-read take hex addresses ADDR or FIRST-LAST below 2000.\n";
        return 1;
    }
    radio.setMemoryFaults(memoryFaults);
    for (const QString& v : p.values(QStringLiteral("delay"))) {
        const QStringList parts = v.split(QLatin1Char(':'));
        bool ok1 = false, ok2 = false;
        if (parts.size() == 2)
            faults.delays.append({parts.at(0).toInt(&ok1), parts.at(1).toInt(&ok2)});
        if (!ok1 || !ok2 || faults.delays.last().first < 0 || faults.delays.last().second < 0) {
            err << "--delay takes N:MS.\n";
            return 1;
        }
    }

    sim::SimLine line(radio, faults);
    line.setBaud(baud);
    line.setTurnaroundMs(turnaround);
    QFile trace;
    if (p.isSet(QStringLiteral("trace"))) {
        trace.setFileName(p.value(QStringLiteral("trace")));
        if (!trace.open(QIODevice::WriteOnly | QIODevice::Append)) {
            err << "Cannot open the trace file: " << trace.errorString() << '\n';
            return 2;
        }
        line.setTrace(&trace);
    }
    QString device;
    if (const Result opened = line.open(&device); opened.failed()) {
        err << "Cannot open a pseudo-terminal: " << opened.reason() << '\n';
        return 2;
    }
    std::printf("%s\n", device.toLocal8Bit().constData());
    std::fflush(stdout);

    line.setWatchStdin(!p.isSet(QStringLiteral("no-stdin")));
    line.run();

    if (p.isSet(QStringLiteral("save")) && !saveMemory(p.value(QStringLiteral("save")), memory)) {
        err << "Cannot save the memory to " << p.value(QStringLiteral("save")) << '\n';
        return 2;
    }
    if (!p.isSet(QStringLiteral("quiet")))
        err << "commands " << radio.commandCount() << ", end sequences " << radio.endSequences() << '\n';
    return 0;
}
