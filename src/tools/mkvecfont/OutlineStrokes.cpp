#include "OutlineStrokes.h"

#include "Hatching.h"
#include "Simplify.h"
#include "Thinning.h"
#include "VerticalFit.h"

#include <algorithm>
#include <cmath>

namespace mkvecfont {

namespace {

float Deepest(const Grid<float>& depth) {
    float most = 0;
    for (int y = 0; y < depth.Height(); ++y) {
        for (int x = 0; x < depth.Width(); ++x) {
            most = std::max(most, depth(x, y));
        }
    }
    return most;
}

// Pen paths (bitmap pixel space) for a character: centre lines and dots, or for a filled
// shape its outline and shading.
std::vector<Polyline> PenPaths(const OutlineFont& font, char32_t ch, const StrokeOptions& options) {
    const EmPlacement& placement = options.placement;
    const Bitmap ink = font.Render(ch, placement);
    const Grid<float> depth = InkDepth(ink);
    const double pps = placement.pixelsPerStep;
    if (Deepest(depth) >= options.solidDepth * placement.size * pps) {
        std::vector<Polyline> paths = font.Contours(ch, placement);
        const std::vector<Polyline> shading =
            HatchInk(ink, std::max(1, static_cast<int>(std::lround(options.hatchSpacing * pps))));
        paths.insert(paths.end(), shading.begin(), shading.end());
        return paths;
    }
    StrokeSet strokes = TraceStrokes(Skeletonize(ink), depth, options.trace);
    for (const Dot& dot : strokes.dots) {
        const double radius = std::max(options.minDotRadius * pps, dot.radius * options.dotScale);
        const std::vector<Polyline> rings = DotRings(dot.centre, radius);
        strokes.paths.insert(strokes.paths.end(), rings.begin(), rings.end());
    }
    return strokes.paths;
}

} // namespace

std::vector<Polyline> OutlineStrokes(const OutlineFont& font, char32_t ch,
                                     const StrokeOptions& options) {
    const std::vector<Polyline> paths = PenPaths(font, ch, options);
    const double scale = 1.0 / options.placement.pixelsPerStep;
    const double shift = options.placement.border;
    auto toGrid = [&](Point p) { return Point{p.x * scale - shift, p.y * scale - shift}; };
    std::vector<Polyline> out;
    for (const Polyline& path : paths) {
        Polyline line;
        std::transform(path.begin(), path.end(), std::back_inserter(line), toGrid);
        out.push_back(std::move(line));
    }
    const EmPlacement& em = options.placement;
    FitVertically(out,
                  {em.bottom + font.Baseline() * em.size, em.bottom + font.CapHeight() * em.size},
                  options.floor, options.ceiling);
    for (Polyline& line : out) {
        line = Simplify(line, options.tolerance);
    }
    return out;
}

} // namespace mkvecfont
