// A whole read (0000-1FFF) at a simulated 9600 baud against the radio emulator, through the
// communication window (offscreen) and through the command-line tool, in one run; prints
// both times and their ratio. Usage: comm_window_bench [RUNS]
#include "cli/Cli.h"
#include "comm/RadioLink.h"
#include "comm/RadioTransfer.h"
#include "core/AppContext.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "gui/comm/CommunicationWindow.h"
#include "gui/common/UserPrompts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

using namespace qrt;
using namespace qrt::comm;

namespace {

class CountingPrompts : public gui::UserPrompts {
public:
    int boxes = 0;
    QMessageBox::StandardButton ask(QWidget*, QMessageBox::Icon, const QString&, const QString&,
                                    QMessageBox::StandardButtons) override {
        ++boxes;
        return QMessageBox::Ok;
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

// The application folder with the files the program ships, copied from beside this program.
bool prepareAppDir(const QTemporaryDir& dir) {
    const QDir shipped(QCoreApplication::applicationDirPath());
    for (const QString& name :
         {AppContext::SettingsFileName, AppContext::TemplateFileName, AppContext::FactoryFileName})
        if (!QFile::copy(shipped.filePath(name), dir.filePath(name)))
            return false;
    return true;
}

// Milliseconds from the Read button to the end of the operation; -1 when it failed.
qint64 readThroughWindow(const QString& appDir, const QString& device) {
    AppContext context(appDir);
    const std::unique_ptr<Document> document = startProgram(context, Language::English);
    CountingPrompts prompts;
    QWidget frame;
    RadioLink link(*document);
    link.port().setDeviceOverride(device);
    gui::comm::CommunicationWindow window(link, prompts, TransferJob::Read, &frame);
    window.show();
    QEventLoop loop;
    TransferResult result = TransferResult::CommFailed;
    QObject::connect(&window, &gui::comm::CommunicationWindow::operationFinished, &loop,
                     [&](const TransferOutcome& outcome) {
                         result = outcome.result;
                         loop.quit();
                     });
    QElapsedTimer timer;
    timer.start();
    window.findChild<QPushButton*>(QStringLiteral("cmdRead"))->click();
    loop.exec();
    const qint64 ms = timer.elapsed();
    return result == TransferResult::Ok ? ms : -1;
}

qint64 readThroughCli(const QString& appDir, const QString& device) {
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    QElapsedTimer timer;
    timer.start();
    const int code = cli::run({QStringLiteral("qrt506-cli"), QStringLiteral("read"), QStringLiteral("--app-dir"),
                               appDir, QStringLiteral("--port"), device, QStringLiteral("-o"),
                               QDir(appDir).filePath(QStringLiteral("read.dat"))},
                              appDir, out, err);
    const qint64 ms = timer.elapsed();
    return code == cli::ExitOk ? ms : -1;
}

qint64 median(QList<qint64> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int runs = std::max(1, QCoreApplication::arguments().value(1, QStringLiteral("1")).toInt());
    QTemporaryDir dir;
    if (!dir.isValid() || !prepareAppDir(dir)) {
        out << "Cannot prepare an application folder from the files beside this program.\n";
        return 2;
    }
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("qrt506-sim")),
              {QStringLiteral("--baud"), QStringLiteral("9600"), QStringLiteral("--command-set"), QStringLiteral("std"),
               QStringLiteral("--code"), QString()});
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        out << "Cannot start qrt506-sim beside this program.\n";
        return 2;
    }
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
    out << "Whole read 0000-1FFF at 9600 baud against qrt506-sim on " << device << ", " << runs << " run(s) each\n";
    out.flush();
    QList<qint64> window, cli;
    int status = 0;
    for (int i = 0; i < runs; ++i) {
        // Alternated, so that a change of load on the machine falls on both.
        window << readThroughWindow(dir.path(), device);
        cli << readThroughCli(dir.path(), device);
        out << "run " << i + 1 << ": window " << window.last() << " ms, command line " << cli.last() << " ms\n";
        out.flush();
        if (window.last() < 0 || cli.last() < 0)
            status = 1;
    }
    const qint64 w = median(window), c = median(cli);
    out << "median: window " << QString::number(w / 1000.0, 'f', 2) << " s, command line "
        << QString::number(c / 1000.0, 'f', 2) << " s, ratio " << QString::number(c > 0 ? double(w) / c : 0, 'f', 3)
        << " (target <= 1.03)\n";
    sim.closeWriteChannel();
    sim.waitForFinished(5000);
    return status;
}
