#include "Preview.h"

#include <gtest/gtest.h>

namespace mkparts {
namespace {

bool IsWhite(const Image& image, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * image.width + x) * 3;
    return image.rgb[at] == 255 && image.rgb[at + 1] == 255 && image.rgb[at + 2] == 255;
}

TEST(Preview, DrawsEachPartInItsColourWithYUp) {
    Part part;
    part.code = 140120;
    part.colour = {200, 0, 0};
    part.records = {{Command::Move, -256, 256}, {Command::Line, 256, 256}};
    const Image sheet = RenderContactSheet({part}, 64);
    // The line along the top of the box lands on the cell's first row.
    int red = 0;
    for (int x = 0; x < sheet.width; ++x) {
        for (int y = 0; y < sheet.height; ++y) {
            const std::size_t at = (static_cast<std::size_t>(y) * sheet.width + x) * 3;
            if (sheet.rgb[at] == 200 && sheet.rgb[at + 1] == 0) {
                ++red;
                EXPECT_EQ(y, 6);
            }
        }
    }
    EXPECT_EQ(red, 64);
    EXPECT_TRUE(IsWhite(sheet, 30, 40));
}

TEST(Preview, StartsANewRowForEachCategory) {
    Part a;
    a.code = 10101;
    a.records = {{Command::Move, 0, 0}, {Command::Line, 1, 1}};
    Part b = a;
    b.code = 20101;
    const Image one = RenderContactSheet({a}, 64);
    const Image two = RenderContactSheet({a, b}, 64);
    EXPECT_EQ(two.width, one.width);
    EXPECT_GT(two.height, one.height);
}

} // namespace
} // namespace mkparts
