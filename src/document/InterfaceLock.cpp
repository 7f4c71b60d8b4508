#include "document/InterfaceLock.h"

#include "core/AppContext.h"
#include "core/ErrorLog.h"
#include "core/InterfaceLockSetting.h"
#include "document/Document.h"

namespace qrt {

InterfaceLock::InterfaceLock(AppContext& context, Document& document, QObject* parent)
    : QObject(parent), m_context(context), m_document(document) {}

bool InterfaceLock::isLocked() const {
    return m_document.isLocked();
}

void InterfaceLock::applyStoredState() {
    apply(m_context.program().channelLocked());
}

void InterfaceLock::setByUser(bool locked, const QString& commandTag) {
    apply(locked);
    if (!interfacelock::store(m_context.settings(), locked))
        m_context.errorLog().logErr(commandTag, err::PathFileAccess);
}

void InterfaceLock::apply(bool locked) {
    m_document.setLocked(locked);
    Q_EMIT lockApplied(locked);
}

} // namespace qrt
