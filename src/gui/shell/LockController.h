#pragma once

#include <QObject>
#include <QTimer>

class QAction;

namespace qrt {
class AppContext;
class InterfaceLock;
} // namespace qrt

namespace qrt::gui {

class StatusPanels;

// The two check entries mnuLockFace and mnuChLock of the one interface lock: both show its
// state and a toggle of either sets it. While locked the status notice says so, and once
// "Ready" is back there a reminder (every 30 s) starts a slow blink (every 5 s).
class LockController : public QObject {
    Q_OBJECT
public:
    static constexpr int ReminderIntervalMs = 30000;
    static constexpr int BlinkIntervalMs = 5000;

    LockController(const AppContext& context, InterfaceLock& lock, StatusPanels& status, QAction& lockFaceEntry,
                   QAction& channelLockEntry, QObject* parent = nullptr);

    bool isLocked() const;

    // The timers, so that tests can fire them.
    QTimer& reminderTimer() { return m_reminder; }
    QTimer& blinkTimer() { return m_blink; }

Q_SIGNALS:
    // The editor is locked (true) or unlocked; the settings pages follow it.
    void lockChanged(bool locked);

private:
    void showLock(bool locked);
    void remind();
    void blink();

    const AppContext& m_context;
    InterfaceLock& m_lock;
    StatusPanels& m_status;
    QAction& m_lockFaceEntry;
    QAction& m_channelLockEntry;
    QTimer m_reminder;
    QTimer m_blink;
    int m_blinkCount = 0;
};

} // namespace qrt::gui
