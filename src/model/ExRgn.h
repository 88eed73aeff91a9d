#pragma once

#include "ExTypes.h"

#include <vector>

// A polygon region with the alternate (even-odd) fill rule, in view units. An element keeps its
// hit region, an optional second region and its frame region as these.
class CExRgn {
public:
    CExRgn() = default;
    explicit CExRgn(std::vector<ExPoint> points) : m_points(std::move(points)) {}

    bool IsEmpty() const { return m_points.size() < 3; }
    const std::vector<ExPoint>& Points() const { return m_points; }

    void Clear() { m_points.clear(); }

    // Whether the point lies inside under the even-odd rule.
    bool PtInRegion(ExPoint point) const;
    // Whether the rectangle (normalised internally) and the region have a point in common.
    bool RectInRegion(const ExRect& rect) const;
    // The smallest rectangle holding the region, with top the larger y; empty for no region.
    ExRect GetBoundingBox() const;

private:
    std::vector<ExPoint> m_points;
};
