#include "ExMoveDrag.h"

#include "ExEdit.h"
#include "ExEditCommands.h"
#include "ExHitTest.h"
#include "ExKindIndex.h"
#include "ExMeasure.h"
#include "ExPartsClone.h"
#include "ExRulerFollow.h"
#include "ExViewContext.h"
#include "KORVANEXDoc.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

namespace {

constexpr std::int64_t kUnitsPerMetre = 100000;

void Recompute(CExParts& part) {
    part.SetRedrawFlag(1);
    part.UpdateParts();
    part.RecalcParts();
}

} // namespace

CExMoveDrag::CExMoveDrag(CExEditRecorder& recorder, const CExViewContext& view, ExPoint press)
    : m_recorder(recorder), m_view(view), m_ptPress(press) {
    const CKORVANEXDoc& doc = recorder.Document();
    m_pPrimary = doc.Selection().Primary();
    std::unordered_set<const CExParts*> selected;
    for (CExParts* part : doc.SelectionList()) {
        selected.insert(part);
        if (auto* ruler = dynamic_cast<CExMeasure*>(part)) {
            m_selectedRulers.push_back(ruler);
        } else {
            m_parts.push_back(part);
        }
    }
    m_moving.insert(m_parts.begin(), m_parts.end());
    for (CExMeasure* ruler : RulersAttachedTo(doc, m_moving)) {
        if (!selected.contains(ruler)) {
            m_followers.push_back(ruler);
        }
    }
    for (CExParts* part : m_parts) {
        recorder.Touch(part);
    }
    for (CExMeasure* ruler : m_selectedRulers) {
        recorder.Touch(ruler);
    }
    for (CExMeasure* ruler : m_followers) {
        recorder.Touch(ruler);
    }
}

bool CExMoveDrag::OnSheet(ExPoint p) const {
    return p.x >= 0 && p.y >= 0 && p.x <= std::int64_t(m_view.GetMapWidth()) * kUnitsPerMetre &&
           p.y <= std::int64_t(m_view.GetMapHeight()) * kUnitsPerMetre;
}

// Before a group moves, the free ends of its rulers take hold of what lies under them, so that
// a ruler laid across the group moves along. Each end keeps its place relative to its new part.
void CExMoveDrag::AttachFreeEnds() {
    if (m_parts.size() + m_selectedRulers.size() < 2) {
        return;
    }
    const CKORVANEXDoc& doc = m_recorder.Document();
    for (CExMeasure* ruler : m_selectedRulers) {
        for (int end = 0; end < 2; ++end) {
            CExMeasure::End& e = ruler->EndAt(end);
            if (e.element) {
                continue;
            }
            ExPoint probe = e.point;
            m_view.ToViewPoint(probe);
            if (CExParts* part = HitTopmost(doc, probe, {}, ExHitFilter::RulerAttach)) {
                e.element = part;
                e.attachAngle = AttachAngleOf(*part);
                ruler->SetEndOffset(end);
            }
        }
    }
}

void CExMoveDrag::MoveRuler(CExMeasure& ruler, ExPoint step) {
    const CKORVANEXDoc& doc = m_recorder.Document();
    for (int end = 0; end < 2; ++end) {
        CExMeasure::End& e = ruler.EndAt(end);
        e.point = e.point + step;
        ExPoint probe = e.point;
        m_view.ToViewPoint(probe);
        e.element = HitTopmost(doc, probe, {}, ExHitFilter::RulerAttach);
        if (e.element) {
            e.attachAngle = AttachAngleOf(*e.element);
        }
        ruler.SetEndOffset(end);
    }
    Recompute(ruler);
}

std::vector<CExParts*> CExMoveDrag::Step(ExPoint pointer) {
    if (!OnSheet(pointer)) {
        return {};
    }
    if (!m_bStarted) {
        m_bStarted = true;
        AttachFreeEnds();
    }
    const ExPoint step = (pointer - m_ptPress) - m_ptApplied;
    m_ptApplied = pointer - m_ptPress;
    // A step that would take any part off the sheet is dropped; the pointer has gone on, so the
    // parts now lag behind it by that much.
    if (!std::all_of(m_parts.begin(), m_parts.end(),
                     [&](const CExParts* part) { return OnSheet(part->GetPosition() + step); })) {
        return {};
    }
    std::vector<CExParts*> changed;
    for (CExParts* part : m_parts) {
        OffsetPart(*part, step);
        Recompute(*part);
        changed.push_back(part);
    }
    for (CExMeasure* ruler : m_selectedRulers) {
        if (m_moving.contains(ruler->EndAt(0).element) &&
            m_moving.contains(ruler->EndAt(1).element)) {
            FollowAttachedParts(*ruler);
        } else {
            MoveRuler(*ruler, step);
        }
        changed.push_back(ruler);
    }
    for (CExMeasure* ruler : m_followers) {
        FollowAttachedParts(*ruler);
        changed.push_back(ruler);
    }
    return changed;
}

std::vector<CExParts*> CExMoveDrag::Finish() {
    if (!m_pPrimary || KindOfElement(*m_pPrimary) != ExKind::Pillar) {
        return {};
    }
    return RecomputeAreas(m_recorder.Document());
}
