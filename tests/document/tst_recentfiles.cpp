#include "core/SettingsFile.h"
#include "document/RecentFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace qrt;

namespace {
QStringList paths(const QTemporaryDir& dir, std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* name : names)
        list << dir.filePath(QString::fromLatin1(name));
    return list;
}
} // namespace

class TestRecentFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Most recent first, each file once, at most eight, and the same list after a restart.
    void keepsTheLastEightOnce() {
        QTemporaryDir dir;
        const QString settingsPath = dir.filePath(QStringLiteral("holvard.def"));
        SettingsFile settings(settingsPath);
        RecentFiles recent(settings);
        QSignalSpy changed(&recent, &RecentFiles::changed);
        for (const char* name : {"1.dat", "2.dat", "3.dat", "4.dat", "5.dat", "6.dat", "7.dat", "8.dat", "9.dat"})
            recent.add(dir.filePath(QString::fromLatin1(name)));
        recent.add(dir.filePath(QStringLiteral("5.dat")));
        recent.add(dir.filePath(QStringLiteral("5.dat"))); // already first: nothing changes
        const QStringList expected =
            paths(dir, {"5.dat", "9.dat", "8.dat", "7.dat", "6.dat", "4.dat", "3.dat", "2.dat"});
        QCOMPARE(recent.paths(), expected);
        QCOMPARE(changed.count(), 10);

        SettingsFile reread(settingsPath);
        QCOMPARE(RecentFiles(reread).paths(), expected);
        QCOMPARE(reread.read(QStringLiteral("RecentFiles"), QStringLiteral("File1"), QString(), 4097),
                 dir.filePath(QStringLiteral("5.dat")));
    }

    void removeAndClear() {
        QTemporaryDir dir;
        const QString settingsPath = dir.filePath(QStringLiteral("holvard.def"));
        SettingsFile settings(settingsPath);
        RecentFiles recent(settings);
        for (const QString& path : paths(dir, {"a.dat", "b.dat", "c.dat"}))
            recent.add(path);
        recent.remove(dir.filePath(QStringLiteral("b.dat")));
        QCOMPARE(recent.paths(), paths(dir, {"c.dat", "a.dat"}));
        SettingsFile afterRemove(settingsPath);
        QCOMPARE(RecentFiles(afterRemove).paths(), paths(dir, {"c.dat", "a.dat"}));

        recent.clear();
        QVERIFY(recent.paths().isEmpty());
        SettingsFile reread(settingsPath);
        QVERIFY(RecentFiles(reread).paths().isEmpty());
    }

    // The list lives in a section of its own: the program's own keys stay as they were.
    void otherSettingsUntouched() {
        QTemporaryDir dir;
        const QString settingsPath = dir.filePath(QStringLiteral("holvard.def"));
        QFile file(settingsPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Setting]\r\nLanguage=3\r\nCOM=2\r\n");
        file.close();
        SettingsFile settings(settingsPath);
        RecentFiles recent(settings);
        recent.add(dir.filePath(QStringLiteral("x.dat")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("[Setting]\r\nLanguage=3\r\nCOM=2\r\n"));
        QVERIFY(text.contains("[RecentFiles]"));
    }
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
