#include "SkeletonGraph.h"

#include "Neighbourhood.h"
#include "Simplify.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace mkvecfont {

namespace {

Point PixelCentre(int x, int y) {
    return {x + 0.5, y + 0.5};
}

class GraphBuilder {
public:
    GraphBuilder(const Bitmap& skeleton, const Grid<float>& depth)
        : skeleton_(skeleton), depth_(depth), nodeOf_(skeleton.Width(), skeleton.Height(), -1),
          visited_(skeleton.Width(), skeleton.Height(), 0) {
        for (int y = 0; y < skeleton.Height(); ++y) {
            for (int x = 0; x < skeleton.Width(); ++x) {
                if (skeleton(x, y) != 0) {
                    ink_.emplace_back(x, y);
                }
            }
        }
    }

    SkeletonGraph Build() {
        MeasureStrokes();
        MakeNodes();
        TraceFromNodes();
        TraceRings();
        return std::move(graph_);
    }

private:
    int Neighbours(int x, int y) const { return std::popcount(Neighbourhood(skeleton_, x, y)); }
    bool IsInk(int x, int y) const { return skeleton_.At(x, y) != 0; }

    void MeasureStrokes() {
        std::vector<float> radii;
        for (const auto& [x, y] : ink_) {
            radii.push_back(depth_(x, y));
        }
        if (!radii.empty()) {
            const auto middle = radii.begin() + static_cast<std::ptrdiff_t>(radii.size() / 2);
            std::nth_element(radii.begin(), middle, radii.end());
            graph_.strokeRadius = *middle;
        }
    }

    void MakeNodes() {
        for (const auto& [x, y] : ink_) {
            if (nodeOf_(x, y) >= 0 || Neighbours(x, y) == 2) {
                continue;
            }
            if (Neighbours(x, y) < 2) {
                AddNode({{x, y}}, false);
            } else {
                AddNode(JunctionClump(x, y), true);
            }
        }
    }

    std::vector<std::pair<int, int>> JunctionClump(int x, int y) {
        std::vector<std::pair<int, int>> clump{{x, y}};
        nodeOf_(x, y) = static_cast<int>(graph_.nodes.size());
        for (std::size_t i = 0; i < clump.size(); ++i) {
            const auto [cx, cy] = clump[i];
            for (int k = 0; k < 8; ++k) {
                const int nx = cx + kNeighbourDx[k];
                const int ny = cy + kNeighbourDy[k];
                if (IsInk(nx, ny) && nodeOf_(nx, ny) < 0 && Neighbours(nx, ny) > 2) {
                    nodeOf_(nx, ny) = nodeOf_(x, y);
                    clump.emplace_back(nx, ny);
                }
            }
        }
        return clump;
    }

    void AddNode(const std::vector<std::pair<int, int>>& pixels, bool junction) {
        GraphNode node;
        node.junction = junction;
        for (auto [x, y] : pixels) {
            nodeOf_(x, y) = static_cast<int>(graph_.nodes.size());
            node.position = node.position + PixelCentre(x, y);
            node.radius = std::max(node.radius, static_cast<double>(depth_(x, y)));
        }
        node.position = node.position * (1.0 / static_cast<double>(pixels.size()));
        graph_.nodes.push_back(node);
    }

    void AddEdge(int from, int to, std::vector<std::pair<int, int>> pixels) {
        GraphEdge edge;
        edge.from = from;
        edge.to = to;
        for (auto [x, y] : pixels) {
            edge.points.push_back(PixelCentre(x, y));
            edge.radius = std::max(edge.radius, static_cast<double>(depth_(x, y)));
        }
        const int id = static_cast<int>(graph_.edges.size());
        graph_.edges.push_back(std::move(edge));
        graph_.nodes[from].edges.push_back(id);
        graph_.nodes[to].edges.push_back(id);
    }

    // Follows two-neighbour pixels from the node pixel `start` through `first` until it
    // meets a node pixel (on a ring, `start` itself).
    void Walk(std::pair<int, int> start, std::pair<int, int> first) {
        std::vector<std::pair<int, int>> run{start, first};
        auto prev = start;
        auto cur = first;
        while (nodeOf_(cur.first, cur.second) < 0) {
            visited_(cur.first, cur.second) = 1;
            std::optional<std::pair<int, int>> next;
            for (int k = 0; k < 8 && !next; ++k) {
                const std::pair<int, int> n{cur.first + kNeighbourDx[k],
                                            cur.second + kNeighbourDy[k]};
                if (n != prev && IsInk(n.first, n.second) &&
                    (nodeOf_(n.first, n.second) >= 0 || visited_(n.first, n.second) == 0)) {
                    next = n;
                }
            }
            if (!next) {
                break;
            }
            prev = cur;
            cur = *next;
            run.push_back(cur);
        }
        const int from = nodeOf_(start.first, start.second);
        const int to = nodeOf_(cur.first, cur.second);
        if (to >= 0) {
            AddEdge(from, to, std::move(run));
        }
    }

    void TraceFromNodes() {
        for (const auto& [x, y] : ink_) {
            const int node = IsInk(x, y) ? nodeOf_(x, y) : -1;
            if (node < 0) {
                continue;
            }
            for (int k = 0; k < 8; ++k) {
                const int nx = x + kNeighbourDx[k];
                const int ny = y + kNeighbourDy[k];
                if (!IsInk(nx, ny)) {
                    continue;
                }
                const int other = nodeOf_(nx, ny);
                if (other < 0 && visited_(nx, ny) == 0) {
                    Walk({x, y}, {nx, ny});
                } else if (other >= 0 && other != node &&
                           skeleton_.Index(x, y) < skeleton_.Index(nx, ny)) {
                    AddEdge(node, other, {{x, y}, {nx, ny}});
                }
            }
        }
    }

    // What is left unvisited are closed rings without ends or junctions.
    void TraceRings() {
        for (const auto& [x, y] : ink_) {
            if (!IsInk(x, y) || nodeOf_(x, y) >= 0 || visited_(x, y) != 0) {
                continue;
            }
            AddNode({{x, y}}, false);
            for (int k = 0; k < 8; ++k) {
                const int nx = x + kNeighbourDx[k];
                const int ny = y + kNeighbourDy[k];
                if (IsInk(nx, ny)) {
                    Walk({x, y}, {nx, ny});
                    break;
                }
            }
        }
    }

    const Bitmap& skeleton_;
    const Grid<float>& depth_;
    // The centre line pixels in raster order.
    std::vector<std::pair<int, int>> ink_;
    Grid<int> nodeOf_;
    Grid<unsigned char> visited_;
    SkeletonGraph graph_;
};

} // namespace

int SkeletonGraph::Degree(int node) const {
    int count = 0;
    for (int e : nodes[node].edges) {
        count += edges[e].alive ? 1 : 0;
    }
    return count;
}

double SkeletonGraph::EdgeLength(int edge) const {
    return ArcLength(edges[edge].points);
}

int SkeletonGraph::NodeAtEnd(int end) const {
    const GraphEdge& e = edges[EdgeOfEnd(end)];
    return end % 2 == 0 ? e.from : e.to;
}

std::vector<int> SkeletonGraph::EndsAt(int node) const {
    std::vector<int> ends;
    for (int e : nodes[node].edges) {
        if (!edges[e].alive || std::find(ends.begin(), ends.end(), 2 * e) != ends.end() ||
            std::find(ends.begin(), ends.end(), 2 * e + 1) != ends.end()) {
            continue;
        }
        if (edges[e].from == node) {
            ends.push_back(2 * e);
        }
        if (edges[e].to == node) {
            ends.push_back(2 * e + 1);
        }
    }
    return ends;
}

Polyline SkeletonGraph::PointsFromEnd(int end) const {
    Polyline line = edges[EdgeOfEnd(end)].points;
    if (end % 2 == 1) {
        std::reverse(line.begin(), line.end());
    }
    line.front() = nodes[NodeAtEnd(end)].position;
    return line;
}

SkeletonGraph BuildSkeletonGraph(const Bitmap& skeleton, const Grid<float>& depth) {
    return GraphBuilder(skeleton, depth).Build();
}

} // namespace mkvecfont
