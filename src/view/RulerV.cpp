#include "RulerV.h"

#include "RulerScale.h"
#include "ViewGeometry.h"

#include <QFontMetrics>
#include <QPainter>

void CRulerV::PaintScale(QPainter& painter, const CViewGeometry& geometry) {
    painter.drawLine(width() - 1, 0, width() - 1, height());
    painter.setFont(LabelFont());
    const QFontMetrics metrics = painter.fontMetrics();
    const int right = width() - 1;
    for (const ExRulerTick& tick : CRulerScale::VerticalTicks(geometry, kThickness)) {
        painter.drawLine(right - tick.length, tick.pixel, right, tick.pixel);
        if (tick.labelMetres < 0) {
            continue;
        }
        const QString label = QString::number(tick.labelMetres);
        const int textWidth = metrics.horizontalAdvance(label);
        painter.save();
        // Turned a quarter to the left, the text reads upwards with its top to the left edge.
        painter.translate(0, tick.pixel + textWidth / 2);
        painter.rotate(-90);
        painter.drawText(QRect(0, 0, textWidth, kThickness / 2), Qt::AlignLeft | Qt::AlignVCenter,
                         label);
        painter.restore();
    }
}
