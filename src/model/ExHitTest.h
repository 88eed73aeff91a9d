#pragma once

// Which part lies under a point: the hit rule of each kind, the segment test shared with vertex
// insertion, the topmost part under a click and the parts inside a rubber band. Everything is
// in view units, against the geometry the parts cached at their last recomputation.

#include "ExPartsDrawLine.h"
#include "ExTypes.h"

#include <cstddef>
#include <optional>
#include <vector>

class CExParts;
class CExViewContext;
class CKORVANEXDoc;

// The view values the hit rules depend on.
struct ExHitContext {
    int zoom = 100;          // the divisor the user chose; walls are hit within their thickness
    bool showMeasure = true; // hidden rulers are never hit
    bool showArea = true;    // nor hidden area measurements
};

// The hit context a view gives: its divisor and which measurements it shows.
ExHitContext HitContextOf(const CExViewContext& view);

// Which parts a search over the drawing considers.
enum class ExHitFilter {
    Any,
    // Ctrl+click while something is selected: cables and areas are left out.
    SkipCablesAndAreas,
    // Where a ruler end attaches: no areas, rulers or cables; walls and rooms are hit inside
    // their outline, every other kind inside its hit region.
    RulerAttach,
};

// Line-against-probe test: the horizontal probe of half length tx through p, then the vertical
// one of half length ty; the crossing with the segment a-b of the first probe that meets it.
std::optional<ExPoint> HitSegment(ExPoint a, ExPoint b, ExPoint p, int tx, int ty);

struct ExLineHit {
    std::size_t line; // index in the list
    ExPoint point;    // where the probe crosses it
};
// The first line, in list order, whose view segment a probe through p crosses.
std::optional<ExLineHit> HitViewLines(std::span<const ExViewLine> lines, ExPoint p, int tx, int ty);

// Whether a click at p hits the part: walls and rooms near a line of theirs (within half their
// thickness at the zoom, plus 300), cables within 100 of a line, areas inside their bounding
// rectangle, rulers inside their hit region, everything else inside its frame.
bool HitPart(const CExParts& part, ExPoint p, const ExHitContext& context);

// The topmost part (the last in drawing order) under p that the filter lets through, or null.
CExParts* HitTopmost(const CKORVANEXDoc& doc, ExPoint p, const ExHitContext& context,
                     ExHitFilter filter = ExHitFilter::Any);

// Whether a part may be taken into the selection in a group (rubber band, select all): never
// cables or areas, which are only ever selected alone, and rulers only while shown.
bool IsGroupSelectable(const CExParts& part, const ExHitContext& context);

// The parts a rubber band selects: the group-selectable ones whose four corners lie inside the
// rectangle (either orientation), in drawing order.
std::vector<CExParts*> PartsInsideRect(const CKORVANEXDoc& doc, const ExRect& rect,
                                       const ExHitContext& context);

// Every group-selectable part, in drawing order.
std::vector<CExParts*> GroupSelectableParts(const CKORVANEXDoc& doc, const ExHitContext& context);
