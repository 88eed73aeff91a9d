#include "Kuten.h"

#include <gtest/gtest.h>

#include <set>

namespace mkvecfont {
namespace {

TEST(Kuten, KnownCodes) {
    EXPECT_EQ(SjisToKuten(0x8140), (Kuten{1, 1}));
    EXPECT_EQ(SjisToKuten(0x889F), (Kuten{16, 1}));
    EXPECT_EQ(SjisToKuten(0x8260), (Kuten{3, 33}));
    EXPECT_EQ(SjisToKuten(0x8775), (Kuten{13, 54}));
    EXPECT_EQ(SjisToKuten(0x9FFC), (Kuten{62, 94}));
    EXPECT_EQ(SjisToKuten(0xE040), (Kuten{63, 1}));
    EXPECT_EQ(SjisToKuten(0xED40), (Kuten{89, 1}));
    EXPECT_EQ(SjisToKuten(0xF9FC), (Kuten{114, 94}));
}

TEST(Kuten, EverySlotRoundTripsThroughAValidDoubleByteCode) {
    std::set<std::uint16_t> codes;
    for (int i = 0; i < kSlotCount; ++i) {
        const Kuten kuten = SlotKuten(i);
        ASSERT_EQ(SlotIndex(kuten), i);
        const std::uint16_t code = KutenToSjis(kuten);
        const int lead = code >> 8;
        const int trail = code & 0xFF;
        EXPECT_TRUE((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xF9)) << i;
        EXPECT_TRUE(trail >= 0x40 && trail <= 0xFC && trail != 0x7F) << i;
        EXPECT_EQ(SjisToKuten(code), kuten) << std::hex << code;
        codes.insert(code);
    }
    EXPECT_EQ(codes.size(), static_cast<std::size_t>(kSlotCount));
}

TEST(Kuten, SlotsAreRowMajor) {
    EXPECT_EQ(SlotIndex({1, 1}), 0);
    EXPECT_EQ(SlotIndex({1, 94}), 93);
    EXPECT_EQ(SlotIndex({2, 1}), 94);
    EXPECT_EQ(SlotIndex({114, 94}), kSlotCount - 1);
    EXPECT_EQ(kSlotCount, 10716);
}

} // namespace
} // namespace mkvecfont
