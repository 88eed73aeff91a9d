#include "StrokeTracer.h"

#include "GraphDots.h"
#include "JunctionPlacement.h"
#include "Simplify.h"
#include "SkeletonGraph.h"
#include "SkeletonPruning.h"
#include "StrokeChaining.h"

#include <algorithm>
#include <cmath>

namespace mkvecfont {

namespace {

// How far back from a stroke's end to take its direction, in stroke half-widths, and at
// least in pixels.
constexpr double kDirectionReach = 2.0;
constexpr double kMinDirectionReach = 3.0;
// A short stroke is straightened over at most this fraction of its length.
constexpr double kShortStrokeCut = 0.35;
// Step, in pixels, when feeling for the end of the ink.
constexpr double kInkStep = 0.5;

// Shapes each edge of a cleaned-up graph into a pen line.
class EdgeShaper {
public:
    EdgeShaper(const SkeletonGraph& graph, const Grid<float>& depth, const TraceOptions& options)
        : g_(graph), depth_(depth), options_(options) {}

    // The edge as a pen line from its `from` node to its `to` node.
    Polyline Line(int e) const {
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

private:
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
        const double length = ArcLength(line);
        const double cut = std::min(options_.endTrim * g_.strokeRadius, kShortStrokeCut * length);
        const double reach =
            std::min(cut + std::max(kMinDirectionReach, kDirectionReach * g_.strokeRadius), length);
        const Point tip = line.front();
        const Point kept = PointAlong(line, cut);
        const Point dir = kept - PointAlong(line, reach);
        const double len = Length(dir);
        if (len == 0) {
            return;
        }
        std::size_t drop = 0;
        while (drop + 1 < line.size() && Distance(line[drop], tip) < Distance(kept, tip)) {
            ++drop;
        }
        line.erase(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(drop));
        const double wanted = Distance(kept, tip) + options_.endExtension * tipRadius;
        line.insert(line.begin(), kept + dir * (InkAhead(kept, dir * (1 / len), wanted) / len));
    }

    // How far from `from` along the unit vector `dir`, up to `limit`, the ink goes on.
    double InkAhead(Point from, Point dir, double limit) const {
        double inside = 0;
        for (double t = kInkStep; t <= limit; t += kInkStep) {
            const Point p = from + dir * t;
            if (depth_.At(static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y))) <=
                0) {
                break;
            }
            inside = t;
        }
        return inside;
    }

    const SkeletonGraph& g_;
    const Grid<float>& depth_;
    const TraceOptions& options_;
};

} // namespace

StrokeSet TraceStrokes(const Bitmap& skeleton, const Grid<float>& depth,
                       const TraceOptions& options) {
    SkeletonGraph graph = BuildSkeletonGraph(skeleton, depth);
    PruneSkeletonGraph(graph, options);
    StrokeSet out;
    out.dots = TakeDots(graph, options.dotExtent);
    PlaceJunctions(graph, options.junctionTrim, options.smoothing);
    const EdgeShaper shaper(graph, depth, options);
    std::vector<Polyline> lines(graph.edges.size());
    for (int e = 0; e < static_cast<int>(graph.edges.size()); ++e) {
        if (graph.edges[e].alive) {
            lines[e] = shaper.Line(e);
        }
    }
    out.paths = ChainStrokes(graph, lines, options.straightThroughDegrees);
    return out;
}

} // namespace mkvecfont
