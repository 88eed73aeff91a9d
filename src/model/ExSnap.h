#pragma once

#include "ExTypes.h"

class CExViewContext;
class CKORVANEXDoc;

// Where a point snaps: to the nearest point of the grid's fine lattice, or to a corner or the
// middle of an edge of a part near it when that is nearer. Parts are looked for in the
// drawing's index, so the cost follows what lies near the point, not the drawing's size.
enum class ExSnapKind { None, Grid, Part };

struct ExSnap {
    ExPoint point; // drawing units
    ExSnapKind kind = ExSnapKind::None;
};

struct ExSnapRules {
    ExPoint lattice; // the fine lattice in drawing units; no lattice when either is 0
    int reach = 0;   // how far a part's corner or edge middle pulls, in view units
};

// The snap of a drawing point; view must be the active view. Selected parts are left out: they
// are what is being moved or changed, and would pull the point along with them. A part's point
// is found on the screen and then taken exactly, which works the part out once more (it is left
// as it was).
ExSnap SnapPoint(const CKORVANEXDoc& doc, const CExViewContext& view, ExPoint point,
                 const ExSnapRules& rules);
