#pragma once

#include "SkeletonGraph.h"

namespace mkvecfont {

// Moves each junction to where its branches, carried on straight, meet best: thinning drags
// the middle of a junction's pixel clump off the true crossing, and leaves a corner's clump
// inside the corner. Branches are sampled from `skip` half-widths (of the junction) out;
// `smoothing` is the moving-average radius used on the pixels first.
void PlaceJunctions(SkeletonGraph& graph, double skip, int smoothing);

} // namespace mkvecfont
