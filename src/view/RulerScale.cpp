#include "RulerScale.h"

#include "ViewGeometry.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr std::array<int, 7> kSteps = {10000000, 1000000, 100000, 10000, 1000, 100, 10};
// The vertical bar stops this far above the client's bottom, where the horizontal bar begins.
constexpr int kVerticalEndPixels = 10;

int FirstStepWithin(const CViewGeometry& geometry, int limit) {
    for (const int step : kSteps) {
        if (geometry.ToViewLength(step) <= limit) {
            return step;
        }
    }
    return kSteps.back();
}

int RoundUpToMultiple(int value, int step) {
    if (value <= 0) {
        return 0;
    }
    return static_cast<int>((std::int64_t(value) + step - 1) / step * step);
}

ExRulerTick MakeTick(int position, int pixel, int labelStep, int thickness) {
    ExRulerTick tick;
    tick.position = position;
    tick.pixel = pixel;
    const int halfLabel = std::max(1, labelStep / 2);
    tick.length = position % halfLabel == 0 ? thickness / 3 : thickness / 2;
    if (position % labelStep == 0 && position % CViewGeometry::kUnitsPerMetre == 0) {
        tick.labelMetres = position / CViewGeometry::kUnitsPerMetre;
    }
    return tick;
}

} // namespace

int CRulerScale::TickStep(const CViewGeometry& geometry) {
    return FirstStepWithin(geometry, kMaxTickView);
}

int CRulerScale::LabelStep(const CViewGeometry& geometry) {
    return FirstStepWithin(geometry, kMaxLabelView);
}

std::vector<ExRulerTick> CRulerScale::HorizontalTicks(const CViewGeometry& geometry,
                                                      int thickness) {
    const int step = TickStep(geometry);
    const int labelStep = LabelStep(geometry);
    const int sheetWidth = geometry.SheetExtent().x;
    const QSize client = geometry.ClientPixels();
    const int from =
        std::clamp(geometry.PixelToDrawing({CViewGeometry::kRulerPixels, 0}).x, 0, sheetWidth);
    const int to = std::clamp(geometry.PixelToDrawing({client.width(), 0}).x, 0, sheetWidth);
    std::vector<ExRulerTick> ticks;
    for (int x = RoundUpToMultiple(from, step); x <= to; x += step) {
        ticks.push_back(MakeTick(x, geometry.DrawingToPixel({x, 0}).x(), labelStep, thickness));
    }
    return ticks;
}

std::vector<ExRulerTick> CRulerScale::VerticalTicks(const CViewGeometry& geometry, int thickness) {
    const int step = TickStep(geometry);
    const int labelStep = LabelStep(geometry);
    const int sheetHeight = geometry.SheetExtent().y;
    const QSize client = geometry.ClientPixels();
    const int top = std::clamp(geometry.PixelToDrawing({0, 0}).y, 0, sheetHeight);
    const int bottom = std::clamp(
        geometry.PixelToDrawing({0, client.height() - kVerticalEndPixels}).y, 0, sheetHeight);
    std::vector<ExRulerTick> ticks;
    for (int y = RoundUpToMultiple(bottom, step); y <= top; y += step) {
        ticks.push_back(MakeTick(y, geometry.DrawingToPixel({0, y}).y(), labelStep, thickness));
    }
    return ticks;
}
