#include "JunctionPlacement.h"

#include "Simplify.h"

#include <algorithm>

namespace mkvecfont {

namespace {

// Branches closer to parallel than this (the determinant of the normal equations; 1 for
// two perpendicular branches) cannot fix a point.
constexpr double kMinSpread = 0.12;
// A junction moves at most this many of its half-widths.
constexpr double kMaxShift = 1.5;
// Each branch's direction is taken over this many stroke half-widths ...
constexpr double kSampleLength = 3.0;
// ... but never fewer pixels than this.
constexpr double kMinSampleLength = 3.0;

// Accumulates the least-squares problem "the point nearest to all these lines".
struct NearestPoint {
    double a00 = 0;
    double a01 = 0;
    double a11 = 0;
    Point rhs;

    void AddLine(Point through, Point unit) {
        // Squared distance to the line is (x - p)^T (I - d d^T) (x - p).
        const double m00 = 1 - unit.x * unit.x;
        const double m01 = -unit.x * unit.y;
        const double m11 = 1 - unit.y * unit.y;
        a00 += m00;
        a01 += m01;
        a11 += m11;
        rhs = rhs + Point{m00 * through.x + m01 * through.y, m01 * through.x + m11 * through.y};
    }

    double Spread() const { return a00 * a11 - a01 * a01; }
    Point Solve() const {
        const double det = Spread();
        return {(a11 * rhs.x - a01 * rhs.y) / det, (a00 * rhs.y - a01 * rhs.x) / det};
    }
};

} // namespace

void PlaceJunctions(SkeletonGraph& graph, double skip, int smoothing) {
    for (int n = 0; n < static_cast<int>(graph.nodes.size()); ++n) {
        GraphNode& node = graph.nodes[n];
        if (!node.alive || !node.junction || graph.Degree(n) < 2) {
            continue;
        }
        const double near = skip * node.radius;
        const double far = near + std::max(kMinSampleLength, kSampleLength * graph.strokeRadius);
        NearestPoint problem;
        for (int end : graph.EndsAt(n)) {
            const Polyline line = Smooth(graph.PointsFromEnd(end), smoothing);
            const double available = ArcLength(line);
            if (available < near + kMinSampleLength) {
                continue;
            }
            const Point p = PointAlong(line, near);
            const Point q = PointAlong(line, std::min(far, available));
            const double len = Length(q - p);
            if (len > 0) {
                problem.AddLine(p, (q - p) * (1 / len));
            }
        }
        if (problem.Spread() < kMinSpread) {
            continue;
        }
        const Point best = problem.Solve();
        if (Distance(best, node.position) <= kMaxShift * node.radius) {
            node.position = best;
        }
    }
}

} // namespace mkvecfont
