#pragma once

#include "ExMoveDrag.h"
#include "SelectDrag.h"

// Moving the selection by a part's body.
class CMoveDrag final : public CSelectDrag {
public:
    CMoveDrag(CToolHost& host, ExPoint press);
    void Step(const ExToolEvent& event) override;
    QString StatusText() const override;

private:
    std::vector<CExParts*> FinishDrag() override { return m_drag.Finish(); }

    CExMoveDrag m_drag;
    ExPoint m_ptPress;
    // Where the primary part stood when the drag began: its position is what snaps.
    ExPoint m_ptStart;
};
