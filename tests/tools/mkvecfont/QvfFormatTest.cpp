#include "QvfFormat.h"
#include "Kuten.h"

#include <gtest/gtest.h>

#include <cstring>

namespace mkvecfont {
namespace {

constexpr std::size_t kDataStart = kHeaderSize + kSlotCount * 4;

std::uint32_t OffsetOf(const std::vector<std::uint8_t>& file, int slot) {
    std::uint32_t v = 0;
    std::memcpy(&v, file.data() + kHeaderSize + slot * 4, 4);
    return v;
}

TEST(QvfFormat, EmptyFontIsHeaderAndTable) {
    const std::vector<Glyph> slots(kSlotCount);
    const std::vector<std::uint8_t> file = EncodeFont(slots);
    ASSERT_EQ(file.size(), kDataStart);
    EXPECT_EQ(file[0], 1);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(OffsetOf(file, slot), 0u);
    }
}

TEST(QvfFormat, GlyphsAreStoredAtOneBasedOffsetsAndEnd) {
    std::vector<Glyph> slots(kSlotCount);
    slots[SlotIndex({3, 33})] = {{Op::MoveTo, 10, 20}, {Op::LineTo, 30, 40}};
    slots[SlotIndex({16, 1})] = {{Op::MoveTo, 1, 2}, {Op::LineTo, 3, 4}, {Op::LineTo, 5, 6}};
    const std::vector<std::uint8_t> file = EncodeFont(slots);
    ASSERT_EQ(file.size(), kDataStart + 3 * 3 + 4 * 3);
    EXPECT_EQ(OffsetOf(file, SlotIndex({3, 33})), 1u);
    EXPECT_EQ(OffsetOf(file, SlotIndex({16, 1})), 10u);
    const std::vector<std::uint8_t> first(file.begin() + kDataStart, file.begin() + kDataStart + 9);
    EXPECT_EQ(first, (std::vector<std::uint8_t>{0, 10, 20, 1, 30, 40, 7, 0, 0}));
    const auto decoded = DecodeFont(file);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, slots);
}

TEST(QvfFormat, IdenticalGlyphsShareTheirBytes) {
    std::vector<Glyph> slots(kSlotCount);
    const Glyph g{{Op::MoveTo, 0, 0}, {Op::LineTo, 255, 255}};
    slots[5] = g;
    slots[500] = g;
    const std::vector<std::uint8_t> file = EncodeFont(slots);
    EXPECT_EQ(file.size(), kDataStart + 9);
    EXPECT_EQ(OffsetOf(file, 5), OffsetOf(file, 500));
}

TEST(QvfFormat, RefusesWhatTheReaderCannotRead) {
    std::vector<Glyph> slots(kSlotCount);
    slots[0].assign(kReaderCommandLimit, {Op::LineTo, 1, 1});
    EXPECT_THROW(EncodeFont(slots), std::invalid_argument);
    EXPECT_THROW(EncodeFont(std::vector<Glyph>(3)), std::invalid_argument);
}

TEST(QvfFormat, DecodeRejectsDamagedFiles) {
    std::vector<Glyph> slots(kSlotCount);
    slots[0] = {{Op::MoveTo, 1, 1}, {Op::LineTo, 2, 2}};
    std::vector<std::uint8_t> file = EncodeFont(slots);
    EXPECT_FALSE(DecodeFont(std::vector<std::uint8_t>(file.begin(), file.end() - 1)));
    file[0] = 2;
    EXPECT_FALSE(DecodeFont(file));
}

} // namespace
} // namespace mkvecfont
