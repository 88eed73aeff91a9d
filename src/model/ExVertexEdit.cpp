#include "ExVertexEdit.h"

#include "ExAngle.h"
#include "ExArea.h"
#include "ExDC.h"
#include "ExHitTest.h"
#include "ExKindIndex.h"
#include "ExMeasure.h"
#include "ExRulerFollow.h"
#include "ExSaturate.h"
#include "ExViewContext.h"
#include "ExWiringParts.h"
#include "KORVANEXDoc.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Half the length of the probes that find the edge a click inserts a corner on: 1 mm on screen.
constexpr int kInsertTolerance = 100;
constexpr int kHandleRadius = 105;
constexpr ExColor kHandleColor = 0xFF0000;
constexpr std::int64_t kUnitsPerMetre = 100000;

bool IsWallLike(const CExParts& part) {
    const ExKind kind = KindOfElement(part);
    return kind == ExKind::OuterWall || kind == ExKind::Room;
}

bool Contains(const ExRect& rect, ExPoint p) {
    return !rect.IsEmpty() && std::min(rect.left, rect.right) <= p.x &&
           p.x <= std::max(rect.left, rect.right) && std::min(rect.top, rect.bottom) <= p.y &&
           p.y <= std::max(rect.top, rect.bottom);
}

// The handles a part has: one per line of a closed outline, one more for a cable's last point.
std::size_t HandleCount(const CExParts& part, ExVertexShape shape) {
    const std::size_t lines = part.DrawLines().size();
    if (shape == ExVertexShape::Closed) {
        return lines;
    }
    return shape == ExVertexShape::Open && lines > 0 ? lines + 1 : 0;
}

// A drawing point in the coordinates a part keeps its lines in: walls and rooms relative to
// their position and turned back by their rotation, areas and cables as they are. A whole turn
// is no turn, and the result is rounded: cutting loses a unit wherever sine or cosine fall just
// short of a whole number.
ExPoint ToStored(const CExParts& part, ExPoint drawing) {
    if (!IsWallLike(part)) {
        return drawing;
    }
    const ExPoint d = drawing - part.GetPosition();
    const int back =
        static_cast<int>(((360 - std::int64_t(AttachAngleOf(part))) % 360 + 360) % 360);
    if (back == 0) {
        return d;
    }
    const double radians = back * kPi / 180;
    const double s = std::sin(radians);
    const double c = std::cos(radians);
    return {TruncateToInt32(std::round(d.x * c - d.y * s)),
            TruncateToInt32(std::round(d.y * c + d.x * s))};
}

ExPoint Between(ExPoint a, ExPoint b, double t) {
    return {TruncateToInt32(std::round(a.x + (double(b.x) - a.x) * t)),
            TruncateToInt32(std::round(a.y + (double(b.y) - a.y) * t))};
}

// The part's derived geometry after its lines changed: areas and cables take their vertices
// from the lines, then everything is recomputed.
void Rebuild(CExParts& part) {
    if (auto* area = dynamic_cast<CExArea*>(&part)) {
        area->BuildPointsFromLines();
    } else if (auto* cable = dynamic_cast<CExWiringParts*>(&part)) {
        cable->PointsFromLines();
    }
    part.SetRedrawFlag(1);
    part.UpdateParts();
    part.RecalcParts();
}

// A wall or room whose outline changed keeps its origin in the middle of its frame, as the
// floor, the property dialog and turning expect. Rulers attached to it stay where they are.
void Rebase(CExParts& part, const std::vector<CExMeasure*>& rulers) {
    const ExRect box = part.HitRegion().GetBoundingBox();
    if (box.IsEmpty()) {
        return;
    }
    part.SetNewOrigin({WrapToInt32((std::int64_t(box.left) + box.right) / 2),
                       WrapToInt32((std::int64_t(box.top) + box.bottom) / 2)});
    part.MoveOrigin();
    Rebuild(part);
    for (CExMeasure* ruler : rulers) {
        for (int end = 0; end < 2; ++end) {
            if (ruler->EndAt(end).element == &part) {
                ruler->EndAt(end).attachAngle = AttachAngleOf(part);
                ruler->SetEndOffset(end);
            }
        }
    }
}

std::vector<CExMeasure*> TouchAttachedRulers(CExEditRecorder& recorder, const CExParts& part) {
    if (!IsWallLike(part)) {
        return {};
    }
    std::vector<CExMeasure*> rulers = RulersAttachedTo(recorder.Document(), {&part});
    for (CExMeasure* ruler : rulers) {
        recorder.Touch(ruler);
    }
    return rulers;
}

// Moves vertex k and the end that adjoins it.
void SetVertex(std::span<ExStoredLine> lines, ExVertexShape shape, std::size_t k, ExPoint p) {
    const std::size_t n = lines.size();
    if (k < n) {
        lines[k].scaledStart = p;
    }
    if (k > 0) {
        lines[k - 1].scaledEnd = p;
    } else if (shape == ExVertexShape::Closed) {
        lines[n - 1].scaledEnd = p;
    }
}

void TakeEnd(CExPartsDrawLine& line, const CExPartsDrawLine& from) {
    line.shapeEnd = from.shapeEnd;
    line.viewEnd = from.viewEnd;
    line.scaledEnd = from.scaledEnd;
}

void Recompute(CExParts& part) {
    part.SetRedrawFlag(1);
    part.UpdateParts();
    part.RecalcParts();
}

} // namespace

ExVertexShape VertexShapeOf(const CExParts& part) {
    switch (KindOfElement(part)) {
    case ExKind::OuterWall:
    case ExKind::Room:
    case ExKind::Area:
        return ExVertexShape::Closed;
    case ExKind::Wiring:
        return ExVertexShape::Open;
    case ExKind::Measure:
        return ExVertexShape::RulerEnds;
    default:
        return ExVertexShape::None;
    }
}

bool IsOnSheet(const CExViewContext& view, ExPoint drawing) {
    return drawing.x >= 0 && drawing.y >= 0 &&
           drawing.x <= std::int64_t(view.GetMapWidth()) * kUnitsPerMetre &&
           drawing.y <= std::int64_t(view.GetMapHeight()) * kUnitsPerMetre;
}

int VertexAt(const CExParts& part, ExPoint view) {
    const std::size_t count = HandleCount(part, VertexShapeOf(part));
    const std::vector<ExRect>& rects = part.VertexRects();
    if (count == 0 || rects.size() < count ||
        part.GetVertexCount() != static_cast<int>(part.DrawLines().size())) {
        return -1;
    }
    for (std::size_t k = 0; k < count; ++k) {
        if (Contains(rects[k], view)) {
            return static_cast<int>(k);
        }
    }
    return -1;
}

int RulerEndAt(const CExMeasure& ruler, ExPoint view) {
    for (int end = 0; end < 2; ++end) {
        if (Contains(ruler.EndMark(end), view)) {
            return end;
        }
    }
    return -1;
}

void DrawVertexHandles(CExParts& part, CExDC& dc) {
    if (auto* ruler = dynamic_cast<CExMeasure*>(&part)) {
        ruler->DrawEndMarks(&dc);
        return;
    }
    if (VertexShapeOf(part) == ExVertexShape::None) {
        return;
    }
    ExBrushScope brush(dc, ExBrush::Solid(kHandleColor));
    const ExPoint r{kHandleRadius, kHandleRadius};
    for (const CExPartsDrawLine& line : part.DrawLines()) {
        for (const ExPoint& p : {line.viewStart, line.viewEnd}) {
            const ExPoint low = p - r;
            const ExPoint high = p + r;
            dc.Ellipse({low.x, high.y, high.x, low.y});
        }
    }
}

ExRect VertexHandlesRect(const CExParts& part) {
    ExRect total;
    const ExPoint r{kHandleRadius + 1, kHandleRadius + 1};
    const auto add = [&](ExPoint p) {
        const ExPoint low = p - r;
        const ExPoint high = p + r;
        UniteRect(total, {low.x, high.y, high.x, low.y});
    };
    if (const auto* ruler = dynamic_cast<const CExMeasure*>(&part)) {
        UniteRect(total, ruler->EndMark(0));
        UniteRect(total, ruler->EndMark(1));
        return total;
    }
    if (VertexShapeOf(part) == ExVertexShape::None) {
        return total;
    }
    for (const CExPartsDrawLine& line : part.DrawLines()) {
        add(line.viewStart);
        add(line.viewEnd);
    }
    return total;
}

bool InsertVertex(CExEditRecorder& recorder, CExParts& part, ExPoint view) {
    const ExVertexShape shape = VertexShapeOf(part);
    if (shape != ExVertexShape::Closed && shape != ExVertexShape::Open) {
        return false;
    }
    const auto hit =
        HitViewLines(part.DrawLines().View(), view, kInsertTolerance, kInsertTolerance);
    if (!hit) {
        return false;
    }
    recorder.Touch(&part);
    std::vector<CExPartsDrawLine> lines = part.DrawLines().ToVector();
    CExPartsDrawLine& line = lines[hit->line];
    // The crossing is found on the screen; the corner goes as far along the stored line, so that
    // the outline does not bend where it is split.
    const double length = std::hypot(double(line.viewEnd.x) - line.viewStart.x,
                                     double(line.viewEnd.y) - line.viewStart.y);
    const double t = length > 0 ? std::hypot(double(hit->point.x) - line.viewStart.x,
                                             double(hit->point.y) - line.viewStart.y) /
                                      length
                                : 0.0;
    CExPartsDrawLine second = line;
    second.shapeStart = Between(line.shapeStart, line.shapeEnd, t);
    second.scaledStart = Between(line.scaledStart, line.scaledEnd, t);
    second.viewStart = hit->point;
    line.shapeEnd = second.shapeStart;
    line.scaledEnd = second.scaledStart;
    line.viewEnd = hit->point;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(hit->line) + 1, second);
    part.DrawLines().Assign(lines);
    Rebuild(part);
    return true;
}

bool RemoveVertex(CExEditRecorder& recorder, CExParts& part, ExPoint view) {
    const ExVertexShape shape = VertexShapeOf(part);
    const std::size_t n = part.DrawLines().size();
    const std::size_t least = shape == ExVertexShape::Closed ? 4 : 2;
    if ((shape != ExVertexShape::Closed && shape != ExVertexShape::Open) || n < least) {
        return false;
    }
    const int vertex = VertexAt(part, view);
    if (vertex < 0) {
        return false;
    }
    std::vector<CExMeasure*> rulers = TouchAttachedRulers(recorder, part);
    recorder.Touch(&part);
    std::vector<CExPartsDrawLine> lines = part.DrawLines().ToVector();
    const auto k = static_cast<std::size_t>(vertex);
    std::size_t removed = k;
    if (k == 0) {
        // The first point: a closed outline's last line reaches on to where the first line went;
        // a cable just loses its first line.
        if (shape == ExVertexShape::Closed) {
            TakeEnd(lines[n - 1], lines[0]);
        }
    } else if (k == n) {
        removed = n - 1; // a cable's last point
    } else {
        TakeEnd(lines[k - 1], lines[k]);
    }
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(removed));
    part.DrawLines().Assign(lines);
    Rebuild(part);
    if (IsWallLike(part)) {
        Rebase(part, rulers);
    }
    return true;
}

CExVertexDrag::CExVertexDrag(CKORVANEXDoc& doc, const CExViewContext& view, CExParts& part,
                             int vertex)
    : m_recorder(doc, "頂点移動"), m_view(view), m_part(part), m_nVertex(vertex),
      m_shape(VertexShapeOf(part)), m_lstPressed(part.DrawLines()),
      m_ptPressed(part.GetPosition()) {
    m_rulers = TouchAttachedRulers(m_recorder, part);
    m_recorder.Touch(&part);
    if (auto* area = dynamic_cast<CExArea*>(&part)) {
        m_pPillars = std::make_unique<CExArea::PillarSnapshot>(*area);
    }
}

void CExVertexDrag::Step(ExPoint pointer) {
    const std::size_t count = m_shape == ExVertexShape::Closed ? m_lstPressed.size()
                              : m_shape == ExVertexShape::Open && !m_lstPressed.empty()
                                  ? m_lstPressed.size() + 1
                                  : 0;
    if (m_nVertex < 0 || static_cast<std::size_t>(m_nVertex) >= count) {
        return;
    }
    // Every step starts from the outline as pressed, so that re-basing the origin never drifts.
    m_part.DrawLines() = m_lstPressed;
    m_part.SetPosition(m_ptPressed.x, m_ptPressed.y);
    SetVertex(m_part.DrawLines().MutableStored(), m_shape, static_cast<std::size_t>(m_nVertex),
              ToStored(m_part, pointer));
    Rebuild(m_part);
    if (IsWallLike(m_part)) {
        Rebase(m_part, m_rulers);
    }
}

std::unique_ptr<CExEdit> CExVertexDrag::Release(ExPoint pointer, bool insideWindow) {
    if (!insideWindow || !IsOnSheet(m_view, pointer)) {
        Cancel();
        return nullptr;
    }
    return m_recorder.Finish();
}

void CExVertexDrag::Cancel() {
    if (std::unique_ptr<CExEdit> edit = m_recorder.Finish()) {
        edit->Undo(m_recorder.Document());
    }
}

CExRulerEndDrag::CExRulerEndDrag(CKORVANEXDoc& doc, const CExViewContext& view, CExMeasure& ruler,
                                 int end)
    : m_recorder(doc, "定規端点移動"), m_view(view), m_ruler(ruler), m_nEnd(end) {
    m_recorder.Touch(&ruler);
    ruler.EndAt(2) = ruler.EndAt(end);
}

void CExRulerEndDrag::Step(ExPoint pointer) {
    m_ruler.EndAt(m_nEnd).point = pointer;
    Recompute(m_ruler);
}

std::unique_ptr<CExEdit> CExRulerEndDrag::Release(ExPoint pointer, bool insideWindow) {
    if (!insideWindow || !IsOnSheet(m_view, pointer)) {
        Cancel();
        return nullptr;
    }
    CExMeasure::End& end = m_ruler.EndAt(m_nEnd);
    end.point = pointer;
    ExPoint probe = pointer;
    m_view.ToViewPoint(probe);
    end.element = HitTopmost(m_recorder.Document(), probe, {}, ExHitFilter::RulerAttach);
    if (end.element) {
        end.attachAngle = AttachAngleOf(*end.element);
    }
    m_ruler.SetEndOffset(m_nEnd);
    Recompute(m_ruler);
    return m_recorder.Finish();
}

void CExRulerEndDrag::Cancel() {
    if (std::unique_ptr<CExEdit> edit = m_recorder.Finish()) {
        edit->Undo(m_recorder.Document());
    }
}
