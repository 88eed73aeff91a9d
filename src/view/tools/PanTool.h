#pragma once

#include "EditTool.h"

// Drags the sheet under the pointer: moving the pointer right moves the drawing right.
class CPanTool final : public CEditTool {
public:
    using CEditTool::CEditTool;

    int CommandId() const override;
    int EditState() const override { return 5; }
    void Cancel() override;
    void Press(const ExToolEvent& event) override;
    void Move(const ExToolEvent& event) override;
    void Release(const ExToolEvent& event) override;
    QCursor Cursor() const override;

private:
    QPoint m_ptLast;
    bool m_bDragging = false;
};
