#include "ExSnap.h"

#include "ExKindIndex.h"
#include "ExParts.h"
#include "ExViewContext.h"
#include "KORVANEXDoc.h"

#include <cmath>
#include <cstdint>

namespace {

double Distance(ExPoint a, ExPoint b) {
    return std::hypot(double(a.x) - b.x, double(a.y) - b.y);
}

ExPoint Middle(ExPoint a, ExPoint b) {
    return {WrapToInt32((std::int64_t(a.x) + b.x) / 2), WrapToInt32((std::int64_t(a.y) + b.y) / 2)};
}

std::int32_t NearestMultiple(std::int32_t value, std::int32_t step) {
    return TruncateToInt32(std::round(double(value) / step) * step);
}

// Calls visit with every point of a part that pulls: the ends and middles of a cable's runs,
// and for the other kinds the corners of the frame and the middles of its edges. Measurements
// (rulers and areas) are not things one lines anything up with.
template <typename Visit> void VisitTargets(const CExParts& part, Visit visit) {
    switch (KindOfElement(part)) {
    case ExKind::Area:
    case ExKind::Measure:
        return;
    case ExKind::Wiring:
        for (const CExPartsDrawLine& line : part.DrawLines()) {
            visit(line.viewStart);
            visit(line.viewEnd);
            visit(Middle(line.viewStart, line.viewEnd));
        }
        return;
    default: {
        const auto& corners = part.CornerPoints();
        for (std::size_t i = 0; i < corners.size(); ++i) {
            visit(corners[i]);
            visit(Middle(corners[i], corners[(i + 1) % corners.size()]));
        }
        return;
    }
    }
}

} // namespace

ExSnap SnapPoint(const CKORVANEXDoc& doc, const CExViewContext& view, ExPoint point,
                 const ExSnapRules& rules) {
    const int scale = std::max(1, view.GetViewScale());
    ExSnap snap{point, ExSnapKind::None};
    double nearest = HUGE_VAL; // view units
    if (rules.lattice.x > 0 && rules.lattice.y > 0) {
        snap = {
            {NearestMultiple(point.x, rules.lattice.x), NearestMultiple(point.y, rules.lattice.y)},
            ExSnapKind::Grid};
        nearest = Distance(point, snap.point) / scale;
    }
    if (rules.reach <= 0) {
        return snap;
    }
    ExPoint probe = point;
    view.ToViewPoint(probe);
    const ExRect around{probe.x - rules.reach, probe.y + rules.reach, probe.x + rules.reach,
                        probe.y - rules.reach};
    ExPoint target;
    bool found = false;
    for (const CExParts* part : doc.PartsIndex().PartsMeeting(around)) {
        if (part->GetSelectFlag() != 0) {
            continue;
        }
        VisitTargets(*part, [&](ExPoint candidate) {
            const double distance = Distance(probe, candidate);
            if (distance <= rules.reach && distance < nearest) {
                nearest = distance;
                target = candidate;
                found = true;
            }
        });
    }
    if (found) {
        snap = {{view.ToDrawingLength(target.x), view.ToDrawingLength(target.y)}, ExSnapKind::Part};
    }
    return snap;
}
