#include "Geometry.h"
#include "SourceError.h"

#include <gtest/gtest.h>

namespace mkparts {
namespace {

constexpr std::int32_t kOneMetre = 100000;

std::size_t CountLines(const std::vector<Record>& records) {
    std::size_t lines = 0;
    for (const Record& r : records) {
        lines += r.command == Command::Line ? 1 : 0;
    }
    return lines;
}

TEST(Geometry, RectIsOneClosedChain) {
    ShapeBuilder builder(kOneMetre);
    builder.Rect({-10, -20}, {30, 40});
    const std::vector<Record> records = builder.Finish();
    const std::vector<Record> expected = {{Command::Move, -10, -20},
                                          {Command::Line, 30, -20},
                                          {Command::Line, 30, 40},
                                          {Command::Line, -10, 40},
                                          {Command::Line, -10, -20}};
    EXPECT_EQ(records, expected);
}

TEST(Geometry, CircleWithExplicitSegmentsClosesOnItsStart) {
    ShapeBuilder builder(kOneMetre);
    builder.Ellipse({0, 0}, 200, 200, 16);
    const std::vector<Record> records = builder.Finish();
    ASSERT_EQ(records.size(), 17u);
    EXPECT_EQ(records.front(), (Record{Command::Move, 200, 0}));
    EXPECT_EQ(records.back(), (Record{Command::Line, 200, 0}));
    EXPECT_EQ(records[4], (Record{Command::Line, 0, 200}));
}

TEST(Geometry, LargeCirclesGetMoreSegmentsThanSmallOnes) {
    ShapeBuilder big(1000000);
    EXPECT_EQ(big.FullCircleSegments(256), 64);
    ShapeBuilder small(10000);
    EXPECT_EQ(small.FullCircleSegments(256), 32);
    ShapeBuilder middle(60000);
    const int segments = middle.FullCircleSegments(256);
    EXPECT_GE(segments, 32);
    EXPECT_LE(segments, 64);
    EXPECT_EQ(segments % 8, 0);
}

TEST(Geometry, AutomaticCircleUsesTheSegmentCount) {
    ShapeBuilder builder(1000000);
    builder.Ellipse({0, 0}, 256, 256, 0);
    EXPECT_EQ(CountLines(builder.Finish()), 64u);
}

TEST(Geometry, ArcRunsClockwiseWhenEndIsBelowStart) {
    ShapeBuilder builder(kOneMetre);
    builder.Arc({0, 0}, 100, 100, 90, 0, 2);
    const std::vector<Record> records = builder.Finish();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0], (Record{Command::Move, 0, 100}));
    EXPECT_EQ(records[1], (Record{Command::Line, 71, 71}));
    EXPECT_EQ(records[2], (Record{Command::Line, 100, 0}));
}

TEST(Geometry, PrimitiveStartingAtThePenContinuesTheChain) {
    ShapeBuilder builder(kOneMetre);
    builder.MoveTo({-100, 0});
    builder.LineTo({100, 0});
    builder.Arc({0, 0}, 100, 100, 0, 180, 8);
    const std::vector<Record> records = builder.Finish();
    EXPECT_EQ(records.front().command, Command::Move);
    for (std::size_t i = 1; i < records.size(); ++i) {
        EXPECT_EQ(records[i].command, Command::Line) << i;
    }
    EXPECT_EQ(records.back(), (Record{Command::Line, -100, 0}));
}

TEST(Geometry, ZeroLengthLinesAndDanglingMovesAreDropped) {
    ShapeBuilder builder(kOneMetre);
    builder.MoveTo({0, 0});
    builder.LineTo({0.2, 0.3});
    builder.LineTo({5, 0});
    builder.MoveTo({10, 10});
    builder.MoveTo({20, 20});
    const std::vector<Record> records = builder.Finish();
    const std::vector<Record> expected = {{Command::Move, 0, 0}, {Command::Line, 5, 0}};
    EXPECT_EQ(records, expected);
}

TEST(Geometry, PointsOutsideTheBoxAreRefused) {
    ShapeBuilder builder(kOneMetre);
    builder.MoveTo({256, -256});
    EXPECT_THROW(builder.LineTo({256.6, 0}), GeometryError);
    EXPECT_THROW(builder.Ellipse({100, 0}, 200, 200, 0), GeometryError);
}

TEST(Geometry, LineWithoutAStartingPointIsRefused) {
    ShapeBuilder builder(kOneMetre);
    EXPECT_THROW(builder.LineTo({1, 1}), GeometryError);
}

TEST(Geometry, RoundedRectIsClosed) {
    ShapeBuilder builder(kOneMetre);
    builder.RoundedRect({-100, -50}, {100, 50}, 20, 4);
    const std::vector<Record> records = builder.Finish();
    EXPECT_EQ(records.front(), (Record{Command::Move, -80, -50}));
    EXPECT_EQ(records.back(), (Record{Command::Line, -80, -50}));
    EXPECT_EQ(CountLines(records), 4u * 5u);
    ShapeBuilder tooRound(kOneMetre);
    EXPECT_THROW(tooRound.RoundedRect({-10, -10}, {10, 10}, 11, 4), GeometryError);
}

TEST(Geometry, DashSplitsTheLine) {
    ShapeBuilder builder(kOneMetre);
    builder.Dash({0, 0}, {100, 0}, 20, 10);
    const std::vector<Record> records = builder.Finish();
    ASSERT_EQ(records.size(), 8u);
    EXPECT_EQ(records[0], (Record{Command::Move, 0, 0}));
    EXPECT_EQ(records[1], (Record{Command::Line, 20, 0}));
    EXPECT_EQ(records[6], (Record{Command::Move, 90, 0}));
    EXPECT_EQ(records[7], (Record{Command::Line, 100, 0}));
}

TEST(Geometry, GridDrawsOnlyTheInnerLines) {
    ShapeBuilder builder(kOneMetre);
    builder.Grid({0, 0}, {90, 60}, 3, 2);
    EXPECT_EQ(CountLines(builder.Finish()), 3u);
}

TEST(Geometry, TransformPlacesRotatesAndScales) {
    ShapeBuilder builder(kOneMetre);
    builder.SetTransform(Affine::Place({10, 20}, 90, 2, 2));
    builder.MoveTo({5, 0});
    builder.LineTo({0, 5});
    const std::vector<Record> records = builder.Finish();
    EXPECT_EQ(records[0], (Record{Command::Move, 10, 30}));
    EXPECT_EQ(records[1], (Record{Command::Line, 0, 20}));
}

TEST(Geometry, StarAndPolygonCornerCounts) {
    ShapeBuilder star(kOneMetre);
    star.Star({0, 0}, 200, 80, 5, 90);
    EXPECT_EQ(CountLines(star.Finish()), 10u);
    ShapeBuilder hexagon(kOneMetre);
    hexagon.RegularPolygon({0, 0}, 200, 6, 0);
    EXPECT_EQ(CountLines(hexagon.Finish()), 6u);
}

} // namespace
} // namespace mkparts
