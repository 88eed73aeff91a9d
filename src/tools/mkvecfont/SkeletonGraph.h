#pragma once

#include "Geometry.h"
#include "Grid.h"

#include <vector>

namespace mkvecfont {

// A stroke end, a junction (a clump of centre line pixels where three or more branches
// meet) or, for a ring with no ends, an arbitrary point on it.
struct GraphNode {
    Point position;
    // Half the stroke width there.
    double radius = 0;
    bool junction = false;
    bool alive = true;
    // Incident edges, dead ones included; a loop is listed twice.
    std::vector<int> edges;
};

// A run of centre line pixels between two nodes.
struct GraphEdge {
    int from = -1;
    int to = -1;
    // Pixel centres from `from` to `to`, both end pixels included.
    Polyline points;
    // The widest half-width along the run.
    double radius = 0;
    bool alive = true;
};

// An end of an edge: edge * 2 for its `from` end, edge * 2 + 1 for its `to` end.
inline int EdgeOfEnd(int end) {
    return end / 2;
}
inline int OppositeEnd(int end) {
    return end ^ 1;
}

struct SkeletonGraph {
    std::vector<GraphNode> nodes;
    std::vector<GraphEdge> edges;
    // The typical half-width of the strokes (the median along the centre lines).
    double strokeRadius = 0;

    int Degree(int node) const;
    double EdgeLength(int edge) const;
    int NodeAtEnd(int end) const;
    // The ends of live edges at a node, each once.
    std::vector<int> EndsAt(int node) const;
    // An edge's pixels starting from `end`, the first replaced by its node's position.
    Polyline PointsFromEnd(int end) const;
};

SkeletonGraph BuildSkeletonGraph(const Bitmap& skeleton, const Grid<float>& depth);

} // namespace mkvecfont
