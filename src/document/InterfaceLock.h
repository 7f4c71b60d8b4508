#pragma once

#include <QObject>
#include <QString>

namespace qrt {

class AppContext;
class Document;

// The interface lock with its persistence. The lock itself is the document's (which then
// refuses every edit); a user's toggle also stores it under ChannelLock, while the state
// read at start-up is applied without writing it back. Every application of the lock is
// announced, also one that leaves the state as it was, so that views show it afresh.
class InterfaceLock : public QObject {
    Q_OBJECT
public:
    InterfaceLock(AppContext& context, Document& document, QObject* parent = nullptr);

    bool isLocked() const;
    // The state the settings file held at start-up.
    void applyStoredState();
    // A user's lock or unlock. A settings file that cannot be written is logged under
    // `commandTag`; the lock applies all the same.
    void setByUser(bool locked, const QString& commandTag);

Q_SIGNALS:
    void lockApplied(bool locked);

private:
    void apply(bool locked);

    AppContext& m_context;
    Document& m_document;
};

} // namespace qrt
