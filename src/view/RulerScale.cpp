#include "RulerScale.h"

#include "ViewGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <map>
#include <tuple>

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

// Labels go at whole metres that are multiples of the label step.
int LabelUnit(int labelStep) {
    return std::max(labelStep, CViewGeometry::kUnitsPerMetre);
}

int RoundUpToMultiple(int value, int step) {
    if (value <= 0) {
        return 0;
    }
    return static_cast<int>((std::int64_t(value) + step - 1) / step * step);
}

int Digits(int metres) {
    int digits = 1;
    for (; metres >= 10; metres /= 10) {
        ++digits;
    }
    return digits;
}

int TrailingZeros(int metres) {
    if (metres == 0) {
        return std::numeric_limits<int>::max();
    }
    int zeros = 0;
    for (; metres % 10 == 0; metres /= 10) {
        ++zeros;
    }
    return zeros;
}

struct LabelSpan {
    int first; // pixels along the bar, the last one excluded
    int last;
};

bool KeepClear(const LabelSpan& a, const LabelSpan& b) {
    return std::max(b.first - a.last, a.first - b.last) >= CRulerScale::kLabelGap;
}

// The labels of one bar over the whole sheet, by position. Every label of a number of digits
// gets the same stride from the 1-2-5 series, wide enough for labels of that width and of the
// wider ones that follow, so the labels come at even, round intervals. The ends of the sheet
// and the rounder numbers then take their places first, and a label that would come too close
// to one already placed is left out.
template <typename ToPixel>
std::map<int, LabelSpan> PlaceLabels(int unit, int sheetLength, double digitWidth, bool originFlush,
                                     ToPixel toPixel) {
    const int count = sheetLength / unit;
    const int unitMetres = unit / CViewGeometry::kUnitsPerMetre;
    const int sheetMetres = sheetLength / CViewGeometry::kUnitsPerMetre;
    std::vector<int> pixels;
    int spacing = std::numeric_limits<int>::max();
    for (int k = 0; k <= count; ++k) {
        pixels.push_back(toPixel(k * unit));
        if (k > 0) {
            spacing = std::min(spacing, std::abs(pixels[k] - pixels[k - 1]));
        }
    }
    spacing = std::max(1, spacing);
    // Along the vertical bar the positions grow upwards, against the pixels.
    const int direction = toPixel(unit) < pixels.front() ? -1 : 1;
    const auto width = [&](int digits) { return static_cast<int>(std::ceil(digits * digitWidth)); };
    const auto stride = [&](int metres) {
        const int digits = Digits(metres);
        const bool widerFollow = std::pow(10.0, digits) <= sheetMetres;
        const int needed = (width(digits) + width(widerFollow ? digits + 1 : digits) + 1) / 2 +
                           CRulerScale::kLabelGap;
        for (std::int64_t decade = 1;; decade *= 10) {
            for (const int factor : {1, 2, 5}) {
                if (factor * decade * spacing >= needed) {
                    return factor * decade;
                }
            }
        }
    };
    // Labels stay within the sheet's far end, and on the horizontal bar within its origin: the
    // bars end there when scrolled to the end, and a label over the edge would be cut.
    const int origin = pixels.front();
    const int end = toPixel(sheetLength);
    const int low = direction > 0 ? (originFlush ? origin : std::numeric_limits<int>::min()) : end;
    const int high = direction > 0 ? end : std::numeric_limits<int>::max();
    const auto span = [&](int k) {
        const int w = width(Digits(k * unitMetres));
        LabelSpan own{pixels[k] - w / 2, pixels[k] - w / 2 + w};
        if (own.first < low) {
            own = {low, low + w};
        }
        if (own.last > high) {
            own = {high - w, high};
        }
        return own;
    };
    std::vector<int> candidates;
    for (int k = 0; k <= count; ++k) {
        if (k % stride(k * unitMetres) == 0) {
            candidates.push_back(k);
        }
    }
    const auto rank = [&](int k) {
        const bool atEnd = k == 0 || k * unit == sheetLength;
        return std::tuple(!atEnd, -TrailingZeros(k * unitMetres), k);
    };
    std::sort(candidates.begin(), candidates.end(),
              [&](int a, int b) { return rank(a) < rank(b); });
    std::map<int, LabelSpan> placed; // by index
    for (const int k : candidates) {
        const LabelSpan own = span(k);
        const auto next = placed.lower_bound(k);
        if ((next != placed.end() && !KeepClear(own, next->second)) ||
            (next != placed.begin() && !KeepClear(own, std::prev(next)->second))) {
            continue;
        }
        placed.emplace(k, own);
    }
    std::map<int, LabelSpan> labels;
    for (const auto& [k, own] : placed) {
        labels.emplace_hint(labels.end(), k * unit, own);
    }
    return labels;
}

ExRulerTick MakeTick(int position, int pixel, int labelStep, int thickness,
                     const std::map<int, LabelSpan>& labels) {
    ExRulerTick tick;
    tick.position = position;
    tick.pixel = pixel;
    const int halfLabel = std::max(1, labelStep / 2);
    tick.length = position % halfLabel == 0 ? thickness / 3 : thickness / 2;
    if (const auto label = labels.find(position); label != labels.end()) {
        tick.labelMetres = position / CViewGeometry::kUnitsPerMetre;
        tick.labelFirst = label->second.first;
        tick.labelLast = label->second.last;
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

std::vector<ExRulerTick> CRulerScale::HorizontalTicks(const CViewGeometry& geometry, int thickness,
                                                      double digitWidth) {
    const int step = TickStep(geometry);
    const int labelStep = LabelStep(geometry);
    const int sheetWidth = geometry.SheetExtent().x;
    const QSize client = geometry.ClientPixels();
    const int from =
        std::clamp(geometry.PixelToDrawing({CViewGeometry::kRulerPixels, 0}).x, 0, sheetWidth);
    const int to = std::clamp(geometry.PixelToDrawing({client.width(), 0}).x, 0, sheetWidth);
    const auto toPixel = [&](int x) { return geometry.DrawingToPixel({x, 0}).x(); };
    const std::map<int, LabelSpan> labels =
        PlaceLabels(LabelUnit(labelStep), sheetWidth, digitWidth, true, toPixel);
    std::vector<ExRulerTick> ticks;
    for (int x = RoundUpToMultiple(from, step); x <= to; x += step) {
        ticks.push_back(MakeTick(x, toPixel(x), labelStep, thickness, labels));
    }
    return ticks;
}

std::vector<ExRulerTick> CRulerScale::VerticalTicks(const CViewGeometry& geometry, int thickness,
                                                    double digitWidth) {
    const int step = TickStep(geometry);
    const int labelStep = LabelStep(geometry);
    const int sheetHeight = geometry.SheetExtent().y;
    const QSize client = geometry.ClientPixels();
    const int top = std::clamp(geometry.PixelToDrawing({0, 0}).y, 0, sheetHeight);
    const int bottom = std::clamp(
        geometry.PixelToDrawing({0, client.height() - kVerticalEndPixels}).y, 0, sheetHeight);
    const auto toPixel = [&](int y) { return geometry.DrawingToPixel({0, y}).y(); };
    // The label at 0 stays centred on its tick: the bar reaches below the sheet.
    const std::map<int, LabelSpan> labels =
        PlaceLabels(LabelUnit(labelStep), sheetHeight, digitWidth, false, toPixel);
    std::vector<ExRulerTick> ticks;
    for (int y = RoundUpToMultiple(bottom, step); y <= top; y += step) {
        ticks.push_back(MakeTick(y, toPixel(y), labelStep, thickness, labels));
    }
    return ticks;
}
