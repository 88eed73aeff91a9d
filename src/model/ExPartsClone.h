#pragma once

#include "ExTypes.h"

#include <memory>

class CExParts;

// A new part of the source's kind with every field of its own: the source's record read into a
// fresh element, plus the extras the record leaves out (pen, ruler unit and style). Texts keep
// their characters, cables their points and pens, images their picture, rooms their floor and
// outline, walls their thickness, pillars their outline. A ruler's copy is attached to nothing.
// The copy is not selected and not in any drawing; null for a kind that cannot be created.
std::unique_ptr<CExParts> ClonePart(CExParts& source);

// Moves a part by a step in drawing units: its position, or the points of the kinds that keep
// their own (ruler ends, cable and area vertices). The caller recomputes it.
void OffsetPart(CExParts& part, ExPoint step);
