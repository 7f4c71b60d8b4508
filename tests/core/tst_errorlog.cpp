#include "core/ErrorLog.h"

#include <QSet>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

using namespace qrt;

class TestErrorLog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twoLinesPerError();
    void descriptions_data();
    void descriptions();
    void sinksSubscribeAndLeave();
    void threadsLogSideBySide();
};

void TestErrorLog::twoLinesPerError() {
    ErrorLog log;
    log.setClock([] { return QDateTime(QDate(2026, 12, 9), QTime(10, 15, 2)); });
    QStringList lines;
    log.subscribe([&](const QString& a, const QString& b) { lines << a << b; });
    log.logErr(QStringLiteral("frmRadioInfo->InitOpt:"), 9, QStringLiteral("qrt506"));
    log.logErr(QStringLiteral("modChMem->TextToAscii"), 1000);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QStringLiteral("---------2026-12-09 10:15:02--------"));
    QCOMPARE(lines[1], QStringLiteral("         错误:  frmRadioInfo->InitOpt:     出错号:  9     出错点:  qrt506     "
                                      "出错描述:  数组索引超出范围"));
    QVERIFY(lines[3].endsWith(QStringLiteral("出错号:  1000     出错点:  qrt506     出错描述:  ")));
    QCOMPARE(log.count(), 2);
}

void TestErrorLog::descriptions_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("first") << 3 << QStringLiteral("没有返回的GoSub");
    QTest::newRow("overflow") << 6 << QStringLiteral("溢出");
    QTest::newRow("file not found") << 53 << QStringLiteral("文件找不到");
    QTest::newRow("own wording") << 458 << QStringLiteral("变量使用了运行环境不支持的数据类型");
    QTest::newRow("last") << 31037 << QStringLiteral("从文件读出时出错");
    QTest::newRow("unknown") << 1000 << QString();
    QTest::newRow("zero") << 0 << QString();
    QTest::newRow("negative") << -9 << QString();
}

void TestErrorLog::descriptions() {
    QFETCH(int, number);
    QFETCH(QString, text);
    QCOMPARE(errorDescription(number), text);
    QCOMPARE(errorDescriptionCount(), 118);
}

void TestErrorLog::sinksSubscribeAndLeave() {
    ErrorLog log;
    int a = 0, b = 0;
    const int idA = log.subscribe([&](const QString&, const QString&) { ++a; });
    log.subscribe([&](const QString&, const QString&) { ++b; });
    log.logErr(QStringLiteral("x"), 6);
    log.unsubscribe(idA);
    log.logErr(QStringLiteral("y"), 6);
    QCOMPARE(a, 1);
    QCOMPARE(b, 2);
}

// A read or write logs from its own thread while the window may log too: every error
// reaches the sinks whole, on the thread that logged it, and none is lost.
void TestErrorLog::threadsLogSideBySide() {
    constexpr int Threads = 4, PerThread = 2000;
    ErrorLog log;
    // No lock of their own: the log hands over one error at a time.
    QStringList lines;
    QSet<QThread*> sinkThreads;
    int delivered = 0;
    log.subscribe([&](const QString& header, const QString& detail) {
        sinkThreads.insert(QThread::currentThread());
        const int before = delivered;
        QThread::yieldCurrentThread(); // another delivery at the same time would be lost now
        delivered = before + 1;
        lines << header << detail;
    });
    std::atomic<int> ready{0};
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < Threads; ++t) {
        threads.emplace_back(QThread::create([&log, &ready, t] {
            // All start together, so that their errors overlap.
            ++ready;
            while (ready < Threads)
                QThread::yieldCurrentThread();
            for (int i = 0; i < PerThread; ++i)
                log.logErr(QStringLiteral("thread%1->Step").arg(t), 57);
        }));
    }
    for (auto& thread : threads)
        thread->start();
    for (auto& thread : threads)
        QVERIFY(thread->wait(60000));
    QCOMPARE(log.count(), Threads * PerThread);
    QCOMPARE(delivered, Threads * PerThread);
    QCOMPARE(lines.size(), 2 * Threads * PerThread);
    QList<int> perThread(Threads, 0);
    for (int i = 0; i < lines.size(); i += 2) {
        QVERIFY(lines.at(i).startsWith(QStringLiteral("---------")));
        const int t = lines.at(i + 1).section(QStringLiteral("thread"), 1).section(QStringLiteral("->"), 0, 0).toInt();
        ++perThread[t];
    }
    QCOMPARE(perThread, QList<int>(Threads, PerThread));
    QSet<QThread*> loggers;
    for (auto& thread : threads)
        loggers.insert(thread.get());
    QCOMPARE(sinkThreads, loggers);
    QCOMPARE(log.lastNumber(), 57);
}

QTEST_GUILESS_MAIN(TestErrorLog)
#include "tst_errorlog.moc"
