#include "GlyphEncoder.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace mkvecfont {

namespace {

struct GridPoint {
    std::uint8_t x;
    std::uint8_t y;

    friend bool operator==(const GridPoint&, const GridPoint&) = default;
};

std::uint8_t Snap(double v, int low, int high) {
    return static_cast<std::uint8_t>(std::clamp(static_cast<int>(std::lround(v)), low, high));
}

} // namespace

Glyph EncodeStrokes(std::span<const Polyline> strokes, int low, int high) {
    Glyph glyph;
    for (const Polyline& stroke : strokes) {
        std::vector<GridPoint> points;
        for (Point p : stroke) {
            const GridPoint g{Snap(p.x, low, high), Snap(p.y, low, high)};
            if (points.empty() || !(points.back() == g)) {
                points.push_back(g);
            }
        }
        if (points.size() < 2) {
            continue;
        }
        glyph.push_back({Op::MoveTo, points[0].x, points[0].y});
        for (std::size_t i = 1; i < points.size(); ++i) {
            glyph.push_back({Op::LineTo, points[i].x, points[i].y});
        }
    }
    return glyph;
}

} // namespace mkvecfont
