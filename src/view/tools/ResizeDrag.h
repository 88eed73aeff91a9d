#pragma once

#include "ExResizeDrag.h"
#include "SelectDrag.h"

// Resizing the primary part by one of its eight frame handles.
class CResizeDrag final : public CSelectDrag {
public:
    CResizeDrag(CToolHost& host, CExParts& part, int handle, ExPoint press);
    void Step(const ExToolEvent& event) override;
    QString StatusText() const override;

private:
    std::vector<CExParts*> FinishDrag() override { return m_drag.Finish(); }

    CExResizeDrag m_drag;
};
