#include "VerticalFit.h"

#include <gtest/gtest.h>

namespace mkvecfont {
namespace {

constexpr LetterLines kLines{40, 200};

TEST(VerticalFit, LeavesGlyphsThatFitAlone) {
    std::vector<Polyline> strokes{{{10, 5}, {10, 250}}};
    const auto before = strokes;
    FitVertically(strokes, kLines, 4, 251);
    EXPECT_EQ(strokes, before);
}

TEST(VerticalFit, SqueezesADescenderOntoTheFloor) {
    std::vector<Polyline> strokes{{{10, 100}, {10, 40}, {10, 0}, {10, -20}}};
    FitVertically(strokes, kLines, 4, 251);
    EXPECT_DOUBLE_EQ(strokes[0][0].y, 100);
    EXPECT_DOUBLE_EQ(strokes[0][1].y, 40);
    EXPECT_DOUBLE_EQ(strokes[0][2].y, 40 - 40 * 0.6);
    EXPECT_DOUBLE_EQ(strokes[0][3].y, 4);
}

TEST(VerticalFit, SqueezesAnAccentUnderTheCeiling) {
    std::vector<Polyline> strokes{{{10, 100}, {10, 200}, {10, 280}}};
    FitVertically(strokes, kLines, 4, 251);
    EXPECT_DOUBLE_EQ(strokes[0][0].y, 100);
    EXPECT_DOUBLE_EQ(strokes[0][1].y, 200);
    EXPECT_DOUBLE_EQ(strokes[0][2].y, 251);
}

} // namespace
} // namespace mkvecfont
