#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace qrt::test {

// The radio emulator in a child process: started with its options, its pseudo-terminal
// path at hand, stopped (and its memory saved) on demand.
class SimProcess {
public:
    // Path of the built emulator beside the program.
    static QString program();
    // How long starting or ending the emulator may take on a busy machine.
    static constexpr int PatienceMs = 60000;

    ~SimProcess();
    // Starts the emulator; memory is a dump loaded into it (empty: an erased radio).
    bool start(const QStringList& options, const QByteArray& memory = {});
    QString device() const { return m_device; }
    // Ends the emulator and gives its memory and trace.
    bool stop();
    QByteArray memory() const { return m_memory; }
    QStringList trace() const { return m_trace; }
    // The trace lines whose command starts with these hex bytes ("75 03 60 10").
    QStringList commandsStartingWith(const QString& hexPrefix) const;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_device;
    QByteArray m_memory;
    QStringList m_trace;
};

} // namespace qrt::test
