#pragma once

#include "ExRotateDrag.h"
#include "SelectDrag.h"

// Turning the selection by the primary part's rotation handle.
class CRotateDrag final : public CSelectDrag {
public:
    explicit CRotateDrag(CToolHost& host);
    void Step(const ExToolEvent& event) override;

private:
    std::vector<CExParts*> FinishDrag() override { return m_drag.Finish(); }

    CExRotateDrag m_drag;
};
