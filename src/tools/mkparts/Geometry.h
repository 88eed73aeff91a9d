#pragma once

#include "Part.h"

#include <cstdint>
#include <span>
#include <vector>

namespace mkparts {

struct Point {
    double x = 0;
    double y = 0;
};

// x' = a*x + c*y + e, y' = b*x + d*y + f
struct Affine {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    Point Apply(Point p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
    // How much the transform stretches lengths on average, for choosing segment counts.
    double Scale() const;

    static Affine Place(Point offset, double degrees, double scaleX, double scaleY);
    // This transform applied after inner.
    Affine Then(const Affine& inner) const;
};

// Turns primitives into move/line records in the -256..256 box. Points are rounded as they are
// emitted; zero-length lines are dropped and a move to where the pen already is keeps the chain
// going, so outlines built from several primitives stay one chain.
class ShapeBuilder {
public:
    explicit ShapeBuilder(std::int32_t partSize) : partSize_(partSize) {}

    void SetTransform(const Affine& transform) { transform_ = transform; }
    const Affine& Transform() const { return transform_; }

    void MoveTo(Point p);
    void LineTo(Point p);
    void Polyline(std::span<const Point> points, bool close);
    void Rect(Point corner1, Point corner2);
    void RoundedRect(Point corner1, Point corner2, double radius, int segments);
    void Ellipse(Point centre, double rx, double ry, int segments);
    // Degrees counter-clockwise from +x; an end below the start runs clockwise.
    void Arc(Point centre, double rx, double ry, double startDeg, double endDeg, int segments);
    void RegularPolygon(Point centre, double radius, int corners, double startDeg);
    void Star(Point centre, double outer, double inner, int points, double startDeg);
    void Dash(Point from, Point to, double dash, double gap);
    // The interior dividing lines of a table of columns x rows cells.
    void Grid(Point corner1, Point corner2, int columns, int rows);

    // Segments for a full circle of this radius (in shape units, before the transform): enough
    // to look round when the part is shown at 1/10 scale on screen.
    int FullCircleSegments(double radius) const;

    // The drawing records; a move left dangling at the end is dropped.
    std::vector<Record> Finish();

private:
    Record Emit(Command command, Point p) const;
    int ArcSegments(double radius, double sweepDeg, int requested) const;

    std::int32_t partSize_;
    Affine transform_;
    std::vector<Record> records_;
    bool hasPen_ = false;
    std::int16_t penX_ = 0;
    std::int16_t penY_ = 0;
};

} // namespace mkparts
