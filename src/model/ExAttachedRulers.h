#pragma once

#include <vector>

class CExMeasure;
class CExParts;
class CKORVANEXDoc;

// The distance rulers of a drawing with at least one end attached to a part, in drawing order.
std::vector<CExMeasure*> RulersAttachedTo(const CKORVANEXDoc& doc, const CExParts& part);

// After a part was moved or turned as a whole (its position and angle set directly, as its
// property dialog does), the ends attached to it follow: each end is put at the part's position
// plus the offset it was attached with, turned about that position from the angle it was
// attached at to the part's angle now (walls and rooms: their lasting rotation). Each ruler is
// then recomputed. Returns the rulers moved.
std::vector<CExMeasure*> MoveAttachedRulers(const CKORVANEXDoc& doc, const CExParts& part);
