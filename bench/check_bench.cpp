// The check before writing (target: under 10 ms), on the factory data and on data where
// every channel is in use and most rules find something.
#include "channels/ChannelTableModel.h"
#include "core/AppContext.h"
#include "document/ConfigurationCheck.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "options/SettingsModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace qrt;

namespace {

constexpr int Runs = 101;

struct Figures {
    double median = 0;
    double worst = 0;
    qsizetype findings = 0;
};

Figures measure(Document& document) {
    std::vector<double> times;
    qsizetype findings = 0;
    QElapsedTimer clock;
    for (int run = 0; run < Runs; ++run) {
        clock.start();
        findings = configcheck::check(document).size();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back(), findings};
}

void print(const char* what, const Figures& f) {
    std::printf("%-40s %3lld findings  median %.3f ms  worst %.3f ms  (%s)\n", what, static_cast<long long>(f.findings),
                f.median, f.worst, f.median < 10.0 ? "under 10 ms" : "OVER 10 ms");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    AppContext context(QCoreApplication::applicationDirPath());
    std::unique_ptr<Document> document = startProgram(context, 3);
    if (document->openFile(context.appFile(AppContext::FactoryFileName)).failed()) {
        std::fprintf(stderr, "check_bench: the factory file cannot be opened\n");
        return 2;
    }
    print("factory data", measure(*document));

    // Every channel in use, copies of channel 1 with PTT ID and DTMF but no codes, the
    // priority on an unusable channel, a reserved program code.
    channels::ChannelTableModel& channels = document->channelModel();
    for (int n = 2; n <= 16; ++n) {
        channels.setReceiveFrequency(n, QStringLiteral("462.125"));
        channels.chooseOption(n, 10, 3);
        channels.chooseOption(n, 11, 1);
        channels.chooseOption(n, 7, 0);
    }
    options::SettingsModel& settings = document->settings();
    settings.selectItem(QStringLiteral("cboScanPriChSort"), 1);
    settings.selectItem(QStringLiteral("cboPriCh"), 0);
    settings.setText(QStringLiteral("txtRdWrCode"), QStringLiteral("888"));
    print("16 channels, many findings", measure(*document));
    return 0;
}
