#include "ExRulerFollow.h"

#include "ExEdit.h"
#include "ExKindIndex.h"
#include "ExMeasure.h"
#include "ExSaturate.h"
#include "KORVANEXDoc.h"

#include <cstdint>

int AttachAngleOf(const CExParts& part) {
    const ExKind kind = KindOfElement(part);
    if (kind == ExKind::OuterWall || kind == ExKind::Room) {
        return SaturateToInt(std::int64_t(part.GetRotation()) + part.GetAngle());
    }
    return part.GetAngle();
}

std::vector<CExMeasure*> RulersAttachedTo(const CKORVANEXDoc& doc,
                                          const std::unordered_set<const CExParts*>& parts) {
    std::vector<CExMeasure*> rulers;
    for (CExParts* referrer : doc.Referrers()) {
        auto* ruler = dynamic_cast<CExMeasure*>(referrer);
        if (ruler && !parts.contains(ruler) &&
            (parts.contains(ruler->EndAt(0).element) || parts.contains(ruler->EndAt(1).element))) {
            rulers.push_back(ruler);
        }
    }
    return rulers;
}

bool AttachedToSelection(const CExMeasure& ruler) {
    for (int end = 0; end < 2; ++end) {
        const CExParts* element = ruler.EndAt(end).element;
        if (element && element->GetSelectFlag() != 0) {
            return true;
        }
    }
    return false;
}

void FollowAttachedParts(CExMeasure& ruler) {
    for (int end = 0; end < 2; ++end) {
        const CExParts* part = ruler.EndAt(end).element;
        if (!part) {
            continue;
        }
        const ExPoint at = part->GetPosition();
        ruler.EndAt(end).point = at + ruler.GetOffset(end);
        ruler.FollowPart(at.x, at.y, AttachAngleOf(*part), end);
    }
    ruler.SetRedrawFlag(1);
    ruler.UpdateParts();
    ruler.RecalcParts();
}

std::vector<CExMeasure*> MoveAttachedRulers(CExEditRecorder& recorder, const CExParts& part) {
    std::vector<CExMeasure*> rulers = RulersAttachedTo(recorder.Document(), {&part});
    for (CExMeasure* ruler : rulers) {
        recorder.Touch(ruler);
        FollowAttachedParts(*ruler);
    }
    return rulers;
}
