#include "ExViewContext.h"

#include <cstdint>

namespace {

CExViewContext* g_activeView = nullptr;

// Integer division rounding half away from zero.
std::int64_t DivideRounded(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t half = denominator / 2;
    return numerator >= 0 ? (numerator + half) / denominator : (numerator - half) / denominator;
}

} // namespace

int SnapToPixelGrid(int hundredthsOfMm, int dpi) {
    if (dpi <= 0) {
        return hundredthsOfMm;
    }
    const std::int64_t pixels = DivideRounded(std::int64_t(hundredthsOfMm) * dpi, 2540);
    return static_cast<int>(DivideRounded(pixels * 2540, dpi));
}

int CExViewContext::ToViewLength(int drawingLength) const {
    const int scale = GetViewScale();
    return SnapToPixelGrid(scale > 0 ? drawingLength / scale : drawingLength, GetDpi());
}

void CExViewContext::ToViewPoint(ExPoint& point) const {
    point.x = ToViewLength(point.x);
    point.y = ToViewLength(point.y);
}

void CExViewContext::ToViewRect(ExRect& rect) const {
    rect.left = ToViewLength(rect.left);
    rect.top = ToViewLength(rect.top);
    rect.right = ToViewLength(rect.right);
    rect.bottom = ToViewLength(rect.bottom);
}

CExViewContext* GetActiveView() {
    return g_activeView;
}

CExViewContext* SetActiveView(CExViewContext* view) {
    CExViewContext* previous = g_activeView;
    g_activeView = view;
    return previous;
}

ExPoint ToActiveView(ExPoint point) {
    if (const CExViewContext* view = GetActiveView()) {
        view->ToViewPoint(point);
    }
    return point;
}

int ToActiveViewLength(int length) {
    const CExViewContext* view = GetActiveView();
    return view ? view->ToViewLength(length) : length;
}
