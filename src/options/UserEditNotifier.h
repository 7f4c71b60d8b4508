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
    // undoText tells the user in words what the edit changed ("Beep"), as the Edit menu
    // shows it after "Undo".
    void userEditStarted(const QString& mergeKey, const QString& undoText);
    void userEditFinished();
};

// Emits the started/finished pair around a scope.
class UserEditScope {
public:
    UserEditScope(UserEditNotifier* notifier, const QString& mergeKey, const QString& undoText) : m_notifier(notifier) {
        Q_EMIT m_notifier->userEditStarted(mergeKey, undoText);
    }
    ~UserEditScope() { Q_EMIT m_notifier->userEditFinished(); }
    UserEditScope(const UserEditScope&) = delete;
    UserEditScope& operator=(const UserEditScope&) = delete;

private:
    UserEditNotifier* m_notifier;
};

} // namespace qrt
