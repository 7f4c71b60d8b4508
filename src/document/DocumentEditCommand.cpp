#include "document/DocumentEditCommand.h"

namespace qrt {

DocumentEditCommand::DocumentEditCommand(const QString& text, int mergeId, DocumentState before, DocumentState after,
                                         Apply apply)
    : QUndoCommand(text), m_mergeId(mergeId), m_before(std::move(before)), m_after(std::move(after)),
      m_apply(std::move(apply)) {}

void DocumentEditCommand::undo() {
    m_apply(m_before);
    m_applied = false;
}

void DocumentEditCommand::redo() {
    if (!m_applied)
        m_apply(m_after);
    m_applied = true;
}

bool DocumentEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const DocumentEditCommand*>(other);
    m_after = next->m_after;
    setObsolete(m_before == m_after);
    return true;
}

} // namespace qrt
