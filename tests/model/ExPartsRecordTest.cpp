#include "ExArchive.h"
#include "ExException.h"
#include "ExParts.h"
#include "support/RecordIO.h"
#include "support/RecordingServices.h"
#include "support/ShapeBuilder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::int32_t Int32At(const std::string& bytes, std::size_t offset) {
    std::int32_t value;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

void MakeSample(CExParts& part) {
    const std::string shape = ShapeBuilder().FullSquare().End().Bytes();
    part.LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
    part.SetWidth(80000);
    part.SetHeight(60000);
    part.SetAngle(45);
    part.SetPosition(123456, 654321);
    part.SetPartsName("\x98\x61\x8e\xba"); // 和室
    part.SetPartsCode(30203);
    part.SetColor(0x00336699);
    part.UpdateParts();
}

TEST(ExPartsRecord, ZeroLinesStoreTheFixedFieldsAndAnEmptyNameAsOneNul) {
    CExParts part;
    const std::string bytes = Store(part);
    ASSERT_EQ(bytes.size(), 37u);
    EXPECT_EQ(Int32At(bytes, 0), 50000);
    EXPECT_EQ(Int32At(bytes, 4), 50000);
    EXPECT_EQ(Int32At(bytes, 8), 0);
    EXPECT_EQ(Int32At(bytes, 20), 1) << "the name count includes its NUL";
    EXPECT_EQ(bytes[24], '\0');
    EXPECT_EQ(Int32At(bytes, 33), 0) << "line count";
}

TEST(ExPartsRecord, LayoutOfANamedPartWithLines) {
    CExParts part;
    MakeSample(part);
    const std::string bytes = Store(part);
    ASSERT_EQ(bytes.size(), 20u + 4 + 5 + 12 + 4 * 48);
    EXPECT_EQ(Int32At(bytes, 12), 123456);
    EXPECT_EQ(Int32At(bytes, 16), 654321);
    EXPECT_EQ(Int32At(bytes, 20), 5);
    EXPECT_EQ(bytes.substr(24, 5), std::string("\x98\x61\x8e\xba\0", 5));
    EXPECT_EQ(Int32At(bytes, 29), 30203);
    EXPECT_EQ(Int32At(bytes, 33), 0x00336699);
    EXPECT_EQ(Int32At(bytes, 37), 4);
    const CExPartsDrawLine& line = part.DrawLines()[0];
    const std::size_t first = 41;
    EXPECT_EQ(Int32At(bytes, first), line.shapeStart.x);
    EXPECT_EQ(Int32At(bytes, first + 16), line.viewStart.x);
    EXPECT_EQ(Int32At(bytes, first + 32), line.scaledStart.x);
    EXPECT_EQ(Int32At(bytes, first + 44), line.scaledEnd.y);
}

TEST(ExPartsRecord, WriteReadWriteGivesTheSameBytes) {
    CExParts part;
    MakeSample(part);
    const std::string first = Store(part);
    CExArchive in(first);
    CExParts loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(loaded.GetPartsName(), part.GetPartsName());
    EXPECT_EQ(loaded.DrawLines(), part.DrawLines());
    EXPECT_EQ(loaded.GetLineWidth(), 2);
    EXPECT_EQ(loaded.GetRedrawFlag(), 1);
    EXPECT_EQ(Store(loaded), first);
}

TEST(ExPartsRecord, NameIsReadUpToItsFirstNul) {
    CExParts part;
    std::string bytes = Store(part);
    // Replace the one-byte name by "ab\0c\0".
    bytes.replace(20, 5, std::string("\x05\0\0\0ab\0c\0", 9));
    CExArchive in(bytes);
    part.Serialize(in);
    EXPECT_EQ(part.GetPartsName(), "ab");
}

TEST(ExPartsRecord, EveryTruncationRaisesTheFileErrorOnceAndShowsOneMessage) {
    CExParts sample;
    MakeSample(sample);
    const std::string bytes = Store(sample);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        RecordingServices services;
        const std::string truncated = bytes.substr(0, length);
        CExArchive in(truncated);
        CExParts part;
        EXPECT_THROW(part.Serialize(in), CExException) << "length " << length;
        ASSERT_EQ(services.Messages().size(), 1u);
        EXPECT_EQ(services.Messages()[0].text, "ファイル読み込みに失敗しました");
        EXPECT_EQ(services.Messages()[0].icon, ExMessageIcon::Stop);
    }
}

TEST(ExPartsRecord, ImpossibleLineCountFailsWithoutAllocating) {
    RecordingServices services;
    CExParts part;
    std::string bytes = Store(part);
    bytes.replace(33, 4, std::string("\xff\xff\xff\x7f", 4));
    bytes += std::string(48 * 3, '\0');
    CExArchive in(bytes);
    EXPECT_THROW(part.Serialize(in), CExException);
    EXPECT_TRUE(part.DrawLines().empty());
}

TEST(ExPartsRecord, WriteFailureShowsTheSaveMessage) {
    RecordingServices services;
    CExParts part;
    MakeSample(part);
    CExArchive out;
    out.SetWriteLimit(30);
    EXPECT_THROW(part.Serialize(out), CExException);
    ASSERT_EQ(services.Messages().size(), 1u);
    EXPECT_EQ(services.Messages()[0].text, "ファイル保存に失敗しました");
}

} // namespace
