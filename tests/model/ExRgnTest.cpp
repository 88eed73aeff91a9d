#include "ExRgn.h"
#include "ExTypes.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ExRgn, PointsAndRectanglesAgainstARotatedSquare) {
    const CExRgn diamond({{0, 100}, {100, 0}, {0, -100}, {-100, 0}});
    EXPECT_TRUE(diamond.PtInRegion({0, 0}));
    EXPECT_TRUE(diamond.PtInRegion({49, 49}));
    EXPECT_FALSE(diamond.PtInRegion({60, 60}));
    EXPECT_TRUE(diamond.RectInRegion({40, 80, 80, 40}));       // crosses an edge
    EXPECT_TRUE(diamond.RectInRegion({-200, 200, 200, -200})); // holds the whole region
    EXPECT_FALSE(diamond.RectInRegion({70, 100, 100, 70}));
    EXPECT_EQ(diamond.GetBoundingBox(), (ExRect{-100, 100, 100, -100}));
}

TEST(ExRgn, AlternateFillLeavesTheOverlapOfASelfCrossingOutlineOut) {
    // A square traced twice in a figure of eight: the middle is covered twice, so outside.
    const CExRgn bowtie({{0, 0}, {100, 100}, {100, 0}, {0, 100}});
    EXPECT_TRUE(bowtie.PtInRegion({90, 50}));
    EXPECT_FALSE(bowtie.PtInRegion({50, 90}));
}

TEST(ExRgn, PointsNearAnEdgeAcrossTheWholeRangeFallOnTheirSide) {
    // The upper left half of the range, cut by the diagonal.
    const CExRgn half({{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}});
    EXPECT_TRUE(half.PtInRegion({0, 1}));
    EXPECT_FALSE(half.PtInRegion({1, 0}));
    EXPECT_FALSE(half.RectInRegion({1, 0, 2, -1}));
    EXPECT_TRUE(half.RectInRegion({-1, 1, 0, 0}));
}

TEST(ExRgn, EmptyRegionHitsNothing) {
    const CExRgn empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_FALSE(empty.PtInRegion({0, 0}));
    EXPECT_FALSE(empty.RectInRegion({-1, 1, 1, -1}));
    EXPECT_TRUE(empty.GetBoundingBox().IsEmpty());
}

TEST(ExColor, LightVariantRaisesDarkChannelsAndSaturatesBrightOnes) {
    EXPECT_EQ(LightColor(0x000000), 0x686868u);
    EXPECT_EQ(LightColor(ExRgb(151, 152, 255)), ExRgb(255, 255, 255));
    EXPECT_EQ(LightColor(ExRgb(10, 200, 100)), ExRgb(114, 255, 204));
}

} // namespace
