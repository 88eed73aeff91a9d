#include "ExSnap.h"

#include "ExHeadlessView.h"
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

// At this resolution the pixel grid is the hundredth of a millimetre itself.
constexpr int kExactDpi = 2540;

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

// The view's points of a part are whole screen pixels; the point snapped to must be the part's
// own, to the hundredth of a millimetre, or a ruler from a corner would measure the pixel. The
// part is worked out once more at full size (1/1, one view unit a drawing unit) and then
// again for the view, which leaves it as it was.
ExPoint ExactTarget(CExParts& part, int targetIndex, const CExViewContext& view) {
    CExHeadlessView exact(1, view.GetMapWidth(), view.GetMapHeight(), kExactDpi);
    exact.SetShowSwitches(view.IsShowGrid(), view.IsShowMeasure(), view.IsShowArea());
    exact.SetDrawingView(view.IsDrawingView());
    exact.SetDocument(view.GetDocument());
    ExPoint found;
    {
        ExActiveViewScope fullSize(&exact);
        part.UpdateParts();
        part.RecalcParts();
        int index = 0;
        VisitTargets(part, [&](ExPoint candidate) {
            if (index++ == targetIndex) {
                found = candidate;
            }
        });
    }
    part.UpdateParts();
    part.RecalcParts();
    return found;
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
    CExParts* target = nullptr;
    int targetIndex = 0;
    for (CExParts* part : doc.PartsIndex().PartsMeeting(around)) {
        if (part->GetSelectFlag() != 0) {
            continue;
        }
        int index = 0;
        VisitTargets(*part, [&](ExPoint candidate) {
            const double distance = Distance(probe, candidate);
            if (distance <= rules.reach && distance < nearest) {
                nearest = distance;
                target = part;
                targetIndex = index;
            }
            ++index;
        });
    }
    if (target) {
        snap = {ExactTarget(*target, targetIndex, view), ExSnapKind::Part};
    }
    return snap;
}
