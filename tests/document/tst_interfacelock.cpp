#include "TestSupport.h"
#include "core/AppContext.h"
#include "document/Document.h"
#include "document/InterfaceLock.h"
#include "document/ProgramStartup.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace qrt;

class TestInterfaceLock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storedStateAppliesWithoutWriting_data();
    void storedStateAppliesWithoutWriting();
    void userToggleLocksAndStores();
    void failedStoreIsLoggedAndLockStillApplies();
};

namespace {

struct Started {
    explicit Started(const QByteArray& storedLock = {}) {
        context = std::make_unique<AppContext>(dir.path());
        if (!storedLock.isEmpty())
            context->settings().write(QStringLiteral("Setting"), QStringLiteral("ChannelLock"),
                                      QString::fromLatin1(storedLock));
        context->errorLog().subscribe([this](const QString&, const QString& detail) { logged << detail; });
        document = startProgram(*context, Language::English);
        lock = std::make_unique<InterfaceLock>(*context, *document);
    }
    QString storedLock() const {
        return context->settings().read(QStringLiteral("Setting"), QStringLiteral("ChannelLock"), QString(), 15);
    }

    test::TempAppDir dir;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<Document> document;
    std::unique_ptr<InterfaceLock> lock;
    QStringList logged;
};

} // namespace

void TestInterfaceLock::storedStateAppliesWithoutWriting_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("locked");
    QTest::newRow("ShowLock") << QByteArray("ShowLock") << true;
    QTest::newRow("lower case") << QByteArray("showlock") << false;
    QTest::newRow("ShowNo") << QByteArray("ShowNo") << false;
}

void TestInterfaceLock::storedStateAppliesWithoutWriting() {
    QFETCH(QByteArray, stored);
    QFETCH(bool, locked);
    Started s(stored);
    QSignalSpy applied(s.lock.get(), &InterfaceLock::lockApplied);
    s.lock->applyStoredState();
    QCOMPARE(s.lock->isLocked(), locked);
    QCOMPARE(s.document->isLocked(), locked);
    QCOMPARE(applied.count(), 1); // also when unlocked: views show the state afresh
    QCOMPARE(s.storedLock(), QString::fromLatin1(stored));
}

void TestInterfaceLock::userToggleLocksAndStores() {
    Started s;
    s.lock->setByUser(true, QStringLiteral("tag"));
    QVERIFY(s.document->isLocked());
    QCOMPARE(s.storedLock(), QStringLiteral("ShowLock"));
    s.lock->setByUser(false, QStringLiteral("tag"));
    QVERIFY(!s.document->isLocked());
    QCOMPARE(s.storedLock(), QStringLiteral("ShowNo"));
    QVERIFY2(s.logged.isEmpty(), qPrintable(s.logged.join(QLatin1Char(10))));
}

void TestInterfaceLock::failedStoreIsLoggedAndLockStillApplies() {
    Started s;
    // A folder where the settings file was: nothing can be written there.
    QVERIFY(QFile::remove(s.dir.filePath(AppContext::SettingsFileName)));
    QVERIFY(QDir(s.dir.path()).mkdir(AppContext::SettingsFileName));
    s.lock->setByUser(true, QStringLiteral("mdifrmMain->mnuChLock_Click"));
    QVERIFY(s.document->isLocked());
    QCOMPARE(s.logged.size(), 1);
    QVERIFY(s.logged.first().contains(QStringLiteral("mdifrmMain->mnuChLock_Click")));
}

QTEST_GUILESS_MAIN(TestInterfaceLock)
#include "tst_interfacelock.moc"
