#include "core/ErrorLog.h"
#include "gui/info/ErrorLogWindow.h"

#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

using namespace qrt;
using qrt::gui::info::ErrorLogWindow;

namespace {
const QDateTime FixedTime(QDate(2026, 12, 9), QTime(10, 15, 2));

QString detail(const QString& tag, int number, const QString& description) {
    return QStringLiteral("         错误:  ") + tag + QStringLiteral("     出错号:  ") + QString::number(number) +
           QStringLiteral("     出错点:  qrt506     出错描述:  ") + description;
}
} // namespace

class TestErrorLogWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_log = std::make_unique<ErrorLog>();
        m_log->setClock([] { return FixedTime; });
    }

    void twoLinesPerError_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::newRow("index out of range") << "modChMem->TextToAscii" << 9 << "数组索引超出范围";
        QTest::newRow("tag ending in a colon") << "frmRadioInfo->InitOpt:" << 53 << "文件找不到";
        QTest::newRow("number not in the table") << "mdifrmMain->SwiLangFace" << 1000 << "";
    }
    void twoLinesPerError() {
        QFETCH(QString, tag);
        QFETCH(int, number);
        QFETCH(QString, description);
        ErrorLogWindow window(*m_log);
        QSignalSpy shown(&window, &ErrorLogWindow::errorShown);
        QVERIFY(window.isHidden());

        m_log->logErr(tag, number);

        QCOMPARE(window.lines(), (QStringList{QStringLiteral("---------2026-12-09 10:15:02--------"),
                                              detail(tag, number, description)}));
        QCOMPARE(window.list()->currentRow(), 1);
        QVERIFY(window.isVisible());
        QCOMPARE(shown.count(), 1);
        QCOMPARE(window.windowTitle(), QStringLiteral("Notice"));
    }

    void errorsFollowInOrder() {
        ErrorLogWindow window(*m_log);
        m_log->logErr(QStringLiteral("first"), 6);
        m_log->logErr(QStringLiteral("second"), 11);
        const QStringList lines = window.lines();
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[1], detail(QStringLiteral("first"), 6, QStringLiteral("溢出")));
        QCOMPARE(lines[3], detail(QStringLiteral("second"), 11, QStringLiteral("除以零")));
        QCOMPARE(window.list()->currentRow(), 3);
    }

    // Closing only hides: the record stays, and the next error brings the window back.
    void closingHidesAndKeepsTheRecord() {
        ErrorLogWindow window(*m_log);
        m_log->logErr(QStringLiteral("first"), 6);
        m_log->logErr(QStringLiteral("second"), 11);
        QVERIFY(!window.close());
        QVERIFY(window.isHidden());
        QCOMPARE(window.lines().size(), 4);

        m_log->logErr(QStringLiteral("third"), 13);
        QVERIFY(window.isVisible());
        QCOMPARE(window.lines().size(), 6);
        QCOMPARE(window.list()->currentRow(), 5);
    }

    // Errors logged on other threads reach the list on the window's thread, each as an
    // unbroken pair.
    void errorsFromOtherThreads() {
        ErrorLogWindow window(*m_log);
        constexpr int PerThread = 50;
        auto logMany = [this](const QString& tag) {
            return QThread::create([this, tag] {
                for (int i = 0; i < PerThread; ++i)
                    m_log->logErr(tag, 9);
            });
        };
        std::unique_ptr<QThread> first(logMany(QStringLiteral("worker-a")));
        std::unique_ptr<QThread> second(logMany(QStringLiteral("worker-b")));
        first->start();
        second->start();
        m_log->logErr(QStringLiteral("gui"), 6);
        QVERIFY(first->wait(60000));
        QVERIFY(second->wait(60000));
        QTRY_COMPARE(window.lines().size(), 2 * (2 * PerThread + 1));

        const QStringList lines = window.lines();
        QHash<QString, int> perTag;
        for (int row = 0; row < lines.size(); row += 2) {
            QVERIFY2(lines[row].startsWith(QStringLiteral("---------")), qPrintable(lines[row]));
            const QString tag =
                lines[row + 1].section(QStringLiteral("错误:  "), 1).section(QStringLiteral("     "), 0, 0);
            ++perTag[tag];
        }
        QCOMPARE(perTag.value(QStringLiteral("worker-a")), PerThread);
        QCOMPARE(perTag.value(QStringLiteral("worker-b")), PerThread);
        QCOMPARE(perTag.value(QStringLiteral("gui")), 1);
        QVERIFY(window.isVisible());
    }

    // A window gone before the queued lines arrive drops them; the log goes on.
    void windowDestroyedWithLinesQueued() {
        auto window = std::make_unique<ErrorLogWindow>(*m_log);
        std::unique_ptr<QThread> worker(QThread::create([this] { m_log->logErr(QStringLiteral("late"), 9); }));
        worker->start();
        QVERIFY(worker->wait(60000));
        window.reset();
        QCoreApplication::processEvents();
        m_log->logErr(QStringLiteral("after"), 9);
        QCOMPARE(m_log->count(), 2);
    }

    // Past the limit the oldest errors make room, whole; logging never stops.
    void fullListDropsOldestErrors_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("keptLines");
        QTest::newRow("under the limit") << 6 << 3 << 6;
        QTest::newRow("one over") << 6 << 4 << 6;
        QTest::newRow("odd limit") << 5 << 4 << 4;
        QTest::newRow("smallest limit") << 0 << 3 << 2;
    }
    void fullListDropsOldestErrors() {
        QFETCH(int, limit);
        QFETCH(int, errors);
        QFETCH(int, keptLines);
        ErrorLogWindow window(*m_log);
        window.setLineLimit(limit);
        for (int i = 1; i <= errors; ++i)
            m_log->logErr(QStringLiteral("error-%1").arg(i), 9);
        const QStringList lines = window.lines();
        QCOMPARE(lines.size(), keptLines);
        QVERIFY(lines.first().startsWith(QStringLiteral("---------")));
        QVERIFY(lines.last().contains(QStringLiteral("error-%1     ").arg(errors)));
        QCOMPARE(window.list()->currentRow(), keptLines - 1);
    }

    void loweringTheLimitKeepsWholeErrors() {
        ErrorLogWindow window(*m_log);
        for (int i = 1; i <= 4; ++i)
            m_log->logErr(QStringLiteral("error-%1").arg(i), 9);
        window.setLineLimit(3);
        QCOMPARE(window.lines().size(), 2);
        QVERIFY(window.lines().last().contains(QStringLiteral("error-4     ")));
    }

private:
    std::unique_ptr<ErrorLog> m_log;
};

QTEST_MAIN(TestErrorLogWindow)
#include "tst_errorlogwindow.moc"
