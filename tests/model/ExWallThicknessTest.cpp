#include "ExHeadlessView.h"
#include "ExOuterWallParts.h"
#include "support/RecordingServices.h"
#include "support/WallBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

using Points = std::vector<ExPoint>;

constexpr int kCorner = 100000;

// The square of corners +-100000, traced counter-clockwise starting down its left side.
std::vector<CExPartsDrawLine> CounterClockwiseSquare() {
    return Chain({{-kCorner, kCorner},
                  {-kCorner, -kCorner},
                  {kCorner, -kCorner},
                  {kCorner, kCorner},
                  {-kCorner, kCorner}});
}

std::vector<CExPartsDrawLine> ClockwiseSquare() {
    return Chain({{-kCorner, kCorner},
                  {kCorner, kCorner},
                  {kCorner, -kCorner},
                  {-kCorner, -kCorner},
                  {-kCorner, kCorner}});
}

// The corners of a square of half side s, in the order the counter-clockwise square meets them.
Points SquareCorners(int s) {
    return {{-s, -s}, {s, -s}, {s, s}, {-s, s}};
}

double Distance(ExPoint a, ExPoint b) {
    return std::hypot(double(a.x) - b.x, double(a.y) - b.y);
}

TEST(WallOutline, CounterClockwiseSquareHasItsLeftOutlineInsideAndItsRightOutsideTheCentreLine) {
    auto wall = WallAlong(CounterClockwiseSquare(), 15000);
    wall->UpdateParts();
    EXPECT_EQ(Corners(wall->LeftLines()), SquareCorners(92500));
    EXPECT_EQ(Corners(wall->RightLines()), SquareCorners(107500));
    // Line i runs from corner i to corner i + 1, the last one back to the first.
    EXPECT_EQ(wall->RightLines()[3].viewEnd, (ExPoint{-107500, -107500}));
    EXPECT_EQ(wall->RightLines()[0].scaledStart, (ExPoint{-107500, -107500}));
}

TEST(WallOutline, ClockwiseSquareSwapsTheSides) {
    auto wall = WallAlong(ClockwiseSquare(), 15000);
    wall->UpdateParts();
    const Points inner = Corners(wall->RightLines());
    const Points outer = Corners(wall->LeftLines());
    ASSERT_EQ(inner.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(std::abs(inner[i].x), 92500);
        EXPECT_EQ(std::abs(inner[i].y), 92500);
        EXPECT_EQ(std::abs(outer[i].x), 107500);
        EXPECT_EQ(std::abs(outer[i].y), 107500);
    }
}

TEST(WallOutline, SecondRegionIsTheRightOutline) {
    auto outerWall = WallAlong(CounterClockwiseSquare(), 15000);
    outerWall->UpdateParts();
    outerWall->RecalcParts();
    EXPECT_TRUE(outerWall->SecondRegion().PtInRegion({105000, 0}));
    EXPECT_TRUE(outerWall->SecondRegion().PtInRegion({0, 0}));
    EXPECT_FALSE(outerWall->SecondRegion().PtInRegion({109000, 0}));
    EXPECT_EQ(outerWall->HitPolygon().size(), 5u);
    EXPECT_EQ(outerWall->HitPolygon().front(), outerWall->HitPolygon().back());

    auto innerWall = WallAlong(ClockwiseSquare(), 15000);
    innerWall->UpdateParts();
    innerWall->RecalcParts();
    EXPECT_TRUE(innerWall->SecondRegion().PtInRegion({90000, 0}));
    EXPECT_FALSE(innerWall->SecondRegion().PtInRegion({100000, 0}));
}

TEST(WallOutline, OneSegmentGivesZeroLengthOutlinesAtTheSegmentsEnd) {
    auto wall = WallAlong(Chain({{0, 0}, {100000, 0}}), 10000);
    wall->UpdateParts();
    ASSERT_EQ(wall->RightLines().size(), 1u);
    ASSERT_EQ(wall->LeftLines().size(), 1u);
    EXPECT_EQ(wall->RightLines()[0].viewStart, (ExPoint{100000, -5000}));
    EXPECT_EQ(wall->RightLines()[0].viewEnd, (ExPoint{100000, -5000}));
    EXPECT_EQ(wall->LeftLines()[0].viewStart, (ExPoint{100000, 5000}));
    EXPECT_EQ(wall->LeftLines()[0].viewEnd, (ExPoint{100000, 5000}));
}

TEST(WallOutline, CollinearSegmentsJoinAtTheirCommonOffsetEndWithoutASpike) {
    auto wall = WallAlong(
        Chain({{0, 100000}, {0, 0}, {100000, 0}, {200000, 0}, {200000, 100000}, {0, 100000}}),
        10000);
    wall->UpdateParts();
    EXPECT_EQ(
        Corners(wall->LeftLines()),
        (Points{{5000, 5000}, {100000, 5000}, {195000, 5000}, {195000, 95000}, {5000, 95000}}));
    EXPECT_EQ(
        Corners(wall->RightLines()),
        (Points{
            {-5000, -5000}, {100000, -5000}, {205000, -5000}, {205000, 105000}, {-5000, 105000}}));
}

TEST(WallOutline, FewDegreeCornerIsCutBackToTheMidpointsOfTheOffsetEnds) {
    // The corner at (990000, 0) is about 11.4 degrees; the second side is 1010000 long, so its
    // offsets by 5000 are (990, 4900) either way, truncated.
    auto wall = WallAlong(Chain({{0, 0}, {990000, 0}, {0, 200000}, {0, 0}}), 10000);
    wall->UpdateParts();
    EXPECT_EQ(wall->RightLines()[0].viewStart,
              (ExPoint{(990000 + 990990) / 2, (-5000 + 4900) / 2}));
    EXPECT_EQ(wall->LeftLines()[0].viewStart, (ExPoint{(990000 + 989010) / 2, (5000 - 4900) / 2}));
    // The square corner at the origin keeps its true mitre.
    EXPECT_EQ(wall->RightLines()[2].viewStart, (ExPoint{-5000, -5000}));
    EXPECT_EQ(wall->LeftLines()[2].viewStart, (ExPoint{5000, 5000}));
}

TEST(WallOutline, MitreJustWithinTheLimitIsKept) {
    // A 90 degree corner's mitre is the thickness times the square root of 2, well within.
    auto wall = WallAlong(CounterClockwiseSquare(), 15000);
    wall->UpdateParts();
    const double mitre = Distance(wall->RightLines()[0].viewStart, wall->LeftLines()[0].viewStart);
    EXPECT_LT(mitre, 15000 * CExWallThickness::kMitreLimit);
    EXPECT_NEAR(mitre, 15000 * std::sqrt(2.0), 1.0);
}

TEST(WallOutline, ZeroLengthSegmentLeavesTheCornersAsWithoutIt) {
    auto wall = WallAlong(Chain({{-kCorner, kCorner},
                                 {-kCorner, -kCorner},
                                 {-kCorner, -kCorner},
                                 {kCorner, -kCorner},
                                 {kCorner, kCorner},
                                 {-kCorner, kCorner}}),
                          15000);
    wall->UpdateParts();
    // The repeated corner appears twice; the outline is otherwise the plain square's.
    EXPECT_EQ(
        Corners(wall->LeftLines()),
        (Points{
            {-92500, -92500}, {-92500, -92500}, {92500, -92500}, {92500, 92500}, {-92500, 92500}}));
    EXPECT_EQ(Corners(wall->RightLines())[1], (ExPoint{-107500, -107500}));
}

TEST(WallOutline, WallOfOnlyZeroLengthSegmentsIsAPoint) {
    auto wall = WallAlong(Chain({{500, 500}, {500, 500}, {500, 500}}), 15000);
    wall->UpdateParts();
    ASSERT_EQ(wall->RightLines().size(), 2u);
    for (const auto* outline : {&wall->RightLines(), &wall->LeftLines()}) {
        for (const CExPartsDrawLine& line : *outline) {
            EXPECT_EQ(line.viewStart, (ExPoint{500, 500}));
            EXPECT_EQ(line.viewEnd, (ExPoint{500, 500}));
        }
    }
}

TEST(WallOutline, ThinUTurnJoinsAtTheTurnWhicheverWayTheWallRuns) {
    // Two offsets 20 apart run back along each other; the corner belongs at the turn, not at the
    // far end, in every orientation.
    for (const ExPoint turn : {ExPoint{100000, 0}, ExPoint{0, 100000}, ExPoint{-70000, 70000}}) {
        auto wall = WallAlong(Chain({{0, 0}, turn, {0, 0}}), 20);
        wall->UpdateParts();
        EXPECT_LE(Distance(wall->RightLines()[0].viewStart, turn), 30) << turn.x << "," << turn.y;
        EXPECT_LE(Distance(wall->LeftLines()[0].viewStart, turn), 30) << turn.x << "," << turn.y;
        EXPECT_LE(Distance(wall->RightLines()[1].viewStart, {0, 0}), 30);
    }
}

TEST(WallOutline, HairlineSpikesWhoseOffsetsMeetBeyondTheDrawingRangeAreCutBack) {
    // The offsets at both far ends meet some 3e10 units away, beyond any drawing coordinate.
    auto wall = WallAlong(Chain({{-1000000, 0}, {0, 0}, {1000000, 1}, {-1000000, 0}}), 15000);
    wall->UpdateParts();
    for (const auto* outline : {&wall->RightLines(), &wall->LeftLines()}) {
        EXPECT_LE(Distance((*outline)[1].viewStart, {1000000, 1}), 15000);
        EXPECT_LE(Distance((*outline)[2].viewStart, {-1000000, 0}), 15000);
        EXPECT_LE(Distance((*outline)[0].viewStart, {0, 0}), 7500);
    }
}

TEST(WallGeometry, RotationIsTheLastingRotationPlusTheDraggedAngle) {
    auto turned = WallAlong(CounterClockwiseSquare(), 15000);
    turned->SetRotation(60);
    turned->SetAngle(30);
    turned->UpdateParts();
    auto quarter = WallAlong(CounterClockwiseSquare(), 15000);
    quarter->SetRotation(90);
    quarter->UpdateParts();
    EXPECT_EQ(Corners(turned->RightLines()), Corners(quarter->RightLines()));
    // A quarter turn takes the bottom-left corner (-107500, -107500) to the bottom right.
    EXPECT_NEAR(quarter->RightLines()[0].viewStart.x, 107500, 1);
    EXPECT_NEAR(quarter->RightLines()[0].viewStart.y, -107500, 1);
    EXPECT_NEAR(quarter->DrawLines()[0].viewStart.x, -100000, 1);
    EXPECT_NEAR(quarter->DrawLines()[0].viewStart.y, -100000, 1);
}

TEST(WallGeometry, ScalingStretchesTheCentreLineAndIsClampedToTheSheet) {
    CExHeadlessView view(100, 25, 20);
    ExActiveViewScope active(&view);
    auto wall = WallAlong(CounterClockwiseSquare(), 15000);
    wall->SetWidth(200000);
    wall->SetHeight(200000);
    wall->SetScaleX(2.0);
    wall->SetScaleY(20.0);
    wall->UpdateParts();
    EXPECT_EQ(wall->GetWidth(), 400000);
    EXPECT_EQ(wall->GetHeight(), 2000000) << "the sheet is 20 m high";
    EXPECT_EQ(wall->DrawLines()[1].scaledEnd, (ExPoint{200000, -2000000}));

    wall->SetScaleX(-1.0);
    wall->SetScaleY(1.0);
    wall->UpdateParts();
    EXPECT_EQ(wall->GetWidth(), 2500000) << "a negative width is beyond the sheet";
}

TEST(WallGeometry, ViewConversionAndPositionApplyToAllThreeLines) {
    CExHeadlessView view(100, 25, 25, 0); // no pixel snapping
    ExActiveViewScope active(&view);
    auto wall = WallAlong(CounterClockwiseSquare(), 15000);
    wall->SetPosition(500000, 600000);
    wall->UpdateParts();
    EXPECT_EQ(wall->RightLines()[0].viewStart, (ExPoint{5000 - 1075, 6000 - 1075}));
    EXPECT_EQ(wall->LeftLines()[0].viewStart, (ExPoint{5000 - 925, 6000 - 925}));
    EXPECT_EQ(wall->DrawLines()[0].viewStart, (ExPoint{5000 - 1000, 6000 + 1000}));
    EXPECT_EQ(wall->GetVertexCount(), 4);
}

TEST(WallGeometry, HandlesFrameTheOutlinesAndTheUpdateRectReachesHalfAnInnerWallFurther) {
    RecordingServices services;
    services.Defaults().innerWallThicknessCm = 41; // half is 20 cm
    CExHeadlessView view(100, 25, 25, 0);
    ExActiveViewScope active(&view);
    auto wall = WallAlong(CounterClockwiseSquare(), 15000);
    wall->SetPosition(500000, 500000);
    wall->UpdateParts();
    wall->RecalcParts();
    EXPECT_EQ(wall->CornerPoints()[0], (ExPoint{5000 - 1075, 5000 + 1075}));
    EXPECT_EQ(wall->CornerPoints()[2], (ExPoint{5000 + 1075, 5000 - 1075}));
    EXPECT_EQ(wall->HandlePoints()[0], (ExPoint{5000, 5000 + 1075}));
    EXPECT_EQ(wall->HandlePoints()[CExParts::kRotationHandle], (ExPoint{5000, 5000 + 1075 + 450}));
    const int margin = 200 + 600;
    EXPECT_EQ(wall->GetUpdateRect(), (ExRect{5000 - 1075 - margin, 5000 + 1075 + margin,
                                             5000 + 1075 + margin, 5000 - 1075 - margin}));
    EXPECT_EQ(wall->GetExtentWidth(), 200000);
}

TEST(WallGeometry, WithoutLinesThereIsNothingToDrawAndTheFrameSitsAtThePosition) {
    CExOuterWallParts wall;
    wall.SetPosition(1000, 2000);
    wall.UpdateParts();
    wall.RecalcParts();
    EXPECT_TRUE(wall.RightLines().empty());
    EXPECT_EQ(wall.CornerPoints()[0], (ExPoint{1000, 2000}));
    EXPECT_TRUE(wall.HitPolygon().empty());
}

} // namespace
