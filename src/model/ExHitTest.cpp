#include "ExHitTest.h"

#include "ExKindIndex.h"
#include "ExParts.h"
#include "ExViewContext.h"
#include "ExWallThickness.h"
#include "KORVANEXDoc.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWallSlack = 300;
constexpr int kCableTolerance = 100;

double Distance(double ax, double ay, double bx, double by) {
    return std::hypot(bx - ax, by - ay);
}

// Whether (x, y) lies on the segment a-b, as the sum of its distances to the ends, cut to whole
// units, equals the segment's length cut the same way.
bool OnSegment(ExPoint a, ExPoint b, double x, double y) {
    return std::floor(Distance(a.x, a.y, x, y) + Distance(x, y, b.x, b.y)) ==
           std::floor(Distance(a.x, a.y, b.x, b.y));
}

// Where the straight lines through a-b and c-d cross, when that lies on both segments.
std::optional<ExPoint> Crossing(ExPoint a, ExPoint b, ExPoint c, ExPoint d) {
    const double rx = double(b.x) - a.x;
    const double ry = double(b.y) - a.y;
    const double ux = double(d.x) - c.x;
    const double uy = double(d.y) - c.y;
    const double det = rx * uy - ry * ux;
    if (det == 0) {
        return std::nullopt;
    }
    const double t = ((double(c.x) - a.x) * uy - (double(c.y) - a.y) * ux) / det;
    const double x = a.x + t * rx;
    const double y = a.y + t * ry;
    if (!OnSegment(a, b, x, y) || !OnSegment(c, d, x, y)) {
        return std::nullopt;
    }
    return ExPoint{TruncateToInt32(x), TruncateToInt32(y)};
}

bool InBox(const ExRect& box, ExPoint p) {
    return !box.IsEmpty() && p.x >= box.left && p.x <= box.right &&
           p.y >= std::min(box.top, box.bottom) && p.y <= std::max(box.top, box.bottom);
}

bool IsWallLike(ExKind kind) {
    return kind == ExKind::OuterWall || kind == ExKind::Room;
}

bool Passes(ExKind kind, ExHitFilter filter) {
    switch (filter) {
    case ExHitFilter::SkipCablesAndAreas:
        return kind != ExKind::Wiring && kind != ExKind::Area;
    case ExHitFilter::RulerAttach:
        return kind != ExKind::Wiring && kind != ExKind::Area && kind != ExKind::Measure;
    default:
        return true;
    }
}

bool HitsForRulerEnd(const CExParts& part, ExKind kind, ExPoint p) {
    return (IsWallLike(kind) ? part.SecondRegion() : part.HitRegion()).PtInRegion(p);
}

} // namespace

std::optional<ExPoint> HitSegment(ExPoint a, ExPoint b, ExPoint p, int tx, int ty) {
    if (auto hit = Crossing(a, b, p - ExPoint{tx, 0}, p + ExPoint{tx, 0})) {
        return hit;
    }
    return Crossing(a, b, p + ExPoint{0, ty}, p - ExPoint{0, ty});
}

std::optional<ExLineHit> HitViewLines(std::span<const ExViewLine> lines, ExPoint p, int tx,
                                      int ty) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto point = HitSegment(lines[i].viewStart, lines[i].viewEnd, p, tx, ty)) {
            return ExLineHit{i, *point};
        }
    }
    return std::nullopt;
}

bool HitPart(const CExParts& part, ExPoint p, const ExHitContext& context) {
    switch (KindOfElement(part)) {
    case ExKind::OuterWall:
    case ExKind::Room: {
        const auto* wall = dynamic_cast<const CExWallThickness*>(&part);
        const int thickness = wall ? wall->GetThickness() : 0;
        const int tolerance = thickness / std::max(1, context.zoom) / 2 + kWallSlack;
        return HitViewLines(part.DrawLines().View(), p, tolerance, tolerance).has_value();
    }
    case ExKind::Wiring:
        return HitViewLines(part.DrawLines().View(), p, kCableTolerance, kCableTolerance)
            .has_value();
    case ExKind::Area:
        return context.showArea && InBox(part.HitRegion().GetBoundingBox(), p);
    case ExKind::Measure:
        return context.showMeasure && part.HitRegion().PtInRegion(p);
    default:
        return part.FrameRegion().PtInRegion(p);
    }
}

CExParts* HitTopmost(const CKORVANEXDoc& doc, ExPoint p, const ExHitContext& context,
                     ExHitFilter filter) {
    // What a part can be hit at lies within its update rect.
    const std::vector<CExParts*> near = doc.PartsIndex().PartsMeeting({p.x, p.y, p.x, p.y});
    for (auto it = near.rbegin(); it != near.rend(); ++it) {
        CExParts& part = **it;
        const ExKind kind = KindOfElement(part);
        if (!Passes(kind, filter)) {
            continue;
        }
        const bool hit = filter == ExHitFilter::RulerAttach ? HitsForRulerEnd(part, kind, p)
                                                            : HitPart(part, p, context);
        if (hit) {
            return &part;
        }
    }
    return nullptr;
}

bool IsGroupSelectable(const CExParts& part, const ExHitContext& context) {
    const ExKind kind = KindOfElement(part);
    return kind != ExKind::Wiring && kind != ExKind::Area &&
           (kind != ExKind::Measure || context.showMeasure);
}

std::vector<CExParts*> PartsInsideRect(const CKORVANEXDoc& doc, const ExRect& rect,
                                       const ExHitContext& context) {
    const ExRect box{std::min(rect.left, rect.right), std::max(rect.top, rect.bottom),
                     std::max(rect.left, rect.right), std::min(rect.top, rect.bottom)};
    const auto inside = [&](ExPoint p) {
        return p.x >= box.left && p.x <= box.right && p.y >= box.bottom && p.y <= box.top;
    };
    std::vector<CExParts*> parts = doc.PartsIndex().PartsMeeting(box);
    std::erase_if(parts, [&](const CExParts* part) {
        const auto& corners = part->CornerPoints();
        return !IsGroupSelectable(*part, context) ||
               !std::all_of(corners.begin(), corners.end(), inside);
    });
    return parts;
}

std::vector<CExParts*> GroupSelectableParts(const CKORVANEXDoc& doc, const ExHitContext& context) {
    std::vector<CExParts*> parts;
    for (const auto& element : doc.Elements()) {
        if (IsGroupSelectable(*element, context)) {
            parts.push_back(element.get());
        }
    }
    return parts;
}

ExHitContext HitContextOf(const CExViewContext& view) {
    ExHitContext context;
    context.zoom = view.Settings().zoom;
    context.showMeasure = view.IsShowMeasure();
    context.showArea = view.IsShowArea();
    return context;
}
