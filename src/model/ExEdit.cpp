#include "ExEdit.h"

#include "ExArchive.h"
#include "ExKindIndex.h"
#include "ExMeasure.h"
#include "KORVANEXDoc.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace {

bool IsPillar(const CExParts& part) {
    return KindOfElement(part) == ExKind::Pillar;
}

void Recompute(CExParts& part) {
    part.SetRedrawFlag(1);
    part.UpdateParts();
    part.RecalcParts();
}

} // namespace

void UniteRect(ExRect& total, const ExRect& rect) {
    if (rect.IsEmpty()) {
        return;
    }
    const ExRect r{rect.left, std::max(rect.top, rect.bottom), rect.right,
                   std::min(rect.top, rect.bottom)};
    total = total.IsEmpty()
                ? r
                : ExRect{std::min(total.left, r.left), std::max(total.top, r.top),
                         std::max(total.right, r.right), std::min(total.bottom, r.bottom)};
}

CExEdit::~CExEdit() = default;

CExEdit::State CExEdit::Capture(CExParts& part) {
    CExArchive ar;
    part.Serialize(ar);
    State state;
    state.record = ar.TakeStored();
    part.SaveExtras(state.extras);
    return state;
}

void CExEdit::Restore(CExParts& part, const State& state) {
    CExArchive ar(state.record);
    // The class name heads the record; the document reads it before the part reads the rest.
    ar.ReadString();
    part.Serialize(ar);
    part.RestoreExtras(state.extras);
}

void CExEdit::Apply(CKORVANEXDoc& doc, ListOp& op, bool forward) {
    using Kind = ListOp::Kind;
    if (op.kind == Kind::Move) {
        doc.MoveElement(op.positions[forward ? 0 : 1], op.positions[forward ? 1 : 0]);
        return;
    }
    const bool inserting = (op.kind == Kind::Insert) == forward;
    if (inserting) {
        doc.InsertElementsAt(op.positions, std::move(op.kept));
        op.kept.clear();
    } else {
        op.kept = doc.TakeElementsAt(op.positions);
    }
}

std::vector<CExParts*> CExEdit::Parts() const {
    std::vector<CExParts*> parts;
    std::unordered_set<const CExParts*> seen;
    const auto add = [&](CExParts* part) {
        if (seen.insert(part).second) {
            parts.push_back(part);
        }
    };
    for (const Touched& touched : m_touched) {
        add(touched.part);
    }
    for (const ListOp& op : m_ops) {
        for (CExParts* part : op.parts) {
            add(part);
        }
    }
    return parts;
}

ExEditChange CExEdit::Replay(CKORVANEXDoc& doc, bool forward) {
    ExEditChange change;
    change.parts = Parts();
    for (const CExParts* part : change.parts) {
        UniteRect(change.rect, part->GetUpdateRect());
    }
    if (forward) {
        for (ListOp& op : m_ops) {
            Apply(doc, op, true);
        }
    } else {
        for (auto op = m_ops.rbegin(); op != m_ops.rend(); ++op) {
            Apply(doc, *op, false);
        }
    }
    for (const Touched& touched : m_touched) {
        Restore(*touched.part, forward ? touched.after : touched.before);
    }
    const auto& out = forward ? m_outAfter : m_outBefore;
    bool pillars = false;
    for (CExParts* part : change.parts) {
        if (!out.contains(part)) {
            Recompute(*part);
            UniteRect(change.rect, part->GetUpdateRect());
        }
        pillars = pillars || IsPillar(*part);
    }
    // Area measurements subtract the pillars inside them.
    if (pillars) {
        const std::unordered_set<const CExParts*> listed(change.parts.begin(), change.parts.end());
        for (CExParts* referrer : doc.Referrers()) {
            if (KindOfElement(*referrer) == ExKind::Area && !listed.contains(referrer)) {
                UniteRect(change.rect, referrer->GetUpdateRect());
                Recompute(*referrer);
                UniteRect(change.rect, referrer->GetUpdateRect());
                change.parts.push_back(referrer);
            }
        }
    }
    return change;
}

ExEditChange CExEdit::Undo(CKORVANEXDoc& doc) {
    if (m_bUndone) {
        return {};
    }
    m_bUndone = true;
    return Replay(doc, false);
}

ExEditChange CExEdit::Redo(CKORVANEXDoc& doc) {
    if (!m_bUndone) {
        return {};
    }
    m_bUndone = false;
    return Replay(doc, true);
}

std::size_t CExEdit::MemoryBytes() const {
    std::size_t bytes = sizeof(*this) + m_strName.capacity() + m_nKeptBytes;
    const auto stateBytes = [](const State& state) {
        return state.record.capacity() + state.extras.values.capacity() * sizeof(int) +
               state.extras.links.capacity() * sizeof(CExParts*);
    };
    for (const Touched& touched : m_touched) {
        bytes += sizeof(touched) + stateBytes(touched.before) + stateBytes(touched.after);
    }
    for (const ListOp& op : m_ops) {
        bytes += sizeof(op) + op.positions.capacity() * sizeof(std::size_t) +
                 op.parts.capacity() * sizeof(CExParts*) +
                 op.kept.capacity() * sizeof(std::unique_ptr<CExParts>);
    }
    // Two hash sets: a node and a bucket per part, roughly.
    bytes += (m_outBefore.size() + m_outAfter.size()) * 4 * sizeof(void*);
    return bytes;
}

CExEditRecorder::CExEditRecorder(CKORVANEXDoc& doc, std::string name)
    : m_doc(doc), m_edit(new CExEdit(std::move(name))) {}

CExEditRecorder::~CExEditRecorder() = default;

void CExEditRecorder::Touch(CExParts* part) {
    if (!part || !m_edit || m_touchedIndex.contains(part)) {
        return;
    }
    m_touchedIndex.emplace(part, m_edit->m_touched.size());
    m_edit->m_touched.push_back({part, CExEdit::Capture(*part), {}});
}

void CExEditRecorder::Inserted(CExParts* part) {
    if (!part || !m_edit) {
        return;
    }
    const int found = m_doc.FindElement(part);
    if (found < 0) {
        return;
    }
    const auto position = static_cast<std::size_t>(found);
    m_edit->m_ops.push_back({CExEdit::ListOp::Kind::Insert, {position}, {part}, {}});
}

CExParts* CExEditRecorder::Add(std::unique_ptr<CExParts> part) {
    CExParts* added = m_doc.AddElement(std::move(part));
    Inserted(added);
    return added;
}

std::vector<CExParts*>
CExEditRecorder::TouchRulersAttachedTo(const std::unordered_set<const CExParts*>& parts) {
    std::vector<CExParts*> rulers;
    for (CExParts* referrer : m_doc.Referrers()) {
        const auto* ruler = dynamic_cast<const CExMeasure*>(referrer);
        if (!ruler || parts.contains(ruler)) {
            continue;
        }
        for (int end = 0; end < 3; ++end) {
            if (parts.contains(ruler->EndAt(end).element)) {
                Touch(referrer);
                rulers.push_back(referrer);
                break;
            }
        }
    }
    return rulers;
}

void CExEditRecorder::Remove(CExParts* part) {
    Remove(std::vector<CExParts*>{part});
}

void CExEditRecorder::Remove(const std::vector<CExParts*>& parts) {
    if (!m_edit || parts.empty()) {
        return;
    }
    const std::unordered_set<const CExParts*> leaving(parts.begin(), parts.end());
    std::vector<std::pair<std::size_t, CExParts*>> placed;
    for (CExParts* part : parts) {
        const int index = m_doc.FindElement(part);
        if (index >= 0) {
            placed.emplace_back(static_cast<std::size_t>(index), part);
        }
    }
    std::sort(placed.begin(), placed.end());
    placed.erase(std::unique(placed.begin(), placed.end()), placed.end());
    std::vector<std::size_t> positions;
    std::vector<CExParts*> found;
    for (const auto& [index, part] : placed) {
        positions.push_back(index);
        found.push_back(part);
    }
    if (positions.empty()) {
        return;
    }
    const std::vector<CExParts*> rulers = TouchRulersAttachedTo(leaving);
    CExEdit::ListOp op{CExEdit::ListOp::Kind::Remove, std::move(positions), std::move(found), {}};
    op.kept = m_doc.TakeElementsAt(op.positions);
    m_edit->m_ops.push_back(std::move(op));
    for (CExParts* ruler : rulers) {
        Recompute(*ruler);
    }
}

void CExEditRecorder::Move(std::size_t from, std::size_t to) {
    if (!m_edit || from == to) {
        return;
    }
    CExParts* part = m_doc.ElementAt(from);
    m_doc.MoveElement(from, to);
    m_edit->m_ops.push_back({CExEdit::ListOp::Kind::Move, {from, to}, {part}, {}});
}

std::unique_ptr<CExEdit> CExEditRecorder::Finish() {
    if (!m_edit) {
        return nullptr;
    }
    CExEdit& edit = *m_edit;
    // Which parts were out of the drawing before the edit and after it: the first and the last
    // list operation of each part tell.
    std::unordered_set<const CExParts*> listed;
    for (const CExEdit::ListOp& op : edit.m_ops) {
        for (const CExParts* part : op.parts) {
            if (listed.insert(part).second && op.kind == CExEdit::ListOp::Kind::Insert) {
                edit.m_outBefore.insert(part);
            }
        }
    }
    listed.clear();
    for (auto op = edit.m_ops.rbegin(); op != edit.m_ops.rend(); ++op) {
        for (const CExParts* part : op->parts) {
            if (listed.insert(part).second && op->kind == CExEdit::ListOp::Kind::Remove) {
                edit.m_outAfter.insert(part);
            }
        }
    }
    for (CExEdit::Touched& touched : edit.m_touched) {
        touched.after = CExEdit::Capture(*touched.part);
    }
    // A part touched but left as it was needs no keeping.
    std::erase_if(edit.m_touched, [&](const CExEdit::Touched& touched) {
        return touched.before == touched.after && !listed.contains(touched.part);
    });
    // What the parts out of the drawing hold, as their records would store it.
    std::unordered_set<const CExParts*> counted;
    for (const CExEdit::ListOp& op : edit.m_ops) {
        if (op.kind == CExEdit::ListOp::Kind::Move) {
            continue;
        }
        for (CExParts* part : op.parts) {
            if (counted.insert(part).second) {
                edit.m_nKeptBytes += CExEdit::Capture(*part).record.size();
            }
        }
    }
    m_touchedIndex.clear();
    if (edit.m_touched.empty() && edit.m_ops.empty()) {
        m_edit.reset();
        return nullptr;
    }
    return std::move(m_edit);
}
