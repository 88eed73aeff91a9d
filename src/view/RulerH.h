#pragma once

#include "RulerBar.h"

// The horizontal ruler bar along the bottom of the view: ticks hang from its top edge, metre
// labels sit in its lower half, centred on their tick.
class CRulerH final : public CRulerBar {
    Q_OBJECT

public:
    using CRulerBar::CRulerBar;

protected:
    void PaintScale(QPainter& painter, const CViewGeometry& geometry) override;
};
