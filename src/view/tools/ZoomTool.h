#pragma once

#include "EditTool.h"
#include "RubberBand.h"

// Zooms to a rectangle traced with the pointer, or one step in around a clicked point.
class CZoomTool final : public CEditTool {
public:
    using CEditTool::CEditTool;

    int CommandId() const override;
    int EditState() const override { return 4; }
    void Cancel() override;
    void Press(const ExToolEvent& event) override;
    void Move(const ExToolEvent& event) override;
    void Release(const ExToolEvent& event) override;
    QCursor Cursor() const override;
    QRect OverlayRect() const override { return m_band.CoveredRect(); }
    void DrawOverlay(QPainter& painter) const override { m_band.Draw(painter); }

private:
    CRubberBand m_band;
    ExPoint m_ptPress;
    bool m_bPressed = false;
    bool m_bTraced = false;
};

// Whether a traced rectangle is big enough to zoom to: more than 20 pixels each way and at least
// 5 mm of drawing each way.
bool IsZoomRectangle(const QRect& pixels, const ExRect& drawing);
