#include "QtPainterDC.h"

#include "ExDib16.h"
#include "SystemFontFamily.h"

#include <QFont>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kHundredthsOfMmPerInch = 2540.0;

Qt::PenStyle ToQtStyle(int style) {
    switch (style) {
    case kPenDash:
        return Qt::DashLine;
    case kPenDot:
        return Qt::DotLine;
    case kPenDashDot:
        return Qt::DashDotLine;
    case kPenDashDotDot:
        return Qt::DashDotDotLine;
    case kPenNull:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

Qt::BrushStyle ToQtHatch(ExHatch hatch) {
    switch (hatch) {
    case ExHatch::Horizontal:
        return Qt::HorPattern;
    case ExHatch::Vertical:
        return Qt::VerPattern;
    case ExHatch::ForwardDiagonal:
        return Qt::FDiagPattern;
    case ExHatch::BackwardDiagonal:
        return Qt::BDiagPattern;
    case ExHatch::Cross:
        return Qt::CrossPattern;
    case ExHatch::DiagonalCross:
        return Qt::DiagCrossPattern;
    }
    return Qt::CrossPattern;
}

// A 16-bit bitmap (bottom row first) as a top-down picture; white becomes transparent when
// asked, so that drawing it over something keeps that thing where the bitmap is white.
QImage ToQImage(const CExDib16& bitmap, bool whiteTransparent) {
    constexpr std::uint16_t kWhite = 0x7FFF;
    QImage image(bitmap.Width(), bitmap.Height(),
                 whiteTransparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    const auto widen = [](unsigned five) { return (five << 3) | (five >> 2); };
    for (int y = 0; y < bitmap.Height(); ++y) {
        const std::uint16_t* in = bitmap.Row(bitmap.Height() - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.Width(); ++x) {
            const std::uint16_t p = in[x];
            out[x] = whiteTransparent && p == kWhite
                         ? 0u
                         : qRgb(static_cast<int>(widen((p >> 10) & 0x1F)),
                                static_cast<int>(widen((p >> 5) & 0x1F)),
                                static_cast<int>(widen(p & 0x1F)));
        }
    }
    return image;
}

bool IsVectorSurface(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine && (engine->type() == QPaintEngine::Pdf || engine->type() == QPaintEngine::SVG);
}

} // namespace

CQtPainterDC::CQtPainterDC(QPainter& painter, const QTransform& viewToDevice,
                           double minimumPenWidth, Hairlines hairlines)
    : m_painter(painter), m_transform(viewToDevice),
      m_dMinimumPenWidth(std::max(1.0, minimumPenWidth)), m_hairlines(hairlines),
      m_bVectorSurface(IsVectorSurface(painter)) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    SelectPen(m_pen);
    SelectBrush(m_brush);
}

QTransform CQtPainterDC::ViewToDevice(double dpi, ExPoint topLeft) {
    const double scale = dpi / kHundredthsOfMmPerInch;
    return QTransform(scale, 0, 0, -scale, -topLeft.x * scale, topLeft.y * scale);
}

QColor CQtPainterDC::ToQColor(ExColor color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// Points land on whole device pixels, as the classic display's mapping rounds them.
QPointF CQtPainterDC::Map(ExPoint point) const {
    const QPointF mapped = m_transform.map(QPointF(point.x, point.y));
    return {std::round(mapped.x()), std::round(mapped.y())};
}

QRectF CQtPainterDC::MapRect(const ExRect& rect) const {
    return QRectF(Map({rect.left, rect.top}), Map({rect.right, rect.bottom})).normalized();
}

void CQtPainterDC::SetVisibleArea(const QRectF& area) {
    m_visible = area.normalized();
}

// How far a pen's ink reaches past the points it joins: half its width is enough for round
// ends, the whole keeps a margin. Negative when the device sets the width (a cosmetic pen).
double CQtPainterDC::PenReach() const {
    const QPen& pen = m_painter.pen();
    return pen.isCosmetic() ? -1.0 : pen.widthF();
}

bool CQtPainterDC::IsVisible(const QRectF& bounds, double reach) const {
    if (!m_visible || reach < 0) {
        return true;
    }
    return bounds.left() - reach <= m_visible->right() &&
           bounds.right() + reach >= m_visible->left() &&
           bounds.top() - reach <= m_visible->bottom() &&
           bounds.bottom() + reach >= m_visible->top();
}

bool CQtPainterDC::MapVisible(const ExPoint* points, int count, double reach) {
    m_polygon.resize(count);
    QPointF* mapped = m_polygon.data();
    mapped[0] = Map(points[0]);
    QPointF low = mapped[0];
    QPointF high = mapped[0];
    for (int i = 1; i < count; ++i) {
        mapped[i] = Map(points[i]);
        low = {std::min(low.x(), mapped[i].x()), std::min(low.y(), mapped[i].y())};
        high = {std::max(high.x(), mapped[i].x()), std::max(high.y(), mapped[i].y())};
    }
    return IsVisible(QRectF(low, high), reach);
}

double CQtPainterDC::DeviceLength(int viewLength) const {
    const double scale = std::hypot(m_transform.m11(), m_transform.m12());
    return viewLength * scale;
}

ExPen CQtPainterDC::SelectPen(const ExPen& pen) {
    const ExPen previous = m_pen;
    m_pen = pen;
    QPen qpen(ToQColor(pen.color));
    const double width = std::max(m_dMinimumPenWidth, std::round(DeviceLength(pen.width)));
    const bool styled = pen.geometric || width <= m_dMinimumPenWidth || pen.style == kPenNull;
    qpen.setStyle(styled ? ToQtStyle(pen.style) : Qt::SolidLine);
    qpen.setWidthF(width);
    if (m_hairlines == Hairlines::ScreenPixel && width <= m_dMinimumPenWidth) {
        qpen.setWidthF(0);
        qpen.setCosmetic(true);
    }
    qpen.setCapStyle(Qt::RoundCap);
    qpen.setJoinStyle(Qt::RoundJoin);
    m_painter.setPen(qpen);
    return previous;
}

ExBrush CQtPainterDC::SelectBrush(const ExBrush& brush) {
    const ExBrush previous = m_brush;
    m_brush = brush;
    switch (brush.kind) {
    case ExBrush::Kind::Null:
        m_painter.setBrush(Qt::NoBrush);
        break;
    case ExBrush::Kind::Solid:
        m_painter.setBrush(ToQColor(brush.color));
        break;
    case ExBrush::Kind::Hatch:
        m_painter.setBrush(QBrush(ToQColor(brush.color), ToQtHatch(brush.hatch)));
        break;
    }
    return previous;
}

void CQtPainterDC::SetTransparentBackground(bool transparent) {
    m_painter.setBackgroundMode(transparent ? Qt::TransparentMode : Qt::OpaqueMode);
}

void CQtPainterDC::Polyline(const ExPoint* points, int count) {
    if (count < 2) {
        return;
    }
    const double reach = PenReach();
    // Most outlines are drawn a segment at a time: a segment needs no polygon.
    if (count == 2) {
        const QPointF start = Map(points[0]);
        const QPointF end = Map(points[1]);
        if (IsVisible(QRectF(start, end).normalized(), reach)) {
            m_painter.drawLine(start, end);
        }
        return;
    }
    if (MapVisible(points, count, reach)) {
        m_painter.drawPolyline(m_polygon);
    }
}

void CQtPainterDC::JoinedLines(const ExPoint* points, int count) {
    if (!m_bVectorSurface || m_painter.pen().style() != Qt::SolidLine) {
        CExDC::JoinedLines(points, count);
        return;
    }
    Polyline(points, count);
}

void CQtPainterDC::Polygon(const ExPoint* points, int count) {
    if (count < 2) {
        return;
    }
    if (MapVisible(points, count, PenReach())) {
        m_painter.drawPolygon(m_polygon, Qt::OddEvenFill);
    }
}

void CQtPainterDC::Ellipse(const ExRect& bounds) {
    const QRectF mapped = MapRect(bounds);
    if (IsVisible(mapped, PenReach())) {
        m_painter.drawEllipse(mapped);
    }
}

void CQtPainterDC::FillRect(const ExRect& rect, ExColor color) {
    const QRectF mapped = MapRect(rect);
    if (IsVisible(mapped, 0)) {
        m_painter.fillRect(mapped, ToQColor(color));
    }
}

void CQtPainterDC::TextOut(int x, int y, const std::string& text, const ExFont& font,
                           ExColor color) {
    QFont qfont(SystemFontFamily(QString::fromStdString(font.face)));
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(DeviceLength(font.height)))));
    qfont.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight / 10 * 10, 100, 900)));
    m_painter.save();
    m_painter.setFont(qfont);
    m_painter.setPen(ToQColor(color));
    m_painter.translate(Map({x, y}));
    m_painter.rotate(-font.escapement / 10.0);
    m_painter.drawText(QPointF(0, m_painter.fontMetrics().ascent()), QString::fromStdString(text));
    m_painter.restore();
}

void CQtPainterDC::PutBitmap(const ExRect& destination, const CExDib16& bitmap, ExRasterOp op) {
    if (bitmap.IsEmpty()) {
        return;
    }
    const QRectF target = MapRect(destination);
    if (target.isEmpty() || !IsVisible(target, 0)) {
        return;
    }
    const auto* surface = dynamic_cast<const QImage*>(m_painter.device());
    const bool rasterAnd = op == ExRasterOp::And && surface && !surface->hasAlphaChannel() &&
                           m_painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    const QImage image = ToQImage(bitmap, op == ExRasterOp::And && !rasterAnd);
    if (image.isNull()) {
        return;
    }
    m_painter.save();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (rasterAnd) {
        m_painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    }
    m_painter.drawImage(target, image);
    m_painter.restore();
}
