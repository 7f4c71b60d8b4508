#include "TestSupport.h"
#include "core/AppContext.h"
#include "core/DataFile.h"
#include "core/RadioImage.h"
#include "core/TextCodes.h"
#include "document/Document.h"
#include "document/ReadBackup.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

using namespace qrt;

namespace {

const QDateTime When(QDate(2026, 12, 10), QTime(15, 30, 12));

RadioImage imageWith(int address, const QByteArray& bytes) {
    RadioImage image(0x2000);
    image.fill(0xFF);
    image.write(address, bytes);
    return image;
}

} // namespace

class TestReadBackup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void namePartIsSafe_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("part");
        QTest::newRow("digits") << "123456"
                                << "123456";
        QTest::newRow("path characters") << "../SN:1/2*?"
                                         << "SN_1_2";
        QTest::newRow("blanks") << "  SN First "
                                << "SN_First";
        QTest::newRow("chinese kept") << "对讲机 7"
                                      << "对讲机_7";
        QTest::newRow("nothing usable") << "<>|"
                                        << "";
        QTest::newRow("long cut") << QString(40, u'A') << QString(32, u'A');
    }
    void namePartIsSafe() {
        QFETCH(QString, text);
        QFETCH(QString, part);
        QCOMPARE(readbackup::safeNamePart(text), part);
    }

    void nameIsDateTimeAndIdentity() {
        QCOMPARE(readbackup::baseName(When, QString()), QStringLiteral("2026-12-10_153012"));
        QCOMPARE(readbackup::baseName(When, QStringLiteral("12 34")), QStringLiteral("2026-12-10_153012_12_34"));
    }

    void identityIsRadioIdThenMessage_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("identity");
        // Digits two to a byte, low nibble first; 0x0C and other nibbles are "Off".
        QTest::newRow("six digits") << 0x3E9 << QByteArray::fromHex("214365") << "123456";
        QTest::newRow("off digits left out") << 0x3E9 << QByteArray::fromHex("2CC5CC") << "25";
        QTest::newRow("no digit: the message")
            << 0x300 << hanzi::encodeBytes(QStringLiteral("SN First"), 16) << "SN First";
        QTest::newRow("neither") << 0x300 << QByteArray(32, '\0') << "";
    }
    void identityIsRadioIdThenMessage() {
        QFETCH(int, address);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, identity);
        RadioImage image = imageWith(0x3E9, QByteArray::fromHex("CCCCCC"));
        image.write(address, bytes);
        if (address != 0x300)
            image.write(0x300, QByteArray(32, '\0'));
        QCOMPARE(readbackup::radioIdentity(image), identity);
    }

    // The folder is made, the bytes are the data file a save writes, and a second backup
    // of the same second gets a name of its own instead of replacing the first.
    void writesNewFilesOnly() {
        QTemporaryDir dir;
        const QString folder = readbackup::folderOf(dir.path());
        const RadioImage first = imageWith(0x3E9, QByteArray::fromHex("214365"));
        RadioImage second = first;
        second.set(0x010, 0x42);

        const readbackup::Backup a = readbackup::write(folder, first, When);
        const readbackup::Backup b = readbackup::write(folder, second, When);
        QVERIFY2(a.status.ok(), qPrintable(a.status.reason()));
        QVERIFY2(b.status.ok(), qPrintable(b.status.reason()));
        QCOMPARE(QFileInfo(a.path).fileName(), QStringLiteral("2026-12-10_153012_123456.dat"));
        QCOMPARE(QFileInfo(b.path).fileName(), QStringLiteral("2026-12-10_153012_123456-2.dat"));
        QCOMPARE(QFileInfo(a.path).absolutePath(), QDir(dir.filePath(QStringLiteral("Data/Backups"))).absolutePath());

        QByteArray bytes;
        QVERIFY(datafile::readFile(a.path, datafile::FileSize + 1, &bytes).ok());
        QCOMPARE(bytes, datafile::fileLayout(first));
        QVERIFY(datafile::readFile(b.path, datafile::FileSize + 1, &bytes).ok());
        QCOMPARE(bytes, datafile::fileLayout(second));
    }

    void failureSaysWhy() {
        QTemporaryDir dir;
        // A file where the folder should be.
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Data")));
        QFile blocker(dir.filePath(QStringLiteral("Data/Backups")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const readbackup::Backup backup = readbackup::write(readbackup::folderOf(dir.path()), RadioImage(0x2000), When);
        QVERIFY(backup.status.failed());
        QVERIFY(!backup.status.reason().isEmpty());
        QVERIFY(QFileInfo(blocker.fileName()).isFile());
    }

    // The document keeps the read as it came from the radio, logs a failure, and announces
    // the file for the list of recent files; its own data is not touched.
    void documentBacksUpBeforeTheReadArrives() {
        test::TempAppDir dir;
        AppContext context(dir.path());
        QStringList logged;
        context.errorLog().subscribe([&](const QString& header, const QString& detail) { logged << header << detail; });
        context.load(Language::English);
        Document document(context);
        document.startUp();
        QSignalSpy used(&document, &Document::fileUsed);
        const QByteArray before = document.image().bytes();
        QByteArray read = before;
        read[0x010] = char(0x25);

        const readbackup::Backup backup = document.backUpRadioRead(read);
        QVERIFY2(backup.status.ok(), qPrintable(backup.status.reason()));
        QCOMPARE(document.image().bytes(), before);
        QCOMPARE(used.count(), 1);
        QCOMPARE(used.at(0).at(0).toString(), backup.path);
        QByteArray saved;
        QVERIFY(datafile::readFile(backup.path, datafile::FileSize + 1, &saved).ok());
        QCOMPARE(quint8(saved.at(0x010 + datafile::HeaderSize)), quint8(0x25));

        QVERIFY(QDir(readbackup::folderOf(dir.path())).removeRecursively());
        QVERIFY(dir.writeFile(QStringLiteral("Data/Backups"), "not a folder"));
        const readbackup::Backup failed = document.backUpRadioRead(read);
        QVERIFY(failed.status.failed());
        QCOMPARE(used.count(), 1);
        QVERIFY(logged.join(u'\n').contains(QStringLiteral("frmCommun->BackUpRead")));
    }
};

QTEST_GUILESS_MAIN(TestReadBackup)
#include "tst_readbackup.moc"
