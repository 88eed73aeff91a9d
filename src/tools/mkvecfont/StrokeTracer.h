#pragma once

#include "Geometry.h"
#include "Grid.h"

#include <vector>

namespace mkvecfont {

// A blob of ink too short to be a stroke (a full stop, the dot of a middle dot).
struct Dot {
    Point centre;
    double radius = 0;
};

// Pen paths in bitmap pixel coordinates (pixel (i, j) has its centre at (i + 0.5, j + 0.5)).
struct StrokeSet {
    std::vector<Polyline> paths;
    std::vector<Dot> dots;
};

// Tuning of the centre line clean-up. Lengths are multiples of the stroke half-width.
struct TraceOptions {
    // Side branches whose ink sticks out of a junction by less than this are thinning debris
    // at corners and stroke ends.
    double spurLength = 1.0;
    // Junctions closer than this describe one crossing.
    double junctionMerge = 1.2;
    // The centre line bends towards a junction within about one half-width of it.
    double junctionTrim = 1.1;
    // Thinning stops about half a stroke short of a stroke's end, so free ends are carried on
    // by this many of the tip's half-widths (never past the ink) ...
    double endExtension = 0.85;
    // ... and it bends the last stretch, which is redrawn straight from this far back.
    double endTrim = 1.5;
    // Ink whose centre line is shorter than this is drawn as a dot.
    double dotExtent = 1.6;
    // Half-width of the moving average that takes out pixel staircases, in pixels.
    int smoothing = 2;
    // Strokes continue through a junction when they bend by less than this.
    double straightThroughDegrees = 35;
};

// Turns a glyph's centre line pixels (see Thinning.h) and the depth of its ink into pen
// paths and dots.
StrokeSet TraceStrokes(const Bitmap& skeleton, const Grid<float>& depth,
                       const TraceOptions& options);

} // namespace mkvecfont
