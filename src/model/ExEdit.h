#pragma once

// Undo in the model. An edit keeps, for each part it touched, the part's own record (which reads
// back byte for byte) and its extras before and after, and the list operations it made:
// inserting, removing and moving parts. A part out of the drawing is owned by the edit, so
// undoing a removal brings back the very same object and every pointer to it stays good. What an
// edit costs follows what it touched, never the size of the drawing.
//
//     CExEditRecorder rec(doc, "移動");
//     rec.Touch(part);           // before changing the part
//     ...change it...
//     std::unique_ptr<CExEdit> edit = rec.Finish();   // null when nothing changed
//     edit->Undo(doc);  edit->Redo(doc);

#include "ExParts.h"
#include "ExTypes.h"

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class CKORVANEXDoc;

// What undoing or redoing changed, for redrawing: the parts whose geometry or place changed
// (those that left the drawing too, kept alive by the edit), and the view rectangle (view units,
// top the larger y) covering them before and after. Parts are recomputed at the active view.
struct ExEditChange {
    std::vector<CExParts*> parts;
    ExRect rect;
};

// Grows total to hold rect (both with top the larger y); an empty rect adds nothing.
void UniteRect(ExRect& total, const ExRect& rect);

class CExEdit {
public:
    ~CExEdit();
    CExEdit(const CExEdit&) = delete;
    CExEdit& operator=(const CExEdit&) = delete;

    // The name the recorder was given, for the undo menu.
    const std::string& Name() const { return m_strName; }
    // Takes the drawing back to how it was before the edit, or forward again. Undo and redo
    // alternate, starting with undo; calls out of turn do nothing.
    ExEditChange Undo(CKORVANEXDoc& doc);
    ExEditChange Redo(CKORVANEXDoc& doc);
    bool IsUndone() const { return m_bUndone; }
    // Roughly what the edit holds in memory, the parts it keeps alive included, so that the
    // history can be bounded.
    std::size_t MemoryBytes() const;
    // Every part the edit touched, inserted or removed.
    std::vector<CExParts*> Parts() const;

private:
    friend class CExEditRecorder;

    struct State {
        std::string record;
        ExPartExtras extras;

        bool operator==(const State& other) const {
            return record == other.record && extras.values == other.extras.values &&
                   extras.links == other.extras.links;
        }
    };
    struct Touched {
        CExParts* part;
        State before;
        State after;
    };
    // One list operation; positions ascending, each into the list as it stands before the
    // operation when taking and after it when inserting.
    struct ListOp {
        enum class Kind { Insert, Remove, Move } kind;
        std::vector<std::size_t> positions; // Move: from, to
        std::vector<CExParts*> parts;
        std::vector<std::unique_ptr<CExParts>> kept; // while out of the drawing
    };

    explicit CExEdit(std::string name) : m_strName(std::move(name)) {}

    static State Capture(CExParts& part);
    static void Restore(CExParts& part, const State& state);
    static void Apply(CKORVANEXDoc& doc, ListOp& op, bool forward);
    ExEditChange Replay(CKORVANEXDoc& doc, bool forward);

    std::string m_strName;
    std::vector<Touched> m_touched;
    std::vector<ListOp> m_ops;
    std::unordered_set<const CExParts*> m_outBefore; // not in the drawing before the edit
    std::unordered_set<const CExParts*> m_outAfter;  // not in it after the edit
    std::size_t m_nKeptBytes = 0;
    bool m_bUndone = false;
};

// Records one edit while it is made. Parts are touched before they change; list changes go
// through the recorder or are reported to it. Destroyed without Finish, it leaves the changes in
// place unrecorded (parts it removed are destroyed with it).
class CExEditRecorder {
public:
    CExEditRecorder(CKORVANEXDoc& doc, std::string name);
    ~CExEditRecorder();
    CExEditRecorder(const CExEditRecorder&) = delete;
    CExEditRecorder& operator=(const CExEditRecorder&) = delete;

    CKORVANEXDoc& Document() const { return m_doc; }

    // Keeps the part's state the first time it is touched; later touches cost nothing.
    void Touch(CExParts* part);
    // The part was just added to the drawing.
    void Inserted(CExParts* part);
    // Adds a part at the end of the drawing (on top) and records it.
    CExParts* Add(std::unique_ptr<CExParts> part);
    // Takes parts out of the drawing; the edit keeps them. Rulers attached to them are touched
    // first, since leaving detaches them, and recomputed after. Parts not in the drawing are
    // passed over.
    void Remove(CExParts* part);
    void Remove(const std::vector<CExParts*>& parts);
    // Moves a part within the drawing order (it stays selected and attached to).
    void Move(std::size_t from, std::size_t to);

    // The finished edit, or null when nothing changed.
    std::unique_ptr<CExEdit> Finish();

private:
    // Touches the rulers attached to the parts (not among them) and returns them.
    std::vector<CExParts*> TouchRulersAttachedTo(const std::unordered_set<const CExParts*>& parts);

    CKORVANEXDoc& m_doc;
    std::unique_ptr<CExEdit> m_edit;
    std::unordered_map<const CExParts*, std::size_t> m_touchedIndex;
};
