#pragma once

#include "EditTool.h"

#include <memory>

class CExParts;
class CExRulerEndDrag;
class CExVertexDrag;

// Reshapes the selected outline point by point: a corner or a bend is dragged by its handle, a
// click on an edge inserts a corner there, a double click on a handle removes it; a ruler's ends
// are dragged and attach where they are dropped. A press anywhere else selects the part under
// it. Each change is one step of the history; a drag released outside the window or the sheet
// is put back.
class CVertexTool final : public CEditTool {
public:
    explicit CVertexTool(CToolHost& host);
    ~CVertexTool() override;

    int CommandId() const override;
    // 8 while a ruler's end is dragged, 6 otherwise.
    int EditState() const override { return m_pRulerDrag ? 8 : 6; }
    void Cancel() override;
    void Press(const ExToolEvent& event) override;
    void Move(const ExToolEvent& event) override;
    void Release(const ExToolEvent& event) override;
    void DoubleClick(const ExToolEvent& event) override;
    QCursor Cursor() const override;

    // 0 none, 1 pressed on a vertex handle, 2 dragging it.
    int VertexDrag() const { return m_nVertexDrag; }

private:
    ExPoint ToView(ExPoint drawing) const;
    bool InsideWindow(QPoint pixel) const;
    // The selection with its rulers and handles, composed again where it was and where it is.
    void ShowSelection();
    void SelectUnder(ExPoint view);
    // Ends whatever drag is under way: kept when released inside, put back otherwise.
    void EndDrags(const ExToolEvent* release);

    std::unique_ptr<CExVertexDrag> m_pVertexDrag;
    std::unique_ptr<CExRulerEndDrag> m_pRulerDrag;
    CExParts* m_pPressed = nullptr;
    int m_nVertexIndex = -1;
    int m_nVertexDrag = 0;
    ExRect m_rcShown; // view units: what the selection covered when last shown
};
