#include "SnapMark.h"

#include <QPainter>
#include <QPen>

namespace {

constexpr int kHalfSize = 4;
const QColor kMarkColor(230, 0, 120);

} // namespace

void CSnapMark::Show(QPoint pixel, ExSnapKind kind) {
    m_ptPixel = pixel;
    m_kind = kind;
}

QRect CSnapMark::OverlayRect() const {
    if (m_kind == ExSnapKind::None) {
        return {};
    }
    // One pixel more each way for the pen's width.
    const int reach = kHalfSize + 1;
    return {m_ptPixel - QPoint(reach, reach), m_ptPixel + QPoint(reach, reach)};
}

void CSnapMark::DrawOverlay(QPainter& painter) const {
    if (m_kind == ExSnapKind::None) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kMarkColor, 1));
    painter.setBrush(Qt::NoBrush);
    const QPoint p = m_ptPixel;
    if (m_kind == ExSnapKind::Part) {
        painter.drawRect(
            QRect(p - QPoint(kHalfSize, kHalfSize), QSize(2 * kHalfSize, 2 * kHalfSize)));
    } else {
        painter.drawLine(p - QPoint(kHalfSize, 0), p + QPoint(kHalfSize, 0));
        painter.drawLine(p - QPoint(0, kHalfSize), p + QPoint(0, kHalfSize));
    }
    painter.restore();
}
