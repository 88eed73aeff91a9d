#pragma once

#include "ExTypes.h"

#include <unordered_set>
#include <vector>

class CExEditRecorder;
class CExMeasure;
class CExParts;
class CExViewContext;

// Moving the selection by its body: the view feeds it pointer positions in drawing units.
// Parts move by whole steps and only while every one of them stays on the sheet; selected rulers
// move with the parts their ends are attached to, or else move by the step and attach where
// their ends land; rulers attached to a moved part follow it.
class CExMoveDrag {
public:
    // At the press (drawing units). The parts a step may change, the selection and the rulers
    // attached to it, are touched at once. view is the active view.
    CExMoveDrag(CExEditRecorder& recorder, const CExViewContext& view, ExPoint press);

    // One pointer position; the parts that moved or followed, empty when the step was dropped
    // (the pointer or a part would leave the sheet).
    std::vector<CExParts*> Step(ExPoint pointer);
    // At the release: areas are recomputed when the primary part is a pillar. The parts changed.
    std::vector<CExParts*> Finish();

    // The displacement applied so far, pointer minus press (drawing units).
    ExPoint Displacement() const { return m_ptApplied; }

private:
    bool OnSheet(ExPoint p) const;
    void AttachFreeEnds();
    void MoveRuler(CExMeasure& ruler, ExPoint step);

    CExEditRecorder& m_recorder;
    const CExViewContext& m_view;
    ExPoint m_ptPress;
    ExPoint m_ptApplied;
    bool m_bStarted = false;
    CExParts* m_pPrimary = nullptr;
    std::vector<CExParts*> m_parts;               // selected, rulers aside
    std::unordered_set<const CExParts*> m_moving; // the same, to look up
    std::vector<CExMeasure*> m_selectedRulers;
    std::vector<CExMeasure*> m_followers; // attached to a selected part, not selected
};
