#include "VerticalFit.h"

#include <algorithm>

namespace mkvecfont {

void FitVertically(std::vector<Polyline>& strokes, const LetterLines& lines, double floor,
                   double ceiling) {
    double low = floor;
    double high = ceiling;
    for (const Polyline& line : strokes) {
        for (Point p : line) {
            low = std::min(low, p.y);
            high = std::max(high, p.y);
        }
    }
    const double below = low < floor ? (lines.baseline - floor) / (lines.baseline - low) : 1;
    const double above =
        high > ceiling ? (ceiling - lines.capHeight) / (high - lines.capHeight) : 1;
    for (Polyline& line : strokes) {
        for (Point& p : line) {
            if (p.y < lines.baseline) {
                p.y = lines.baseline - (lines.baseline - p.y) * below;
            } else if (p.y > lines.capHeight) {
                p.y = lines.capHeight + (p.y - lines.capHeight) * above;
            }
        }
    }
}

} // namespace mkvecfont
