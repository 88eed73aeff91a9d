#include "GraphDots.h"

#include <algorithm>
#include <numeric>

namespace mkvecfont {

namespace {

// Ink thinner than this many pixels is rasterisation noise.
constexpr double kNoiseRadius = 1.0;

struct Extent {
    Point low{1e9, 1e9};
    Point high{-1e9, -1e9};
    double radius = 0;
    bool used = false;

    void Include(Point p, double r) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y)};
        radius = std::max(radius, r);
        used = true;
    }
};

// For every node, the lowest-numbered node of its connected piece.
std::vector<int> PieceOfNodes(const SkeletonGraph& graph) {
    std::vector<int> parent(graph.nodes.size());
    std::iota(parent.begin(), parent.end(), 0);
    auto root = [&parent](int i) {
        while (parent[i] != i) {
            i = parent[i] = parent[parent[i]];
        }
        return i;
    };
    for (const GraphEdge& e : graph.edges) {
        if (e.alive) {
            const int a = root(e.from);
            const int b = root(e.to);
            parent[std::max(a, b)] = std::min(a, b);
        }
    }
    for (std::size_t i = 0; i < parent.size(); ++i) {
        parent[i] = root(static_cast<int>(i));
    }
    return parent;
}

} // namespace

std::vector<Dot> TakeDots(SkeletonGraph& graph, double dotExtent) {
    const std::vector<int> piece = PieceOfNodes(graph);
    std::vector<Extent> extent(graph.nodes.size());
    for (std::size_t n = 0; n < graph.nodes.size(); ++n) {
        if (graph.nodes[n].alive) {
            extent[piece[n]].Include(graph.nodes[n].position, graph.nodes[n].radius);
        }
    }
    for (const GraphEdge& e : graph.edges) {
        if (e.alive) {
            for (Point p : e.points) {
                extent[piece[e.from]].Include(p, e.radius);
            }
        }
    }
    std::vector<Dot> dots;
    std::vector<char> erase(graph.nodes.size(), 0);
    for (std::size_t c = 0; c < extent.size(); ++c) {
        const Extent& x = extent[c];
        if (!x.used) {
            continue;
        }
        if (x.radius < kNoiseRadius) {
            erase[c] = 1;
        } else if (Distance(x.low, x.high) <= dotExtent * x.radius) {
            erase[c] = 1;
            dots.push_back({(x.low + x.high) * 0.5, x.radius});
        }
    }
    for (GraphEdge& e : graph.edges) {
        if (erase[piece[e.from]] != 0) {
            e.alive = false;
        }
    }
    return dots;
}

} // namespace mkvecfont
