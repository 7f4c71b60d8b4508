#pragma once

#include <QMenu>
#include <QPointer>

namespace qrt::channels {
class ChannelTableModel;
}

namespace qrt::gui {

// The grid's pop-up menu `mnuPopMenuOne`: delete the channel under the mouse, delete all
// channels, and the channel lock entry the frame owns. While the lock is checked the
// channel entries are disabled.
class ChannelGridMenu : public QMenu {
    Q_OBJECT
public:
    ChannelGridMenu(channels::ChannelTableModel& model, QWidget* parent = nullptr);

    // The frame's `mnuPopChLock`, shown after the separator.
    void setChannelLockAction(QAction* lockAction);
    // Cut, Copy and Paste, shown after the channel entries.
    void addClipboardActions(const QList<QAction*>& actions);
    // Captions and enabled states for this channel.
    void prepareFor(int channel);
    int channel() const { return m_channel; }
    QAction* deleteOneAction() const { return m_deleteOne; }
    QAction* deleteAllAction() const { return m_deleteAll; }

private:
    bool channelLockChecked() const;

    channels::ChannelTableModel& m_model;
    QAction* m_deleteOne;
    QAction* m_deleteAll;
    QAction* m_separator;
    QPointer<QAction> m_lock;
    int m_channel = 0;
};

} // namespace qrt::gui
