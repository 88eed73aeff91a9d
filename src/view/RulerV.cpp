#include "RulerV.h"

#include "RulerScale.h"
#include "ViewGeometry.h"

#include <QPainter>

void CRulerV::PaintScale(QPainter& painter, const CViewGeometry& geometry) {
    painter.drawLine(width() - 1, 0, width() - 1, height());
    painter.setFont(LabelFont());
    const double digitWidth = DigitWidth(painter.font(), painter.device());
    const int right = width() - 1;
    for (const ExRulerTick& tick : CRulerScale::VerticalTicks(geometry, kThickness, digitWidth)) {
        painter.drawLine(right - tick.length, tick.pixel, right, tick.pixel);
        if (tick.labelMetres < 0) {
            continue;
        }
        painter.save();
        // Turned a quarter to the left, the text reads upwards with its top to the left edge.
        painter.translate(0, tick.labelLast);
        painter.rotate(-90);
        painter.drawText(QRect(0, 0, tick.labelLast - tick.labelFirst, kThickness / 2),
                         Qt::AlignCenter, QString::number(tick.labelMetres));
        painter.restore();
    }
}
