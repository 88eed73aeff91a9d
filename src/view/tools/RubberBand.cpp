#include "RubberBand.h"

#include <QPainter>
#include <QPen>

QRect CRubberBand::CoveredRect() const {
    return m_bActive ? Rect().adjusted(-2, -2, 2, 2) : QRect();
}

void CRubberBand::Draw(QPainter& painter) const {
    if (!m_bActive) {
        return;
    }
    // Black dots on white stay visible over any drawing.
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(Rect());
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(Rect());
    painter.restore();
}
