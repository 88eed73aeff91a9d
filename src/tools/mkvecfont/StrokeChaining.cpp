#include "StrokeChaining.h"

#include "Simplify.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

namespace mkvecfont {

namespace {

// How far along a branch to look for its direction at a junction, in the junction's
// half-widths, and at least in pixels.
constexpr double kDirectionReach = 2.0;
constexpr double kMinDirectionReach = 3.0;

class Chainer {
public:
    Chainer(const SkeletonGraph& graph, const std::vector<Polyline>& lines)
        : g_(graph), lines_(lines), partner_(graph.edges.size() * 2, -1) {}

    std::vector<Polyline> Run(double straightThroughDegrees) {
        PairEnds(std::cos(straightThroughDegrees * std::numbers::pi / 180.0));
        std::vector<Polyline> paths;
        std::vector<char> used(g_.edges.size(), 0);
        // Open paths first, each from an end that doesn't continue; what remains are rings.
        for (int pass = 0; pass < 2; ++pass) {
            for (int end = 0; end < static_cast<int>(partner_.size()); ++end) {
                const int e = EdgeOfEnd(end);
                if (g_.edges[e].alive && used[e] == 0 && (pass == 1 || partner_[end] < 0)) {
                    paths.push_back(Follow(end, used));
                }
            }
        }
        return paths;
    }

private:
    Polyline LineFrom(int end) const {
        Polyline line = lines_[EdgeOfEnd(end)];
        if (end % 2 == 1) {
            std::reverse(line.begin(), line.end());
        }
        return line;
    }

    Point Direction(int end) const {
        const Polyline line = LineFrom(end);
        const double radius = g_.nodes[g_.NodeAtEnd(end)].radius;
        const Point dir =
            PointAlong(line, std::max(kMinDirectionReach, kDirectionReach * radius)) - line.front();
        const double len = Length(dir);
        return len > 0 ? dir * (1.0 / len) : Point{};
    }

    // The pen lifts only where a stroke really ends.
    void PairEnds(double straight) {
        for (int n = 0; n < static_cast<int>(g_.nodes.size()); ++n) {
            const std::vector<int> ends = g_.nodes[n].alive ? g_.EndsAt(n) : std::vector<int>{};
            if (ends.size() == 2) {
                partner_[ends[0]] = ends[1];
                partner_[ends[1]] = ends[0];
                continue;
            }
            std::vector<std::tuple<double, int, int>> candidates;
            for (std::size_t i = 0; i < ends.size(); ++i) {
                for (std::size_t j = i + 1; j < ends.size(); ++j) {
                    const Point a = Direction(ends[i]);
                    const Point b = Direction(ends[j]);
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
            used[EdgeOfEnd(end)] = 1;
            const Polyline piece = LineFrom(end);
            path.insert(path.end(), piece.begin() + (path.empty() ? 0 : 1), piece.end());
            const int next = partner_[OppositeEnd(end)];
            if (next < 0 || used[EdgeOfEnd(next)] != 0) {
                return path;
            }
            end = next;
        }
    }

    const SkeletonGraph& g_;
    const std::vector<Polyline>& lines_;
    std::vector<int> partner_;
};

} // namespace

std::vector<Polyline> ChainStrokes(const SkeletonGraph& graph, const std::vector<Polyline>& lines,
                                   double straightThroughDegrees) {
    return Chainer(graph, lines).Run(straightThroughDegrees);
}

} // namespace mkvecfont
