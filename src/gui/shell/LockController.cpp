#include "gui/shell/LockController.h"

#include "core/AppContext.h"
#include "core/ErrorLog.h"
#include "document/Document.h"
#include "gui/shell/FrameTexts.h"
#include "gui/shell/StatusPanels.h"

#include <QAction>

namespace qrt::gui {

namespace {
const QString ChannelLockKey = QStringLiteral("ChannelLock");
}

LockController::LockController(AppContext& context, Document& document, StatusPanels& status, QAction& lockFaceEntry,
                               QAction& channelLockEntry, QObject* parent)
    : QObject(parent), m_context(context), m_document(document), m_status(status), m_lockFaceEntry(lockFaceEntry),
      m_channelLockEntry(channelLockEntry) {
    m_lockFaceEntry.setCheckable(true);
    m_channelLockEntry.setCheckable(true);
    connect(&m_lockFaceEntry, &QAction::triggered, this,
            [this](bool checked) { toggle(checked, "mdifrmMain->mnuLockFace_Click"); });
    connect(&m_channelLockEntry, &QAction::triggered, this,
            [this](bool checked) { toggle(checked, "mdifrmMain->mnuChLock_Click"); });

    m_reminder.setObjectName(QStringLiteral("tmrChLock"));
    m_reminder.setInterval(ReminderIntervalMs);
    connect(&m_reminder, &QTimer::timeout, this, &LockController::remind);
    m_blink.setObjectName(QStringLiteral("tmrChLockBlink"));
    m_blink.setInterval(BlinkIntervalMs);
    connect(&m_blink, &QTimer::timeout, this, &LockController::blink);
    m_reminder.start();
}

bool LockController::isLocked() const {
    return m_channelLockEntry.isChecked();
}

void LockController::applyStoredState() {
    const bool locked = m_context.program().channelLocked();
    setChecks(locked);
    applyLock(locked);
}

void LockController::setChecks(bool locked) {
    m_lockFaceEntry.setChecked(locked);
    m_channelLockEntry.setChecked(locked);
}

void LockController::toggle(bool locked, const char* commandTag) {
    setChecks(locked);
    applyLock(locked);
    if (!m_context.settings().write(key::SettingSection, ChannelLockKey, locked ? LockedState : UnlockedState))
        m_context.errorLog().logErr(QString::fromLatin1(commandTag), err::PathFileAccess);
}

void LockController::applyLock(bool locked) {
    if (locked) {
        m_status.setNotice(m_context.text(frametext::InterfaceLocked));
    } else {
        m_status.setNotice(m_context.text(frametext::Ready));
        m_blink.stop();
    }
    m_document.setLocked(locked);
    Q_EMIT lockChanged(locked);
}

void LockController::remind() {
    if (isLocked() && m_status.notice() == m_context.text(frametext::Ready)) {
        m_status.setNotice(m_context.text(frametext::InterfaceLocked));
        m_blink.start();
    }
}

void LockController::blink() {
    if (!isLocked())
        return;
    m_blinkCount = (m_blinkCount + 1) % 2;
    const QString shown = m_status.notice();
    const QString ready = m_context.text(frametext::Ready);
    const QString locked = m_context.text(frametext::InterfaceLocked);
    // A message of another command in the panel is left alone.
    if (shown == locked || shown.isEmpty() || shown == ready)
        m_status.setNotice(m_blinkCount == 0 ? ready : locked);
}

} // namespace qrt::gui
