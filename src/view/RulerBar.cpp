#include "RulerBar.h"

#include "KORVANEXView.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor kBackground(0xF0, 0xF0, 0xF0);

} // namespace

CRulerBar::CRulerBar(CKORVANEXView& view, QWidget* parent) : QWidget(parent), m_view(view) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QFont CRulerBar::LabelFont() {
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

double CRulerBar::DigitWidth(const QFont& font, const QPaintDevice* device) {
    const QFontMetricsF metrics(font, device);
    double widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit) {
        widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char(digit)));
    }
    return widest;
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
