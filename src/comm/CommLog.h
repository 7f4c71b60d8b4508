#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

namespace qrt::comm {

// Which way bytes went on the line: sent to the radio, or received from it.
enum class ByteDirection { Transmit, Receive };

// The data log of the communication window: the bytes sent and received in hexadecimal,
// the timeout lines and the step lines of a write. Filled by the thread that runs the
// operation; lineAdded and cleared are called on that thread.
class CommLog {
public:
    static constexpr int MaxLines = 3000;

    // Whether byte lines are logged ("Not Show Course" unticked); off by default. The
    // window may change it from its own thread while an operation runs.
    std::atomic<bool> showBytes{false};

    const QStringList& lines() const { return m_lines; }
    // The index of the next line.
    int lineCount() const { return m_lineCount; }

    void clear();
    // Adds a line at the end and selects it.
    void addLine(const QString& line);
    // The lines of one transmitted or received byte array, when byte lines are shown.
    void logBytes(ByteDirection direction, const QByteArray& bytes);

    // The lines logBytes adds for these bytes: the prefix line with the first four bytes,
    // then 7 blanks and 16 bytes per line, then 4 blanks and any bytes left over.
    static QStringList formatLines(ByteDirection direction, const QByteArray& bytes);

    // Called for every line added and when the log is emptied.
    std::function<void(int index, const QString& line)> lineAdded;
    std::function<void()> cleared;

private:
    QStringList m_lines;
    int m_lineCount = 0;
};

} // namespace qrt::comm
