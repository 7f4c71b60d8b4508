#pragma once

#include <QObject>
#include <QTimer>

class QAction;

namespace qrt {
class AppContext;
class Document;
} // namespace qrt

namespace qrt::gui {

class StatusPanels;

// The one lock of the channel and settings editor behind the two check entries
// mnuLockFace and mnuChLock: both carry the lock state, a toggle of either applies it to the
// document (which then refuses every edit) and stores it under ChannelLock. While locked the status notice says so, and
// once "Ready" is back there a reminder (every 30 s) starts a slow blink (every 5 s).
class LockController : public QObject {
    Q_OBJECT
public:
    static constexpr int ReminderIntervalMs = 30000;
    static constexpr int BlinkIntervalMs = 5000;
    static inline const QString LockedState = QStringLiteral("ShowLock");
    static inline const QString UnlockedState = QStringLiteral("ShowNo");

    LockController(AppContext& context, Document& document, StatusPanels& status, QAction& lockFaceEntry,
                   QAction& channelLockEntry, QObject* parent = nullptr);

    // The state read from the settings at start-up, applied without writing it back.
    void applyStoredState();
    bool isLocked() const;

    // The timers, so that tests can fire them.
    QTimer& reminderTimer() { return m_reminder; }
    QTimer& blinkTimer() { return m_blink; }

Q_SIGNALS:
    // The editor is locked (true) or unlocked; the settings pages follow it.
    void lockChanged(bool locked);

private:
    void toggle(bool locked, const char* commandTag);
    void setChecks(bool locked);
    void applyLock(bool locked);
    void remind();
    void blink();

    AppContext& m_context;
    Document& m_document;
    StatusPanels& m_status;
    QAction& m_lockFaceEntry;
    QAction& m_channelLockEntry;
    QTimer m_reminder;
    QTimer m_blink;
    int m_blinkCount = 0;
};

} // namespace qrt::gui
