// Radio data of any content opens, refreshes and saves without a crash, and the program's
// own save is stable: opening and saving it again gives the same bytes.
#include "TestSupport.h"
#include "core/AppContext.h"
#include "core/DataFile.h"
#include "document/Document.h"

#include <QRandomGenerator>
#include <QTest>

using namespace qrt;

namespace {

struct Program {
    explicit Program(const test::TempAppDir& dir) : context(dir.path()) {
        context.load(Language::English);
        document = std::make_unique<Document>(context);
        document->startUp();
    }
    QByteArray normalize(const QString& in, const QString& out) {
        if (!document->openFile(in).ok() || !document->saveAs(out).ok())
            return {};
        QByteArray bytes;
        datafile::readFile(out, datafile::FileSize, &bytes);
        return bytes;
    }
    AppContext context;
    std::unique_ptr<Document> document;
};

QByteArray randomBytes(QRandomGenerator& rng, int size, bool sparse) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) {
        // Sparse data is mostly 0x00 and 0xFF, the values erased and cleared memory holds.
        const quint32 r = rng.generate();
        bytes[i] = char(sparse ? ((r & 0x300) == 0 ? r & 0xFF : ((r & 0x400) ? 0xFF : 0x00)) : r & 0xFF);
    }
    return bytes;
}

} // namespace

class TestRandomImages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveIsStable_data();
    void saveIsStable();
};

void TestRandomImages::saveIsStable_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("sparse");
    for (quint32 seed = 1; seed <= 24; ++seed) {
        const int size = seed % 6 == 0 ? int(seed * 37) : datafile::FileSize;
        QTest::addRow("seed %u", seed) << seed << size << (seed % 2 == 0);
    }
}

void TestRandomImages::saveIsStable() {
    QFETCH(quint32, seed);
    QFETCH(int, size);
    QFETCH(bool, sparse);
    test::TempAppDir dir;
    Program program(dir);
    QRandomGenerator rng(seed);
    QVERIFY(dir.writeFile(QStringLiteral("in.dat"), randomBytes(rng, size, sparse)));

    const QByteArray once = program.normalize(dir.filePath(QStringLiteral("in.dat")), dir.filePath("once.dat"));
    QCOMPARE(once.size(), datafile::FileSize);
    // A fresh start opening the saved file, as a user reopening it the next day.
    Program later(dir);
    const QByteArray twice = later.normalize(dir.filePath(QStringLiteral("once.dat")), dir.filePath("twice.dat"));
    QCOMPARE(program.normalize(dir.filePath(QStringLiteral("once.dat")), dir.filePath("again.dat")), twice);
    for (int i = 0; i < datafile::FileSize; ++i) {
        if (once.at(i) != twice.at(i))
            QFAIL(qPrintable(QStringLiteral("offset 0x%1: %2 then %3")
                                 .arg(i, 3, 16, QLatin1Char('0'))
                                 .arg(quint8(once.at(i)), 2, 16, QLatin1Char('0'))
                                 .arg(quint8(twice.at(i)), 2, 16, QLatin1Char('0'))));
    }
}

QTEST_GUILESS_MAIN(TestRandomImages)
#include "tst_randomimages.moc"
