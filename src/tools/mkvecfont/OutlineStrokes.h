#pragma once

#include "Geometry.h"
#include "OutlineFont.h"
#include "StrokeTracer.h"

#include <vector>

namespace mkvecfont {

struct StrokeOptions {
    EmPlacement placement;
    TraceOptions trace;
    // Douglas-Peucker tolerance in grid steps.
    double tolerance = 0.7;
    // Dots are drawn as small rings of this fraction of the ink's half-width, and of at least
    // this radius in grid steps.
    double dotScale = 0.55;
    double minDotRadius = 2.5;
    // Glyphs with ink deeper than this (in em) are filled shapes (a black square, a black
    // star): a centre line would lose them, so they get their outline and shading instead.
    double solidDepth = 0.09;
    // Distance between shading lines in grid steps.
    int hatchSpacing = 4;
    // Lowest and highest grid line a glyph may reach; descenders and accents beyond are
    // squeezed in (see VerticalFit.h).
    double floor = 4;
    double ceiling = 251;
};

// The centre lines of a character of the outline font, in grid coordinates (0..255 spans
// the cell, Y up); nothing if the font has no glyph for it.
std::vector<Polyline> OutlineStrokes(const OutlineFont& font, char32_t ch,
                                     const StrokeOptions& options);

} // namespace mkvecfont
