#pragma once

#include <QObject>
#include <QString>

namespace qrt {

// A model whose user actions may change the document. Around each such action it emits
// userEditStarted() and userEditFinished() (directly, possibly nested), so that the
// owner of the data can record the action as one undo step. Refreshes from the image
// emit neither.
class UserEditNotifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

Q_SIGNALS:
    // mergeKey names the control; consecutive edits with the same non-empty key may merge.
    void userEditStarted(const QString& mergeKey);
    void userEditFinished();
};

// Emits the started/finished pair around a scope.
class UserEditScope {
public:
    UserEditScope(UserEditNotifier* notifier, const QString& mergeKey) : m_notifier(notifier) {
        Q_EMIT m_notifier->userEditStarted(mergeKey);
    }
    ~UserEditScope() { Q_EMIT m_notifier->userEditFinished(); }
    UserEditScope(const UserEditScope&) = delete;
    UserEditScope& operator=(const UserEditScope&) = delete;

private:
    UserEditNotifier* m_notifier;
};

} // namespace qrt
