#pragma once

#include "SkeletonGraph.h"
#include "StrokeTracer.h"

#include <vector>

namespace mkvecfont {

// Takes out of the graph the pieces whose centre line is short compared with their width
// (extent no more than `dotExtent` half-widths): they become dots, and flecks of noise
// thinner than a pixel vanish.
std::vector<Dot> TakeDots(SkeletonGraph& graph, double dotExtent);

} // namespace mkvecfont
