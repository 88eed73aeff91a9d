// Checks of the data the build ships beside the program: the stroke font and the parts library.

#include "Cp932.h"
#include "ExCharacter.h"
#include "ExCodeConvert.h"
#include "ExGeneralParts.h"
#include "ExVecFont.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

const fs::path kRuntimeDir = QP_RUNTIME_DIR;

// The Shift-JIS code of a row and cell.
unsigned SjisOf(int row, int cell) {
    const int hi = (row + 1) / 2 + (row <= 62 ? 0x80 : 0xC0);
    int lo = 0;
    if (row % 2 == 1) {
        lo = cell + 0x3F + (cell >= 64 ? 1 : 0);
    } else {
        lo = cell + 0x9E;
    }
    return static_cast<unsigned>(hi * 256 + lo);
}

// Whether code page 932 has a character at this code.
bool IsDefined(unsigned code) {
    const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    return cp932::ToUtf8(std::string_view(bytes, 2)).find("\xEF\xBF\xBD") == std::string::npos;
}

TEST(ShippedFont, EveryCharacterOfTheRequiredRowsHasAGlyphInsideItsCell) {
    CExVecFont font;
    ASSERT_EQ(font.LoadVecFont(kRuntimeDir / CExVecFont::kFileName), 1);
    EXPECT_EQ(font.GetFontType(), 1);
    const CExCodeConvert convert;
    int checked = 0;
    std::vector<std::string> missing;
    for (int row = 1; row <= 92; ++row) {
        const bool required = row <= 8 || row == 13 || (row >= 16 && row <= 84) || row >= 89;
        for (int cell = 1; cell <= 94 && required; ++cell) {
            const unsigned code = SjisOf(row, cell);
            ASSERT_EQ(convert.SjisToKuten(code), row * 100 + cell);
            if (!IsDefined(code) || (row == 1 && cell == 1)) {
                continue; // no character there, or the ideographic space
            }
            CExCharacter character(0, 0);
            font.MakeCharacter(row, cell, character, 2, 2);
            bool inside = !character.Strokes().empty();
            for (const CExPartsDrawLine& stroke : character.Strokes()) {
                for (const ExPoint& p : {stroke.shapeStart, stroke.shapeEnd}) {
                    inside = inside && p.x >= -256 && p.x <= 256 && p.y >= -256 && p.y <= 256;
                }
            }
            if (!inside) {
                missing.push_back(std::to_string(row) + "-" + std::to_string(cell));
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 7000);
    EXPECT_TRUE(missing.empty()) << missing.size() << " missing, first " << missing.front();
    CExCharacter squareMetre;
    font.MakeCharacter(13, 54, squareMetre, 2, 2);
    EXPECT_FALSE(squareMetre.Strokes().empty()) << "㎡, which area labels use";
}

TEST(ShippedLibrary, EveryPartLoadsWithLinesAndACodeOfItsCategory) {
    const fs::path library = kRuntimeDir / "部品";
    ASSERT_TRUE(fs::is_directory(library / "01外壁"));
    std::map<int, int> perCategory;
    for (const auto& entry : fs::recursive_directory_iterator(library)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const std::string name = entry.path().filename().string();
        ASSERT_TRUE(IsShapeFileName(name)) << name;
        CExGeneralParts part;
        ASSERT_EQ(LoadShapeFile(part, entry.path()), 1) << name;
        EXPECT_FALSE(part.DrawLines().empty()) << name;
        EXPECT_FALSE(ShapeFileDisplayName(name).empty()) << name;
        const fs::path relative = fs::relative(entry.path(), library);
        const int folderNumber = std::stoi(relative.begin()->string().substr(0, 2));
        EXPECT_EQ(part.GetPartsCode() / 10000, folderNumber) << name;
        EXPECT_EQ(std::stoi(name.substr(0, 6)), part.GetPartsCode()) << name;
        if (relative.parent_path() == fs::path("05電源・センサー類") / "01配線") {
            EXPECT_EQ(part.GetPartsCode() / 100, 501) << name;
        }
        ++perCategory[folderNumber];
    }
    EXPECT_EQ(perCategory.size(), 16u);
    int total = 0;
    for (const auto& [category, count] : perCategory) {
        total += count;
    }
    EXPECT_GE(total, 200);
}

} // namespace
