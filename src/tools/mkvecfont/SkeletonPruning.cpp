#include "SkeletonPruning.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace mkvecfont {

namespace {

// Loops at a junction shorter than this many half-widths are flecks of background.
constexpr double kTinyLoop = 3.0;

class Pruner {
public:
    Pruner(SkeletonGraph& graph, const TraceOptions& options) : g_(graph), options_(options) {}

    void Run() {
        while (RemoveSpur() || RemoveTinyLoop() || MergeJunctions()) {
        }
    }

private:
    // The shortest live edge no longer than the limit `limitOf` sets for it, or -1.
    template <typename Fn> int Shortest(Fn limitOf) const {
        int best = -1;
        double bestLength = std::numeric_limits<double>::infinity();
        for (int e = 0; e < static_cast<int>(g_.edges.size()); ++e) {
            if (!g_.edges[e].alive) {
                continue;
            }
            const std::optional<double> limit = limitOf(g_.edges[e]);
            const double len = g_.EdgeLength(e);
            if (limit && len <= *limit && len < bestLength) {
                best = e;
                bestLength = len;
            }
        }
        return best;
    }

    bool RemoveSpur() {
        const int e = Shortest([this](const GraphEdge& edge) -> std::optional<double> {
            if (edge.from == edge.to) {
                return std::nullopt;
            }
            for (auto [tip, base] :
                 {std::pair{edge.from, edge.to}, std::pair{edge.to, edge.from}}) {
                // How far the branch's ink reaches beyond the junction's own ink.
                if (g_.Degree(tip) == 1 && g_.Degree(base) >= 3) {
                    return options_.spurLength * g_.strokeRadius + g_.nodes[base].radius -
                           g_.nodes[tip].radius;
                }
            }
            return std::nullopt;
        });
        if (e < 0) {
            return false;
        }
        GraphEdge& edge = g_.edges[e];
        edge.alive = false;
        g_.nodes[g_.Degree(edge.from) == 0 ? edge.from : edge.to].alive = false;
        return true;
    }

    bool RemoveTinyLoop() {
        const int e = Shortest([this](const GraphEdge& edge) -> std::optional<double> {
            if (edge.from != edge.to || !g_.nodes[edge.from].junction) {
                return std::nullopt;
            }
            return kTinyLoop * g_.nodes[edge.from].radius;
        });
        if (e < 0) {
            return false;
        }
        g_.edges[e].alive = false;
        return true;
    }

    bool MergeJunctions() {
        const int e = Shortest([this](const GraphEdge& edge) -> std::optional<double> {
            if (edge.from == edge.to || g_.Degree(edge.from) < 3 || g_.Degree(edge.to) < 3) {
                return std::nullopt;
            }
            return options_.junctionMerge *
                   std::max(g_.nodes[edge.from].radius, g_.nodes[edge.to].radius);
        });
        if (e < 0) {
            return false;
        }
        g_.edges[e].alive = false;
        const int keepId = g_.edges[e].from;
        const int goneId = g_.edges[e].to;
        GraphNode& keep = g_.nodes[keepId];
        GraphNode& gone = g_.nodes[goneId];
        keep.position = (keep.position + gone.position) * 0.5;
        keep.radius = std::max(keep.radius, gone.radius);
        for (int moved : gone.edges) {
            GraphEdge& m = g_.edges[moved];
            m.from = m.from == goneId ? keepId : m.from;
            m.to = m.to == goneId ? keepId : m.to;
            keep.edges.push_back(moved);
        }
        gone.edges.clear();
        gone.alive = false;
        return true;
    }

    SkeletonGraph& g_;
    const TraceOptions& options_;
};

} // namespace

void PruneSkeletonGraph(SkeletonGraph& graph, const TraceOptions& options) {
    Pruner(graph, options).Run();
}

} // namespace mkvecfont
