#include "cli/CommandContext.h"
#include "cli/DataFileCheck.h"
#include "cli/StartedProgram.h"
#include "cli/ToolTexts.h"
#include "comm/DocumentTransfer.h"
#include "comm/PortControl.h"
#include "comm/PortMap.h"
#include "comm/RadioTransfer.h"
#include "core/AppContext.h"
#include "core/DataFile.h"
#include "core/FileAccess.h"
#include "document/DataComparison.h"
#include "document/ConfigurationCheck.h"
#include "options/SettingsModel.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

namespace qrt::cli {

using namespace qrt::comm;

namespace {

bool parseRange(const QString& text, int* start, int* end) {
    const QStringList parts = text.split(QLatin1Char('-'));
    return parts.size() == 2 && ProgramSettings::parseHexAddress(parts.at(0).trimmed(), start) &&
           ProgramSettings::parseHexAddress(parts.at(1).trimmed(), end) && *start <= *end;
}

// One read or write from the command line: the program started without windows, its
// settings pages as the model behind them, and the communication objects. The operation
// runs on this thread; its status lines are printed as they come.
class CommRun {
public:
    // A verify is a read of the range a write would send.
    enum Mode { Read, Write, Verify };

    CommRun(CommandContext& c, Mode mode)
        : m_c(c), m_mode(mode), m_reading(mode != Write), m_program(c.appDir, c.language, c.err),
          m_model(m_program.settings()), m_port(m_program.context().settings(), m_program.context().errorLog()),
          m_transfer(m_program.context().errorLog()) {
        QObject::connect(&m_transfer, &RadioTransfer::statusChanged, [this](const QString& s) { showStatus(s); });
    }

    StartedProgram& program() { return m_program; }

    // --port, --range, --code and --new-code; false (with a message) when one is wrong.
    bool applyOptions() {
        const ProgramSettings& s = m_program.context().program();
        m_job.readStart = s.readStartAddr;
        m_job.readEnd = s.readEndAddr;
        m_job.writeStart = s.writeStartAddr;
        m_job.writeEnd = s.writeEndAddr;
        const QCommandLineParser& p = m_c.parser;
        if (p.isSet(QStringLiteral("range"))) {
            int start = 0, end = 0;
            if (!parseRange(p.value(QStringLiteral("range")), &start, &end)) {
                m_c.err << "--range takes START-END in hexadecimal, e.g. 0000-03FF.\n";
                return false;
            }
            (m_reading ? m_job.readStart : m_job.writeStart) = start;
            (m_reading ? m_job.readEnd : m_job.writeEnd) = end;
        }
        if (m_mode == Verify) {
            if (!p.isSet(QStringLiteral("range"))) {
                m_job.readStart = m_job.writeStart;
                m_job.readEnd = m_job.writeEnd;
            }
            m_job.writeStart = m_job.readStart;
            m_job.writeEnd = m_job.readEnd;
        }
        const int end = m_reading ? m_job.readEnd : m_job.writeEnd;
        if (end >= m_program.document().image().size()) {
            m_c.err << "The range ends beyond the memory image (highest address "
                    << QString::number(m_program.document().image().size() - 1, 16).toUpper() << ").\n";
            return false;
        }
        m_port.setPortNumber(s.portNumber);
        if (p.isSet(QStringLiteral("port"))) {
            int number = 0;
            QString device;
            if (!portmap::parsePortArgument(p.value(QStringLiteral("port")), &number, &device)) {
                m_c.err << "--port takes a number 1..16, COMn or a device path.\n";
                return false;
            }
            if (number > 0)
                m_port.setPortNumber(number);
            else
                m_port.setDeviceOverride(device);
        }
        if (p.isSet(QStringLiteral("code")))
            m_model.setText(QStringLiteral("txtRdWrCode"), p.value(QStringLiteral("code")));
        if (p.isSet(QStringLiteral("new-code"))) {
            m_model.setChecked(QStringLiteral("chkNewRdWrCode"), true);
            m_model.setText(QStringLiteral("txtNewRdWrCode"), p.value(QStringLiteral("new-code")));
        }
        return true;
    }

    TransferResult run() {
        m_job.kind = m_mode == Write ? TransferJob::Write : TransferJob::Read;
        m_job.device = m_port.currentDevice();
        m_job.portNumber = m_port.portNumber();
        if (m_mode == Verify) {
            // What a write of the file would send; the read's program-code check then compares
            // with the code it sends.
            m_job.kind = TransferJob::Write;
            fillTransferJob(m_program.document(), m_job);
            m_expected = m_job;
            m_job.kind = TransferJob::Read;
            m_job.image = imageAsWritten(m_expected, m_expected.image);
        } else {
            fillTransferJob(m_program.document(), m_job);
        }
        m_job.verifyAfterWrite = m_c.parser.isSet(QStringLiteral("verify"));
        m_c.err << "Port: "
                << (m_port.currentDevice() == m_port.deviceOf(m_port.portNumber())
                        ? portmap::describePort(m_port.portNumber(), m_program.context().settings())
                        : m_port.currentDevice())
                << '\n';
        m_c.err.flush();
        const TransferOutcome outcome = m_transfer.execute(m_job);
        if (outcome.portOpenFailed)
            reportPortFailure(outcome);
        for (const Result& problem : outcome.problems) {
            if (outcome.result != TransferResult::VerifyFailed)
                m_c.err << problem.reason() << '\n';
        }
        if (m_mode == Verify)
            return compareWithRadio(outcome);
        listDifferences(outcome.differences);
        if (const auto backup = applyTransferOutcome(m_program.document(), m_job, outcome)) {
            if (backup->status.failed())
                m_c.err << "Warning: the data read could not be kept as a backup in "
                        << QDir::toNativeSeparators(backup->path) << ": " << backup->status.reason()
                        << "; the data read is saved all the same.\n";
            else
                m_c.err << "Backup: " << QDir::toNativeSeparators(backup->path) << '\n';
        }
        return outcome.result;
    }

    int exitCode(TransferResult result) {
        switch (result) {
        case TransferResult::Ok:
            return ExitOk;
        case TransferResult::BadRange:
            m_c.err << "The read or write range cannot be sent to the radio: a range must lie inside the memory "
                       "image and take at most 516 blocks of 16 bytes (see ReadStartAddr ... WriteEndAddr in the "
                       "settings file).\n";
            return ExitUsage;
        case TransferResult::Stopped:
            m_c.err << "Stopped.\n";
            return ExitIo;
        default:
            return ExitIo;
        }
    }

private:
    TransferResult compareWithRadio(const TransferOutcome& outcome) {
        if (outcome.result != TransferResult::Ok || !outcome.image)
            return outcome.result;
        const RadioImage& radio = *outcome.image;
        const RadioImage expected = imageAsWritten(m_expected, radio);
        const QList<ByteDifference> differences =
            compareImages(expected, radio, m_job.readStart, m_job.readEnd, writeLeavesToRadio);
        listDifferences(differences);
        return differences.isEmpty() ? TransferResult::Ok : TransferResult::VerifyFailed;
    }

    // Each differing address as four hex digits with its place; ours is what a write sends.
    void listDifferences(const QList<ByteDifference>& differences) {
        if (differences.isEmpty())
            return;
        const AppContext& context = m_program.context();
        for (const ByteDifference& d : differences) {
            m_c.out << QStringLiteral("%1").arg(d.position, 4, 16, QLatin1Char('0')).toUpper() << "  "
                    << placeInWords(d.position, context.texts(), context.extraTexts()) << "  written "
                    << differenceByteText(d.ours) << ", radio " << differenceByteText(d.theirs) << '\n';
        }
        m_c.out << differences.size() << " byte(s) differ.\n";
    }

    // What the port dialog would offer, then the log line it leaves.
    void reportPortFailure(const TransferOutcome& outcome) {
        m_c.err << portmap::openFailureText(toolTexts(), m_job.portNumber, m_job.device, outcome.portError,
                                            outcome.portErrorDetail)
                << '\n';
        for (int n = 1; n <= PortControl::PortCount; ++n) {
            if (!m_port.deviceOf(n).isEmpty())
                m_c.err << "  " << portmap::describePort(n, m_program.context().settings()) << '\n';
        }
        m_c.err.flush();
        m_port.logOpenFailure(outcome.portError);
    }

    void showStatus(const QString& s) {
        if (s.isEmpty() || s == m_lastStatus)
            return;
        // Percents in steps of ten, every other status as it comes.
        if (s.endsWith(QLatin1String(" %"))) {
            const int percent = s.chopped(2).toInt();
            if (percent / 10 == m_lastTen)
                return;
            m_lastTen = percent / 10;
        }
        m_lastStatus = s;
        m_c.err << s << '\n';
        m_c.err.flush();
    }

    CommandContext& m_c;
    Mode m_mode;
    bool m_reading;
    TransferJob m_expected; // a verify: the job a write of the file would run
    StartedProgram m_program;
    options::SettingsModel& m_model;
    PortControl m_port;
    RadioTransfer m_transfer;
    TransferJob m_job;
    QString m_lastStatus;
    int m_lastTen = -1;
};

} // namespace

int portsCommand(CommandContext& c) {
    if (!c.args.isEmpty()) {
        c.err << "ports takes no arguments.\n";
        return ExitUsage;
    }
    StartedProgram program(c.appDir, c.language, c.err);
    const int current = program.context().program().portNumber;
    for (int n = 1; n <= PortControl::PortCount; ++n)
        c.out << (n == current ? "* " : "  ") << portmap::describePort(n, program.context().settings()) << '\n';
    return ExitOk;
}

int readCommand(CommandContext& c) {
    const QString output = c.parser.value(QStringLiteral("output"));
    if (!c.args.isEmpty() || output.isEmpty()) {
        c.err << "read takes -o OUT.dat and no file.\n";
        return ExitUsage;
    }
    CommRun run(c, CommRun::Read);
    if (!run.applyOptions())
        return ExitUsage;
    // Found out before the radio is read, so that nothing read is lost: OUT must be (or
    // become) a regular file with room for the data.
    if (const Result writable = fileaccess::checkReplaceable(output, datafile::FileSize); writable.failed()) {
        c.err << "Cannot save to " << QDir::toNativeSeparators(output) << ": "
              << writable.inLanguage(run.program().context().extraTexts()).reason() << "; the radio was not read.\n";
        return ExitIo;
    }
    const TransferResult result = run.run();
    if (result != TransferResult::Ok)
        return run.exitCode(result);
    return run.program().saveAs(output) ? ExitOk : ExitIo;
}

int writeCommand(CommandContext& c) {
    if (c.args.size() != 1) {
        c.err << "write takes one data file.\n";
        return ExitUsage;
    }
    CommRun run(c, CommRun::Write);
    if (!run.program().open(c.args.first()))
        return ExitIo;
    if (const QString notData = notRadioDataText(c.args.first()); !notData.isEmpty()) {
        if (!c.parser.isSet(QStringLiteral("force"))) {
            c.err << notData << " Nothing was written; --force writes it all the same.\n";
            return ExitIo;
        }
        c.err << "Warning: " << notData << '\n';
    }
    if (!run.applyOptions())
        return ExitUsage;
    // The check before writing: told, not asked (nobody is there to answer).
    for (const QString& finding : configcheck::findingTexts(run.program().document()))
        c.err << "Check: " << finding << '\n';
    const TransferResult result = run.run();
    if (result == TransferResult::Ok)
        c.err << (c.parser.isSet(QStringLiteral("verify")) ? "Written and verified.\n" : "Written.\n");
    else if (result == TransferResult::VerifyFailed)
        c.err << "The radio does not hold what was written.\n";
    return run.exitCode(result);
}

int verifyCommand(CommandContext& c) {
    if (c.args.size() != 1) {
        c.err << "verify takes one data file.\n";
        return ExitUsage;
    }
    CommRun run(c, CommRun::Verify);
    if (!run.program().open(c.args.first()))
        return ExitIo;
    if (!run.applyOptions())
        return ExitUsage;
    const TransferResult result = run.run();
    if (result == TransferResult::Ok) {
        c.err << "The radio holds the file's data.\n";
        return ExitOk;
    }
    if (result == TransferResult::VerifyFailed) {
        c.err << "The radio does not hold the file's data.\n";
        return ExitDiffers;
    }
    return result == TransferResult::BadRange ? run.exitCode(result) : ExitIo;
}

} // namespace qrt::cli
