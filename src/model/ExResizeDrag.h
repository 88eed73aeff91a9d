#pragma once

#include "ExTypes.h"

#include <vector>

class CExEditRecorder;
class CExMeasure;
class CExParts;
class CExViewContext;

// Resizing one part by one of its eight handles: the view feeds it pointer positions in view
// units. The part stays centred on its position, so the opposite side moves as well, and neither
// side becomes shorter than 35 mm.
class CExResizeDrag {
public:
    static constexpr int kMinimumSize = 3500;

    // At the press on handle 0..7 (view units). The part is touched at once. view is the active
    // view.
    CExResizeDrag(CExEditRecorder& recorder, const CExViewContext& view, CExParts& part, int handle,
                  ExPoint press);

    // One pointer position; the part and the rulers attached to it, for redrawing.
    std::vector<CExParts*> Step(ExPoint pointer);
    // At the release: areas are recomputed when the part is a pillar. The parts changed.
    std::vector<CExParts*> Finish();

    // The handle dragged, after turning it with a wall's or room's rotation.
    int Handle() const { return m_nHandle; }

    // Walls and rooms keep their handles upright while their outline turns: the handle that
    // lies in a direction is the one that many eighths of a turn further on.
    static int TurnedHandle(int handle, int rotation);
    // The width of a text in full-width characters, which a text's x step is divided by.
    static double TextWidthInCharacters(const CExParts& text);

private:
    CExEditRecorder& m_recorder;
    const CExViewContext& m_view;
    CExParts& m_part;
    int m_nHandle;
    ExPoint m_ptPress;
    ExPoint m_ptApplied;
    std::vector<CExMeasure*> m_rulers;
};
