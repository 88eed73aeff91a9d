#include "ExArchive.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

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

class BlockRecorder final : public CExArchiveSink {
public:
    void Write(std::string_view bytes) override { blocks.emplace_back(bytes); }
    std::vector<std::string> blocks;
};

TEST(ExArchive, ASinkGetsTheSameBytesInLargeBlocks) {
    const std::string chunk(1000, 'x');
    CExArchive memory;
    BlockRecorder sink;
    CExArchive streamed(sink);
    for (CExArchive* out : {&memory, &streamed}) {
        for (int i = 0; i < 3000; ++i) {
            out->WriteInt32(i);
            out->WriteBytes(chunk);
        }
    }
    EXPECT_EQ(streamed.Position(), memory.Position());
    streamed.Flush();
    ASSERT_GT(sink.blocks.size(), 1u);
    std::string joined;
    for (const std::string& block : sink.blocks) {
        EXPECT_GE(block.size(), std::size_t{1} << 16) << "no small writes";
        joined += block;
    }
    EXPECT_EQ(joined, memory.Stored());
}

TEST(ExArchive, TheWriteLimitCountsWhatASinkWasGiven) {
    BlockRecorder sink;
    CExArchive out(sink);
    out.WriteInt32(1);
    out.Flush();
    out.SetWriteLimit(6);
    EXPECT_THROW(out.WriteInt32(2), CExFileException);
}

} // namespace
