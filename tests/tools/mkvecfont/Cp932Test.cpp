#include "Cp932.h"
#include "FontBuilder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace mkvecfont {
namespace {

TEST(Cp932, DecodesStandardAndVendorRows) {
    const Cp932 cp932;
    EXPECT_EQ(cp932.Decode(0x8140), U'\u3000');
    EXPECT_EQ(cp932.Decode(0x8260), U'Ａ');
    EXPECT_EQ(cp932.Decode(0x889F), U'亜');
    EXPECT_EQ(cp932.Decode(0x8740), U'①');
    EXPECT_EQ(cp932.Decode(0x8775), U'㎡');
    EXPECT_EQ(cp932.Decode(0xED40), U'纊');
}

TEST(Cp932, RejectsUnassignedCodes) {
    const Cp932 cp932;
    EXPECT_FALSE(cp932.Decode(0x85A0)); // row 10
    EXPECT_FALSE(cp932.Decode(0x81AD)); // a gap in row 2
    EXPECT_FALSE(cp932.Decode(0x8140 - 1));
}

TEST(Cp932, EncodesUtf8) {
    const Cp932 cp932;
    EXPECT_EQ(cp932.Encode("A㎡面"), "A\x87\x75\x96\xCA");
    EXPECT_THROW(cp932.Encode("\xF0\x9F\x98\x80"), std::runtime_error);
}

TEST(Cp932, UserDefinedRowsHaveNoCharacter) {
    const Cp932 cp932;
    EXPECT_FALSE(SlotCharacter(cp932, {95, 1}));
    EXPECT_EQ(SlotCharacter(cp932, {3, 33}), U'Ａ');
}

} // namespace
} // namespace mkvecfont
