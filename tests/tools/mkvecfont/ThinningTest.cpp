#include "Thinning.h"
#include "Neighbourhood.h"

#include <gtest/gtest.h>

#include <bit>

namespace mkvecfont {
namespace {

Bitmap Rect(int width, int height, int x0, int y0, int x1, int y1) {
    Bitmap b(width, height);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            b(x, y) = 1;
        }
    }
    return b;
}

int InkCount(const Bitmap& b) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) {
            n += b(x, y) != 0 ? 1 : 0;
        }
    }
    return n;
}

TEST(Thinning, ABarBecomesItsCentreLine) {
    const Bitmap bar = Rect(60, 30, 5, 10, 54, 19);
    const Bitmap thin = Skeletonize(bar);
    for (int y = 0; y < thin.Height(); ++y) {
        for (int x = 0; x < thin.Width(); ++x) {
            if (thin(x, y) != 0) {
                EXPECT_TRUE(y == 14 || y == 15) << x << ',' << y;
                EXPECT_LE(std::popcount(Neighbourhood(thin, x, y)), 2);
            }
        }
    }
    EXPECT_GT(InkCount(thin), 35);
}

TEST(Thinning, SmallBlobsKeepAPixel) {
    EXPECT_EQ(InkCount(Skeletonize(Rect(10, 10, 4, 4, 5, 5))), 1);
    EXPECT_EQ(InkCount(Skeletonize(Rect(10, 10, 3, 3, 5, 5))), 1);
}

TEST(Thinning, ARingStaysARing) {
    Bitmap ring = Rect(40, 40, 5, 5, 34, 34);
    for (int y = 12; y <= 27; ++y) {
        for (int x = 12; x <= 27; ++x) {
            ring(x, y) = 0;
        }
    }
    const Bitmap thin = Skeletonize(ring);
    for (int y = 0; y < thin.Height(); ++y) {
        for (int x = 0; x < thin.Width(); ++x) {
            if (thin(x, y) != 0) {
                EXPECT_EQ(std::popcount(Neighbourhood(thin, x, y)), 2) << x << ',' << y;
            }
        }
    }
    EXPECT_GT(InkCount(thin), 80);
}

TEST(Thinning, DepthIsDistanceToBackground) {
    const Grid<float> depth = InkDepth(Rect(20, 20, 2, 2, 12, 12));
    EXPECT_FLOAT_EQ(depth(0, 0), 0);
    EXPECT_FLOAT_EQ(depth(2, 7), 1);
    EXPECT_FLOAT_EQ(depth(7, 7), 6);
}

TEST(Neighbourhood, GroupsAreEightConnected) {
    EXPECT_EQ(NeighbourGroups(0), 0);
    EXPECT_EQ(NeighbourGroups(0b00000101), 1); // north and east touch diagonally
    EXPECT_EQ(NeighbourGroups(0b00010001), 2); // north and south
    EXPECT_EQ(NeighbourGroups(0b00001010), 2); // north-east and south-east
    EXPECT_EQ(NeighbourGroups(0xFF), 1);
}

} // namespace
} // namespace mkvecfont
