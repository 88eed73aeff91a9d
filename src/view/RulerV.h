#pragma once

#include "RulerBar.h"

// The vertical ruler bar along the left of the view: ticks reach leftwards from its right edge,
// metre labels run upwards in its left half, centred on their tick.
class CRulerV final : public CRulerBar {
    Q_OBJECT

public:
    using CRulerBar::CRulerBar;

protected:
    void PaintScale(QPainter& painter, const CViewGeometry& geometry) override;
};
