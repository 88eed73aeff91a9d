#include "StrokeTracer.h"

#include "Simplify.h"
#include "SkeletonGraph.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <tuple>

namespace mkvecfont {

namespace {

// Ink thinner than this many pixels is rasterisation noise.
constexpr double kNoiseRadius = 1.0;
// How far along a stroke to look when judging its direction at an end, in half-widths.
constexpr double kDirectionReach = 2.0;
constexpr double kMinDirectionReach = 3.0;

// An end of an edge: edge * 2 for its `from` end, edge * 2 + 1 for its `to` end.
int EdgeOf(int end) {
    return end / 2;
}
int OppositeEnd(int end) {
    return end ^ 1;
}

class Tracer {
public:
    Tracer(SkeletonGraph graph, const TraceOptions& options)
        : g_(std::move(graph)), options_(options) {}

    StrokeSet Run() {
        StrokeSet out;
        out.dots = TakeDots();
        RecentreJunctions();
        lines_.resize(g_.edges.size());
        for (int e = 0; e < static_cast<int>(g_.edges.size()); ++e) {
            if (g_.edges[e].alive) {
                lines_[e] = EdgeLine(e);
            }
        }
        PairEnds();
        out.paths = ChainPaths();
        return out;
    }

private:
    int NodeAt(int end) const {
        const GraphEdge& e = g_.edges[EdgeOf(end)];
        return end % 2 == 0 ? e.from : e.to;
    }

    std::vector<int> ComponentOfNodes() const {
        std::vector<int> parent(g_.nodes.size());
        std::iota(parent.begin(), parent.end(), 0);
        auto root = [&parent](int i) {
            while (parent[i] != i) {
                i = parent[i] = parent[parent[i]];
            }
            return i;
        };
        for (const GraphEdge& e : g_.edges) {
            if (e.alive) {
                parent[root(e.from)] = root(e.to);
            }
        }
        for (std::size_t i = 0; i < parent.size(); ++i) {
            parent[i] = root(static_cast<int>(i));
        }
        return parent;
    }

    // Components whose centre line is short compared with their width are blobs; they
    // become dots, and flecks of noise vanish.
    std::vector<Dot> TakeDots() {
        const std::vector<int> component = ComponentOfNodes();
        struct Extent {
            Point low{1e9, 1e9};
            Point high{-1e9, -1e9};
            double radius = 0;
            bool used = false;
        };
        std::vector<Extent> extent(g_.nodes.size());
        auto include = [&extent](int c, Point p, double radius) {
            Extent& x = extent[c];
            x.low = {std::min(x.low.x, p.x), std::min(x.low.y, p.y)};
            x.high = {std::max(x.high.x, p.x), std::max(x.high.y, p.y)};
            x.radius = std::max(x.radius, radius);
            x.used = true;
        };
        for (std::size_t n = 0; n < g_.nodes.size(); ++n) {
            if (g_.nodes[n].alive) {
                include(component[n], g_.nodes[n].position, g_.nodes[n].radius);
            }
        }
        for (const GraphEdge& e : g_.edges) {
            if (e.alive) {
                for (Point p : e.points) {
                    include(component[e.from], p, e.radius);
                }
            }
        }
        std::vector<Dot> dots;
        std::vector<char> erase(g_.nodes.size(), 0);
        for (std::size_t c = 0; c < extent.size(); ++c) {
            const Extent& x = extent[c];
            if (!x.used) {
                continue;
            }
            const double size = Distance(x.low, x.high);
            if (x.radius < kNoiseRadius) {
                erase[c] = 1;
            } else if (size <= options_.dotExtent * x.radius) {
                erase[c] = 1;
                dots.push_back({(x.low + x.high) * 0.5, x.radius});
            }
        }
        for (GraphEdge& e : g_.edges) {
            if (erase[component[e.from]] != 0) {
                e.alive = false;
            }
        }
        return dots;
    }

    std::vector<int> EndsAt(int node) const {
        std::vector<int> ends;
        for (int e : g_.nodes[node].edges) {
            const GraphEdge& edge = g_.edges[e];
            if (!edge.alive || std::find(ends.begin(), ends.end(), 2 * e) != ends.end() ||
                std::find(ends.begin(), ends.end(), 2 * e + 1) != ends.end()) {
                continue;
            }
            if (edge.from == node) {
                ends.push_back(2 * e);
            }
            if (edge.to == node) {
                ends.push_back(2 * e + 1);
            }
        }
        return ends;
    }

    // The centre line pixels of an edge, smoothed, starting at the node of `end`.
    Polyline PixelsFrom(int end) const {
        Polyline line = g_.edges[EdgeOf(end)].points;
        if (end % 2 == 1) {
            std::reverse(line.begin(), line.end());
        }
        line.front() = g_.nodes[NodeAt(end)].position;
        return Smooth(line, options_.smoothing);
    }

    // Moves each junction to where its branches, carried on straight, meet best: thinning
    // drags the middle of a junction's pixel clump off the true crossing, and leaves a
    // corner's clump inside the corner.
    void RecentreJunctions() {
        // Branches closer to parallel than this can't fix a point.
        constexpr double kMinSpread = 0.12;
        constexpr double kMaxShift = 1.5;
        for (int n = 0; n < static_cast<int>(g_.nodes.size()); ++n) {
            GraphNode& node = g_.nodes[n];
            if (!node.alive || !node.junction || g_.Degree(n) < 2) {
                continue;
            }
            double a00 = 0;
            double a01 = 0;
            double a11 = 0;
            Point rhs;
            for (int end : EndsAt(n)) {
                const Polyline line = PixelsFrom(end);
                const double near = options_.junctionTrim * node.radius;
                const double far = near + std::max(kMinDirectionReach, 3 * g_.strokeRadius);
                const double available = ArcLength(line);
                if (available < near + kMinDirectionReach) {
                    continue;
                }
                const Point p = PointAlong(line, near);
                const Point q = PointAlong(line, std::min(far, available));
                const double len = Length(q - p);
                if (len == 0) {
                    continue;
                }
                const Point d = (q - p) * (1 / len);
                // Squared distance to the line through p along d is x^T (I - d d^T) x form.
                const double m00 = 1 - d.x * d.x;
                const double m01 = -d.x * d.y;
                const double m11 = 1 - d.y * d.y;
                a00 += m00;
                a01 += m01;
                a11 += m11;
                rhs = rhs + Point{m00 * p.x + m01 * p.y, m01 * p.x + m11 * p.y};
            }
            const double det = a00 * a11 - a01 * a01;
            if (det < kMinSpread) {
                continue;
            }
            const Point best{(a11 * rhs.x - a01 * rhs.y) / det, (a00 * rhs.y - a01 * rhs.x) / det};
            if (Distance(best, node.position) <= kMaxShift * node.radius) {
                node.position = best;
            }
        }
    }

    // The edge as a pen line from its `from` node to its `to` node.
    Polyline EdgeLine(int e) const {
        const GraphEdge& edge = g_.edges[e];
        const GraphNode& from = g_.nodes[edge.from];
        const GraphNode& to = g_.nodes[edge.to];
        Polyline line = edge.points;
        line.front() = from.position;
        line.back() = to.position;
        line = Smooth(line, options_.smoothing);
        if (edge.from != edge.to) {
            TrimNearJunction(line, from);
            std::reverse(line.begin(), line.end());
            TrimNearJunction(line, to);
            std::reverse(line.begin(), line.end());
        }
        if (g_.Degree(edge.from) == 1) {
            StraightenEnd(line, from.radius);
        }
        if (g_.Degree(edge.to) == 1) {
            std::reverse(line.begin(), line.end());
            StraightenEnd(line, to.radius);
            std::reverse(line.begin(), line.end());
        }
        return line;
    }

    // Near a junction the centre line is pulled towards the other branches; aim the stroke
    // straight at the junction instead.
    void TrimNearJunction(Polyline& line, const GraphNode& node) const {
        if (!node.junction) {
            return;
        }
        const double reach = options_.junctionTrim * node.radius;
        std::size_t keepFrom = 1;
        while (keepFrom + 1 < line.size() && Distance(line[keepFrom], line.front()) < reach) {
            ++keepFrom;
        }
        line.erase(line.begin() + 1, line.begin() + static_cast<std::ptrdiff_t>(keepFrom));
    }

    // Thinning bends the last half-width of a stroke towards one corner of its end, and stops
    // short of the end: carry the stroke on straight from further back, out to where its
    // ink ends.
    void StraightenEnd(Polyline& line, double tipRadius) const {
        const double cut = options_.endTrim * g_.strokeRadius;
        const double reach = cut + std::max(kMinDirectionReach, kDirectionReach * g_.strokeRadius);
        const double extension = options_.endExtension * tipRadius;
        if (ArcLength(line) < reach + kMinDirectionReach) {
            const Point dir = line.front() - PointAlong(line, reach);
            const double len = Length(dir);
            if (len > 0) {
                line.front() = line.front() + dir * (extension / len);
            }
            return;
        }
        const Point tip = line.front();
        const Point kept = PointAlong(line, cut);
        const Point dir = kept - PointAlong(line, reach);
        const double len = Length(dir);
        std::size_t drop = 0;
        while (drop + 1 < line.size() && Distance(line[drop], tip) < Distance(kept, tip)) {
            ++drop;
        }
        line.erase(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(drop));
        line.insert(line.begin(), kept + dir * ((Distance(kept, tip) + extension) / len));
    }

    Point EndDirection(int end) const {
        Polyline line = lines_[EdgeOf(end)];
        if (end % 2 == 1) {
            std::reverse(line.begin(), line.end());
        }
        const double radius = g_.nodes[NodeAt(end)].radius;
        const Point dir =
            PointAlong(line, std::max(kMinDirectionReach, kDirectionReach * radius)) - line.front();
        const double len = Length(dir);
        return len > 0 ? dir * (1.0 / len) : Point{};
    }

    // Decides which strokes run on through each node, so the pen lifts only where a stroke
    // really ends.
    void PairEnds() {
        partner_.assign(g_.edges.size() * 2, -1);
        std::vector<std::vector<int>> endsAt(g_.nodes.size());
        for (int end = 0; end < static_cast<int>(partner_.size()); ++end) {
            if (g_.edges[EdgeOf(end)].alive) {
                endsAt[NodeAt(end)].push_back(end);
            }
        }
        const double straight =
            std::cos(options_.straightThroughDegrees * std::numbers::pi / 180.0);
        for (const std::vector<int>& ends : endsAt) {
            if (ends.size() == 2) {
                partner_[ends[0]] = ends[1];
                partner_[ends[1]] = ends[0];
                continue;
            }
            std::vector<std::tuple<double, int, int>> candidates;
            for (std::size_t i = 0; i < ends.size(); ++i) {
                for (std::size_t j = i + 1; j < ends.size(); ++j) {
                    const Point a = EndDirection(ends[i]);
                    const Point b = EndDirection(ends[j]);
                    const double bend = a.x * b.x + a.y * b.y;
                    if (bend < -straight) {
                        candidates.emplace_back(bend, ends[i], ends[j]);
                    }
                }
            }
            std::sort(candidates.begin(), candidates.end());
            for (auto [bend, a, b] : candidates) {
                if (partner_[a] < 0 && partner_[b] < 0) {
                    partner_[a] = b;
                    partner_[b] = a;
                }
            }
        }
    }

    Polyline Follow(int start, std::vector<char>& used) const {
        Polyline path;
        for (int end = start;;) {
            used[EdgeOf(end)] = 1;
            Polyline piece = lines_[EdgeOf(end)];
            if (end % 2 == 1) {
                std::reverse(piece.begin(), piece.end());
            }
            path.insert(path.end(), piece.begin() + (path.empty() ? 0 : 1), piece.end());
            const int next = partner_[OppositeEnd(end)];
            if (next < 0 || used[EdgeOf(next)] != 0) {
                return path;
            }
            end = next;
        }
    }

    std::vector<Polyline> ChainPaths() const {
        std::vector<Polyline> paths;
        std::vector<char> used(g_.edges.size(), 0);
        // Open paths first, from an end that doesn't continue; what remains are rings.
        for (int pass = 0; pass < 2; ++pass) {
            for (int end = 0; end < static_cast<int>(partner_.size()); ++end) {
                const int e = EdgeOf(end);
                if (g_.edges[e].alive && used[e] == 0 && (pass == 1 || partner_[end] < 0)) {
                    paths.push_back(Follow(end, used));
                }
            }
        }
        return paths;
    }

    SkeletonGraph g_;
    const TraceOptions& options_;
    std::vector<Polyline> lines_;
    std::vector<int> partner_;
};

} // namespace

StrokeSet TraceStrokes(const Bitmap& skeleton, const Grid<float>& depth,
                       const TraceOptions& options) {
    SkeletonGraph graph = BuildSkeletonGraph(skeleton, depth);
    PruneSkeletonGraph(graph, options);
    return Tracer(std::move(graph), options).Run();
}

} // namespace mkvecfont
