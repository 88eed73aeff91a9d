// The selection frame of an element: bounding box, handles, frame and hit regions, update rect.

#include "ExParts.h"

#include "ExException.h"
#include "ExViewContext.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kRotationHandleDistance = 450;
constexpr int kHandleHalfSize = 105;
constexpr int kVertexGripHalfSize = 205;
constexpr int kUpdateMargin = 600;

ExRect RectAround(ExPoint p, int half) {
    const ExPoint low = p - ExPoint{half, half};
    const ExPoint high = p + ExPoint{half, half};
    return {low.x, low.y, high.x, high.y};
}

} // namespace

ExPoint CExParts::MidPoint(int x1, int y1, int x2, int y2) const {
    return {static_cast<int>((std::int64_t(x1) + x2) / 2),
            static_cast<int>((std::int64_t(y1) + y2) / 2)};
}

void CExParts::CalcHandles() {
    int minX = INT_MAX;
    int minY = INT_MAX;
    int maxX = -INT_MAX;
    int maxY = -INT_MAX;
    const bool useView = m_nPartsCode == excode::kImage;
    for (const CExPartsDrawLine& line : m_lstDrawLine) {
        for (const ExPoint& p : useView ? std::array{line.viewStart, line.viewEnd}
                                        : std::array{line.shapeStart, line.shapeEnd}) {
            minX = std::min(minX, p.x);
            minY = std::min(minY, p.y);
            maxX = std::max(maxX, p.x);
            maxY = std::max(maxY, p.y);
        }
    }
    if (m_lstDrawLine.empty()) {
        // Without lines there is no box: the frame collapses onto the origin.
        minX = minY = maxX = maxY = 0;
    }
    SetFrameFromBox(minX, minY, maxX, maxY);
}

void CExParts::SetFrameFromBox(int minX, int minY, int maxX, int maxY) {
    m_ptCorner = {ExPoint{minX, maxY}, ExPoint{maxX, maxY}, ExPoint{maxX, minY},
                  ExPoint{minX, minY}};
    SetHandlesFromCorners();
}

void CExParts::SetHandlesFromCorners() {
    const auto& c = m_ptCorner;
    m_ptHandle[0] = MidPoint(c[0].x, c[0].y, c[1].x, c[1].y);
    m_ptHandle[1] = c[0];
    m_ptHandle[2] = MidPoint(c[0].x, c[0].y, c[3].x, c[3].y);
    m_ptHandle[3] = c[3];
    m_ptHandle[4] = MidPoint(c[3].x, c[3].y, c[2].x, c[2].y);
    m_ptHandle[5] = c[2];
    m_ptHandle[6] = MidPoint(c[1].x, c[1].y, c[2].x, c[2].y);
    m_ptHandle[7] = c[1];
    m_ptHandle[kRotationHandle] = {0, kRotationHandleDistance};
}

void CExParts::ScaleHandles() {
    for (int i = 0; i < kRotationHandle; ++i) {
        ScalePoint(m_ptHandle[i]);
    }
    for (ExPoint& corner : m_ptCorner) {
        ScalePoint(corner);
    }
}

void CExParts::CalcFrameRegion() {
    const double radians = AngleRadians(m_nAngle);
    const double sine = std::sin(radians);
    const double cosine = std::cos(radians);
    ExPoint offset = m_ptPosition;
    offset = ToActiveView(offset);
    for (int i = 0; i < 4; ++i) {
        ExPoint p = m_ptCorner[i];
        p = ToActiveView(p);
        p = p + kFramePush[i];
        RotatePoint(p, sine, cosine);
        m_ptFrame[i] = p + offset;
    }
    m_rgnFrame = CExRgn({m_ptFrame.begin(), m_ptFrame.end()});
}

void CExParts::RotateHandles() {
    const double radians = AngleRadians(m_nAngle);
    const double sine = std::sin(radians);
    const double cosine = std::cos(radians);
    for (ExPoint& handle : m_ptHandle) {
        RotatePoint(handle, sine, cosine);
    }
    for (ExPoint& corner : m_ptCorner) {
        RotatePoint(corner, sine, cosine);
    }
}

void CExParts::ToViewHandles() {
    ExPoint offset = m_ptPosition;
    offset = ToActiveView(offset);
    auto place = [&](ExPoint& p) {
        p = ToActiveView(p);
        p = p + offset;
    };
    for (int i = 0; i < kRotationHandle; ++i) {
        place(m_ptHandle[i]);
    }
    for (ExPoint& corner : m_ptCorner) {
        place(corner);
    }
}

// A part's grips follow from its handles whenever they are asked for, so it keeps none: a kind
// that keeps its own works them out here.
int CExParts::CalcHandleRects() {
    return 1;
}

std::array<ExRect, CExParts::kHandleCount>
CExParts::HandleRectsAround(const std::array<ExPoint, kHandleCount>& handles) {
    std::array<ExRect, kHandleCount> rects;
    for (int i = 0; i < kHandleCount; ++i) {
        rects[i] = RectAround(handles[i], kHandleHalfSize);
    }
    return rects;
}

std::array<ExRect, CExParts::kHandleCount> CExParts::HandleRects() const {
    return HandleRectsAround(m_ptHandle);
}

void CExParts::CalcUpdateRect(int margin) {
    ExRect box = m_rgnHit.GetBoundingBox();
    if (box.IsEmpty()) {
        int minX = INT_MAX;
        int minY = INT_MAX;
        int maxX = -1;
        int maxY = -1;
        for (const ExPoint& corner : m_ptCorner) {
            minX = std::min(minX, corner.x);
            minY = std::min(minY, corner.y);
            maxX = std::max(maxX, corner.x);
            maxY = std::max(maxY, corner.y);
        }
        box = {minX, maxY, maxX, minY};
    }
    const ExPoint low = ExPoint{box.left, box.bottom} - ExPoint{margin, margin};
    const ExPoint high = ExPoint{box.right, box.top} + ExPoint{margin, margin};
    SetUpdateRect({low.x, high.y, high.x, low.y});
}

void CExParts::RecalcParts() {
    if (m_nPartsCode == excode::kArea) {
        return;
    }
    try {
        CalcHandles();
        ScaleHandles();
        CalcFrameRegion();
        RotateHandles();
        CalcExtent();
        ToViewHandles();
        m_ptHandle[kRotationHandle] = m_ptHandle[kRotationHandle] + m_ptHandle[0];
        CalcHandleRects();
        m_rgnHit = CExRgn({m_ptCorner.begin(), m_ptCorner.end()});
        CalcUpdateRect(kUpdateMargin);
    } catch (...) {
        ReportCaughtException();
    }
}

int CExParts::CalcVertexHandles() {
    if (m_lstDrawLine.empty()) {
        return 0;
    }
    const std::size_t count = m_lstDrawLine.size();
    m_arVertex.resize(std::max(m_arVertex.size(), count + 1));
    m_arVertexRect.resize(m_arVertex.size());
    for (std::size_t index = 0; index < count; ++index) {
        const CExPartsDrawLine& line = m_lstDrawLine[index];
        m_arVertex[index] = line.viewStart;
        m_arVertexRect[index] = RectAround(line.viewStart, kVertexGripHalfSize);
        m_arVertex[index + 1] = line.viewEnd;
    }
    // The slot after the last vertex gets a grip too: it is the last point of an open line (a
    // cable), which is dragged and removed like any other.
    m_arVertexRect[count] = RectAround(m_arVertex[count], kVertexGripHalfSize);
    m_nVertexCount = static_cast<int>(count);
    return 1;
}
