#include "Cp932.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp932, ConvertsBothWaysIncludingTheExtensionRowsAndBackslash) {
    EXPECT_EQ(cp932::FromUtf8("和室"), std::string("\x98\x61\x8e\xba"));
    EXPECT_EQ(cp932::FromUtf8("㎡"), std::string("\x87\x75"));
    EXPECT_EQ(cp932::FromUtf8("C:\\"), std::string("C:\\"));
    EXPECT_EQ(cp932::FromUtf8("ｱ"), std::string("\xb1"));
    EXPECT_EQ(cp932::ToUtf8("\x87\x75"), "㎡");
    EXPECT_EQ(cp932::ToUtf8("\x5c"), "\\");
}

TEST(Cp932, RefusesCharactersItCannotHold) {
    EXPECT_FALSE(cp932::FromUtf8("ok 😀").has_value());
    EXPECT_FALSE(cp932::FromUtf8("\xff").has_value()) << "broken UTF-8";
    EXPECT_EQ(cp932::FromUtf8(""), std::string());
}

TEST(Cp932, BrokenBytesBecomeReplacementCharacters) {
    EXPECT_EQ(cp932::ToUtf8("a\x81"), "a\xEF\xBF\xBD");
    EXPECT_EQ(cp932::ToUtf8(std::string("\x98\x61\x80z", 4)), "和\xEF\xBF\xBDz");
}

} // namespace
