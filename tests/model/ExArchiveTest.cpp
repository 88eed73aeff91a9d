#include "ExArchive.h"

#include <gtest/gtest.h>

namespace {

TEST(ExArchive, ValuesAreLittleEndianWithoutPadding) {
    CExArchive out;
    out.WriteInt32(0x01020304);
    out.WriteDouble(1.0);
    out.WriteString("ab");
    EXPECT_EQ(out.Stored(), std::string("\x04\x03\x02\x01"
                                        "\0\0\0\0\0\0\xf0\x3f"
                                        "\x03\0\0\0ab\0",
                                        19));
    CExArchive in(out.Stored());
    EXPECT_EQ(in.ReadInt32(), 0x01020304);
    EXPECT_EQ(in.ReadDouble(), 1.0);
    EXPECT_EQ(in.ReadString(), "ab");
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ExArchive, ReadingPastTheEndIsAFileError) {
    const std::string bytes("\x01\x02\x03", 3);
    CExArchive in(bytes);
    EXPECT_THROW(in.ReadInt32(), CExFileException);
}

TEST(ExArchive, StringCountsAreCheckedAgainstTheRestOfTheStream) {
    const std::string negative("\xff\xff\xff\xff", 4);
    CExArchive a(negative);
    EXPECT_THROW(a.ReadString(), CExFileException);
    const std::string huge("\x00\x00\x00\x40xyz", 7);
    CExArchive b(huge);
    EXPECT_THROW(b.ReadString(), CExFileException);
}

TEST(ExArchive, RecordCountsBeyondTheStreamAreRefused) {
    const std::string bytes("\x03\0\0\0"
                            "abcdefgh",
                            12);
    CExArchive fits(bytes);
    EXPECT_EQ(fits.ReadCount(2), 3);
    CExArchive tooMany(bytes);
    EXPECT_THROW(tooMany.ReadCount(4), CExFileException);
}

TEST(ExArchive, WriteLimitSimulatesAFullDisk) {
    CExArchive out;
    out.SetWriteLimit(6);
    out.WriteInt32(1);
    EXPECT_THROW(out.WriteInt32(2), CExFileException);
}

} // namespace
