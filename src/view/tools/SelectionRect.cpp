#include "SelectionRect.h"

#include "ExMeasure.h"
#include "ExParts.h"
#include "ExRulerFollow.h"
#include "KORVANEXDoc.h"

#include <algorithm>

namespace {

bool IsEmpty(const ExRect& rect) {
    return rect.left == rect.right && rect.top == rect.bottom;
}

} // namespace

ExRect UnionRect(const ExRect& a, const ExRect& b) {
    if (IsEmpty(a)) {
        return b;
    }
    if (IsEmpty(b)) {
        return a;
    }
    return {std::min(a.left, b.left), std::max(a.top, b.top), std::max(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

ExRect SelectionViewRect(const CKORVANEXDoc& doc) {
    ExRect area;
    for (const CExParts* part : doc.SelectionList()) {
        area = UnionRect(area, part->GetUpdateRect());
    }
    return area;
}

ExRect SelectionAndRulersRect(const CKORVANEXDoc& doc) {
    ExRect area = SelectionViewRect(doc);
    if (doc.SelectionList().empty()) {
        return area;
    }
    for (const CExParts* referrer : doc.Referrers()) {
        const auto* ruler = dynamic_cast<const CExMeasure*>(referrer);
        if (ruler && AttachedToSelection(*ruler)) {
            area = UnionRect(area, ruler->GetUpdateRect());
        }
    }
    return area;
}
