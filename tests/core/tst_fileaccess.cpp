#include "FullFileSystem.h"
#include "TestSupport.h"
#include "core/DataFile.h"
#include "core/ErrorLog.h"
#include "core/ExtraTexts.h"
#include "core/FileAccess.h"
#include "core/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace qrt;

namespace {

const QByteArray OldSettings = QByteArrayLiteral("[Setting]\r\nFirRun=0\r\nLanguage=3\r\nCOM=4\r\n");

// Writes through one of the program's writers; the outcome as a status.
Result writeWith(const QString& writer, const QString& path) {
    if (writer == QLatin1String("data file"))
        return datafile::writeFile(path, QByteArray(datafile::FileSize, '\x5A'));
    if (writer == QLatin1String("settings file"))
        return SettingsFile(path).write(QStringLiteral("Setting"), QStringLiteral("COM"), QStringLiteral("7"));
    return fileaccess::checkReplaceable(path, datafile::FileSize);
}

} // namespace

class TestFileAccess : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void notARegularFileIsLeftAlone_data();
    void notARegularFileIsLeftAlone();
    void replaceFollowsALinkToARegularFile();
    void readIsBounded_data();
    void readIsBounded();
    void readGoesOnPastTheReportedSize();
    void failuresNameTheirCause_data();
    void failuresNameTheirCause();
    void everyReasonIsInEveryLanguage();
};

void TestFileAccess::fullDiskKeepsTheOldFile_data() {
    QTest::addColumn<QString>("writer");
    QTest::addColumn<bool>("oldFile");
    QTest::newRow("data file over an old one") << "data file" << true;
    QTest::newRow("new data file") << "data file" << false;
    QTest::newRow("settings file") << "settings file" << true;
    QTest::newRow("check before a read from the radio") << "check" << true;
}

void TestFileAccess::fullDiskKeepsTheOldFile() {
    // The save file of Qt 6.4 buffers the bytes and commits an empty file when the buffer
    // cannot be flushed: the old file was lost and the save reported success.
    QFETCH(QString, writer);
    QFETCH(bool, oldFile);
    test::FullFileSystem disk;
    if (!disk.isMounted())
        QSKIP("Mounting a small file system needs root");
    const QString name = QStringLiteral("target");
    if (oldFile)
        QVERIFY(disk.put(name, OldSettings));
    QVERIFY(disk.fill());
    const QStringList namesBefore = disk.fileNames();

    const Result status = writeWith(writer, disk.filePath(name));

    QVERIFY(status.failed());
    QCOMPARE(status.errorNumber(), err::DiskFull);
    QCOMPARE(status.reasonKey(), fileaccess::DiskFull);
    QVERIFY2(status.reason().contains(QStringLiteral("No space left on device")), qPrintable(status.reason()));
    QCOMPARE(disk.fileNames(), namesBefore);
    if (oldFile)
        QCOMPARE(disk.read(name), OldSettings);
}

void TestFileAccess::notARegularFileIsLeftAlone_data() {
    QTest::addColumn<bool>("writing");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reasonKey");
    for (const bool writing : {false, true}) {
        const char* operation = writing ? "write" : "read";
        QTest::addRow("%s, pipe", operation) << writing << "pipe" << fileaccess::NotRegular;
        QTest::addRow("%s, link to a pipe", operation) << writing << "link" << fileaccess::NotRegular;
        QTest::addRow("%s, folder", operation) << writing << "folder" << fileaccess::IsFolder;
    }
    QTest::newRow("read, device") << false << "device" << fileaccess::NotRegular;
}

void TestFileAccess::notARegularFileIsLeftAlone() {
    // Opening a pipe for reading waits for a writer for ever, and a device may never end. A
    // save puts a new file in the old one's place, which would replace a device node or a
    // pipe (such as /dev/null) by a regular file.
    QFETCH(bool, writing);
    QFETCH(QString, kind);
    QFETCH(QString, reasonKey);
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    QVERIFY(test::makePipe(pipe));
    QString path = pipe;
    if (kind == QLatin1String("link")) {
        path = dir.filePath(QStringLiteral("link.dat"));
        QVERIFY(QFile::link(pipe, path));
    } else if (kind == QLatin1String("folder")) {
        path = dir.filePath(QStringLiteral("folder.dat"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.dat")));
    } else if (kind == QLatin1String("device")) {
        path = QStringLiteral("/dev/zero");
    }

    QByteArray bytes("untouched");
    const Result status = writing ? fileaccess::replaceFile(path, QByteArray(datafile::FileSize, 'x'))
                                  : fileaccess::readRegularFile(path, datafile::FileSize, &bytes);

    QVERIFY(status.failed());
    QCOMPARE(status.reasonKey(), reasonKey);
    QCOMPARE(status.errorNumber(), err::PathFileAccess);
    QVERIFY2(status.reason().contains(kind == QLatin1String("folder") ? "folder" : "not a regular file"),
             qPrintable(status.reason()));
    QCOMPARE(bytes, QByteArray("untouched"));
    QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
    if (kind == QLatin1String("link"))
        QVERIFY(QFileInfo(path).isSymLink());
    if (kind == QLatin1String("folder"))
        QVERIFY(QFileInfo(path).isDir());
}

void TestFileAccess::replaceFollowsALinkToARegularFile() {
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.dat"));
    const QString link = dir.filePath(QStringLiteral("link.dat"));
    QVERIFY(fileaccess::replaceFile(real, "old").ok());
    QVERIFY(QFile::link(real, link));
    const QByteArray bytes(datafile::FileSize, '\x5A');
    QVERIFY(fileaccess::replaceFile(link, bytes).ok());
    QVERIFY(QFileInfo(link).isSymLink());
    QByteArray read;
    QVERIFY(fileaccess::readRegularFile(real, datafile::FileSize + 1, &read).ok());
    QCOMPARE(read, bytes);
}

void TestFileAccess::readIsBounded_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("limit");
    QTest::newRow("empty") << 0 << 1041;
    QTest::newRow("smaller than the limit") << 10 << 1041;
    QTest::newRow("exactly the limit") << 1041 << 1041;
    QTest::newRow("one byte more") << 1042 << 1041;
    QTest::newRow("far more") << 5000 << 1041;
    QTest::newRow("over many reads") << 300000 << 200001;
    QTest::newRow("nothing allowed") << 10 << 0;
}

void TestFileAccess::readIsBounded() {
    QFETCH(int, size);
    QFETCH(int, limit);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("big.dat")));
    QByteArray content(size, '\0');
    for (int i = 0; i < size; ++i)
        content[i] = char(i * 7 + i / 256);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == size);
    file.close();
    QByteArray bytes("left over");
    QVERIFY(fileaccess::readRegularFile(file.fileName(), limit, &bytes).ok());
    QCOMPARE(bytes, content.left(limit));
}

// A file that reports no size, as the kernel's files do, is read to its end all the same.
void TestFileAccess::readGoesOnPastTheReportedSize() {
    const QString path = QStringLiteral("/proc/self/status");
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() != 0)
        QSKIP("needs a regular file that reports size 0");
    QByteArray bytes;
    QVERIFY(fileaccess::readRegularFile(path, 1 << 20, &bytes).ok());
    QVERIFY(bytes.startsWith("Name:"));
    QVERIFY(bytes.contains("\nPid:"));
}

void TestFileAccess::failuresNameTheirCause_data() {
    QTest::addColumn<bool>("writing");
    QTest::addColumn<QString>("path"); // relative to a temporary folder; "" is no name at all
    QTest::addColumn<int>("errNumber");
    QTest::addColumn<QString>("reasonKey");
    QTest::newRow("read, no name") << false << "" << err::BadFileName << fileaccess::NoFileName;
    QTest::newRow("read, missing file") << false << "missing.dat" << err::FileNotFound << fileaccess::NotFound;
    QTest::newRow("read, missing folder") << false << "none/x.dat" << err::PathNotFound << fileaccess::NoFolder;
    QTest::newRow("write, no name") << true << "" << err::BadFileName << fileaccess::NoFileName;
    QTest::newRow("write, missing folder") << true << "none/x.dat" << err::PathNotFound << fileaccess::NoFolder;
    QTest::newRow("write onto a folder") << true << "folder" << err::PathFileAccess << fileaccess::IsFolder;
}

void TestFileAccess::failuresNameTheirCause() {
    QFETCH(bool, writing);
    QFETCH(QString, path);
    QFETCH(int, errNumber);
    QFETCH(QString, reasonKey);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString full = path.isEmpty() ? QString() : dir.filePath(path);
    QByteArray bytes;
    const Result status = writing ? fileaccess::replaceFile(full, "x") : fileaccess::readRegularFile(full, 10, &bytes);
    QVERIFY(status.failed());
    QCOMPARE(status.errorNumber(), errNumber);
    QCOMPARE(status.reasonKey(), reasonKey);
    QVERIFY(!status.reason().isEmpty());

    // Told to the user in their language, with everything else kept.
    ExtraTexts traditional;
    QVERIFY(traditional.load(Language::TraditionalChinese));
    const Result told = status.inLanguage(traditional);
    QCOMPARE(told.reason(), traditional.text(reasonKey));
    QVERIFY(told.failed());
    QCOMPARE(told.errorNumber(), errNumber);
    QCOMPARE(told.reasonKey(), reasonKey);
}

void TestFileAccess::everyReasonIsInEveryLanguage() {
    // The user reads why a file command failed in the language of the interface.
    const QStringList keys{fileaccess::NoFileName, fileaccess::NotFound,   fileaccess::NoFolder,
                           fileaccess::Denied,     fileaccess::DiskFull,   fileaccess::IsFolder,
                           fileaccess::NotRegular, fileaccess::ReadFailed, fileaccess::WriteFailed};
    ExtraTexts english, simplified, traditional;
    QVERIFY(english.load(Language::English) && simplified.load(Language::SimplifiedChinese) &&
            traditional.load(Language::TraditionalChinese));
    for (const QString& key : keys) {
        QVERIFY2(english.text(key) != key, qPrintable(key));
        QVERIFY2(simplified.text(key) != english.text(key), qPrintable(key));
        QVERIFY2(traditional.text(key) != english.text(key), qPrintable(key));
        QVERIFY2(traditional.text(key) != simplified.text(key), qPrintable(key));
    }
}

QTEST_GUILESS_MAIN(TestFileAccess)
#include "tst_fileaccess.moc"
