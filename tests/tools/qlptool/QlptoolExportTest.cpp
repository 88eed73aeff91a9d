#include "ExGeneralParts.h"
#include "KORVANEXDoc.h"
#include "support/QlptoolRun.h"
#include "support/ShapeBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {

std::uint32_t BigEndian32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    }
    return value;
}

std::int32_t LittleEndian32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    }
    return static_cast<std::int32_t>(value);
}

class QlptoolExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        CKORVANEXDoc doc;
        auto part = std::make_unique<CExGeneralParts>();
        const std::string shape = ShapeBuilder().FullSquare().End().Bytes();
        part->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
        part->SetWidth(300000);
        part->SetHeight(300000);
        part->SetPosition(1000000, 1000000);
        part->SetPartsCode(70101);
        doc.AddElement(std::move(part));
        doc.ViewSettings().mapWidth = 20;
        doc.ViewSettings().mapHeight = 15;
        ASSERT_TRUE(doc.OnSaveDocument(m_folder / "plan.qlp"));
    }

    std::string Export(const std::string& output, const std::string& options = "") {
        return "export " + (m_folder / "plan.qlp").string() + " " + (m_folder / output).string() +
               options;
    }

    TempFolder m_temp;
    const fs::path& m_folder = m_temp.Path();
    fs::path m_errors = m_folder / "err.txt";
};

} // namespace

TEST_F(QlptoolExportTest, APngIsTenTwentyFourBySevenSixtyEightUnlessToldOtherwise) {
    ASSERT_EQ(RunTool(Export("plan.png"), m_errors).exitCode, 0) << ReadFile(m_errors);
    const std::string png = ReadFile(m_folder / "plan.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(BigEndian32(png, 16), 1024u);
    EXPECT_EQ(BigEndian32(png, 20), 768u);

    // The last of repeated values counts; a leading zero is still decimal.
    ASSERT_EQ(
        RunTool(Export("small.png", " --width 999 --width 320 --height 0200"), m_errors).exitCode,
        0);
    const std::string small = ReadFile(m_folder / "small.png");
    EXPECT_EQ(BigEndian32(small, 16), 320u);
    EXPECT_EQ(BigEndian32(small, 20), 200u);
}

TEST_F(QlptoolExportTest, ABitmapHasTwentyFourBitsAPixel) {
    ASSERT_EQ(RunTool(Export("plan.bmp", " --form layout"), m_errors).exitCode, 0)
        << ReadFile(m_errors);
    const std::string bmp = ReadFile(m_folder / "plan.bmp");
    ASSERT_GT(bmp.size(), 30u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(LittleEndian32(bmp, 18), 1024);
    EXPECT_EQ(LittleEndian32(bmp, 22), 768);
    EXPECT_EQ(static_cast<unsigned char>(bmp.at(28)), 24);
}

TEST_F(QlptoolExportTest, SvgAndPdfAreWrittenAsVectorPictures) {
    ASSERT_EQ(RunTool(Export("plan.svg", " --form whole"), m_errors).exitCode, 0)
        << ReadFile(m_errors);
    const std::string svg = ReadFile(m_folder / "plan.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("1024"), std::string::npos);
    ASSERT_EQ(RunTool(Export("plan.pdf", " --form wiring"), m_errors).exitCode, 0)
        << ReadFile(m_errors);
    EXPECT_EQ(ReadFile(m_folder / "plan.pdf").substr(0, 5), "%PDF-");
}

TEST_F(QlptoolExportTest, BadInputIsRefusedWithOneJapaneseMessage) {
    const std::string plan = (m_folder / "plan.qlp").string();
    const struct {
        std::string arguments;
        const char* message;
    } cases[] = {
        {Export("plan.gif"), "画像の形式は拡張子"},
        {Export("plan.png", " --width 0"),
         "--width: 「0」は 16 から 16384 までの整数ではありません"},
        {Export("plan.png", " --height 16385"), "--height: 「16385」は 16 から 16384"},
        {Export("plan.png", " --width x"), "--width: 「x」は"},
        {Export("plan.png", " --width 1e3"), "--width: 「1e3」は"},
        {Export("plan.png", " --height"), "--height: 値を指定してください"},
        {Export("plan.png", " --form sideways"), "--form: 「sideways」は whole、layout、wiring"},
        {Export("plan.png", " --form 1"), "--form: 「1」は"},
        {Export("plan.png", " --colour red"), "不明なオプションです: --colour"},
        {Export("plan.png", " extra.png"), "余分な引数です: "},
        {"export " + plan, "画像ファイルを指定してください"},
        {"export " + (m_folder / "none.qlp").string() + " " + (m_folder / "x.png").string(),
         "ファイル読み込みに失敗しました: "},
        {Export("no/such/folder/plan.png"), "画像の保存に失敗しました: "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunTool(c.arguments, m_errors).exitCode, 1) << c.arguments;
        const std::string message = ReadFile(m_errors);
        EXPECT_EQ(message.rfind("qlptool: ", 0), 0u) << c.arguments << ": " << message;
        EXPECT_NE(message.find(c.message), std::string::npos) << c.arguments << ": " << message;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
        for (const char* english : {"Usage", "The following", "required", "Could not convert",
                                    "Expected", "not in range", "cannot"}) {
            EXPECT_EQ(message.find(english), std::string::npos) << c.arguments << ": " << message;
        }
    }
    EXPECT_FALSE(fs::exists(m_folder / "plan.gif"));
}
