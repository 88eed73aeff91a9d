// The outlines of a thick wall: each centre-line segment is offset by half the thickness to
// either side, and neighbouring offsets are joined where their lines meet.

#include "ExWallThickness.h"

#include "ExSaturate.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

// Wide enough for any product of two coordinate differences or coordinates.
using Exact = __int128;

// Offset ends closer than this are taken as one point when the offsets are parallel.
constexpr double kJoinDistance = 30;

struct Segment {
    ExPoint start;
    ExPoint end;
};

double Distance(ExPoint a, ExPoint b) {
    const double dx = double(a.x) - b.x;
    const double dy = double(a.y) - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

// Two parallel offsets meet only where one continues the other: at an end they share (within
// the join distance) when they leave it in opposite directions. The sign of the dot product
// decides, so the answer does not depend on how the wall is turned.
bool JoinParallel(const Segment& first, const Segment& second, ExPoint& at) {
    const ExPoint firstEnds[2] = {first.start, first.end};
    const ExPoint secondEnds[2] = {second.start, second.end};
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 2; ++j) {
            if (Distance(secondEnds[j], firstEnds[i]) >= kJoinDistance) {
                continue;
            }
            const ExPoint shared = firstEnds[i];
            const ExPoint firstOther = firstEnds[1 - i];
            const ExPoint secondOther = secondEnds[1 - j];
            if (firstOther == secondOther) {
                return false;
            }
            const Exact ux = Exact(firstOther.x) - shared.x;
            const Exact uy = Exact(firstOther.y) - shared.y;
            const Exact vx = Exact(secondOther.x) - shared.x;
            const Exact vy = Exact(secondOther.y) - shared.y;
            if (ux * vx + uy * vy < 0) {
                at = shared;
                return true;
            }
            return false;
        }
    }
    return false;
}

// Where the lines through two segments cross, truncated toward zero. The arithmetic is exact:
// floating point would put a corner that lies on a whole unit a hair
// short of it, and truncation would then move it by one. A crossing beyond the drawing range
// counts as none: the mitre limit then cuts the corner back as for any overlong mitre.
bool Intersect(const Segment& first, const Segment& second, ExPoint& at) {
    const ExPoint p1 = first.start;
    const ExPoint p2 = first.end;
    const ExPoint p3 = second.start;
    const ExPoint p4 = second.end;
    const Exact dx1 = Exact(p2.x) - p1.x;
    const Exact dy1 = Exact(p2.y) - p1.y;
    const Exact dx2 = Exact(p4.x) - p3.x;
    const Exact dy2 = Exact(p4.y) - p3.y;
    const Exact c1 = Exact(p2.x) * p1.y - Exact(p1.x) * p2.y;
    const Exact c2 = Exact(p4.x) * p3.y - Exact(p3.x) * p4.y;
    const Exact det = dy1 * dx2 - dx1 * dy2;
    if (det == 0) {
        return JoinParallel(first, second, at);
    }
    const Exact x = (dx1 * c2 - dx2 * c1) / det;
    const Exact y = (dy1 * c2 - dy2 * c1) / det;
    if (x < INT_MIN || x > INT_MAX || y < INT_MIN || y > INT_MAX) {
        return false;
    }
    at = {static_cast<int>(x), static_cast<int>(y)};
    return true;
}

ExPoint Midpoint(ExPoint a, ExPoint b) {
    return {static_cast<int>((std::int64_t(a.x) + b.x) / 2),
            static_cast<int>((std::int64_t(a.y) + b.y) / 2)};
}

ExPoint Offset(ExPoint p, ExPoint normal) {
    return {SaturateToInt(std::int64_t(p.x) + normal.x),
            SaturateToInt(std::int64_t(p.y) + normal.y)};
}

} // namespace

int CExWallThickness::CalcOutline() {
    const std::size_t count = m_lstDrawLine.size();
    m_lstRightLine.clear();
    m_lstLeftLine.clear();
    if (count == 0) {
        return 1;
    }
    const int half = m_nThickness / 2;
    std::vector<Segment> right(count);
    std::vector<Segment> left(count);
    std::vector<bool> hasLength(count, false);
    for (std::size_t i = 0; i < count; ++i) {
        const ExPoint p1 = m_lstDrawLine[i].scaledStart;
        const ExPoint p2 = m_lstDrawLine[i].scaledEnd;
        const double dx = double(p2.x) - p1.x;
        const double dy = double(p2.y) - p1.y;
        const double length = std::sqrt(dx * dx + dy * dy);
        right[i] = left[i] = {p1, p2};
        if (length == 0) {
            continue;
        }
        hasLength[i] = true;
        // A quarter turn each way, scaled to half the thickness.
        const double factor = half / length;
        const ExPoint leftNormal{SaturateToInt(-dy * factor), SaturateToInt(dx * factor)};
        const ExPoint rightNormal{SaturateToInt(dy * factor), SaturateToInt(-dx * factor)};
        left[i] = {Offset(p1, leftNormal), Offset(p2, leftNormal)};
        right[i] = {Offset(p1, rightNormal), Offset(p2, rightNormal)};
    }
    // A segment without length has no side of its own: each corner joins the nearest segments
    // with a length before and after it, so the corner around a repeated point is mitred as if
    // the point were there once.
    std::size_t firstWithLength = count;
    std::size_t lastWithLength = count;
    for (std::size_t i = 0; i < count; ++i) {
        if (hasLength[i]) {
            firstWithLength = std::min(firstWithLength, i);
            lastWithLength = i;
        }
    }
    std::vector<std::size_t> before(count);
    std::vector<std::size_t> after(count);
    for (std::size_t i = 0, current = lastWithLength; i < count; ++i) {
        if (hasLength[i]) {
            current = i;
        }
        before[i] = current == count ? i : current;
    }
    for (std::size_t i = count, current = firstWithLength; i-- > 0;) {
        after[i] = current == count ? (i + 1) % count : current;
        if (hasLength[i]) {
            current = i;
        }
    }

    std::vector<ExPoint> rightCorner(count + 1);
    std::vector<ExPoint> leftCorner(count + 1);
    const double limit = m_nThickness * kMitreLimit;
    for (std::size_t i = 0; i < count; ++i) {
        const Segment& rightIn = right[before[i]];
        const Segment& rightOut = right[after[i]];
        const Segment& leftIn = left[before[i]];
        const Segment& leftOut = left[after[i]];
        ExPoint& r = rightCorner[i];
        ExPoint& l = leftCorner[i];
        if (!Intersect(rightIn, rightOut, r)) {
            r = rightIn.end;
        }
        if (!Intersect(leftIn, leftOut, l)) {
            l = leftIn.end;
        }
        if (GetDistance(r.x, r.y, l.x, l.y) > limit) {
            r = Midpoint(rightIn.end, rightOut.start);
            if (GetDistance(r.x, r.y, l.x, l.y) > limit) {
                l = Midpoint(leftIn.end, leftOut.start);
            }
        }
    }
    rightCorner[count] = rightCorner[0];
    leftCorner[count] = leftCorner[0];

    m_lstRightLine.resize(count);
    m_lstLeftLine.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        CExPartsDrawLine& r = m_lstRightLine[i];
        r.viewStart = r.scaledStart = rightCorner[i];
        r.viewEnd = r.scaledEnd = rightCorner[i + 1];
        CExPartsDrawLine& l = m_lstLeftLine[i];
        l.viewStart = leftCorner[i];
        l.viewEnd = leftCorner[i + 1];
    }
    return 1;
}
