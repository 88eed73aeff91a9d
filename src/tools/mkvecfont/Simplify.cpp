#include "Simplify.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace mkvecfont {

namespace {

double DistanceToSegment(Point p, Point a, Point b) {
    const Point ab = b - a;
    const double len2 = ab.x * ab.x + ab.y * ab.y;
    if (len2 == 0) {
        return Distance(p, a);
    }
    const double t = std::clamp(((p.x - a.x) * ab.x + (p.y - a.y) * ab.y) / len2, 0.0, 1.0);
    return Distance(p, a + ab * t);
}

} // namespace

Polyline Smooth(const Polyline& line, int radius) {
    const int n = static_cast<int>(line.size());
    Polyline out = line;
    for (int i = 1; i + 1 < n; ++i) {
        // Shrink the window near the ends so it stays centred on the point.
        const int r = std::min({radius, i, n - 1 - i});
        Point sum;
        for (int j = i - r; j <= i + r; ++j) {
            sum = sum + line[j];
        }
        out[i] = sum * (1.0 / (2 * r + 1));
    }
    return out;
}

Polyline Simplify(const Polyline& line, double tolerance) {
    if (line.size() < 3) {
        return line;
    }
    std::vector<char> keep(line.size(), 0);
    keep.front() = 1;
    keep.back() = 1;
    std::vector<std::pair<std::size_t, std::size_t>> pending{{0, line.size() - 1}};
    while (!pending.empty()) {
        const auto [first, last] = pending.back();
        pending.pop_back();
        double worst = 0;
        std::size_t at = first;
        for (std::size_t i = first + 1; i < last; ++i) {
            const double d = DistanceToSegment(line[i], line[first], line[last]);
            if (d > worst) {
                worst = d;
                at = i;
            }
        }
        if (worst > tolerance) {
            keep[at] = 1;
            pending.emplace_back(first, at);
            pending.emplace_back(at, last);
        }
    }
    Polyline out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (keep[i] != 0) {
            out.push_back(line[i]);
        }
    }
    return out;
}

double ArcLength(const Polyline& line) {
    double sum = 0;
    for (std::size_t i = 1; i < line.size(); ++i) {
        sum += Distance(line[i - 1], line[i]);
    }
    return sum;
}

Point PointAlong(const Polyline& line, double along) {
    for (std::size_t i = 1; i < line.size(); ++i) {
        const double step = Distance(line[i - 1], line[i]);
        if (step >= along && step > 0) {
            return line[i - 1] + (line[i] - line[i - 1]) * (along / step);
        }
        along -= step;
    }
    return line.back();
}

} // namespace mkvecfont
