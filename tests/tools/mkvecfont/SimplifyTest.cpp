#include "Simplify.h"

#include <gtest/gtest.h>

namespace mkvecfont {
namespace {

TEST(Simplify, DropsPointsOnTheLine) {
    const Polyline line{{0, 0}, {1, 0.1}, {2, -0.1}, {3, 0}, {3, 5}};
    const Polyline simple = Simplify(line, 0.5);
    EXPECT_EQ(simple, (Polyline{{0, 0}, {3, 0}, {3, 5}}));
}

TEST(Simplify, KeepsClosedLinesClosed) {
    const Polyline square{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    EXPECT_EQ(Simplify(square, 0.5), square);
}

TEST(Simplify, SmoothingKeepsTheEnds) {
    const Polyline stairs{{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {3, 2}};
    const Polyline smooth = Smooth(stairs, 1);
    EXPECT_EQ(smooth.front(), stairs.front());
    EXPECT_EQ(smooth.back(), stairs.back());
    EXPECT_NEAR(smooth[2].x, 4.0 / 3, 1e-9);
    EXPECT_NEAR(smooth[2].y, 2.0 / 3, 1e-9);
}

TEST(Simplify, MeasuresAlongTheLine) {
    const Polyline l{{0, 0}, {3, 0}, {3, 4}};
    EXPECT_DOUBLE_EQ(ArcLength(l), 7);
    EXPECT_EQ(PointAlong(l, 5), (Point{3, 2}));
    EXPECT_EQ(PointAlong(l, 50), (Point{3, 4}));
}

} // namespace
} // namespace mkvecfont
