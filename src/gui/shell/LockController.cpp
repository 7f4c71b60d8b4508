#include "gui/shell/LockController.h"

#include "core/AppContext.h"
#include "document/InterfaceLock.h"
#include "gui/shell/FrameTexts.h"
#include "gui/shell/StatusPanels.h"

#include <QAction>

namespace qrt::gui {

LockController::LockController(const AppContext& context, InterfaceLock& lock, StatusPanels& status,
                               QAction& lockFaceEntry, QAction& channelLockEntry, QObject* parent)
    : QObject(parent), m_context(context), m_lock(lock), m_status(status), m_lockFaceEntry(lockFaceEntry),
      m_channelLockEntry(channelLockEntry) {
    m_lockFaceEntry.setCheckable(true);
    m_channelLockEntry.setCheckable(true);
    connect(&m_lockFaceEntry, &QAction::triggered, &m_lock,
            [this](bool checked) { m_lock.setByUser(checked, QStringLiteral("mdifrmMain->mnuLockFace_Click")); });
    connect(&m_channelLockEntry, &QAction::triggered, &m_lock,
            [this](bool checked) { m_lock.setByUser(checked, QStringLiteral("mdifrmMain->mnuChLock_Click")); });
    connect(&m_lock, &InterfaceLock::lockApplied, this, &LockController::showLock);

    m_reminder.setObjectName(QStringLiteral("tmrChLock"));
    m_reminder.setInterval(ReminderIntervalMs);
    connect(&m_reminder, &QTimer::timeout, this, &LockController::remind);
    m_blink.setObjectName(QStringLiteral("tmrChLockBlink"));
    m_blink.setInterval(BlinkIntervalMs);
    connect(&m_blink, &QTimer::timeout, this, &LockController::blink);
    m_reminder.start();
}

bool LockController::isLocked() const {
    return m_lock.isLocked();
}

void LockController::showLock(bool locked) {
    m_lockFaceEntry.setChecked(locked);
    m_channelLockEntry.setChecked(locked);
    if (locked) {
        m_status.setNotice(m_context.text(TextId::InterfaceLocked));
    } else {
        m_status.setNotice(m_context.text(TextId::Ready));
        m_blink.stop();
    }
    Q_EMIT lockChanged(locked);
}

void LockController::remind() {
    if (isLocked() && m_status.notice() == m_context.text(TextId::Ready)) {
        m_status.setNotice(m_context.text(TextId::InterfaceLocked));
        m_blink.start();
    }
}

void LockController::blink() {
    if (!isLocked())
        return;
    m_blinkCount = (m_blinkCount + 1) % 2;
    const QString shown = m_status.notice();
    const QString ready = m_context.text(TextId::Ready);
    const QString locked = m_context.text(TextId::InterfaceLocked);
    // A message of another command in the panel is left alone.
    if (shown == locked || shown.isEmpty() || shown == ready)
        m_status.setNotice(m_blinkCount == 0 ? ready : locked);
}

} // namespace qrt::gui
