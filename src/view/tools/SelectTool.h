#pragma once

#include "EditTool.h"
#include "RubberBand.h"

#include <memory>

class CExParts;
class CSelectDrag;

// Selects parts by click, Ctrl+click and rubber band, and drags the selection by its handles:
// the body moves, the eight frame handles resize, the top handle rotates. Each drag is one
// step of the history.
class CSelectTool final : public CEditTool {
public:
    explicit CSelectTool(CToolHost& host);
    ~CSelectTool() override;

    int CommandId() const override;
    int EditState() const override { return 0; }
    void Cancel() override;
    void Press(const ExToolEvent& event) override;
    void RightPress(const ExToolEvent& event) override;
    void Move(const ExToolEvent& event) override;
    void Release(const ExToolEvent& event) override;
    void DoubleClick(const ExToolEvent& event) override;
    bool ShowsHandles() const override { return true; }
    QString StatusText() const override;
    QRect OverlayRect() const override { return m_band.CoveredRect(); }
    void DrawOverlay(QPainter& painter) const override { m_band.Draw(painter); }

    // 0 none, 1 pressed on a handle or a part, 2 dragging.
    int HandleDrag() const { return m_nHandleDrag; }

private:
    // The handle of the single selected part under the point (0..8), or -1.
    int HandleOfSingleSelection(ExPoint view) const;
    // With several parts selected: the part whose rotation handle or body is under the point.
    bool PressOnSelection(const ExToolEvent& event, ExPoint view);
    void PressOnDrawing(const ExToolEvent& event);
    void ControlClick(const ExToolEvent& event);
    void StartDrag(const ExToolEvent& event);
    std::unique_ptr<CSelectDrag> CreateDrag(const ExToolEvent& press);
    void SelectInBand();
    void ChangeSelection(const ExRect& before);

    std::unique_ptr<CSelectDrag> m_pDrag;
    CRubberBand m_band;
    ExToolEvent m_press;
    bool m_bPressRecorded = false;
    int m_nHandleDrag = 0;
};
