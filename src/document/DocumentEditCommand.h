#pragma once

#include "document/DocumentState.h"

#include <QUndoCommand>

#include <functional>

namespace qrt {

// One user edit as an undo step: the document state before and after it. The edit has
// already been applied when the command is pushed, so the first redo does nothing.
class DocumentEditCommand : public QUndoCommand {
public:
    using Apply = std::function<void(const DocumentState&)>;
    static constexpr int NoMerge = -1;

    // text: what the Edit menu calls the step; mergeId: the control whose consecutive edits
    // merge (NoMerge for none).
    DocumentEditCommand(const QString& text, int mergeId, DocumentState before, DocumentState after, Apply apply);

    void undo() override;
    void redo() override;
    int id() const override { return m_mergeId; }
    // Consecutive edits of the same control become one step; one that ends where the
    // first began leaves nothing to undo.
    bool mergeWith(const QUndoCommand* other) override;

private:
    int m_mergeId;
    DocumentState m_before;
    DocumentState m_after;
    Apply m_apply;
    bool m_applied = true;
};

} // namespace qrt
