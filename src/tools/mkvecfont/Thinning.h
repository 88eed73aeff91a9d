#pragma once

#include "Grid.h"

namespace mkvecfont {

// Distance from every ink pixel to the nearest background pixel, in pixels; 0 off the ink.
Grid<float> InkDepth(const Bitmap& ink);

// Thins ink (non-zero pixels) to a one-pixel, 8-connected centre line with the same
// connectivity and holes.
Bitmap Skeletonize(const Bitmap& ink);

} // namespace mkvecfont
