#include "Geometry.h"

#include "SourceError.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace mkparts {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// Parts are usually placed at 1/10 on a 96 dpi screen; a chord may stray this far from the true
// curve there before the polygon shows.
constexpr double kScreenScale = 0.1;
constexpr double kScreenPixelsPerMm = 96.0 / 25.4;
constexpr double kMaxSagittaPixels = 0.25;
constexpr int kMinCircleSegments = 32;
constexpr int kMaxCircleSegments = 64;

std::string Format(double v) {
    std::string text = std::to_string(std::round(v * 100.0) / 100.0);
    text.erase(text.find_last_not_of('0') + 1);
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text;
}

Point Polar(Point centre, double rx, double ry, double degrees) {
    return {centre.x + rx * std::cos(degrees * kDegree),
            centre.y + ry * std::sin(degrees * kDegree)};
}

} // namespace

double Affine::Scale() const {
    return std::sqrt(std::abs(a * d - b * c));
}

Affine Affine::Place(Point offset, double degrees, double scaleX, double scaleY) {
    const double cosA = std::cos(degrees * kDegree);
    const double sinA = std::sin(degrees * kDegree);
    return {cosA * scaleX, sinA * scaleX, -sinA * scaleY, cosA * scaleY, offset.x, offset.y};
}

Affine Affine::Then(const Affine& inner) const {
    return {a * inner.a + c * inner.b,     b * inner.a + d * inner.b,
            a * inner.c + c * inner.d,     b * inner.c + d * inner.d,
            a * inner.e + c * inner.f + e, b * inner.e + d * inner.f + f};
}

Record ShapeBuilder::Emit(Command command, Point p) const {
    const Point t = transform_.Apply(p);
    const double x = std::round(t.x);
    const double y = std::round(t.y);
    if (!(std::abs(x) <= kShapeLimit && std::abs(y) <= kShapeLimit)) {
        throw GeometryError("point (" + Format(t.x) + ", " + Format(t.y) + ") is outside " +
                            std::to_string(-kShapeLimit) + ".." + std::to_string(kShapeLimit));
    }
    return {command, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
}

void ShapeBuilder::MoveTo(Point p) {
    const Record record = Emit(Command::Move, p);
    if (!records_.empty() && records_.back().command == Command::Move) {
        records_.back() = record;
    } else if (!(hasPen_ && record.x == penX_ && record.y == penY_)) {
        records_.push_back(record);
    }
    hasPen_ = true;
    penX_ = record.x;
    penY_ = record.y;
}

void ShapeBuilder::LineTo(Point p) {
    if (!hasPen_) {
        throw GeometryError("a line needs a starting point; begin with move");
    }
    const Record record = Emit(Command::Line, p);
    if (record.x == penX_ && record.y == penY_) {
        return;
    }
    records_.push_back(record);
    penX_ = record.x;
    penY_ = record.y;
}

void ShapeBuilder::Polyline(std::span<const Point> points, bool close) {
    if (points.empty()) {
        return;
    }
    MoveTo(points.front());
    for (const Point& p : points.subspan(1)) {
        LineTo(p);
    }
    if (close) {
        LineTo(points.front());
    }
}

void ShapeBuilder::Rect(Point corner1, Point corner2) {
    const Point points[] = {corner1, {corner2.x, corner1.y}, corner2, {corner1.x, corner2.y}};
    Polyline(points, true);
}

void ShapeBuilder::RoundedRect(Point corner1, Point corner2, double radius, int segments) {
    const double left = std::min(corner1.x, corner2.x);
    const double right = std::max(corner1.x, corner2.x);
    const double bottom = std::min(corner1.y, corner2.y);
    const double top = std::max(corner1.y, corner2.y);
    if (radius < 0 || 2 * radius > right - left || 2 * radius > top - bottom) {
        throw GeometryError("corner radius " + Format(radius) + " does not fit the rectangle");
    }
    const int perCorner = segments > 0 ? segments : ArcSegments(radius, 90, 0);
    MoveTo({left + radius, bottom});
    const Point corners[] = {{right - radius, bottom + radius},
                             {right - radius, top - radius},
                             {left + radius, top - radius},
                             {left + radius, bottom + radius}};
    for (int corner = 0; corner < 4; ++corner) {
        const double start = -90.0 + 90.0 * corner;
        for (int i = 0; i <= perCorner; ++i) {
            LineTo(Polar(corners[corner], radius, radius, start + 90.0 * i / perCorner));
        }
    }
    LineTo({left + radius, bottom});
}

void ShapeBuilder::Ellipse(Point centre, double rx, double ry, int segments) {
    const int n = segments > 0 ? segments : FullCircleSegments(std::max(rx, ry));
    const Point first = Polar(centre, rx, ry, 0);
    MoveTo(first);
    for (int i = 1; i < n; ++i) {
        LineTo(Polar(centre, rx, ry, 360.0 * i / n));
    }
    LineTo(first);
}

void ShapeBuilder::Arc(Point centre, double rx, double ry, double startDeg, double endDeg,
                       int segments) {
    const double sweep = endDeg - startDeg;
    const int n = ArcSegments(std::max(rx, ry), std::abs(sweep), segments);
    MoveTo(Polar(centre, rx, ry, startDeg));
    for (int i = 1; i <= n; ++i) {
        LineTo(Polar(centre, rx, ry, startDeg + sweep * i / n));
    }
}

void ShapeBuilder::RegularPolygon(Point centre, double radius, int corners, double startDeg) {
    if (corners < 3) {
        throw GeometryError("a polygon needs at least 3 corners");
    }
    std::vector<Point> points;
    for (int i = 0; i < corners; ++i) {
        points.push_back(Polar(centre, radius, radius, startDeg + 360.0 * i / corners));
    }
    Polyline(points, true);
}

void ShapeBuilder::Star(Point centre, double outer, double inner, int points, double startDeg) {
    if (points < 2) {
        throw GeometryError("a star needs at least 2 points");
    }
    std::vector<Point> corners;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        corners.push_back(Polar(centre, r, r, startDeg + 180.0 * i / points));
    }
    Polyline(corners, true);
}

void ShapeBuilder::Dash(Point from, Point to, double dash, double gap) {
    if (!(dash > 0 && gap > 0)) {
        throw GeometryError("dash and gap lengths must be positive");
    }
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    const auto at = [&](double distance) {
        const double t = length > 0 ? distance / length : 0;
        return Point{from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t};
    };
    for (double start = 0; start < length; start += dash + gap) {
        MoveTo(at(start));
        LineTo(at(std::min(start + dash, length)));
    }
}

void ShapeBuilder::Grid(Point corner1, Point corner2, int columns, int rows) {
    if (columns < 1 || rows < 1) {
        throw GeometryError("a grid needs at least one column and one row");
    }
    for (int i = 1; i < columns; ++i) {
        const double x = corner1.x + (corner2.x - corner1.x) * i / columns;
        MoveTo({x, corner1.y});
        LineTo({x, corner2.y});
    }
    for (int i = 1; i < rows; ++i) {
        const double y = corner1.y + (corner2.y - corner1.y) * i / rows;
        MoveTo({corner1.x, y});
        LineTo({corner2.x, y});
    }
}

int ShapeBuilder::FullCircleSegments(double radius) const {
    const double mm = radius * transform_.Scale() / (2.0 * kShapeLimit) * partSize_ / 100.0;
    const double pixels = mm * kScreenScale * kScreenPixelsPerMm;
    int n = kMinCircleSegments;
    if (pixels > kMaxSagittaPixels) {
        const double needed = std::numbers::pi / std::acos(1.0 - kMaxSagittaPixels / pixels);
        n = static_cast<int>(std::ceil(needed / 8.0)) * 8;
    }
    return std::clamp(n, kMinCircleSegments, kMaxCircleSegments);
}

int ShapeBuilder::ArcSegments(double radius, double sweepDeg, int requested) const {
    if (requested > 0) {
        return requested;
    }
    const double share = std::min(sweepDeg, 360.0) / 360.0;
    return std::max(2, static_cast<int>(std::ceil(FullCircleSegments(radius) * share)));
}

std::vector<Record> ShapeBuilder::Finish() {
    if (!records_.empty() && records_.back().command == Command::Move) {
        records_.pop_back();
    }
    hasPen_ = false;
    return std::move(records_);
}

} // namespace mkparts
