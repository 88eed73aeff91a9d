#include "EditCommand.h"

#include "ExEdit.h"
#include "ExParts.h"
#include "ExViewContext.h"
#include "KORVANEXDoc.h"

#include <QString>
#include <QUndoStack>

#include <cstdint>

namespace {

// A view-unit rectangle of the active view in drawing units.
ExRect ToDrawingArea(const ExRect& view) {
    const CExViewContext* active = GetActiveView();
    const std::int64_t scale = active ? active->GetViewScale() : 1;
    return {WrapToInt32(view.left * scale), WrapToInt32(view.top * scale),
            WrapToInt32(view.right * scale), WrapToInt32(view.bottom * scale)};
}

} // namespace

CEditCommand::CEditCommand(CKORVANEXDoc& doc, std::unique_ptr<CExEdit> edit)
    : QUndoCommand(QString::fromUtf8(edit->Name())), m_doc(doc), m_pEdit(std::move(edit)) {}

CEditCommand::~CEditCommand() = default;

void CEditCommand::undo() {
    if (m_pEdit) {
        Apply(true);
    }
}

void CEditCommand::redo() {
    if (m_bApplied || !m_pEdit) {
        return;
    }
    Apply(false);
}

std::size_t CEditCommand::MemoryBytes() const {
    return m_pEdit ? m_pEdit->MemoryBytes() : 0;
}

void CEditCommand::Forget() {
    m_pEdit.reset();
    setObsolete(true);
}

void LimitHistoryMemory(QUndoStack& history, std::size_t bytes) {
    std::size_t total = 0;
    for (int i = history.count() - 1; i >= 0; --i) {
        // Only edit steps are pushed on a drawing's history.
        auto* step =
            const_cast<CEditCommand*>(static_cast<const CEditCommand*>(history.command(i)));
        total += step->MemoryBytes();
        if (total <= bytes || step->MemoryBytes() == 0) {
            continue;
        }
        step->Forget();
        if (history.cleanIndex() >= 0 && history.cleanIndex() <= i) {
            history.resetClean();
        }
    }
}

void CEditCommand::Apply(bool undo) {
    const ExEditChange change = undo ? m_pEdit->Undo(m_doc) : m_pEdit->Redo(m_doc);
    m_bApplied = !undo;
    m_doc.UpdateAllViews(nullptr,
                         ExDocUpdate::PartsChanged({change.parts.begin(), change.parts.end()},
                                                   ToDrawingArea(change.rect)));
}
