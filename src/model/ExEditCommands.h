#pragma once

// The commands that change which parts a drawing holds and in which order: copy, delete and the
// four Z-order moves. Each works on the drawing of the recorder it is given, which keeps it for
// undo.

#include "ExTypes.h"

#include <vector>

class CExEditRecorder;
class CExParts;
class CExViewContext;
class CKORVANEXDoc;

struct ExCopyResult {
    std::vector<CExParts*> copies; // appended on top and selected, in selection order
    int failures = 0;              // areas, and parts whose copy fits nowhere on the sheet
};

// Copies the selection. Each copy lands 5 mm on the screen up-right of its source, else
// down-right, down-left or up-left, whichever first keeps it on the sheet; the copies become the
// selection and the document's copy list. Telling the user about failures is the caller's.
// view is the active view.
ExCopyResult CopySelection(CExEditRecorder& recorder, const CExViewContext& view);

struct ExDeleteResult {
    ExRect rect;                    // view units: where the deleted parts were
    std::vector<CExParts*> changed; // rulers detached from them, areas that counted them
};

// Deletes the selection. Rulers attached to a deleted part stay, detached from it; areas that
// counted a deleted pillar are recomputed. The parts are kept by the edit for undo.
ExDeleteResult DeleteSelection(CExEditRecorder& recorder);

enum class ExZOrder {
    ToFront,  // to the end of the list (drawn last, on top)
    Forward,  // one place later
    ToBack,   // to the start of the list
    Backward, // one place earlier
};

// Moves a part within the drawing order; it stays selected and attached to. The new position,
// or -1 when nothing moved (the part is already there, or alone in the drawing).
int MoveInZOrder(CExEditRecorder& recorder, CExParts& part, ExZOrder order);

// Recomputes every area measurement, as areas subtract the pillars inside them: after a pillar
// moved, changed size or left. The areas, for redrawing.
std::vector<CExParts*> RecomputeAreas(CKORVANEXDoc& doc);
