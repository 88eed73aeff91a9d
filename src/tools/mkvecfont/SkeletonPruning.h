#pragma once

#include "SkeletonGraph.h"
#include "StrokeTracer.h"

namespace mkvecfont {

// Removes thinning debris: short side branches, tiny loops, and junctions split in two.
void PruneSkeletonGraph(SkeletonGraph& graph, const TraceOptions& options);

} // namespace mkvecfont
