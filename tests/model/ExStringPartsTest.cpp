#include "ExStringParts.h"
#include "ExArchive.h"
#include "ExHeadlessView.h"
#include "ExVecFont.h"
#include "support/FontBuilder.h"
#include "support/RecordIO.h"
#include "support/RecordingDC.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

// Row and cell of the characters the tests draw.
constexpr int kRowAlnum = 3;
constexpr int kCellA = 33;
constexpr int kCellB = 34;
constexpr int kRowKatakana = 5;
constexpr int kCellA_Katakana = 2; // ア
constexpr int kRowUserDefined = 95;

class StringPartsTest : public ::testing::Test {
protected:
    StringPartsTest() {
        Install(FontBuilder(1)
                    .Bar(kRowAlnum, kCellA)
                    .Bar(kRowAlnum, kCellB)
                    .Bar(kRowKatakana, kCellA_Katakana)
                    .Bar(16, 1) // 亜 0x889F
                    .Bar(16, 2) // 唖 0x88A0
                    .Bytes());
    }
    ~StringPartsTest() override { SetVecFont(m_previous); }

    void Install(const std::string& bytes) {
        m_folder.Write("font.qvf", bytes);
        ASSERT_EQ(m_font.LoadVecFont(m_folder / "font.qvf"), 1);
    }
    static std::vector<std::pair<int, int>> Cells(const CExStringParts& text) {
        std::vector<std::pair<int, int>> cells;
        for (const CExCharacter& c : text.Characters()) {
            cells.emplace_back(c.GetCell().left, c.GetCell().right);
        }
        return cells;
    }

    TempFolder m_folder;
    CExVecFont m_font;
    const CExVecFont* m_previous = SetVecFont(&m_font);
};

using CellList = std::vector<std::pair<int, int>>;

TEST_F(StringPartsTest, SingleBytesTakeHalfCells) {
    CExStringParts text;
    text.InsertString("AB", -1);
    EXPECT_EQ(Cells(text), (CellList{{-256, 0}, {0, 256}}));
    ASSERT_EQ(text.Characters()[0].Strokes().size(), 1u);
    EXPECT_EQ(text.Characters()[0].Strokes()[0].shapeStart, (ExPoint{-256, 0}));
    EXPECT_EQ(text.Characters()[0].Strokes()[0].shapeEnd, (ExPoint{-1, 0}));
}

TEST_F(StringPartsTest, DoubleByteCharactersTakeFullCells) {
    CExStringParts text;
    text.InsertString("\x88\x9f\x88\xa0", -1);
    EXPECT_EQ(Cells(text), (CellList{{-512, 0}, {0, 512}}));
    text.InsertString("A\x88\x9f", -1);
    EXPECT_EQ(Cells(text), (CellList{{-384, -128}, {-128, 384}}));
    EXPECT_EQ(text.Characters()[1].GetIndex(), 1);
}

TEST_F(StringPartsTest, HalfWidthKatakanaIsDrawnWithTheFullWidthGlyphSqueezed) {
    CExStringParts text;
    text.InsertString("\xb1", -1); // ｱ
    ASSERT_EQ(text.Characters().size(), 1u);
    EXPECT_EQ(text.Characters()[0].IsHalfWidth(), 1);
    ASSERT_EQ(text.Characters()[0].Strokes().size(), 1u);
    EXPECT_EQ(text.Characters()[0].Strokes()[0].shapeEnd, (ExPoint{127, 0}));
}

TEST_F(StringPartsTest, ALoneLeadByteAtTheEndDrawsNothing) {
    CExStringParts text;
    text.InsertString("A\x88", -1);
    ASSERT_EQ(text.Characters().size(), 2u);
    EXPECT_TRUE(text.Characters()[1].Strokes().empty());
    EXPECT_FALSE(text.Characters()[0].Strokes().empty());
}

TEST_F(StringPartsTest, ATypeTwoFontDrawsOnlyUserDefinedRows) {
    Install(FontBuilder(2).Bar(kRowUserDefined, 1).Bytes());
    CExStringParts text;
    text.InsertString("A\xf0\x40", -1); // 0xF040 is row 95, cell 1
    ASSERT_EQ(text.Characters().size(), 2u);
    EXPECT_TRUE(text.Characters()[0].Strokes().empty());
    EXPECT_EQ(text.Characters()[1].Strokes().size(), 1u);
}

TEST_F(StringPartsTest, WithoutAFontCharactersKeepTheirCells) {
    SetVecFont(nullptr);
    CExStringParts text;
    text.InsertString("AB", -1);
    EXPECT_EQ(Cells(text), (CellList{{-256, 0}, {0, 256}}));
    EXPECT_TRUE(text.Characters()[0].Strokes().empty());
}

TEST_F(StringPartsTest, InsertAtEveryBoundary) {
    CExStringParts text;
    EXPECT_EQ(text.InsertString("BB", 0), 1);
    EXPECT_EQ(text.GetPartsName(), "BB");
    EXPECT_EQ(text.InsertString("A", 0), 1);
    EXPECT_EQ(text.InsertString("x", 2), 1);
    EXPECT_EQ(text.InsertString("z", 4), 1);
    EXPECT_EQ(text.GetPartsName(), "ABxBz");
    EXPECT_EQ(text.InsertString("no", 6), 0);
    EXPECT_EQ(text.GetPartsName(), "ABxBz");
    EXPECT_EQ(text.Characters().size(), 5u);
    EXPECT_EQ(text.InsertString("new", -1), 1);
    EXPECT_EQ(text.GetPartsName(), "new");
}

TEST_F(StringPartsTest, DeleteAtEveryBoundary) {
    CExStringParts text;
    text.InsertString("ABCD", -1);
    EXPECT_EQ(text.DeleteString(-1, 1), 0);
    EXPECT_EQ(text.DeleteString(4, 1), 0);
    EXPECT_EQ(text.GetPartsName(), "ABCD");
    EXPECT_EQ(text.DeleteString(3, 5), 1);
    EXPECT_EQ(text.GetPartsName(), "ABC");
    EXPECT_EQ(text.DeleteString(0, 1), 1);
    EXPECT_EQ(text.DeleteString(1, 1), 1);
    EXPECT_EQ(text.GetPartsName(), "B");
    EXPECT_EQ(text.DeleteString(0, 1), 1);
    EXPECT_EQ(text.GetPartsName(), "");
    EXPECT_TRUE(text.Characters().empty());
}

TEST_F(StringPartsTest, SpacesShiftTheTextButLieOutsideTheFrame) {
    CExHeadlessView view(100, 25, 25, 2540);
    ExActiveViewScope active(&view);
    CExStringParts text;
    text.InsertString(" AB ", -1); // each byte 256 glyph units: A spans -256..0
    text.SetWidth(512);
    text.SetHeight(512);
    text.SetPosition(100000, 100000);
    text.UpdateParts();
    text.RecalcParts();
    EXPECT_EQ(text.CornerPoints()[0], (ExPoint{1000 - 2, 1000 + 2})) << "cells -256..256, /100";
    EXPECT_EQ(text.CornerPoints()[2], (ExPoint{1000 + 2, 1000 - 2}));
    EXPECT_EQ(text.GetExtentWidth(), 512);
}

TEST_F(StringPartsTest, TextWithoutStrokesStaysSelectable) {
    CExHeadlessView view(100, 25, 25, 2540);
    ExActiveViewScope active(&view);
    for (const std::string& content : {std::string("   "), std::string()}) {
        CExStringParts text;
        text.InsertString(content, -1);
        text.SetPosition(500000, 500000);
        text.UpdateParts();
        text.RecalcParts();
        EXPECT_TRUE(text.HitRegion().PtInRegion({5000, 5000})) << '"' << content << '"';
        EXPECT_GT(text.CornerPoints()[1].x, text.CornerPoints()[0].x);
    }
}

TEST_F(StringPartsTest, GeometryFollowsSizeAngleAndPosition) {
    CExHeadlessView view(100, 25, 25, 2540);
    ExActiveViewScope active(&view);
    CExStringParts text;
    text.InsertString("A", -1); // alone, half width: stroke from (-128, 0) to (127, 0)
    text.SetWidth(51200);
    text.SetHeight(51200);
    text.SetPosition(200000, 300000);
    text.SetAngle(90);
    text.UpdateParts();
    const CExPartsDrawLine& stroke = text.Characters()[0].Strokes()[0];
    EXPECT_EQ(stroke.viewStart, (ExPoint{2000, 3000 - 128}));
    EXPECT_EQ(stroke.viewEnd, (ExPoint{2000, 3000 + 127}));
}

TEST_F(StringPartsTest, HandleRectsUseTheirFixedOffsetsAndTheFrameIsEightyWide) {
    CExStringParts text;
    text.InsertString("A", -1);
    text.UpdateParts();
    text.RecalcParts();
    const ExPoint top = text.HandlePoints()[0];
    EXPECT_EQ(text.HandleRects()[0], (ExRect{top.x - 105, top.y - 105, top.x + 115, top.y + 110}));
    const ExPoint right = text.HandlePoints()[6];
    EXPECT_EQ(text.HandleRects()[6],
              (ExRect{right.x - 70, right.y - 138, right.x + 145, right.y + 82}));
    RecordingDC dc;
    EXPECT_EQ(text.DrawHandles(&dc), 1);
    ASSERT_EQ(dc.Calls().size(), 10u);
    EXPECT_EQ(dc.Calls()[0].op, "Polyline");
    EXPECT_EQ(dc.Calls()[0].points.size(), 5u);
    EXPECT_EQ(dc.Calls()[0].pen.width, 80);
    EXPECT_EQ(dc.Calls()[9].brush.color, 0x00FF00u);
}

TEST_F(StringPartsTest, DrawsWithTheStrokeWidthAsPen) {
    CExStringParts text;
    text.InsertString("AB", -1);
    text.SetLineWidth(CExStringParts::kStrokeThick);
    text.SetColor(0x0000FF);
    text.UpdateParts();
    RecordingDC dc;
    EXPECT_EQ(text.DrawParts(&dc), 1);
    ASSERT_EQ(dc.Calls().size(), 2u);
    EXPECT_EQ(dc.Calls()[0].pen, (ExPen{kPenSolid, 100, 0x0000FF}));
    EXPECT_EQ(text.GetLineWidth(), 100);
}

TEST_F(StringPartsTest, CaretPointsAndByteWidth) {
    CExStringParts text;
    text.InsertString("AB\x88\x9f", -1);
    text.SetWidth(40000);
    text.SetHeight(50000);
    text.SetPosition(100000, 100000);
    EXPECT_EQ(text.GetByteWidth(), 20000);
    EXPECT_EQ(text.GetLineHeight(), 50000);
    EXPECT_EQ(text.GetCaretPoint(0), (ExPoint{60000, 125000}));
    EXPECT_EQ(text.GetCaretPoint(4), (ExPoint{140000, 125000}));
}

TEST_F(StringPartsTest, RecordRoundTripsAndKeepsTheStoredStrokes) {
    CExStringParts text;
    text.InsertString("AB\x88\x9f", -1);
    text.SetPosition(1234, 5678);
    text.SetAngle(30);
    text.SetLineWidth(30);
    text.UpdateParts();
    const std::string bytes = Store(text);

    Install(FontBuilder(1).Bytes()); // the font changes: the stored glyphs are kept
    CExArchive in(bytes);
    ASSERT_EQ(in.ReadString(), "CExStringParts");
    CExStringParts loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(loaded.GetPartsName(), "AB\x88\x9f");
    EXPECT_EQ(loaded.GetLineWidth(), 30);
    ASSERT_EQ(loaded.Characters().size(), 3u);
    EXPECT_EQ(loaded.Characters()[2].Strokes().size(), 1u);
    EXPECT_EQ(Store(loaded), bytes);
}

TEST_F(StringPartsTest, ImpossibleCharacterCountIsAFileError) {
    CExStringParts text;
    text.InsertString("A", -1);
    std::string bytes = Store(text);
    // The character count follows the class name (19), version, five int32, the text (6),
    // code, colour and stroke width.
    bytes.replace(19 + 4 + 20 + 6 + 12, 4, std::string("\xff\xff\xff\x0f", 4));
    CExArchive in(bytes);
    in.ReadString();
    CExStringParts loaded;
    EXPECT_THROW(loaded.Serialize(in), CExFileException);
}

} // namespace
