#include "ExArea.h"

#include "ExDC.h"
#include "ExException.h"
#include "ExPillarParts.h"
#include "ExSaturate.h"
#include "ExViewContext.h"
#include "KORVANEXDoc.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace {

constexpr int kRubberMargin = 100;
constexpr int kUpdateMargin = 600;
constexpr long double kSquareMetre = 10000000000.0L; // square drawing units
constexpr const char* kSquareMetreSign = "\x87\x75"; // ㎡

ExRect BoxOf(const std::vector<ExPoint>& points, std::size_t count) {
    ExRect box{INT_MAX, INT_MIN, INT_MIN, INT_MAX};
    for (std::size_t i = 0; i < count; ++i) {
        box.left = std::min(box.left, points[i].x);
        box.right = std::max(box.right, points[i].x);
        box.top = std::max(box.top, points[i].y);
        box.bottom = std::min(box.bottom, points[i].y);
    }
    return box;
}

bool Holds(const ExRect& outer, const ExRect& inner) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.bottom >= outer.bottom &&
           inner.top <= outer.top;
}

} // namespace

CExArea::CExArea() = default;

CExArea::~CExArea() = default;

void CExArea::AddPoint(ExPoint point) {
    const int copies = m_nPointCount == 0 ? 2 : 1;
    for (int i = 0; i < copies; ++i) {
        m_arPoint.push_back(point);
        m_arViewPoint.push_back(ToActiveView(point));
        ++m_nPointCount;
    }
    if (m_nPointCount >= 2) {
        const ExRect box = BoxOf(m_arViewPoint, 2);
        const ExPoint low = ExPoint{box.left, box.bottom} - ExPoint{kRubberMargin, kRubberMargin};
        const ExPoint high = ExPoint{box.right, box.top} + ExPoint{kRubberMargin, kRubberMargin};
        m_rcRubber = {low.x, high.y, high.x, low.y};
    }
    if (m_nPointCount > 2) {
        m_rgnHit = CExRgn(
            std::vector<ExPoint>(m_arViewPoint.begin(), m_arViewPoint.begin() + m_nPointCount));
    }
}

void CExArea::SetLastPoint(ExPoint point) {
    if (m_nPointCount > 0) {
        const auto last = static_cast<std::size_t>(m_nPointCount - 1);
        m_arPoint[last] = point;
        m_arViewPoint[last] = ToActiveView(point);
    }
}

void CExArea::BuildDrawLines() {
    m_lstDrawLine.clear();
    const auto n = static_cast<std::size_t>(m_nPointCount);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t next = (i + 1) % n;
        CExPartsDrawLine line;
        line.scaledStart = m_arPoint[i];
        line.scaledEnd = m_arPoint[next];
        line.viewStart = m_arViewPoint[i];
        line.viewEnd = m_arViewPoint[next];
        m_lstDrawLine.push_back(line);
    }
}

void CExArea::BuildPointsFromLines() {
    m_arPoint.clear();
    m_arViewPoint.clear();
    for (const CExPartsDrawLine& line : m_lstDrawLine) {
        m_arPoint.push_back(line.scaledStart);
        m_arViewPoint.push_back(line.viewStart);
    }
    m_nPointCount = static_cast<int>(m_lstDrawLine.size());
    m_nDrawnCount = m_nPointCount;
}

void CExArea::FindPillarsInside() {
    m_lstPillar.clear();
    m_nPillarCount = 0;
    const CExViewContext* view = GetActiveView();
    const CKORVANEXDoc* doc = view ? view->GetDocument() : nullptr;
    if (!doc) {
        return;
    }
    // Only the drawing's pillars are looked at, and a corner outside the polygon's box is out at
    // once; while a corner is dragged, a pillar whose box sticks out is not even visited.
    const ExRect box = m_rgnHit.GetBoundingBox();
    if (!m_bPillarSnapshot) {
        for (const CExParts* element : doc->Pillars()) {
            CountIfInside(*element, box);
        }
        return;
    }
    for (const PillarBox& entry : m_arPillarBoxes) {
        if (entry.box.IsEmpty() || Holds(box, entry.box)) {
            CountIfInside(*entry.pillar, box);
        }
    }
}

void CExArea::CountIfInside(const CExParts& element, const ExRect& box) {
    const auto* pillar = dynamic_cast<const CExPillarParts*>(&element);
    if (!pillar || element.GetPartsCode() / 10000 != excode::kCategoryPillar) {
        return;
    }
    const auto inside = [&](ExPoint p) {
        return p.x >= box.left && p.x <= box.right && p.y >= box.bottom && p.y <= box.top &&
               m_rgnHit.PtInRegion(p);
    };
    const auto& lines = pillar->DrawLines();
    if (std::all_of(lines.begin(), lines.end(),
                    [&](const CExPartsDrawLine& line) { return inside(line.viewStart); })) {
        m_lstPillar.push_back(pillar);
        ++m_nPillarCount;
    }
}

CExArea::PillarSnapshot::PillarSnapshot(CExArea& area) : m_area(area) {
    area.m_arPillarBoxes.clear();
    const CExViewContext* view = GetActiveView();
    const CKORVANEXDoc* doc = view ? view->GetDocument() : nullptr;
    if (!doc) {
        return;
    }
    for (const CExParts* pillar : doc->Pillars()) {
        ExRect box;
        const auto& lines = pillar->DrawLines();
        if (!lines.empty()) {
            std::vector<ExPoint> corners;
            corners.reserve(lines.size());
            for (const CExPartsDrawLine& line : lines) {
                corners.push_back(line.viewStart);
            }
            box = BoxOf(corners, corners.size());
        }
        area.m_arPillarBoxes.push_back({pillar, box});
    }
    area.m_bPillarSnapshot = true;
}

CExArea::PillarSnapshot::~PillarSnapshot() {
    m_area.m_bPillarSnapshot = false;
    m_area.m_arPillarBoxes.clear();
}

void CExArea::CalcAreaText() {
    long double area = 0.0L;
    const int n = m_nPointCount;
    if (n > 1) {
        auto x = [&](int i) { return static_cast<long double>(m_arPoint[std::size_t(i)].x); };
        auto y = [&](int i) { return static_cast<long double>(m_arPoint[std::size_t(i)].y); };
        long double sum = 0.0L;
        for (int i = 1; i <= n - 2; ++i) {
            sum += x(i) * (y(i + 1) - y(i - 1));
        }
        sum += x(n - 1) * (y(0) - y(n - 2)) + x(0) * (y(1) - y(n - 1));
        area = (sum < 0 ? -sum : sum) * 0.5L;
        for (const CExPillarParts* pillar : m_lstPillar) {
            area -= pillar->GetArea();
        }
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.3Lf", area / kSquareMetre);
    m_strArea = text;
}

void CExArea::UpdateParts() {
    try {
        const auto n = static_cast<std::size_t>(m_nPointCount);
        for (std::size_t i = 0; i < n; ++i) {
            m_arViewPoint[i] = ToActiveView(m_arPoint[i]);
        }
        m_rgnHit = CExRgn(std::vector<ExPoint>(m_arViewPoint.begin(), m_arViewPoint.begin() + n));
        if (n > 0) {
            const ExRect box = BoxOf(m_arPoint, n);
            m_ptLabel = {CentreOf(box.left, box.right), CentreOf(box.top, box.bottom)};
            SetPosition(m_ptLabel.x, m_ptLabel.y);
        }
        FindPillarsInside();
        m_pLabel.reset();
        CalcAreaText();
        BuildLabel();
        BuildDrawLines();
        CalcVertexHandles();

        ExRect box = m_rgnHit.GetBoundingBox();
        if (box.IsEmpty() && n > 0) {
            box = BoxOf(m_arViewPoint, n);
        }
        const ExPoint boxLow = ExPoint{box.left, std::min(box.top, box.bottom)} -
                               ExPoint{kUpdateMargin, kUpdateMargin};
        const ExPoint boxHigh = ExPoint{box.right, std::max(box.top, box.bottom)} +
                                ExPoint{kUpdateMargin, kUpdateMargin};
        SetUpdateRect({std::min(boxLow.x, m_rcLabel.left), std::max(boxHigh.y, m_rcLabel.top),
                       std::max(boxHigh.x, m_rcLabel.right), std::min(boxLow.y, m_rcLabel.bottom)});
    } catch (...) {
        ReportCaughtException();
    }
}

void CExArea::BuildLabel() {
    m_pLabel = std::make_unique<CExStringParts>();
    m_pLabel->SetPartsName(m_strArea + kSquareMetreSign);
    m_pLabel->SetPosition(m_ptLabel.x, m_ptLabel.y);
    m_pLabel->SetHeight(TruncateToInt32(m_dLabelHeight));
    m_pLabel->SetWidth(TruncateToInt32(m_dLabelWidth));
    m_pLabel->SetColor(0);
    m_pLabel->SetLineWidth(kLabelStrokeWidth);
    m_pLabel->MakeCharacters();
    m_pLabel->UpdateParts();

    const ExPoint centre = ToActiveView(m_ptLabel);
    const int w = ToActiveViewLength(m_pLabel->GetWidth());
    const int h = ToActiveViewLength(m_pLabel->GetHeight());
    const ExPoint low = centre - ExPoint{WrapToInt32(3LL * w), h / 2};
    const ExPoint high = centre + ExPoint{WrapToInt32(3LL * w), h / 2};
    m_rcLabel = {low.x, high.y, high.x, low.y};
}

void CExArea::ForgetElement(const CExParts* element) {
    const auto counted = std::find(m_lstPillar.begin(), m_lstPillar.end(), element);
    if (counted == m_lstPillar.end()) {
        return;
    }
    try {
        m_lstPillar.erase(counted);
        m_nPillarCount = static_cast<int>(m_lstPillar.size());
        CalcAreaText();
        BuildLabel();
        SetRedrawFlag(1);
    } catch (...) {
        ReportCaughtException();
    }
}

int CExArea::DrawParts(CExDC* dc) {
    const CExViewContext* view = GetActiveView();
    if (!dc || !view) {
        return 0;
    }
    try {
        if (!view->IsShowArea()) {
            return 1;
        }
        if (view->IsDrawingView() && m_bSelect && m_nPointCount > 0) {
            ExBrushScope brush(*dc, ExBrush::Hatched(ExHatch::ForwardDiagonal, kHatchColor));
            dc->SetTransparentBackground(true);
            dc->Polygon(m_arViewPoint.data(), m_nPointCount);
            if (m_pLabel) {
                m_pLabel->DrawParts(dc);
            }
            dc->SetTransparentBackground(false);
            m_nDrawnCount = m_nPointCount;
        } else if (m_pLabel) {
            m_pLabel->DrawParts(dc);
        }
        return 1;
    } catch (...) {
        ReportCaughtException();
        return 0;
    }
}

// An area has no library shape: its thumbnail is a small hatched-looking polygon outline.
int CExArea::CreateThumbnail(CExDC* dc, int cx, int cy) {
    if (!dc) {
        return 0;
    }
    ExPenScope pen(*dc, {kPenSolid, 1, 0x008000});
    const ExPoint outline[6] = {{4, cy - 4},      {cx - 4, cy - 4}, {cx - 4, cy / 3},
                                {cx / 2, cy / 3}, {cx / 2, 4},      {4, 4}};
    const ExPoint closed[7] = {outline[0], outline[1], outline[2], outline[3],
                               outline[4], outline[5], outline[0]};
    dc->Polyline(closed, 7);
    return 1;
}
