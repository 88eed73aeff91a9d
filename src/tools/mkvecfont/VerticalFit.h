#pragma once

#include "Geometry.h"

#include <vector>

namespace mkvecfont {

// Where a glyph's lettering lines sit, in grid steps.
struct LetterLines {
    double baseline = 0;
    double capHeight = 0;
};

// Western letters reach further below the baseline and above the capitals than the em square
// the cell holds (descenders, accents). Squeezes just the part below the baseline so the
// lowest point lands on `floor`, and the part above the capitals so the highest lands on
// `ceiling`; glyphs that fit are left alone, and the baseline and capitals never move.
void FitVertically(std::vector<Polyline>& strokes, const LetterLines& lines, double floor,
                   double ceiling);

} // namespace mkvecfont
