#pragma once

#include "comm/CommAddresses.h"
#include "comm/TransferJob.h"
#include "core/TextIndex.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace qrt::comm {
class RadioLink;
}

namespace qrt::gui {
class UserPrompts;
}

namespace qrt::gui::comm {

class SignalLamp;

// The communication window frmCommun: the Read or the Write button, progress, the red status
// line, the blinking lamp and the stop box; below them, revealed by the 6th double-click on
// the top frame and hidden by the 16th, the address ranges and the data log. The operation
// runs on the link's transfer thread, so the window stays live; it refuses to close while
// the operation runs and closes itself when it has ended (except when the port did not open).
class CommunicationWindow : public QDialog {
    Q_OBJECT
public:
    CommunicationWindow(qrt::comm::RadioLink& link, UserPrompts& prompts, qrt::comm::TransferJob::Kind kind,
                        QWidget* parent);
    ~CommunicationWindow() override;

    qrt::comm::TransferJob::Kind kind() const { return m_kind; }
    bool engineeringShown() const;
    // Starts the operation, as the button does; nothing when one runs.
    void startOperation();
    // A read for a comparison: its outcome is handed on (operationFinished), not applied.
    void setKeepsProgramData(bool keep) { m_keepsProgramData = keep; }

    void reject() override;

Q_SIGNALS:
    // The operation has ended and its outcome has been applied.
    void operationFinished(const qrt::comm::TransferOutcome& outcome);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTopFrame();
    QWidget* buildAddressFrame();
    QWidget* buildLogFrame();
    void connectTransfer();
    void finishOperation(const qrt::comm::TransferOutcome& outcome);
    // The read or write range cannot be sent: the status says that the operation failed,
    // a message why.
    void showRangeFailure(QWidget& frame);
    void countFrameDoubleClick();
    void showEngineering(bool shown);
    QString text(TextId id) const;

    qrt::comm::RadioLink& m_link;
    UserPrompts& m_prompts;
    qrt::comm::TransferJob::Kind m_kind;
    qrt::comm::TransferJob m_job;
    bool m_running = false;
    bool m_keepsProgramData = false;

    QGroupBox* m_top = nullptr;
    QPushButton* m_read = nullptr;
    QPushButton* m_write = nullptr;
    QCheckBox* m_stop = nullptr;
    QCheckBox* m_verify = nullptr; // "Verify after write", shown for a write
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_percent = nullptr;
    SignalLamp* m_lamp = nullptr;
    QGroupBox* m_addressFrame = nullptr;
    QCheckBox* m_notShowCourse = nullptr;
    QCheckBox* m_showMemory = nullptr;
    std::array<QLineEdit*, qrt::comm::CommAddresses::BoxCount> m_addressBoxes{};
    QGroupBox* m_logFrame = nullptr;
    QListWidget* m_log = nullptr;
};

} // namespace qrt::gui::comm
