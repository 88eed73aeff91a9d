#pragma once

#include <QUndoCommand>

#include <cstddef>
#include <memory>

class CExEdit;
class CKORVANEXDoc;
class QUndoStack;

// A drawing's history keeps at most this many steps, and about this much memory: past that the
// oldest steps let go of what they recorded.
inline constexpr int kHistorySteps = 100;
inline constexpr std::size_t kHistoryBytes = std::size_t(256) << 20;

// Makes the oldest steps of a history let go of their edits until the rest fits in the bytes.
void LimitHistoryMemory(QUndoStack& history, std::size_t bytes);

// One step of a drawing's history: a finished model edit, undone and redone on the document,
// whose views are then told which parts changed where.
class CEditCommand final : public QUndoCommand {
public:
    // The edit has already been applied: the first redo, which the history runs on pushing it,
    // does nothing.
    CEditCommand(CKORVANEXDoc& doc, std::unique_ptr<CExEdit> edit);
    ~CEditCommand() override;

    void undo() override;
    void redo() override;

    // What the step keeps in memory; nothing once it has let go of its edit.
    std::size_t MemoryBytes() const;
    // Lets go of the edit: the step can no longer be undone and leaves the history when tried.
    void Forget();

private:
    void Apply(bool undo);

    CKORVANEXDoc& m_doc;
    std::unique_ptr<CExEdit> m_pEdit;
    bool m_bApplied = true;
};
