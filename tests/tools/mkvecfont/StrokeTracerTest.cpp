#include "StrokeTracer.h"
#include "Thinning.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace mkvecfont {
namespace {

void Fill(Bitmap& b, int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            b(x, y) = 1;
        }
    }
}

StrokeSet Trace(const Bitmap& ink) {
    return TraceStrokes(Skeletonize(ink), InkDepth(ink), {});
}

bool Near(Point a, Point b, double tolerance) {
    return Distance(a, b) <= tolerance;
}

bool HasEnd(const StrokeSet& s, Point p, double tolerance) {
    return std::any_of(s.paths.begin(), s.paths.end(), [&](const Polyline& l) {
        return Near(l.front(), p, tolerance) || Near(l.back(), p, tolerance);
    });
}

TEST(StrokeTracer, ACrossIsTwoStraightStrokes) {
    Bitmap ink(120, 120);
    Fill(ink, 10, 55, 109, 64);
    Fill(ink, 55, 10, 64, 109);
    const StrokeSet s = Trace(ink);
    ASSERT_EQ(s.paths.size(), 2u);
    EXPECT_TRUE(s.dots.empty());
    EXPECT_TRUE(HasEnd(s, {10, 60}, 4));
    EXPECT_TRUE(HasEnd(s, {110, 60}, 4));
    EXPECT_TRUE(HasEnd(s, {60, 10}, 4));
    EXPECT_TRUE(HasEnd(s, {60, 110}, 4));
}

TEST(StrokeTracer, ACornerIsOneStrokeWithoutItsSpur) {
    Bitmap ink(120, 120);
    Fill(ink, 10, 10, 109, 21);
    Fill(ink, 98, 10, 109, 109);
    const StrokeSet s = Trace(ink);
    ASSERT_EQ(s.paths.size(), 1u);
    EXPECT_TRUE(HasEnd(s, {10, 16}, 4));
    EXPECT_TRUE(HasEnd(s, {104, 110}, 4));
}

TEST(StrokeTracer, ATeeRunsTheBarThrough) {
    Bitmap ink(120, 120);
    Fill(ink, 10, 98, 109, 109);
    Fill(ink, 55, 10, 64, 109);
    const StrokeSet s = Trace(ink);
    ASSERT_EQ(s.paths.size(), 2u);
    const auto bar = std::find_if(s.paths.begin(), s.paths.end(), [](const Polyline& l) {
        return std::abs(l.front().y - l.back().y) < 3;
    });
    ASSERT_NE(bar, s.paths.end());
    EXPECT_GT(std::abs(bar->front().x - bar->back().x), 90);
}

TEST(StrokeTracer, ASquareBlobIsADot) {
    Bitmap ink(60, 60);
    Fill(ink, 20, 20, 31, 31);
    const StrokeSet s = Trace(ink);
    EXPECT_TRUE(s.paths.empty());
    ASSERT_EQ(s.dots.size(), 1u);
    EXPECT_TRUE(Near(s.dots[0].centre, {26, 26}, 1.5));
    EXPECT_GT(s.dots[0].radius, 4);
}

TEST(StrokeTracer, ARingIsOneClosedStroke) {
    Bitmap ink(80, 80);
    Fill(ink, 10, 10, 69, 69);
    for (int y = 18; y <= 61; ++y) {
        for (int x = 18; x <= 61; ++x) {
            ink(x, y) = 0;
        }
    }
    const StrokeSet s = Trace(ink);
    ASSERT_EQ(s.paths.size(), 1u);
    EXPECT_EQ(s.paths[0].front(), s.paths[0].back());
}

} // namespace
} // namespace mkvecfont
