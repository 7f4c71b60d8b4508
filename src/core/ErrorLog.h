#pragma once

#include <QDateTime>
#include <QString>

#include <functional>
#include <mutex>
#include <vector>

namespace qrt {

// Error numbers of the description table that this program's own failures map onto.
namespace err {
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int IndexOutOfRange = 9;
constexpr int TypeMismatch = 13;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int IoDeviceError = 57;
constexpr int DiskFull = 61;
constexpr int InputPastEnd = 62;
constexpr int DeviceUnavailable = 68;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int InvalidFileFormat = 321;
constexpr int InvalidPropertyValue = 380;
} // namespace err

// Description of a run-time error number, empty when the number is not in the table.
QString errorDescription(int number);
int errorDescriptionCount();

// The trap-and-log record every failing procedure leaves: two lines per error,
// handed to the subscribed sinks (the error window, the command-line tool's stderr).
//
// Every member may be called from any thread: a read or write running on its own thread
// logs into the same log as the window. A sink is called on the thread that logged, one
// error at a time (the line pairs of two threads never interleave); a sink that feeds a
// window must hand the lines over to the window's thread (a queued call). A sink may log
// or unsubscribe itself, but must not wait for another thread that logs.
class ErrorLog {
public:
    using Sink = std::function<void(const QString& headerLine, const QString& detailLine)>;
    using Clock = std::function<QDateTime()>;

    static constexpr const char* DefaultSource = "qrt506";

    void logErr(const QString& tag, int number, const QString& source = QString::fromLatin1(DefaultSource));

    int subscribe(Sink sink);
    void unsubscribe(int id);

    void setClock(Clock clock);

    int count() const;
    QString lastTag() const;
    int lastNumber() const;

    static QString headerLine(const QDateTime& when);
    static QString detailLine(const QString& tag, int number, const QString& source);

private:
    // Held while an error is handed to the sinks; recursive so that a sink may log.
    mutable std::recursive_mutex m_mutex;
    std::vector<std::pair<int, Sink>> m_sinks;
    int m_nextId = 1;
    Clock m_clock;
    int m_count = 0;
    QString m_lastTag;
    int m_lastNumber = 0;
};

} // namespace qrt
