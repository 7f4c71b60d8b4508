#include "TestSupport.h"
#include "core/DataFile.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <cstdlib>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace qrt;

namespace {

// What a user pastes from the README: the emulator started with & and a read from its
// device, then the emulator ended with kill. The emulator is named by its process id: a
// shell without job control may forget job %1 once it has ended, before wait asks for it.
const char* const Script = R"sh(
[ "$1" = terminal ] && set -m
"$SIM" --load "$APP/DefRadioSet.def" --baud 0 > "$WORK/device.txt" &
sim=$!
for i in $(seq 600); do [ -s "$WORK/device.txt" ] && break; sleep 0.1; done
"$CLI" --app-dir "$APP" --lang 3 read --port "$(head -n 1 "$WORK/device.txt")" --range 0000-00FF -o "$WORK/read.dat"
status=$?
kill $sim
wait $sim
echo "emulator exit $?"
exit $status
)sh";

// A pseudo-terminal for the shell, as the one an interactive user works in.
struct Terminal {
    int master = -1;
    QByteArray slavePath;

    bool open() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
            return false;
        ::fcntl(master, F_SETFD, FD_CLOEXEC);
        const char* name = ::ptsname(master);
        slavePath = name ? QByteArray(name) : QByteArray();
        return !slavePath.isEmpty();
    }
    ~Terminal() {
        if (master >= 0)
            ::close(master);
    }
};

} // namespace

class TestEmulatorBackground : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readFromEmulatorStartedInTheBackground_data();
    void readFromEmulatorStartedInTheBackground();
};

void TestEmulatorBackground::readFromEmulatorStartedInTheBackground_data() {
    QTest::addColumn<bool>("onTerminal");
    // A script's background job gets /dev/null as stdin, which ends at once.
    QTest::newRow("script without job control") << false;
    // A job control shell keeps the terminal as the job's stdin; reading it from the
    // background would stop the emulator. Typed-ahead input waits there.
    QTest::newRow("job of a shell on a terminal") << true;
}

void TestEmulatorBackground::readFromEmulatorStartedInTheBackground() {
    QFETCH(bool, onTerminal);
    const QString bash = QStandardPaths::findExecutable(QStringLiteral("bash"));
    if (bash.isEmpty())
        QSKIP("bash is not installed");
    test::TempAppDir app;
    QTemporaryDir work;
    const QDir built(test::builtAppDir());

    QProcess shell;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SIM"), built.filePath(QStringLiteral("qrt506-sim")));
    env.insert(QStringLiteral("CLI"), built.filePath(QStringLiteral("qrt506-cli")));
    env.insert(QStringLiteral("APP"), app.path());
    env.insert(QStringLiteral("WORK"), work.path());
    shell.setProcessEnvironment(env);
    shell.setProcessChannelMode(QProcess::MergedChannels);

    Terminal terminal;
    if (onTerminal) {
        QVERIFY(terminal.open());
        const QByteArray slave = terminal.slavePath;
        // The shell leads a session of its own with the terminal as its controlling one.
        shell.setChildProcessModifier([slave] {
            ::setsid();
            const int fd = ::open(slave.constData(), O_RDWR);
            if (fd < 0)
                return;
            ::ioctl(fd, TIOCSCTTY, 0);
            ::dup2(fd, STDIN_FILENO);
            if (fd > STDERR_FILENO)
                ::close(fd);
        });
    }
    shell.start(bash, {QStringLiteral("-c"), QString::fromLatin1(Script), QStringLiteral("script"),
                       onTerminal ? QStringLiteral("terminal") : QStringLiteral("plain")});
    QVERIFY(shell.waitForStarted(60000));
    if (onTerminal) {
        const QByteArray typed = "typed ahead\n";
        QCOMPARE(::write(terminal.master, typed.constData(), size_t(typed.size())), ssize_t(typed.size()));
    }
    QVERIFY(shell.waitForFinished(100000));
    const QString output = QString::fromLocal8Bit(shell.readAll());
    QVERIFY2(shell.exitCode() == 0, qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("Read Successful")), qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("emulator exit 0")), qPrintable(output));
    QFile read(work.filePath(QStringLiteral("read.dat")));
    QVERIFY(read.open(QIODevice::ReadOnly));
    QCOMPARE(read.size(), qint64(datafile::FileSize));
}

QTEST_GUILESS_MAIN(TestEmulatorBackground)
#include "tst_emulatorbackground.moc"
