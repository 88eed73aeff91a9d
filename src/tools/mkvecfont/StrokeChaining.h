#pragma once

#include "Geometry.h"
#include "SkeletonGraph.h"

#include <vector>

namespace mkvecfont {

// Joins the pen lines of the graph's live edges (lines[e] runs from edge e's `from` node to
// its `to` node) into as few pen paths as read naturally: through a node with two branches,
// and through a junction along pairs of branches that bend by less than
// `straightThroughDegrees`. Closed rings come out with their first point repeated.
std::vector<Polyline> ChainStrokes(const SkeletonGraph& graph, const std::vector<Polyline>& lines,
                                   double straightThroughDegrees);

} // namespace mkvecfont
