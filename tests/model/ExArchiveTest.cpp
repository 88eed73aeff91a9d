#include "ExArchive.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// Hands out its bytes at most a piece at a time, and only the first `available` of them.
class PieceSource final : public CExArchiveSource {
public:
    PieceSource(std::string bytes, std::size_t piece, std::size_t available)
        : m_bytes(std::move(bytes)), m_nPiece(piece), m_nAvailable(available) {}
    std::size_t Read(char* buffer, std::size_t size) override {
        const std::size_t count = std::min({size, m_nPiece, m_nAvailable - m_nRead});
        m_bytes.copy(buffer, count, m_nRead);
        m_nRead += count;
        return count;
    }

private:
    std::string m_bytes;
    std::size_t m_nPiece;
    std::size_t m_nAvailable;
    std::size_t m_nRead = 0;
};

TEST(ExArchive, ASourceReadsAsTheBytesWholeWhateverItsPieces) {
    // Values on both sides of the block edges, and a run of bytes longer than a block.
    CExArchive out;
    for (std::int32_t i = 0; i < 300000; ++i) {
        out.WriteInt32(i);
    }
    out.WriteDouble(0.5);
    const std::string big(3 << 20, 'q');
    out.WriteBytes(big);
    out.WriteString("end");
    const std::string bytes = out.TakeStored();
    for (const std::size_t piece : {std::size_t{1}, std::size_t{4093}, bytes.size()}) {
        PieceSource source(bytes, piece, bytes.size());
        CExArchive in(source, bytes.size());
        bool same = true;
        for (std::int32_t i = 0; i < 300000; ++i) {
            same = same && in.ReadInt32() == i;
        }
        EXPECT_TRUE(same) << piece;
        EXPECT_EQ(in.ReadDouble(), 0.5) << piece;
        EXPECT_EQ(in.ReadBytes(big.size()), big) << piece;
        EXPECT_EQ(in.ReadString(), "end") << piece;
        EXPECT_EQ(in.Remaining(), 0u) << piece;
        EXPECT_THROW(in.ReadInt32(), CExFileException) << piece;
    }
}

TEST(ExArchive, ASourceShorterThanItsSizeIsAFileErrorAndCountsStayWithinTheSize) {
    const std::string bytes("\x10\x00\x00\x00\x40\x00\x00\x00xyz", 11);
    PieceSource cut(bytes, 3, 6);
    CExArchive early(cut, bytes.size());
    EXPECT_THROW(early.ReadInt32(), CExFileException);
    PieceSource whole(bytes, 3, bytes.size());
    CExArchive counted(whole, bytes.size());
    EXPECT_THROW(counted.ReadCount(1), CExFileException) << "16 records in 7 bytes";
}

} // namespace
