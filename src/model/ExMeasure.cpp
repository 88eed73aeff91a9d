#include "ExMeasure.h"

#include "ExAngle.h"
#include "ExDC.h"
#include "ExException.h"
#include "ExKindIndex.h"
#include "ExViewContext.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr double kHalfPi = 1.5707963267948966;
constexpr double kRightAngleTolerance = 1e-10;
constexpr int kEndMarkHalfSize = 100;
constexpr int kArrowLength = 400;
constexpr int kArrowHalfWidth = 250;
constexpr int kTickHalfLength = 250;
constexpr int kUpdateMargin = 600;
constexpr int kLengthPush = 50;
constexpr ExColor kFirstEndMark = 0x00E6E6;

int Distance(ExPoint a, ExPoint b) {
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    if (std::abs(dx) < 1e-200 && std::abs(dy) < 1e-200) {
        return 0;
    }
    return TruncateToInt32(std::sqrt(dx * dx + dy * dy));
}

// A vector (p along the ruler, q across it) turned into the ruler's direction a. Exactly
// vertical rulers take exact offsets, so their arrowheads do not lean by a rounding error.
ExPoint Turn(double a, int p, int q) {
    if (std::abs(a - kHalfPi) < kRightAngleTolerance) {
        return {-q, p};
    }
    if (std::abs(a + kHalfPi) < kRightAngleTolerance) {
        return {q, -p};
    }
    const double c = std::cos(a);
    const double s = std::sin(a);
    return {TruncateToInt32(c * p - s * q), TruncateToInt32(c * q + s * p)};
}

} // namespace

CExMeasure::CExMeasure() {
    m_nPartsCode = excode::kMeasure;
    m_strName = "\x92\xe8\x8b\x4b"; // 定規
}

CExMeasure::~CExMeasure() = default;

std::string CExMeasure::FormatLengthValue(int unit, int length) {
    char text[48];
    const double millimetres = std::floor(length * 0.01);
    if (unit == kUnitMetre) {
        std::snprintf(text, sizeof text, "%.3f", millimetres / 1000);
    } else {
        std::snprintf(text, sizeof text, "%d", TruncateToInt32(millimetres));
    }
    return text;
}

void CExMeasure::CalcLength() {
    m_nLength = Distance(m_aEnd[0].point, m_aEnd[1].point);
    m_strLength = std::to_string(TruncateToInt32(m_nLength * 0.01));
}

void CExMeasure::FormatLength() {
    const double value = std::strtod(m_strLength.c_str(), nullptr);
    char text[48];
    if (m_nUnit == kUnitMetre) {
        std::snprintf(text, sizeof text, "%.3fm", value * 0.001);
    } else {
        std::snprintf(text, sizeof text, "%.0fmm", value);
    }
    m_strLength = text;
}

void CExMeasure::SetEndOffset(int end) {
    const End& e = m_aEnd[static_cast<std::size_t>(end)];
    m_ptOffset[static_cast<std::size_t>(end)] =
        e.element ? e.point - e.element->GetPosition() : e.point;
}

void CExMeasure::FollowPart(int x, int y, int newAngle, int end) {
    End& e = m_aEnd[static_cast<std::size_t>(end)];
    const double radians = (double(newAngle) - e.attachAngle) * kPi / 180;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double px = double(e.point.x) - x;
    const double py = double(e.point.y) - y;
    e.point = {TruncateToInt32(c * px + x - py * s), TruncateToInt32(s * px + y + c * py)};
    m_arReserved3 = {e.point.x, e.point.y};
}

void CExMeasure::UpdateParts() {
    try {
        m_nAttachCount = 0;
        for (std::size_t i = 0; i < 2; ++i) {
            const ExPoint v = ToActiveView(m_aEnd[i].point);
            m_ptViewEnd[i] = v;
            const ExPoint low = v - ExPoint{kEndMarkHalfSize, kEndMarkHalfSize};
            const ExPoint high = v + ExPoint{kEndMarkHalfSize, kEndMarkHalfSize};
            m_rcEndMark[i] = {low.x, low.y, high.x, high.y};
            m_nAttachCount += m_aEnd[i].element ? 1 : 0;
        }
        CalcLength();
        FormatLength();
        m_ptPosition =
            MidPoint(m_aEnd[0].point.x, m_aEnd[0].point.y, m_aEnd[1].point.x, m_aEnd[1].point.y);

        const ExPoint v0 = m_ptViewEnd[0];
        const ExPoint v1 = m_ptViewEnd[1];
        const double a = std::atan2(double(v1.y) - v0.y, double(v1.x) - v0.x);
        m_ptArrow[0] = {v0 + Turn(a, kArrowLength, kArrowHalfWidth), v0,
                        v0 + Turn(a, kArrowLength, -kArrowHalfWidth)};
        m_ptArrow[1] = {v1 + Turn(a, -kArrowLength, kArrowHalfWidth), v1,
                        v1 + Turn(a, -kArrowLength, -kArrowHalfWidth)};
        m_ptTick[0] = {v0 + Turn(a, 0, kTickHalfLength), v0 + Turn(a, 0, -kTickHalfLength)};
        m_ptTick[1] = {v1 + Turn(a, 0, kTickHalfLength), v1 + Turn(a, 0, -kTickHalfLength)};
        m_ptDerived = {m_ptArrow[0][0], m_ptArrow[0][1], m_ptArrow[0][2], m_ptArrow[1][0],
                       m_ptArrow[1][1], m_ptArrow[1][2], m_ptTick[0][0],  m_ptTick[0][1],
                       m_ptTick[1][0],  m_ptTick[1][1]};
        m_ptCorner = {m_ptTick[0][0], m_ptTick[0][1], m_ptTick[1][1], m_ptTick[1][0]};

        m_pLabel = std::make_unique<CExStringParts>();
        m_pLabel->SetPartsName(m_strLength);
        m_pLabel->SetPosition(m_ptPosition.x, m_ptPosition.y);
        m_pLabel->SetWidth(TruncateToInt32(m_dLabelWidth));
        m_pLabel->SetHeight(TruncateToInt32(m_dLabelHeight));
        m_pLabel->SetColor(0);
        m_pLabel->SetLineWidth(kLabelStrokeWidth);
        m_pLabel->SetAngle(0);
        m_pLabel->MakeCharacters();
        const ExPoint centre = ToActiveView(m_ptPosition);
        const int w = ToActiveViewLength(m_pLabel->GetWidth());
        const int h = ToActiveViewLength(m_pLabel->GetHeight());
        const ExPoint low = centre - ExPoint{WrapToInt32(3LL * w), h / 2};
        const ExPoint high = centre + ExPoint{WrapToInt32(3LL * w), h / 2};
        m_rcLabel = {low.x, low.y, high.x, high.y};
        m_pLabel->UpdateParts();
    } catch (...) {
        ReportCaughtException();
    }
}

void CExMeasure::CalcHandles() {
    int minX = INT_MAX;
    int minY = INT_MAX;
    int maxX = INT_MIN;
    int maxY = INT_MIN;
    for (const ExPoint& p : m_ptDerived) {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
    }
    m_ptHandle[0] = {minX, maxY};
    m_ptHandle[1] = {maxX, maxY};
    m_ptHandle[2] = {maxX, minY};
    m_ptHandle[3] = {minX, minY};
}

void CExMeasure::RecalcParts() {
    try {
        CalcHandles();
        m_rgnHit = CExRgn({m_ptCorner.begin(), m_ptCorner.end()});
        const ExRect band = m_rgnHit.GetBoundingBox();
        const int left = std::min({band.left, m_rcLabel.left, m_rcLabel.right});
        const int right = std::max({band.right, m_rcLabel.left, m_rcLabel.right});
        const int bottom = std::min({band.bottom, m_rcLabel.top, m_rcLabel.bottom});
        const int top = std::max({band.top, m_rcLabel.top, m_rcLabel.bottom});
        const ExPoint low = ExPoint{left, bottom} - ExPoint{kUpdateMargin, kUpdateMargin};
        const ExPoint high = ExPoint{right, top} + ExPoint{kUpdateMargin, kUpdateMargin};
        SetUpdateRect({low.x, high.y, high.x, low.y});
    } catch (...) {
        ReportCaughtException();
    }
}

bool CExMeasure::ShowsTicks() const {
    return m_nStyle == kStyleDimension || (m_nStyle == kStyleAutomatic && m_nAttachCount < 2);
}

int CExMeasure::DrawParts(CExDC* dc) {
    const CExViewContext* view = GetActiveView();
    if (!dc || !view || !view->IsShowMeasure()) {
        return 0;
    }
    try {
        {
            ExPenScope pen(*dc, {kPenSolid, 2, kLineColor});
            dc->Polyline(m_ptArrow[0].data(), 3);
            dc->Polyline(m_ptArrow[1].data(), 3);
            dc->Polyline(m_ptViewEnd.data(), 2);
            if (ShowsTicks()) {
                dc->Polyline(m_ptTick[0].data(), 2);
                dc->Polyline(m_ptTick[1].data(), 2);
            }
        }
        if (m_pLabel) {
            m_pLabel->DrawParts(dc);
        }
        return 1;
    } catch (...) {
        ReportCaughtException();
        return 0;
    }
}

// A ruler has no library shape: its thumbnail is a small dimension line.
int CExMeasure::CreateThumbnail(CExDC* dc, int cx, int cy) {
    if (!dc) {
        return 0;
    }
    ExPenScope pen(*dc, {kPenSolid, 1, kLineColor});
    const int y = cy / 2;
    const ExPoint line[2] = {{2, y}, {cx - 3, y}};
    const ExPoint left[3] = {{8, y - 4}, {2, y}, {8, y + 4}};
    const ExPoint right[3] = {{cx - 9, y - 4}, {cx - 3, y}, {cx - 9, y + 4}};
    dc->Polyline(line, 2);
    dc->Polyline(left, 3);
    dc->Polyline(right, 3);
    return 1;
}

int CExMeasure::DrawHandles(CExDC* dc) {
    if (!dc) {
        return 0;
    }
    ExPenScope pen(*dc, {kPenSolid, 2, 0});
    const ExPoint frame[5] = {m_ptCorner[0], m_ptCorner[1], m_ptCorner[2], m_ptCorner[3],
                              m_ptCorner[0]};
    dc->Polyline(frame, 5);
    return 1;
}

int CExMeasure::DrawEndMarks(CExDC* dc) const {
    const CExViewContext* view = GetActiveView();
    if (!dc || !view || !view->IsShowMeasure()) {
        return 0;
    }
    ExBrushScope brush(*dc, ExBrush::Solid(kFirstEndMark));
    dc->Ellipse(m_rcEndMark[0]);
    dc->SelectBrush(ExBrush::Solid(0));
    dc->Ellipse(m_rcEndMark[1]);
    return 1;
}

void CExMeasure::AttachEnd(int end, ExPoint point, const std::vector<CExParts*>& elements) {
    End& e = m_aEnd[static_cast<std::size_t>(end)];
    e.point = point;
    e.element = nullptr;
    const ExPoint probe = ToActiveView(point);
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        CExParts* element = *it;
        const ExKind kind = KindOfClassName(element->GetRuntimeClassName());
        const bool wallLike = kind == ExKind::OuterWall || kind == ExKind::Room;
        if (!wallLike && kind != ExKind::Pillar && kind != ExKind::General &&
            kind != ExKind::String) {
            continue;
        }
        const CExRgn& region = wallLike ? element->SecondRegion() : element->HitRegion();
        if (region.PtInRegion(probe)) {
            e.element = element;
            e.attachAngle = wallLike ? element->GetRotation() : element->GetAngle();
            break;
        }
    }
    SetEndOffset(end);
}

bool CExMeasure::ApplyRulerLength(const std::vector<CExParts*>& elements) {
    const ExPoint p0 = m_aEnd[0].point;
    const ExPoint p1 = m_aEnd[1].point;
    const double angle = std::atan2(double(p1.y) - p0.y, double(p1.x) - p0.x);
    const int degrees = TruncateToInt32(angle * 180 / kPi + 360.5) % 360;
    const double r = degrees * kPi / 180;
    auto pushed = [](std::int64_t value) {
        return value >= 0 ? value + kLengthPush : value - kLengthPush;
    };
    const std::int64_t dy = pushed(TruncateToInt32(m_nLength * std::sin(r)));
    const std::int64_t dx = pushed(TruncateToInt32(m_nLength * std::cos(r)));
    const std::int64_t x = p0.x + dx;
    const std::int64_t y = p0.y + dy;
    const CExViewContext* view = GetActiveView();
    if (!view || x < 0 || y < 0 || x > std::int64_t(view->GetMapWidth()) * 100000 ||
        y > std::int64_t(view->GetMapHeight()) * 100000) {
        return false;
    }
    AttachEnd(1, {static_cast<int>(x), static_cast<int>(y)}, elements);
    return true;
}
