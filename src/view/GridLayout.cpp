#include "GridLayout.h"

#include "ExAppServices.h"
#include "ViewGeometry.h"

#include <QImage>
#include <QLine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kCentimetre = 1000;

bool OnLatticeLine(int position, int lattice) {
    if (lattice <= 0) {
        return false;
    }
    const int rest = position % lattice;
    return rest < ExGridLayout::kShortMark || rest > lattice - ExGridLayout::kShortMark;
}

// The first lattice crossing at or before `from` on a line of crossings through `origin`.
double FloorToLattice(double from, double origin, double lattice) {
    return origin + std::floor((from - origin) / lattice) * lattice;
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
    // Not snapped to pixels: the marks test their distance to the lattice lines with it, and a
    // snapped lattice would drift away from the multiples of the small interval.
    grid.largeLatticeView = {grid.largeLattice.x / scale, grid.largeLattice.y / scale};
    grid.largeLatticePixels = {std::max(1, geometry.ToPixels(grid.largeLatticeView.x)),
                               std::max(1, geometry.ToPixels(grid.largeLatticeView.y))};
    grid.bufferPixels = geometry.ClientPixels() + grid.largeLatticePixels;
    return grid;
}

void DrawGridImage(QImage& buffer, const ExGridLayout& grid, const CViewGeometry& geometry) {
    buffer.fill(Qt::transparent);
    const ExPoint step = grid.smallIntervalView;
    const int dpi = geometry.Dpi();
    // Marks closer than a pixel apart would only grey the whole buffer.
    if (geometry.ToPixels(step.x) < 1 || geometry.ToPixels(step.y) < 1) {
        return;
    }
    const QSize size = grid.bufferPixels;
    const double k = dpi / 2540.0;
    const int shortArm = std::max(1, geometry.ToPixels(ExGridLayout::kShortMark));
    const int longArm = std::max(1, geometry.ToPixels(ExGridLayout::kLongMark));
    std::vector<QLine> lines;
    for (int j = 0;; ++j) {
        const int viewY = j * step.y;
        const int y = size.height() - static_cast<int>(std::lround(viewY * k));
        if (y < -longArm) {
            break;
        }
        const bool onY = OnLatticeLine(viewY, grid.largeLatticeView.y);
        for (int i = 0;; ++i) {
            const int viewX = i * step.x;
            const int x = static_cast<int>(std::lround(viewX * k));
            if (x > size.width() + longArm) {
                break;
            }
            const int arm =
                onY && OnLatticeLine(viewX, grid.largeLatticeView.x) ? longArm : shortArm;
            lines.emplace_back(x - arm, y, x + arm, y);
            lines.emplace_back(x, y - arm, x, y + arm);
        }
    }
    QPainter painter(&buffer);
    painter.setPen(QPen(QColor(0xA2, 0xA2, 0xA2), 0));
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

QPoint GridBufferOrigin(const ExGridLayout& grid, const CViewGeometry& geometry) {
    const QPoint sheetOrigin = geometry.ViewToPixel({0, 0});
    const double k = geometry.Dpi() / 2540.0;
    const double latticeX = std::max(1.0, grid.largeLatticeView.x * k);
    const double latticeY = std::max(1.0, grid.largeLatticeView.y * k);
    const double left = FloorToLattice(0, sheetOrigin.x(), latticeX);
    // The buffer's bottom edge goes to the first crossing at or below the client's bottom.
    const double bottom =
        -FloorToLattice(-geometry.ClientPixels().height(), -sheetOrigin.y(), latticeY);
    return {static_cast<int>(std::lround(left)),
            static_cast<int>(std::lround(bottom)) - grid.bufferPixels.height()};
}
