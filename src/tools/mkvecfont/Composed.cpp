#include "Composed.h"

#include <algorithm>

namespace mkvecfont {

namespace {

// The size the tracer gives the dots of a colon.
constexpr double kDotRadius = 5;

struct Box {
    Point low{1e9, 1e9};
    Point high{-1e9, -1e9};
};

Box Bounds(const std::vector<Polyline>& strokes) {
    Box box;
    for (const Polyline& line : strokes) {
        for (Point p : line) {
            box.low = {std::min(box.low.x, p.x), std::min(box.low.y, p.y)};
            box.high = {std::max(box.high.x, p.x), std::max(box.high.y, p.y)};
        }
    }
    return box;
}

// "Approximately equal to or the image of": an equals sign with a dot at its upper left and
// lower right.
std::vector<Polyline> ApproximatelyEqual(const OutlineFont& font, const StrokeOptions& options) {
    std::vector<Polyline> strokes = OutlineStrokes(font, U'＝', options);
    if (strokes.empty()) {
        return strokes;
    }
    const Box box = Bounds(strokes);
    const double width = box.high.x - box.low.x;
    const double gap = (box.high.y - box.low.y) * 0.75;
    for (Point centre : {Point{box.low.x + width * 0.2, box.high.y + gap},
                         Point{box.high.x - width * 0.2, box.low.y - gap}}) {
        const std::vector<Polyline> dot = DotRings(centre, kDotRadius);
        strokes.insert(strokes.end(), dot.begin(), dot.end());
    }
    return strokes;
}

} // namespace

std::optional<std::vector<Polyline>> ComposedStrokes(const OutlineFont& font, char32_t ch,
                                                     const StrokeOptions& options) {
    if (font.HasGlyph(ch)) {
        return std::nullopt;
    }
    if (ch == U'≒') {
        return ApproximatelyEqual(font, options);
    }
    return std::nullopt;
}

} // namespace mkvecfont
