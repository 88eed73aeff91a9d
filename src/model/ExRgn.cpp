#include "ExRgn.h"

#include <algorithm>
#include <cstdint>

namespace {

// Products of two coordinate differences need 65 bits at the edges of the range.
using Wide = __int128;

Wide Cross(ExPoint o, ExPoint a, ExPoint b) {
    return (Wide(a.x) - o.x) * (Wide(b.y) - o.y) - (Wide(a.y) - o.y) * (Wide(b.x) - o.x);
}

bool OnSegment(ExPoint p, ExPoint a, ExPoint b) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

int Sign(Wide value) {
    return (value > 0) - (value < 0);
}

bool SegmentsMeet(ExPoint a, ExPoint b, ExPoint c, ExPoint d) {
    const int d1 = Sign(Cross(c, d, a));
    const int d2 = Sign(Cross(c, d, b));
    const int d3 = Sign(Cross(a, b, c));
    const int d4 = Sign(Cross(a, b, d));
    if (d1 * d2 < 0 && d3 * d4 < 0) {
        return true;
    }
    return (d1 == 0 && OnSegment(a, c, d)) || (d2 == 0 && OnSegment(b, c, d)) ||
           (d3 == 0 && OnSegment(c, a, b)) || (d4 == 0 && OnSegment(d, a, b));
}

} // namespace

bool CExRgn::PtInRegion(ExPoint point) const {
    if (IsEmpty()) {
        return false;
    }
    bool inside = false;
    const std::size_t n = m_points.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const ExPoint a = m_points[i];
        const ExPoint b = m_points[j];
        if ((a.y > point.y) != (b.y > point.y)) {
            // x of the edge at the point's height, compared without division.
            const Wide lhs = (Wide(point.x) - a.x) * (Wide(b.y) - a.y);
            const Wide rhs = (Wide(b.x) - a.x) * (Wide(point.y) - a.y);
            if ((b.y > a.y) ? lhs < rhs : lhs > rhs) {
                inside = !inside;
            }
        }
    }
    return inside;
}

bool CExRgn::RectInRegion(const ExRect& rect) const {
    if (IsEmpty()) {
        return false;
    }
    const int left = std::min(rect.left, rect.right);
    const int right = std::max(rect.left, rect.right);
    const int bottom = std::min(rect.top, rect.bottom);
    const int top = std::max(rect.top, rect.bottom);
    const ExPoint corners[4] = {{left, bottom}, {right, bottom}, {right, top}, {left, top}};
    for (const ExPoint& corner : corners) {
        if (PtInRegion(corner)) {
            return true;
        }
    }
    for (const ExPoint& p : m_points) {
        if (left <= p.x && p.x <= right && bottom <= p.y && p.y <= top) {
            return true;
        }
    }
    const std::size_t n = m_points.size();
    for (std::size_t i = 0; i < n; ++i) {
        const ExPoint a = m_points[i];
        const ExPoint b = m_points[(i + 1) % n];
        for (int k = 0; k < 4; ++k) {
            if (SegmentsMeet(a, b, corners[k], corners[(k + 1) % 4])) {
                return true;
            }
        }
    }
    return false;
}

ExRect CExRgn::GetBoundingBox() const {
    if (IsEmpty()) {
        return {};
    }
    ExRect box{m_points[0].x, m_points[0].y, m_points[0].x, m_points[0].y};
    for (const ExPoint& p : m_points) {
        box.left = std::min(box.left, p.x);
        box.right = std::max(box.right, p.x);
        box.bottom = std::min(box.bottom, p.y);
        box.top = std::max(box.top, p.y);
    }
    return box;
}
