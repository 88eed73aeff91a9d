#include "BoxDrawing.h"
#include "FontBuilder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace mkvecfont {
namespace {

struct Generated {
    std::vector<std::uint8_t> bytes;
    std::vector<Glyph> slots;
};

const Generated& File() {
    static const Generated generated = [] {
        std::ifstream in(QP_VECFONT_FILE, std::ios::binary);
        Generated g;
        g.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        g.slots = DecodeFont(g.bytes).value_or(std::vector<Glyph>{});
        return g;
    }();
    return generated;
}

bool Covered(int row) {
    return (row >= 1 && row <= 8) || row == 13 || (row >= 16 && row <= 84) ||
           (row >= 89 && row <= 92);
}

TEST(GeneratedFont, IsAReadableTypeOneFontOfModestSize) {
    ASSERT_FALSE(File().bytes.empty()) << QP_VECFONT_FILE;
    EXPECT_EQ(File().bytes[0], kFontType);
    EXPECT_LT(File().bytes.size(), 4u << 20);
    ASSERT_EQ(File().slots.size(), static_cast<std::size_t>(kSlotCount));
}

TEST(GeneratedFont, EveryCharacterOfTheCoveredRowsHasAGlyph) {
    ASSERT_EQ(File().slots.size(), static_cast<std::size_t>(kSlotCount));
    const Cp932 cp932;
    int standard = 0;
    int nec = 0;
    int ibm = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        const Kuten k = SlotKuten(i);
        const std::optional<char32_t> ch = SlotCharacter(cp932, k);
        const bool expected = ch && *ch != U'\u3000' && Covered(k.row);
        EXPECT_EQ(!File().slots[i].empty(), expected) << k.row << '-' << k.cell;
        if (expected) {
            (k.row == 13 ? nec : k.row >= 89 ? ibm : standard) += 1;
        }
    }
    // JIS X 0208 without the ideographic space, the NEC row, the IBM kanji rows.
    EXPECT_EQ(standard, 6878);
    EXPECT_EQ(nec, 83);
    EXPECT_EQ(ibm, 374);
}

TEST(GeneratedFont, GlyphsAreWellFormedAndStayInTheirCell) {
    const Cp932 cp932;
    for (int i = 0; i < static_cast<int>(File().slots.size()); ++i) {
        const Glyph& g = File().slots[i];
        if (g.empty()) {
            continue;
        }
        EXPECT_EQ(g.front().op, Op::MoveTo) << i;
        EXPECT_LT(g.size(), kReaderCommandLimit / 2) << i;
        const std::optional<char32_t> ch = SlotCharacter(cp932, SlotKuten(i));
        ASSERT_TRUE(ch);
        if (BoxDrawingStrokes(*ch)) {
            continue; // ruled lines run to the cell edge on purpose
        }
        for (const Command& c : g) {
            ASSERT_TRUE(c.x >= 2 && c.x <= 253 && c.y >= 2 && c.y <= 253) << i;
        }
    }
}

TEST(GeneratedFont, MatchesAFreshBuild) {
    ASSERT_EQ(File().slots.size(), static_cast<std::size_t>(kSlotCount));
    const OutlineFont font(QP_VECFONT_SOURCE, QP_VECFONT_FAMILY);
    const Cp932 cp932;
    for (int i = 0; i < kSlotCount; i += 131) {
        const std::optional<char32_t> ch = SlotCharacter(cp932, SlotKuten(i));
        if (ch && Covered(SlotKuten(i).row) && *ch != U'\u3000') {
            EXPECT_EQ(BuildGlyph(font, *ch, {}), File().slots[i]) << i;
        }
    }
}

} // namespace
} // namespace mkvecfont
