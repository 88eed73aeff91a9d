#pragma once

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace mkvecfont {

struct Point {
    double x = 0;
    double y = 0;

    friend Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
    friend Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    friend Point operator*(Point a, double s) { return {a.x * s, a.y * s}; }
    friend bool operator==(const Point&, const Point&) = default;
};

inline double Length(Point p) {
    return std::hypot(p.x, p.y);
}
inline double Distance(Point a, Point b) {
    return Length(a - b);
}

// An open pen path; a closed one repeats its first point at the end.
using Polyline = std::vector<Point>;

// A filled-looking dot for a pen: a small octagon with a second one inside.
inline std::vector<Polyline> DotRings(Point centre, double radius) {
    constexpr int kSides = 8;
    std::vector<Polyline> rings;
    for (double r : {radius, radius / 2}) {
        Polyline ring;
        for (int i = 0; i <= kSides; ++i) {
            const double a = 2 * std::numbers::pi * (i % kSides) / kSides;
            ring.push_back(centre + Point{std::cos(a), std::sin(a)} * r);
        }
        rings.push_back(std::move(ring));
    }
    return rings;
}

} // namespace mkvecfont
