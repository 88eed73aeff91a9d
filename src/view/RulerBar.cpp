#include "RulerBar.h"

#include "KORVANEXView.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

const QColor kBackground(0xF0, 0xF0, 0xF0);

} // namespace

CRulerBar::CRulerBar(CKORVANEXView& view, QWidget* parent) : QWidget(parent), m_view(view) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QFont CRulerBar::LabelFont() const {
    QFont font(QStringLiteral("Noto Sans Mono CJK JP"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(kThickness / 2);
    font.setWeight(QFont::Normal);
    const qreal natural = QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'));
    if (natural > 0) {
        font.setStretch(static_cast<int>(std::lround(100.0 * (kThickness / 2) / natural)));
    }
    return font;
}

void CRulerBar::paintEvent(QPaintEvent*) {
    if (!m_view.IsActiveView()) {
        hide();
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setPen(Qt::black);
    PaintScale(painter, m_view.Geometry());
}
