#pragma once

// How distance rulers stay with the parts their ends are attached to.

#include <unordered_set>
#include <vector>

class CExEditRecorder;
class CExMeasure;
class CExParts;
class CKORVANEXDoc;

// The angle a ruler end records when it is attached to a part, and follows: walls and rooms
// turn by their lasting rotation plus the turn being dragged, other kinds by their angle.
int AttachAngleOf(const CExParts& part);

// The rulers with an end attached to one of the parts (the drawing's referrers are searched, not
// the whole drawing). A ruler in the set itself is left out.
std::vector<CExMeasure*> RulersAttachedTo(const CKORVANEXDoc& doc,
                                          const std::unordered_set<const CExParts*>& parts);

// Whether an end of the ruler is attached to a selected part: such a ruler is drawn and moved
// with the selection. The parts' select flags answer without searching the selection.
bool AttachedToSelection(const CExMeasure& ruler);

// Puts each attached end (0 and 1) of the ruler where its part now holds it: the part's position
// plus the end's offset, turned by as much as the part turned since the end was attached. The
// ruler is recomputed.
void FollowAttachedParts(CExMeasure& ruler);

// After a part's position or angle changed (a drag, a property dialog): the rulers attached to it
// are touched, follow it and are recomputed. They are returned, for redrawing.
std::vector<CExMeasure*> MoveAttachedRulers(CExEditRecorder& recorder, const CExParts& part);
