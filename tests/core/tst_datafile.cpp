#include "core/DataFile.h"
#include "core/ErrorLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace qrt;

namespace {

bool isPipe(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

} // namespace

class TestDataFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveRefusesTargetsThatAreNotRegularFiles_data();
    void saveRefusesTargetsThatAreNotRegularFiles();
    void saveThroughLinkWritesTheLinkedFile();
};

void TestDataFile::saveRefusesTargetsThatAreNotRegularFiles_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("pipe") << "pipe"
                          << "not a regular file";
    QTest::newRow("link to a pipe") << "link"
                                    << "not a regular file";
    QTest::newRow("folder") << "folder"
                            << "folder";
}

void TestDataFile::saveRefusesTargetsThatAreNotRegularFiles() {
    // A save replaces the target by a new file; a device or pipe in its place (as /dev/null
    // is) must stay what it is.
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QString target = pipe;
    if (kind == QLatin1String("link")) {
        target = dir.filePath(QStringLiteral("out.dat"));
        QVERIFY(QFile::link(pipe, target));
    } else if (kind == QLatin1String("folder")) {
        target = dir.filePath(QStringLiteral("folder.dat"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.dat")));
    }

    const datafile::Status status = datafile::writeFile(target, QByteArray(datafile::FileSize, 'x'));
    QVERIFY(!status.ok);
    QCOMPARE(status.errNumber, err::PathFileAccess);
    QVERIFY2(status.reason.contains(reason), qPrintable(status.reason));
    QVERIFY(isPipe(pipe));
    if (kind == QLatin1String("link"))
        QVERIFY(QFileInfo(target).isSymLink());
    if (kind == QLatin1String("folder"))
        QVERIFY(QFileInfo(target).isDir());
}

void TestDataFile::saveThroughLinkWritesTheLinkedFile() {
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.dat"));
    const QString link = dir.filePath(QStringLiteral("link.dat"));
    QFile f(real);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("old");
    f.close();
    QVERIFY(QFile::link(real, link));
    const QByteArray bytes(datafile::FileSize, '\x5A');
    QVERIFY(datafile::writeFile(link, bytes).ok);
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), bytes);
}

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
