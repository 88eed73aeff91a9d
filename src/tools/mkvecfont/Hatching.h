#pragma once

#include "Geometry.h"
#include "Grid.h"

#include <vector>

namespace mkvecfont {

// Horizontal lines through the ink on every `spacing`-th pixel row, in the same pixel
// coordinates as the stroke tracer: a pen can only fill an area by shading it.
std::vector<Polyline> HatchInk(const Bitmap& ink, int spacing);

} // namespace mkvecfont
