// Refresh of the memory viewer over the whole image (8192 bytes), on the offscreen
// platform: the model's refresh with the grid window shown, once with every byte changed
// (every cell marked) and once with nothing changed, each followed by the repaint.
#include "core/AppContext.h"
#include "document/Document.h"
#include "document/ProgramStartup.h"
#include "gui/common/UserPrompts.h"
#include "gui/memview/MemoryGridView.h"
#include "gui/memview/MemoryViewerWindow.h"
#include "memview/MemoryGridModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace qrt;

namespace {

constexpr int Runs = 101;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString appDir = QCoreApplication::applicationDirPath();
    AppContext context(appDir);
    std::unique_ptr<Document> document = startProgram(context, Language::English);
    gui::UnansweredPrompts prompts;
    QWidget frame;
    gui::MemoryViewerWindow window(*document, prompts, 0x1FFF, &frame);
    window.show();
    QCoreApplication::processEvents();
    memview::MemoryGridModel& model = window.model();
    std::printf("image %d bytes, grid reaches %d bytes\n", document->image().size(), model.lastAddress() + 1);

    std::vector<double> changed;
    std::vector<double> unchanged;
    QElapsedTimer clock;
    for (int run = 0; run < Runs; ++run) {
        QByteArray image = document->image().bytes();
        for (char& byte : image)
            byte = char(~byte);
        document->applyRadioWrite(image);
        clock.start();
        model.refresh();
        window.grid()->viewport()->repaint();
        changed.push_back(clock.nsecsElapsed() / 1e6);
        if (model.markedCount() != model.lastAddress() + 1)
            std::printf("unexpected marks: %d\n", model.markedCount());

        clock.start();
        model.refresh();
        window.grid()->viewport()->repaint();
        unchanged.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("refresh of 8192 bytes, all changed: median %.3f ms (min %.3f, max %.3f)\n", median(changed),
                *std::min_element(changed.begin(), changed.end()), *std::max_element(changed.begin(), changed.end()));
    std::printf("refresh of 8192 bytes, none changed: median %.3f ms (min %.3f, max %.3f)\n", median(unchanged),
                *std::min_element(unchanged.begin(), unchanged.end()),
                *std::max_element(unchanged.begin(), unchanged.end()));
    return median(changed) <= 10.0 && median(unchanged) <= 10.0 ? 0 : 1;
}
