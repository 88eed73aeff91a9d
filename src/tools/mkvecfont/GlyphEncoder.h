#pragma once

#include "Geometry.h"
#include "QvfFormat.h"

#include <span>

namespace mkvecfont {

// Rounds strokes (grid coordinates) onto the grid, kept within low..high on both axes, and
// turns them into pen commands. Strokes that collapse to a point are dropped.
Glyph EncodeStrokes(std::span<const Polyline> strokes, int low, int high);

} // namespace mkvecfont
