#include "ExGeneralParts.h"
#include "support/ShapeBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(ShapeFile, HeaderOnlyGivesAPartWithoutLines) {
    TempFolder folder;
    folder.Write("070101机.qvf", ShapeFileHeader(70101, 10, 20, 30, 120000));
    CExGeneralParts part;
    EXPECT_EQ(LoadShapeFile(part, folder / "070101机.qvf"), 1);
    EXPECT_EQ(part.GetPartsCode(), 70101);
    EXPECT_EQ(part.GetWidth(), 120000);
    EXPECT_EQ(part.GetHeight(), 120000);
    EXPECT_TRUE(part.DrawLines().empty());
}

TEST(ShapeFile, ColourBytesBecomeRedGreenBlue) {
    TempFolder folder;
    folder.Write("a.qvf", ShapeFileHeader(1, 0xFF, 0x80, 0x00, 5000));
    CExGeneralParts part;
    ASSERT_EQ(LoadShapeFile(part, folder / "a.qvf"), 1);
    EXPECT_EQ(part.GetColor(), 0x000080FFu);
}

TEST(ShapeFile, SquareRecordsFillThePart) {
    TempFolder folder;
    folder.Write("sq.qvf",
                 ShapeFileHeader(140101, 0, 0, 0, 512) + ShapeBuilder().FullSquare().End().Bytes());
    CExGeneralParts part;
    ASSERT_EQ(LoadShapeFile(part, folder / "sq.qvf"), 1);
    ASSERT_EQ(part.DrawLines().size(), 4u);
    part.UpdateParts();
    EXPECT_EQ(part.DrawLines()[1].scaledEnd, (ExPoint{256, 256}));
}

TEST(ShapeFile, RefusesOtherFormatsShortHeadersAndMissingFiles) {
    TempFolder folder;
    folder.Write("x.qvf", ShapeFileHeader(1, 0, 0, 0, 1, 17));
    folder.Write("short.qvf", ShapeFileHeader(1, 0, 0, 0, 1).substr(0, 12));
    folder.Write("empty.qvf", "");
    CExGeneralParts part;
    EXPECT_EQ(LoadShapeFile(part, folder / "x.qvf"), 0);
    EXPECT_EQ(LoadShapeFile(part, folder / "short.qvf"), 0);
    EXPECT_EQ(LoadShapeFile(part, folder / "empty.qvf"), 0);
    EXPECT_EQ(LoadShapeFile(part, folder / "missing.qvf"), 0);
    EXPECT_EQ(LoadShapeFile(part, folder.Path()), 0) << "a folder is not a shape file";
}

TEST(ShapeFile, RecordsBeyondTheReaderLimitAreNotLoaded) {
    ShapeBuilder builder;
    builder.Move(0, 0);
    for (int i = 0; i < 20000; ++i) {
        builder.Line(i % 256, 0);
    }
    TempFolder folder;
    folder.Write("big.qvf", ShapeFileHeader(1, 0, 0, 0, 1) + builder.Bytes());
    CExGeneralParts part;
    ASSERT_EQ(LoadShapeFile(part, folder / "big.qvf"), 1);
    EXPECT_EQ(part.DrawLines().size(), 9999u);
}

TEST(ShapeFileName, ExtensionInAnyCaseAndDisplayNameWithoutPrefix) {
    EXPECT_TRUE(IsShapeFileName("070101机.qvf"));
    EXPECT_TRUE(IsShapeFileName("070101DESK.QVF"));
    EXPECT_TRUE(IsShapeFileName("x.QvF"));
    EXPECT_FALSE(IsShapeFileName("070101desk.qlp"));
    EXPECT_FALSE(IsShapeFileName("qvf"));
    EXPECT_EQ(ShapeFileDisplayName("070101DESK.QVF"), "DESK");
    EXPECT_EQ(ShapeFileDisplayName("050101\x93\x64\x98\x62\x90\xfc.qvf"),
              "\x93\x64\x98\x62\x90\xfc");
    EXPECT_EQ(ShapeFileDisplayName("a.qvf"), "");
}

} // namespace
