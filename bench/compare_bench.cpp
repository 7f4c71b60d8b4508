// The comparison of two data files as Compare with file and the command-line diff make it:
// the whole memory compared and every difference put in words (target: median under 10 ms).
#include "core/DataFile.h"
#include "core/ExtraTexts.h"
#include "core/InterfaceTexts.h"
#include "document/DataComparison.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <vector>

using namespace qrt;

namespace {

constexpr int Runs = 50;
constexpr int MemorySize = 0x2000;

bool loadFile(const QString& path, RadioImage& image) {
    QByteArray bytes;
    if (datafile::readFile(path, datafile::FileSize + 1, &bytes).failed())
        return false;
    datafile::loadIntoImage(bytes, image);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QDir dir(QCoreApplication::applicationDirPath());
    RadioImage first(MemorySize), second(MemorySize);
    // The template and the factory data differ in many places: a comparison with much to say.
    if (!loadFile(dir.filePath(QStringLiteral("dhcpqec.def")), first) ||
        !loadFile(dir.filePath(QStringLiteral("DefRadioSet.def")), second)) {
        out << "Cannot read dhcpqec.def and DefRadioSet.def beside this program.\n";
        return 2;
    }
    InterfaceTexts texts;
    ExtraTexts extra;
    texts.load(Language::English);
    extra.load(Language::English);
    std::vector<double> ms;
    qsizetype rows = 0;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        rows = comparisonRows(compareImages(first, second, 0, MemorySize - 1), texts, extra).size();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    out << "comparison of two data files, 0000-1FFF: " << rows << " differences in words, median "
        << QString::number(median, 'f', 3) << " ms, slowest " << QString::number(ms.back(), 'f', 3) << " ms over "
        << Runs << " runs " << (median < 10.0 ? "(under 10 ms)" : "(OVER 10 ms)") << '\n';
    return median < 10.0 ? 0 : 1;
}
