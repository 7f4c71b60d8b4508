#include "core/ErrorLog.h"

#include <QTest>

using namespace qrt;

class TestErrorLog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twoLinesPerError();
    void descriptions_data();
    void descriptions();
    void sinksSubscribeAndLeave();
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

QTEST_GUILESS_MAIN(TestErrorLog)
#include "tst_errorlog.moc"
