#include "core/ApplicationFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace qrt;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An installed layout: <root>/prefix/bin without settings, the shipped files in
// <root>/prefix/share/qrt506 (read-only, as a package installs them), and a home whose
// XDG_DATA_HOME is <root>/home/data.
struct InstalledLayout {
    QTemporaryDir root;
    QString bin() const { return root.filePath(QStringLiteral("prefix/bin")); }
    QString shipped() const { return root.filePath(QStringLiteral("prefix/share/qrt506")); }
    QString userFolder() const { return root.filePath(QStringLiteral("home/data/qrt506")); }

    InstalledLayout() {
        QDir().mkpath(bin());
        for (const QString& name : appfolder::shippedFileNames()) {
            const QString path = QDir(shipped()).filePath(name);
            writeFile(path, "shipped " + name.toUtf8());
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        }
        qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("home/data")).toUtf8());
    }
    ~InstalledLayout() { qunsetenv("XDG_DATA_HOME"); }
};

} // namespace

class TestApplicationFolder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commandLineFolderWinsOverEverything() {
        InstalledLayout layout;
        QTemporaryDir given;
        const appfolder::Choice choice = appfolder::choose(given.path(), layout.bin());
        QCOMPARE(choice.path, given.path());
        QVERIFY(!QFileInfo::exists(layout.userFolder()));
    }

    void aFolderHoldingItsSettingsFileIsTheApplicationFolder() {
        InstalledLayout layout; // a per-user folder would be there, but the build folder wins
        QTemporaryDir buildFolder;
        QVERIFY(writeFile(QDir(buildFolder.path()).filePath(QStringLiteral("holvard.def")), "[Setting]\n"));
        QCOMPARE(appfolder::choose({}, buildFolder.path()).path, buildFolder.path());
        QVERIFY(!QFileInfo::exists(layout.userFolder()));
    }

    void installedProgramGetsAPerUserFolderWithCopiesOfTheShippedFiles() {
        InstalledLayout layout;
        const appfolder::Choice choice = appfolder::choose({}, layout.bin());
        QCOMPARE(choice.error, QString());
        QCOMPARE(QDir(choice.path).canonicalPath(), QDir(layout.userFolder()).canonicalPath());
        for (const QString& name : appfolder::shippedFileNames()) {
            const QString copy = QDir(layout.userFolder()).filePath(name);
            QCOMPARE(readFile(copy), "shipped " + name.toUtf8());
            QVERIFY2(QFileInfo(copy).isWritable(), qPrintable(copy));
        }
        QCOMPARE(QDir(layout.shipped()).entryList(QDir::Files).size(), appfolder::shippedFileNames().size());
    }

    void laterStartsKeepTheUsersFilesAndRestoreMissingOnes() {
        InstalledLayout layout;
        QVERIFY(!appfolder::choose({}, layout.bin()).path.isEmpty());
        const QString settings = QDir(layout.userFolder()).filePath(QStringLiteral("holvard.def"));
        const QString factory = QDir(layout.userFolder()).filePath(QStringLiteral("DefRadioSet.def"));
        QVERIFY(writeFile(settings, "the user's own settings"));
        QVERIFY(QFile::remove(factory));
        QVERIFY(!appfolder::choose({}, layout.bin()).path.isEmpty());
        QCOMPARE(readFile(settings), QByteArray("the user's own settings"));
        QCOMPARE(readFile(factory), QByteArray("shipped DefRadioSet.def"));
    }

    void aPerUserFolderThatCannotBeMadeIsReported() {
        InstalledLayout layout;
        const QString blocker = layout.root.filePath(QStringLiteral("home/data"));
        QVERIFY(writeFile(blocker, "a file where the folder should be"));
        const appfolder::Choice choice = appfolder::choose({}, layout.bin());
        QVERIFY(choice.path.isEmpty());
        QVERIFY2(choice.error.contains(QStringLiteral("qrt506")), qPrintable(choice.error));
    }

    void userGuidePageOfTheLanguageBesideTheProgramOrInstalled() {
        InstalledLayout layout;
        const auto guidePage = [](const QString& root, const char* language) {
            const QString page =
                QDir(root).filePath(QStringLiteral("guide/%1/index.html").arg(QLatin1String(language)));
            return writeFile(page, "<html></html>") ? page : QString();
        };
        QCOMPARE(appfolder::userGuidePage(layout.bin(), Language::English), QString());
        const QString installedEnglish = guidePage(layout.shipped(), "en");
        const QString installedChinese = guidePage(layout.shipped(), "zh_CN");
        QCOMPARE(appfolder::userGuidePage(layout.bin(), Language::SimplifiedChinese), installedChinese);
        QCOMPARE(appfolder::userGuidePage(layout.bin(), Language::TraditionalChinese),
                 installedEnglish); // no Traditional Chinese page
        QCOMPARE(appfolder::userGuidePage(layout.bin(), static_cast<Language>(7)), installedEnglish);
        const QString besideChinese = guidePage(layout.bin(), "zh_CN");
        QCOMPARE(appfolder::userGuidePage(layout.bin(), Language::SimplifiedChinese), besideChinese);
    }
};

QTEST_GUILESS_MAIN(TestApplicationFolder)
#include "tst_applicationfolder.moc"
