#include "ViewGeometry.h"

#include "ExViewContext.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::int64_t kHundredthsOfMmPerInch = 2540;

// Integer division rounding half away from zero, as the display's mapping rounds.
int DivideRounded(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t half = denominator / 2;
    return static_cast<int>(numerator >= 0 ? (numerator + half) / denominator
                                           : (numerator - half) / denominator);
}

} // namespace

void CViewGeometry::SetMapSize(int widthM, int heightM) {
    m_settings.mapWidth = widthM;
    m_settings.mapHeight = heightM;
}

bool CViewGeometry::Layout() {
    if (m_szClient.isEmpty()) {
        return false;
    }
    m_settings.viewScale = std::clamp(m_settings.viewScale, kMinScale, kMaxScale);
    const ExPoint extent = SheetExtent();
    const int margin = ToViewLength(ToMetric(kRulerPixels) * m_settings.viewScale);
    m_ptMargin = {margin, margin};
    m_ptSheetView = DrawingToView(extent);
    m_ptTotal = {m_ptSheetView.x + m_ptMargin.x, m_ptSheetView.y + m_ptMargin.y};
    m_ptClientView = {ToMetric(m_szClient.width()), ToMetric(m_szClient.height())};
    return true;
}

int CViewGeometry::ToPixels(int viewUnits) const {
    return DivideRounded(std::int64_t(viewUnits) * m_nDpi, kHundredthsOfMmPerInch);
}

int CViewGeometry::ToMetric(int pixels) const {
    return DivideRounded(std::int64_t(pixels) * kHundredthsOfMmPerInch, m_nDpi);
}

int CViewGeometry::ToViewLength(int drawingLength) const {
    const int scale = m_settings.viewScale > 0 ? m_settings.viewScale : 1;
    return SnapToPixelGrid(drawingLength / scale, m_nDpi);
}

ExPoint CViewGeometry::DrawingToView(ExPoint drawing) const {
    return {ToViewLength(drawing.x), ToViewLength(drawing.y)};
}

QPoint CViewGeometry::DrawingToPixel(ExPoint drawing) const {
    return ViewToPixel(DrawingToView(drawing));
}

QPoint CViewGeometry::ViewToPixel(ExPoint view) const {
    return {ToPixels(m_ptMargin.x + view.x) - m_ptScroll.x(),
            ToPixels(m_ptSheetView.y - view.y) - m_ptScroll.y()};
}

// The inverse of ViewToPixel: the same sheet height in view units is used both ways, so a
// point converted there and back stays within one pixel at every divisor.
ExPoint CViewGeometry::PixelToDrawing(QPoint pixel) const {
    const int x = ToMetric(pixel.x() + m_ptScroll.x() - kRulerPixels);
    const int y = m_ptSheetView.y - ToMetric(pixel.y() + m_ptScroll.y());
    return {x * m_settings.viewScale, y * m_settings.viewScale};
}

ExRect CViewGeometry::PixelRectToDrawing(const QRect& pixels) const {
    const ExPoint topLeft = PixelToDrawing(pixels.topLeft());
    const ExPoint bottomRight =
        PixelToDrawing({pixels.left() + pixels.width(), pixels.top() + pixels.height()});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

QRect CViewGeometry::ViewRectToPixels(const ExRect& view) const {
    const QPoint topLeft =
        ViewToPixel({std::min(view.left, view.right), std::max(view.top, view.bottom)});
    const QPoint bottomRight =
        ViewToPixel({std::max(view.left, view.right), std::min(view.top, view.bottom)});
    return QRect(topLeft, bottomRight);
}

QTransform CViewGeometry::ViewToPixelTransform() const {
    const double k = double(m_nDpi) / kHundredthsOfMmPerInch;
    return QTransform(k, 0, 0, -k, m_ptMargin.x * k - m_ptScroll.x(),
                      m_ptSheetView.y * k - m_ptScroll.y());
}

ExPoint CViewGeometry::SheetExtent() const {
    return {m_settings.mapWidth * kUnitsPerMetre, m_settings.mapHeight * kUnitsPerMetre};
}

QSize CViewGeometry::TotalPixels() const {
    return {ToPixels(m_ptTotal.x), ToPixels(m_ptTotal.y)};
}

QPoint CViewGeometry::MaxScroll() const {
    const QSize total = TotalPixels();
    return {std::max(0, total.width() - m_szClient.width()),
            std::max(0, total.height() - m_szClient.height())};
}

QPoint CViewGeometry::ScrollToCentre(ExPoint drawing) const {
    return ScrollToPlace(drawing, {m_szClient.width() / 2, m_szClient.height() / 2});
}

QPoint CViewGeometry::ScrollToPlace(ExPoint drawing, QPoint pixel) const {
    const ExPoint view = DrawingToView(drawing);
    const QPoint limit = MaxScroll();
    const int x = ToPixels(m_ptMargin.x + view.x) - pixel.x();
    const int y = ToPixels(m_ptSheetView.y - view.y) - pixel.y();
    return {std::clamp(x, 0, limit.x()), std::clamp(y, 0, limit.y())};
}

// The sheet's size in pixels only shrinks as the divisor grows, so the search halves the range.
int CViewGeometry::FittingScale(QSize client) const {
    CViewGeometry trial = *this;
    trial.SetClientSize(client);
    const auto fits = [&trial, client](int scale) {
        trial.SetViewScale(scale);
        if (!trial.Layout()) {
            return false;
        }
        const QSize total = trial.TotalPixels();
        return total.width() <= client.width() && total.height() <= client.height();
    };
    int low = kMinScale;
    int high = kMaxScale;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (fits(middle)) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

ExPoint CViewGeometry::ClientCentreDrawing() const {
    return PixelToDrawing({m_szClient.width() / 2, m_szClient.height() / 2});
}

void CViewGeometry::UpdateNarrowFlags() {
    if (m_ptTotal.x < m_ptClientView.x - m_ptMargin.x) {
        m_bNarrowX = true;
    }
    if (m_ptTotal.y < m_ptClientView.y - m_ptMargin.y) {
        m_bNarrowY = true;
    }
}
