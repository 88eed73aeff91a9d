#include "ExAttachedRulers.h"

#include "ExKindIndex.h"
#include "ExMeasure.h"
#include "KORVANEXDoc.h"

namespace {

// The angle a ruler end records when it is attached, as CExMeasure::AttachEnd takes it.
int AttachingAngle(const CExParts& part) {
    const ExKind kind = KindOfClassName(part.GetRuntimeClassName());
    return kind == ExKind::OuterWall || kind == ExKind::Room ? part.GetRotation() : part.GetAngle();
}

} // namespace

std::vector<CExMeasure*> RulersAttachedTo(const CKORVANEXDoc& doc, const CExParts& part) {
    std::vector<CExMeasure*> rulers;
    for (const auto& element : doc.Elements()) {
        auto* ruler = dynamic_cast<CExMeasure*>(element.get());
        if (ruler && (ruler->EndAt(0).element == &part || ruler->EndAt(1).element == &part)) {
            rulers.push_back(ruler);
        }
    }
    return rulers;
}

std::vector<CExMeasure*> MoveAttachedRulers(const CKORVANEXDoc& doc, const CExParts& part) {
    const std::vector<CExMeasure*> rulers = RulersAttachedTo(doc, part);
    const ExPoint position = part.GetPosition();
    const int angle = AttachingAngle(part);
    for (CExMeasure* ruler : rulers) {
        for (int end = 0; end < 2; ++end) {
            CExMeasure::End& e = ruler->EndAt(end);
            if (e.element == &part) {
                e.point = position + ruler->GetOffset(end);
                ruler->FollowPart(position.x, position.y, angle, end);
            }
        }
        ruler->SetRedrawFlag(1);
        ruler->UpdateParts();
        ruler->RecalcParts();
    }
    return rulers;
}
