// Start-up, open and memory figures of the program with windows, on the offscreen platform.
//
// The bench starts itself again as a child for each run, so that each start is a cold one
// (the process, the libraries, the settings and the texts): the start time runs from just
// before the child is started until the child reports the first show event (and the first
// paint) of its main window. The child then opens a data file again and again, timing each
// open until the window has processed the change and repainted, and reports its resident
// memory.
#include "core/AppContext.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "gui/common/UserPrompts.h"
#include "gui/info/ErrorLogWindow.h"
#include "gui/shell/MainWindow.h"
#include "gui/shell/PlatformServices.h"
#include "gui/shell/SideWindows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace qrt;

namespace {

constexpr int DefaultRuns = 15;
constexpr int OpensPerRun = 20;
const char* const ChildFlag = "--child";

double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

void report(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

// Reports on stdout when the watched window is first shown.
class FirstShowWatcher : public QObject {
public:
    bool shown = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !shown) {
            shown = true;
            report("shown");
        }
        return QObject::eventFilter(watched, event);
    }
};

int runChild(int argc, char* argv[], const QString& dataFile) {
    QApplication app(argc, argv);
    AppContext context(QApplication::applicationDirPath());
    auto errors = std::make_unique<gui::info::ErrorLogWindow>(context.errorLog());
    std::unique_ptr<Document> document = startProgram(context, std::nullopt);
    gui::UnansweredPrompts prompts;
    gui::InertDocumentViewer viewer;
    gui::InertRestarter restarter;
    gui::MainWindow window(*document, prompts, viewer, restarter);
    new gui::SideWindows(window, context, std::move(errors));
    FirstShowWatcher watcher;
    window.installEventFilter(&watcher);
    window.show();
    // Painted: the window is exposed and every widget in it has drawn itself once.
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.repaint();
    report("painted");
    std::printf("rss %.2f\n", residentMegabytes());

    for (int i = 0; i < OpensPerRun; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!document->openFile(dataFile).ok()) {
            std::fprintf(stderr, "gui_bench: cannot open %s\n", qPrintable(dataFile));
            return 1;
        }
        QCoreApplication::processEvents();
        window.repaint();
        std::printf("open %.3f\n", timer.nsecsElapsed() / 1e6);
    }
    std::fflush(stdout);
    return 0;
}

struct Series {
    const char* name;
    const char* unit;
    double target;
    std::vector<double> values;

    void print() const {
        if (values.empty()) {
            std::printf("%-22s no figures\n", name);
            return;
        }
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        const double median = sorted.size() % 2 ? sorted[sorted.size() / 2]
                                                : (sorted[sorted.size() / 2 - 1] + sorted[sorted.size() / 2]) / 2;
        std::printf("%-22s median %8.2f %s   min %8.2f   max %8.2f   (n=%zu, target <= %.0f %s: %s)\n", name, median,
                    unit, sorted.front(), sorted.back(), sorted.size(), target, unit,
                    median <= target ? "met" : "MISSED");
    }
};

int runDriver(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    int runs = DefaultRuns;
    QString dataFile = QCoreApplication::applicationDirPath() + QStringLiteral("/") + AppContext::FactoryFileName;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QStringLiteral("--runs"))
            runs = std::max(1, args[i + 1].toInt());
        else if (args[i] == QStringLiteral("--open"))
            dataFile = args[i + 1];
    }

    Series shown{"start until shown", "ms", 300, {}};
    Series painted{"start until painted", "ms", 300, {}};
    Series opened{"open until shown", "ms", 30, {}};
    Series memory{"resident after start", "MB", 60, {}};

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    // The first run warms the disk cache and is not counted.
    for (int run = 0; run <= runs; ++run) {
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(ChildFlag), dataFile});
        double shownMs = -1, paintedMs = -1;
        QByteArray pending, otherOutput;
        std::vector<double> opens;
        double rss = 0;
        while (child.state() != QProcess::NotRunning || child.bytesAvailable() > 0) {
            if (child.bytesAvailable() == 0 && !child.waitForReadyRead(10000))
                break;
            pending += child.readAllStandardOutput();
            int end;
            while ((end = pending.indexOf('\n')) >= 0) {
                const QByteArray line = pending.left(end);
                pending.remove(0, end + 1);
                if (line == "shown")
                    shownMs = clock.nsecsElapsed() / 1e6;
                else if (line == "painted")
                    paintedMs = clock.nsecsElapsed() / 1e6;
                else if (line.startsWith("rss "))
                    rss = line.mid(4).toDouble();
                else if (line.startsWith("open "))
                    opens.push_back(line.mid(5).toDouble());
                else
                    otherOutput += line + '\n';
            }
        }
        if (!child.waitForFinished(10000))
            child.kill();
        if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 || shownMs < 0 || paintedMs < 0) {
            std::fprintf(stderr, "gui_bench: run %d failed:\n%s", run, otherOutput.constData());
            return 1;
        }
        if (run == 0)
            continue;
        shown.values.push_back(shownMs);
        painted.values.push_back(paintedMs);
        memory.values.push_back(rss);
        opened.values.insert(opened.values.end(), opens.begin(), opens.end());
    }

    std::printf("gui_bench: %d cold starts (offscreen), %d opens of %s each\n", runs, OpensPerRun,
                qPrintable(dataFile));
    for (const Series* series : {&shown, &painted, &opened, &memory})
        series->print();
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], ChildFlag) == 0)
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    return runDriver(argc, argv);
}
