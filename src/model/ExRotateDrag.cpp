#include "ExRotateDrag.h"

#include "ExAngle.h"
#include "ExEdit.h"
#include "ExEditCommands.h"
#include "ExKindIndex.h"
#include "ExMeasure.h"
#include "ExRulerFollow.h"
#include "ExViewContext.h"
#include "KORVANEXDoc.h"

#include <cmath>
#include <unordered_set>

namespace {

bool IsWallLike(const CExParts& part) {
    const ExKind kind = KindOfElement(part);
    return kind == ExKind::OuterWall || kind == ExKind::Room;
}

void Recompute(CExParts& part) {
    part.SetRedrawFlag(1);
    part.UpdateParts();
    part.RecalcParts();
}

} // namespace

int CExRotateDrag::NormalAngle(long long angle) {
    const long long turned = ((angle - kLowestAngle) % 360 + 360) % 360;
    return static_cast<int>(turned + kLowestAngle);
}

int CExRotateDrag::PointerAngle(ExPoint centre, ExPoint pointer) {
    const double radians = std::atan2(double(pointer.y) - centre.y, double(pointer.x) - centre.x);
    const int degrees = static_cast<int>(std::trunc(radians * 180 / kPi));
    return (degrees + 360) % 360 - 90;
}

CExRotateDrag::CExRotateDrag(CExEditRecorder& recorder, const CExViewContext& view)
    : m_recorder(recorder), m_view(view) {
    const CKORVANEXDoc& doc = recorder.Document();
    m_pPrimary = doc.Selection().Primary();
    std::unordered_set<const CExParts*> selected;
    for (CExParts* part : doc.SelectionList()) {
        selected.insert(part);
        if (!dynamic_cast<CExMeasure*>(part)) {
            m_parts.push_back(part);
            recorder.Touch(part);
        }
    }
    // Rulers are never turned themselves: their ends follow the parts they are attached to,
    // whether the rulers are selected or not.
    const std::unordered_set<const CExParts*> turning(m_parts.begin(), m_parts.end());
    m_rulers = RulersAttachedTo(doc, turning);
    for (CExMeasure* ruler : m_rulers) {
        recorder.Touch(ruler);
    }
}

std::vector<CExParts*> CExRotateDrag::Step(ExPoint pointer) {
    if (!m_pPrimary || m_parts.empty()) {
        return {};
    }
    ExPoint centre = m_pPrimary->GetPosition();
    m_view.ToViewPoint(centre);
    const int angle = PointerAngle(centre, pointer);
    const bool wallPrimary = IsWallLike(*m_pPrimary);
    const long long turn = static_cast<long long>(angle) - m_pPrimary->GetAngle();
    for (CExParts* part : m_parts) {
        const bool absolute =
            m_parts.size() == 1 || part == m_pPrimary || (wallPrimary && IsWallLike(*part));
        part->SetAngle(absolute ? angle : NormalAngle(part->GetAngle() + turn));
        Recompute(*part);
    }
    std::vector<CExParts*> changed = m_parts;
    for (CExMeasure* ruler : m_rulers) {
        FollowAttachedParts(*ruler);
        changed.push_back(ruler);
    }
    return changed;
}

std::vector<CExParts*> CExRotateDrag::Finish() {
    std::vector<CExParts*> changed;
    for (CExParts* part : m_parts) {
        if (FoldRotation(*part)) {
            changed.push_back(part);
        }
    }
    if (m_pPrimary && KindOfElement(*m_pPrimary) == ExKind::Pillar) {
        const std::vector<CExParts*> areas = RecomputeAreas(m_recorder.Document());
        changed.insert(changed.end(), areas.begin(), areas.end());
    }
    return changed;
}

bool FoldRotation(CExParts& part) {
    if (!IsWallLike(part) || part.GetAngle() == 0) {
        return false;
    }
    const long long rotation = static_cast<long long>(part.GetRotation()) + part.GetAngle();
    part.SetRotation(static_cast<int>((rotation % 360 + 360) % 360));
    part.SetAngle(0);
    Recompute(part);
    return true;
}
