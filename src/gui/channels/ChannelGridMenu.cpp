#include "gui/channels/ChannelGridMenu.h"

#include "channels/ChannelTableModel.h"

namespace qrt::gui {

using channels::ChannelTableModel;

ChannelGridMenu::ChannelGridMenu(ChannelTableModel& model, QWidget* parent)
    : QMenu(parent), m_model(model), m_deleteOne(addAction(QString())), m_deleteAll(addAction(QString())),
      m_separator(addSeparator()) {
    setObjectName(QStringLiteral("mnuPopMenuOne"));
    m_deleteOne->setObjectName(QStringLiteral("mnuDelOne"));
    m_deleteAll->setObjectName(QStringLiteral("mnuDelAll"));
    m_separator->setObjectName(QStringLiteral("sepPopChLock"));
    m_separator->setVisible(false);
    connect(m_deleteOne, &QAction::triggered, this, [this] { m_model.deleteChannel(m_channel); });
    connect(m_deleteAll, &QAction::triggered, this, [this] { m_model.deleteAll(); });
    prepareFor(1);
}

void ChannelGridMenu::setChannelLockAction(QAction* lockAction) {
    if (m_lock)
        removeAction(m_lock);
    m_lock = lockAction;
    m_separator->setVisible(lockAction != nullptr);
    if (lockAction)
        addAction(lockAction);
}

void ChannelGridMenu::addClipboardActions(const QList<QAction*>& actions) {
    insertSeparator(m_separator)->setObjectName(QStringLiteral("sepPopClipboard"));
    insertActions(m_separator, actions);
}

bool ChannelGridMenu::channelLockChecked() const {
    return m_model.isLocked() || (m_lock && m_lock->isChecked());
}

void ChannelGridMenu::prepareFor(int channel) {
    m_channel = channel;
    const bool locked = channelLockChecked();
    m_deleteOne->setText(m_model.deleteChannelCaption(channel));
    m_deleteOne->setEnabled(!locked && m_model.canDeleteChannel(channel));
    m_deleteAll->setText(m_model.deleteAllChannelsCaption());
    m_deleteAll->setEnabled(!locked && m_model.canDeleteAllChannels());
}

} // namespace qrt::gui
