#include "RulerH.h"

#include "RulerScale.h"
#include "ViewGeometry.h"

#include <QFontMetrics>
#include <QPainter>

void CRulerH::PaintScale(QPainter& painter, const CViewGeometry& geometry) {
    painter.drawLine(0, 0, width(), 0);
    painter.setFont(LabelFont());
    const QFontMetrics metrics = painter.fontMetrics();
    // Ticks come in client pixels; the bar starts right of the vertical bar.
    const int offset = x();
    for (const ExRulerTick& tick : CRulerScale::HorizontalTicks(geometry, kThickness)) {
        const int x = tick.pixel - offset;
        painter.drawLine(x, 0, x, tick.length);
        if (tick.labelMetres < 0) {
            continue;
        }
        const QString label = QString::number(tick.labelMetres);
        const int textWidth = metrics.horizontalAdvance(label);
        const int left = tick.position == 0 ? x : x - textWidth / 2;
        // The lower half of the bar holds the label, whatever the face's line spacing.
        painter.drawText(QRect(left, kThickness / 2, textWidth, kThickness / 2),
                         Qt::AlignLeft | Qt::AlignVCenter, label);
    }
}
