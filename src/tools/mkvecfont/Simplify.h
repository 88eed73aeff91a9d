#pragma once

#include "Geometry.h"

namespace mkvecfont {

// Moving average over 2 * radius + 1 points; the ends stay put so joints don't drift.
Polyline Smooth(const Polyline& line, int radius);

// Douglas-Peucker: drops points closer than `tolerance` to the simplified line.
Polyline Simplify(const Polyline& line, double tolerance);

// Length along the line.
double ArcLength(const Polyline& line);

// The point `along` units from the start of the line (its end if the line is shorter).
Point PointAlong(const Polyline& line, double along);

} // namespace mkvecfont
