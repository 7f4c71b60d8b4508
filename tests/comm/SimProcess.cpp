#include "SimProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace qrt::test {

QString SimProcess::program() {
    return QDir(qEnvironmentVariable("QRT_APP_DIR")).filePath(QStringLiteral("qrt506-sim"));
}

SimProcess::~SimProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(PatienceMs))
            m_process.kill();
        m_process.waitForFinished(PatienceMs);
    }
}

bool SimProcess::start(const QStringList& options, const QByteArray& memory) {
    QStringList args = options;
    if (!memory.isEmpty()) {
        QFile f(m_dir.filePath(QStringLiteral("load.bin")));
        if (!f.open(QIODevice::WriteOnly) || f.write(memory) != memory.size())
            return false;
        args << QStringLiteral("--load") << f.fileName();
    }
    args << QStringLiteral("--quiet") << QStringLiteral("--save") << m_dir.filePath(QStringLiteral("save.bin"))
         << QStringLiteral("--trace") << m_dir.filePath(QStringLiteral("trace.txt"));
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program(), args);
    if (!m_process.waitForStarted(PatienceMs))
        return false;
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(PatienceMs))
            return false;
    }
    m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    return !m_device.isEmpty();
}

bool SimProcess::stop() {
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(PatienceMs))
        return false;
    QFile saved(m_dir.filePath(QStringLiteral("save.bin")));
    if (saved.open(QIODevice::ReadOnly))
        m_memory = saved.readAll();
    QFile trace(m_dir.filePath(QStringLiteral("trace.txt")));
    if (trace.open(QIODevice::ReadOnly))
        m_trace = QString::fromLatin1(trace.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return m_process.exitCode() == 0;
}

QStringList SimProcess::commandsStartingWith(const QString& hexPrefix) const {
    QStringList out;
    for (const QString& line : m_trace) {
        const QString command = line.section(QLatin1Char(' '), 1);
        if (command.startsWith(hexPrefix))
            out << line;
    }
    return out;
}

} // namespace qrt::test
