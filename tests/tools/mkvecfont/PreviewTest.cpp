#include "Preview.h"
#include "Kuten.h"

#include <gtest/gtest.h>

#include <string>

namespace mkvecfont {
namespace {

int DarkPixels(const Image& image, int fromX, int toX) {
    int n = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = fromX; x < toX; ++x) {
            n += image.grey[static_cast<std::size_t>(y) * image.width + x] < 200 ? 1 : 0;
        }
    }
    return n;
}

TEST(Preview, DrawsDoubleAndSingleByteCharacters) {
    std::vector<Glyph> slots(kSlotCount);
    slots[SlotIndex({3, 33})] = {{Op::MoveTo, 0, 0}, {Op::LineTo, 255, 255}};
    const Cp932 cp932;
    const std::vector<std::string> lines{"AＡ"};
    const Image image = DrawText(slots, cp932, lines, 32);
    // A quarter cell of margin, half a cell for "A", a full cell for "Ａ".
    ASSERT_EQ(image.width, 8 + 16 + 32 + 8);
    EXPECT_GT(DarkPixels(image, 8, 24), 10);
    EXPECT_GT(DarkPixels(image, 24, 56), 20);
    EXPECT_EQ(DarkPixels(image, 0, 7), 0);
}

TEST(Preview, FindsIbmKanjiInTheirNecSelectedRows) {
    std::vector<Glyph> slots(kSlotCount);
    slots[SlotIndex({89, 1})] = {{Op::MoveTo, 0, 128}, {Op::LineTo, 255, 128}};
    const Cp932 cp932;
    const std::vector<std::string> lines{"纊"};
    EXPECT_GT(DarkPixels(DrawText(slots, cp932, lines, 32), 0, 48), 20);
}

} // namespace
} // namespace mkvecfont
