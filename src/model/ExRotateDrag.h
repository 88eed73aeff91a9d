#pragma once

#include "ExTypes.h"

#include <vector>

class CExEditRecorder;
class CExMeasure;
class CExParts;
class CExViewContext;

// Turning the selection by the primary part's rotation handle: the view feeds it pointer
// positions in view units. The primary part points its top at the pointer; the other parts turn
// by as much as it did. Angles stay within -90..269; rulers attached to a turned part follow it.
class CExRotateDrag {
public:
    static constexpr int kLowestAngle = -90;

    // At the press on the primary part's rotation handle. The selection and the rulers attached
    // to it are touched at once. view is the active view.
    CExRotateDrag(CExEditRecorder& recorder, const CExViewContext& view);

    // One pointer position; the parts turned and the rulers that followed.
    std::vector<CExParts*> Step(ExPoint pointer);
    // At the release: walls and rooms fold their turn into their outline (FoldRotation), and
    // areas are recomputed when the primary part is a pillar. The parts changed.
    std::vector<CExParts*> Finish();

    // The angle whose top points from centre to pointer (view units), in -90..269.
    static int PointerAngle(ExPoint centre, ExPoint pointer);
    // An angle brought into -90..269.
    static int NormalAngle(long long angle);

private:
    CExEditRecorder& m_recorder;
    const CExViewContext& m_view;
    CExParts* m_pPrimary = nullptr;
    std::vector<CExParts*> m_parts; // selected, rulers aside
    std::vector<CExMeasure*> m_rulers;
};

// Folds a wall's or room's angle into the lasting rotation of its outline (reduced to 0..359),
// leaving the angle 0; the outline stays where it is. False (and nothing changed) for other
// kinds and for an angle of 0.
bool FoldRotation(CExParts& part);
