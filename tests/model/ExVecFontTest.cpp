#include "ExVecFont.h"
#include "ExCharacter.h"
#include "ExCodeConvert.h"
#include "support/FontBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SjisToKuten, RowAndCellOfDoubleByteCharacters) {
    const CExCodeConvert convert;
    EXPECT_EQ(convert.SjisToKuten(0x8140), 101);
    EXPECT_EQ(convert.SjisToKuten(0x889F), 1601);
    EXPECT_EQ(convert.SjisToKuten(0x8775), 1354) << "㎡ in the extension row";
    EXPECT_EQ(convert.SjisToKuten(0xEA9F), 8401) << "the last level-2 row";
}

TEST(SjisToKuten, SingleBytesTakeTheirFullWidthCounterparts) {
    const CExCodeConvert convert;
    EXPECT_EQ(convert.SjisToKuten('A'), 333);
    EXPECT_EQ(convert.SjisToKuten(' '), 101);
    EXPECT_EQ(convert.SjisToKuten('0'), 316);
    EXPECT_EQ(convert.SjisToKuten(0xB1), 502) << "half-width ｱ is drawn as ア";
    EXPECT_EQ(convert.SjisToKuten(0xDF), 112) << "half-width ﾟ is drawn as ゜";
    EXPECT_EQ(convert.SjisToKuten(0x8100), convert.SjisToKuten(0x0000))
        << "a lead byte without a trail byte is its low byte alone";
}

class VecFontTest : public ::testing::Test {
protected:
    CExVecFont Load(const std::string& bytes) {
        m_folder.Write("VecFont.QVF", bytes);
        CExVecFont font;
        m_result = font.LoadVecFont(m_folder / "VecFont.QVF");
        return font;
    }
    TempFolder m_folder;
    int m_result = -1;
};

TEST_F(VecFontTest, IndexesFollowTheTypeRanges) {
    CExVecFont one = Load(FontBuilder(1).Bytes());
    ASSERT_EQ(m_result, 1);
    EXPECT_EQ(one.GetGlyphIndex(1, 1), 0);
    EXPECT_EQ(one.GetGlyphIndex(114, 94), 10715);
    EXPECT_EQ(one.GetGlyphIndex(115, 1), -1);
    EXPECT_EQ(one.GetGlyphIndex(1, 95), -1);
    EXPECT_EQ(one.GetGlyphIndex(1, 0), -1);
    CExVecFont two = Load(FontBuilder(2).Bytes());
    ASSERT_EQ(m_result, 1);
    EXPECT_EQ(two.GetGlyphIndex(94, 1), -1);
    EXPECT_EQ(two.GetGlyphIndex(95, 1), 0);
    CExVecFont three = Load(FontBuilder(3).Bytes());
    ASSERT_EQ(m_result, 1);
    EXPECT_EQ(three.GetGlyphIndex(1, 1), 0);
    EXPECT_EQ(three.GetGlyphIndex(1, 2), -1);
}

TEST_F(VecFontTest, RefusesMissingUnknownAndShortFiles) {
    CExVecFont font;
    EXPECT_EQ(font.LoadVecFont(m_folder / "none.QVF"), 0);
    Load(std::string(1, '\x04') + std::string(100000, '\0'));
    EXPECT_EQ(m_result, 0);
    Load(FontBuilder(1).Bytes().substr(0, 5 + 4 * 10716 - 1));
    EXPECT_EQ(m_result, 0);
    Load("");
    EXPECT_EQ(m_result, 0);
    EXPECT_FALSE(font.IsLoaded());
    EXPECT_EQ(font.GetGlyphIndex(1, 1), -1);
}

TEST_F(VecFontTest, EntryZeroAndEntriesPastTheDataMeanNoGlyph) {
    const CExVecFont font =
        Load(FontBuilder(1).Bar(3, 33).RawEntry(3, 34, 7).RawEntry(3, 35, 1000).Bytes());
    const unsigned char* data = nullptr;
    unsigned length = 0;
    EXPECT_EQ(font.GetGlyphData(font.GetGlyphIndex(3, 33), data, length), 1);
    EXPECT_EQ(length, 9u);
    EXPECT_EQ(font.GetGlyphData(font.GetGlyphIndex(3, 34), data, length), 1);
    EXPECT_EQ(length, 3u) << "an entry may point into another glyph";
    EXPECT_EQ(font.GetGlyphData(font.GetGlyphIndex(3, 35), data, length), 0);
    EXPECT_EQ(font.GetGlyphData(font.GetGlyphIndex(1, 1), data, length), 0);
}

TEST_F(VecFontTest, BytesInMemoryReadAsTheSameFileDoes) {
    const std::string glyphs = FontBuilder(2).Bar(95, 1).RawEntry(95, 2, 7).Bytes();
    for (const std::string& bytes :
         {glyphs, FontBuilder(3).Bar(1, 1).Bytes(), glyphs.substr(0, glyphs.size() - 1),
          glyphs.substr(0, 5 + 4 * 1880 - 1), std::string("\x04QPVF", 5), std::string()}) {
        const CExVecFont file = Load(bytes);
        CExVecFont memory;
        EXPECT_EQ(memory.LoadVecFontBytes(bytes), m_result);
        EXPECT_EQ(memory.GetFontType(), file.GetFontType());
        for (const int index : {0, 1, 2}) {
            const unsigned char* fileData = nullptr;
            const unsigned char* memoryData = nullptr;
            unsigned fileLength = 0;
            unsigned memoryLength = 0;
            ASSERT_EQ(memory.GetGlyphData(index, memoryData, memoryLength),
                      file.GetGlyphData(index, fileData, fileLength));
            EXPECT_EQ(std::vector(memoryData, memoryData + memoryLength),
                      std::vector(fileData, fileData + fileLength));
        }
    }
}

TEST(Character, StrokesArePlacedInTheirCellAndHalfWidthIsSqueezed) {
    const unsigned char bar[] = {0, 0, 128, 1, 255, 128, 7, 0, 0};
    CExCharacter full(0, 0);
    full.SetStrokes(bar, sizeof bar, 2, 2);
    ASSERT_EQ(full.Strokes().size(), 1u);
    EXPECT_EQ(full.Strokes()[0].shapeStart, (ExPoint{-256, 0}));
    EXPECT_EQ(full.Strokes()[0].shapeEnd, (ExPoint{254, 0}));

    CExCharacter half(1, 1);
    half.SetStrokes(bar, sizeof bar, 2, 2); // "B" of "AB"
    EXPECT_EQ(half.Strokes()[0].shapeStart, (ExPoint{0, 0}));
    EXPECT_EQ(half.Strokes()[0].shapeEnd, (ExPoint{255, 0}));
}

TEST(Character, AGlyphIsCutAfterTwoThousandCommands) {
    std::vector<unsigned char> data = {0, 0, 0};
    for (int i = 0; i < 2500; ++i) {
        data.insert(data.end(), {1, static_cast<unsigned char>(i % 256), 10});
    }
    CExCharacter character;
    character.SetStrokes(data.data(), static_cast<unsigned>(data.size()), 2, 2);
    EXPECT_EQ(character.Strokes().size(), 1999u);
}

TEST(Character, AnIncompleteLastCommandEndsTheGlyph) {
    const unsigned char data[] = {0, 0, 0, 1, 10, 10, 1, 20};
    CExCharacter character;
    character.SetStrokes(data, sizeof data, 2, 2);
    EXPECT_EQ(character.Strokes().size(), 1u);
}

} // namespace
