#include "BoxDrawing.h"
#include "FontBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace mkvecfont {
namespace {

const OutlineFont& Font() {
    static const OutlineFont font(QP_VECFONT_SOURCE, QP_VECFONT_FAMILY);
    return font;
}

TEST(GlyphBuild, PicksTheJapaneseFace) {
    EXPECT_EQ(Font().FamilyName(), QP_VECFONT_FAMILY);
}

TEST(GlyphBuild, UnknownFamilyIsAnError) {
    EXPECT_THROW(OutlineFont(QP_VECFONT_SOURCE, "No Such Family"), std::runtime_error);
}

TEST(GlyphBuild, KanjiStayInsideTheCellWithAMargin) {
    for (char32_t ch : std::u32string(U"東京都面積議鬱")) {
        const Glyph g = BuildGlyph(Font(), ch, {});
        ASSERT_FALSE(g.empty());
        EXPECT_EQ(g.front().op, Op::MoveTo);
        EXPECT_LT(g.size(), 600u);
        for (const Command& c : g) {
            EXPECT_GE(c.x, 2);
            EXPECT_LE(c.x, 253);
            EXPECT_GE(c.y, 2);
            EXPECT_LE(c.y, 253);
        }
    }
}

TEST(GlyphBuild, DescendersAreSqueezedNotClipped) {
    // The tail of g reaches below the em square; clipping would leave a run along the floor.
    const Glyph g = BuildGlyph(Font(), U'ｇ', {});
    ASSERT_FALSE(g.empty());
    int onFloor = 0;
    int lowest = 255;
    for (const Command& c : g) {
        lowest = std::min<int>(lowest, c.y);
        onFloor += c.y <= 4 ? 1 : 0;
    }
    EXPECT_GE(lowest, 3);
    EXPECT_LE(lowest, 6);
    EXPECT_LE(onFloor, 2);
}

TEST(GlyphBuild, NoZeroLengthSegments) {
    const Glyph g = BuildGlyph(Font(), U'あ', {});
    for (std::size_t i = 1; i < g.size(); ++i) {
        if (g[i].op == Op::LineTo) {
            EXPECT_FALSE(g[i].x == g[i - 1].x && g[i].y == g[i - 1].y) << i;
        }
    }
}

TEST(GlyphBuild, SameInputSameGlyph) {
    const StrokeOptions options;
    for (char32_t ch : std::u32string(U"㎡Ａ①鬱■")) {
        EXPECT_EQ(BuildGlyph(Font(), ch, options), BuildGlyph(Font(), ch, options));
    }
}

TEST(GlyphBuild, FilledShapesAreShaded) {
    // A black square: its outline plus many shading lines.
    const Glyph g = BuildGlyph(Font(), U'■', {});
    const auto moves =
        std::count_if(g.begin(), g.end(), [](const Command& c) { return c.op == Op::MoveTo; });
    EXPECT_GT(moves, 30);
}

TEST(GlyphBuild, CharactersTheFontLacksAreComposed) {
    ASSERT_FALSE(Font().HasGlyph(U'≒'));
    const Glyph g = BuildGlyph(Font(), U'≒', {});
    const auto moves =
        std::count_if(g.begin(), g.end(), [](const Command& c) { return c.op == Op::MoveTo; });
    EXPECT_EQ(moves, 2 + 2 * 2); // the bars of an equals sign and two dots
}

TEST(GlyphBuild, BoxDrawingReachesTheCellEdges) {
    const Glyph g = BuildGlyph(Font(), U'┼', {});
    auto reaches = [&g](auto pick, int value) {
        return std::any_of(g.begin(), g.end(), [&](const Command& c) { return pick(c) == value; });
    };
    EXPECT_TRUE(reaches([](const Command& c) { return c.x; }, 0));
    EXPECT_TRUE(reaches([](const Command& c) { return c.x; }, 255));
    EXPECT_TRUE(reaches([](const Command& c) { return c.y; }, 0));
    EXPECT_TRUE(reaches([](const Command& c) { return c.y; }, 255));
    EXPECT_FALSE(BoxDrawingStrokes(U'Ａ'));
    EXPECT_EQ(BoxDrawingStrokes(U'━')->size(), 6u);
}

} // namespace
} // namespace mkvecfont
