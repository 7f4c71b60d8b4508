#pragma once

#include <QWidget>

class QListWidget;

namespace qrt {
class ErrorLog;
}

namespace qrt::gui::info {

// The error window: the two lines of every error logged in the run, newest last and
// selected. It follows the error log from its construction (make it before the start-up
// runs to see what start-up logs; it can be docked later); errors logged on another
// thread arrive on the window's thread. Closing it only hides it, so the record is kept
// for the run; the next error brings it up again.
class ErrorLogWindow : public QWidget {
    Q_OBJECT
public:
    // The list keeps at most this many lines; the oldest error makes room for a new one.
    static constexpr int DefaultLineLimit = 32766;

    explicit ErrorLogWindow(ErrorLog& log, QWidget* parent = nullptr);
    ~ErrorLogWindow() override;

    QListWidget* list() const { return m_list; }
    QStringList lines() const;
    // At least two (one error).
    void setLineLimit(int lines);

Q_SIGNALS:
    // An error was added; the window has shown itself. A host that holds the window
    // (a dock) brings itself up on this.
    void errorShown();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void dropOldestErrors(int room);
    void appendError(const QString& headerLine, const QString& detailLine);

    ErrorLog& m_log;
    int m_subscription = 0;
    int m_lineLimit = DefaultLineLimit;
    QListWidget* m_list;
};

} // namespace qrt::gui::info
