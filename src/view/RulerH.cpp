#include "RulerH.h"

#include "RulerScale.h"
#include "ViewGeometry.h"

#include <QPainter>

void CRulerH::PaintScale(QPainter& painter, const CViewGeometry& geometry) {
    painter.drawLine(0, 0, width(), 0);
    painter.setFont(LabelFont());
    const double digitWidth = DigitWidth(painter.font(), painter.device());
    // Ticks come in client pixels; the bar starts right of the vertical bar.
    const int offset = x();
    for (const ExRulerTick& tick : CRulerScale::HorizontalTicks(geometry, kThickness, digitWidth)) {
        const int x = tick.pixel - offset;
        painter.drawLine(x, 0, x, tick.length);
        if (tick.labelMetres < 0) {
            continue;
        }
        // The lower half of the bar holds the label, whatever the face's line spacing.
        painter.drawText(QRect(tick.labelFirst - offset, kThickness / 2,
                               tick.labelLast - tick.labelFirst, kThickness / 2),
                         Qt::AlignCenter, QString::number(tick.labelMetres));
    }
}
