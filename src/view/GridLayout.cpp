#include "GridLayout.h"

#include "ExAppServices.h"
#include "ViewGeometry.h"

#include <QImage>
#include <QLine>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

constexpr int kCentimetre = 1000;

// One row or column of marks as it crosses the client.
struct AxisMark {
    int pixel;
    bool onLattice;
};

std::int64_t FloorDivide(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

// The marks at the multiples of the interval between two drawing positions whose pixels lie in
// [firstPixel, lastPixel]. A mark lies on a lattice line when it is within the tolerance of a
// multiple of the lattice; the test runs in drawing units, so no rounding drifts along a large
// sheet.
template <typename ToPixel>
std::vector<AxisMark> MarksAlong(int from, int to, int interval, int count, int tolerance,
                                 int firstPixel, int lastPixel, ToPixel toPixel) {
    std::vector<AxisMark> marks;
    const std::int64_t lattice = std::int64_t(interval) * count;
    for (std::int64_t position = FloorDivide(from, interval) * interval; position <= to;
         position += interval) {
        const int pixel = toPixel(static_cast<int>(position));
        if (pixel < firstPixel || pixel > lastPixel) {
            continue;
        }
        const std::int64_t rest = (position % lattice + lattice) % lattice;
        marks.push_back({pixel, rest < tolerance || rest > lattice - tolerance});
    }
    return marks;
}

// The arms of the marks in one direction, line of marks by line of marks, so that the lines held
// at once follow the client's size alone. Where the marks of a line stand closer than their arms
// reach, their arms join into one stroke: a fine grid costs a stroke a line, not one a mark.
template <typename MakeLine>
void DrawArms(QPainter& painter, const std::vector<AxisMark>& along,
              const std::vector<AxisMark>& across, int shortArm, int longArm, MakeLine makeLine) {
    bool joined = true;
    for (std::size_t i = 1; i < across.size() && joined; ++i) {
        joined = std::abs(across[i].pixel - across[i - 1].pixel) <= 2 * shortArm + 1;
    }
    std::vector<QLine> lines;
    lines.reserve(joined ? 1 : across.size());
    for (const AxisMark& line : along) {
        lines.clear();
        int from = std::numeric_limits<int>::max();
        int to = std::numeric_limits<int>::min();
        for (const AxisMark& mark : across) {
            const int arm = line.onLattice && mark.onLattice ? longArm : shortArm;
            if (joined) {
                from = std::min(from, mark.pixel - arm);
                to = std::max(to, mark.pixel + arm);
            } else {
                lines.push_back(makeLine(line.pixel, mark.pixel - arm, mark.pixel + arm));
            }
        }
        if (joined && from <= to) {
            lines.push_back(makeLine(line.pixel, from, to));
        }
        painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    }
}

} // namespace

ExGridLayout ExGridLayout::Compute(int zoom, const CViewGeometry& geometry,
                                   const ExDrawingDefaults& defaults) {
    ExGridLayout grid;
    if (zoom >= kMetreBandFrom) {
        grid.smallInterval = {defaults.gridSmallIntervalXM * CViewGeometry::kUnitsPerMetre,
                              defaults.gridSmallIntervalYM * CViewGeometry::kUnitsPerMetre};
        grid.latticeCount = {defaults.largeLatticeSmallX, defaults.largeLatticeSmallY};
    } else {
        grid.smallInterval = {defaults.gridBigIntervalXCm * kCentimetre,
                              defaults.gridBigIntervalYCm * kCentimetre};
        grid.latticeCount = {defaults.largeLatticeBigX, defaults.largeLatticeBigY};
    }
    // Settings of 0 would make an endless grid: one interval per lattice at the least.
    grid.smallInterval = {std::max(1, grid.smallInterval.x), std::max(1, grid.smallInterval.y)};
    grid.latticeCount = {std::max(1, grid.latticeCount.x), std::max(1, grid.latticeCount.y)};
    grid.largeLattice = {grid.smallInterval.x * grid.latticeCount.x,
                         grid.smallInterval.y * grid.latticeCount.y};
    const int scale = std::max(1, geometry.ViewScale());
    grid.smallIntervalView = {grid.smallInterval.x / scale, grid.smallInterval.y / scale};
    return grid;
}

void DrawGridMarks(QImage& layer, const ExGridLayout& grid, const CViewGeometry& geometry,
                   const QRect& area) {
    QPainter painter(&layer);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(area, Qt::transparent);
    // Marks closer than a pixel apart would only grey the whole layer.
    if (area.isEmpty() || geometry.ToPixels(grid.smallIntervalView.x) < 1 ||
        geometry.ToPixels(grid.smallIntervalView.y) < 1) {
        return;
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setClipRect(area);
    painter.setPen(QPen(QColor(QRgb(ExGridLayout::kMarkColor)), 0));

    const int shortArm = std::max(1, geometry.ToPixels(ExGridLayout::kShortMark));
    const int longArm = std::max(1, geometry.ToPixels(ExGridLayout::kLongMark));
    const int tolerance = ExGridLayout::kShortMark * std::max(1, geometry.ViewScale());
    // The pixel conversions round either way: two pixels of slack find every mark.
    constexpr int kSlack = 2;
    const int left = area.left() - longArm;
    const int right = area.right() + longArm;
    const int top = area.top() - longArm;
    const int bottom = area.bottom() + longArm;
    const std::vector<AxisMark> columns =
        MarksAlong(geometry.PixelToDrawing({left - kSlack, 0}).x,
                   geometry.PixelToDrawing({right + kSlack, 0}).x, grid.smallInterval.x,
                   grid.latticeCount.x, tolerance, left, right, [&](int x) {
                       return geometry.DrawingToPixel({x, 0}).x();
                   });
    const std::vector<AxisMark> rows =
        MarksAlong(geometry.PixelToDrawing({0, bottom + kSlack}).y,
                   geometry.PixelToDrawing({0, top - kSlack}).y, grid.smallInterval.y,
                   grid.latticeCount.y, tolerance, top, bottom, [&](int y) {
                       return geometry.DrawingToPixel({0, y}).y();
                   });
    DrawArms(painter, rows, columns, shortArm, longArm,
             [](int y, int from, int to) { return QLine(from, y, to, y); });
    DrawArms(painter, columns, rows, shortArm, longArm,
             [](int x, int from, int to) { return QLine(x, from, x, to); });
}
