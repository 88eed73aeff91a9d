#pragma once

#include "ExSnap.h"
#include "ViewRenderer.h"

#include <QPoint>

// The small mark where the pointer snapped, drawn over the selection: a cross on the grid's
// lattice, a square on a part's corner or edge middle.
class CSnapMark final : public CViewOverlay {
public:
    void Show(QPoint pixel, ExSnapKind kind);
    void Hide() { m_kind = ExSnapKind::None; }

    QRect OverlayRect() const override;
    void DrawOverlay(QPainter& painter) const override;

private:
    QPoint m_ptPixel;
    ExSnapKind m_kind = ExSnapKind::None;
};
