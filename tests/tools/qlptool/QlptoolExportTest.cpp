#include "ExGeneralParts.h"
#include "KORVANEXDoc.h"
#include "support/ShapeBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

// Runs qlptool with its messages in a file; the exit code.
int RunTool(const std::string& arguments, const fs::path& errors) {
    const std::string command =
        std::string(QLPTOOL_PATH) + " " + arguments + " >/dev/null 2>" + errors.string();
    const int status = std::system(command.c_str());
    return WEXITSTATUS(status);
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

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
    ASSERT_EQ(RunTool(Export("plan.png"), m_errors), 0) << ReadFile(m_errors);
    const std::string png = ReadFile(m_folder / "plan.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(BigEndian32(png, 16), 1024u);
    EXPECT_EQ(BigEndian32(png, 20), 768u);

    ASSERT_EQ(RunTool(Export("small.png", " --width 320 --height 200"), m_errors), 0);
    const std::string small = ReadFile(m_folder / "small.png");
    EXPECT_EQ(BigEndian32(small, 16), 320u);
    EXPECT_EQ(BigEndian32(small, 20), 200u);
}

TEST_F(QlptoolExportTest, ABitmapHasTwentyFourBitsAPixel) {
    ASSERT_EQ(RunTool(Export("plan.bmp", " --form layout"), m_errors), 0) << ReadFile(m_errors);
    const std::string bmp = ReadFile(m_folder / "plan.bmp");
    ASSERT_GT(bmp.size(), 30u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(LittleEndian32(bmp, 18), 1024);
    EXPECT_EQ(LittleEndian32(bmp, 22), 768);
    EXPECT_EQ(static_cast<unsigned char>(bmp.at(28)), 24);
}

TEST_F(QlptoolExportTest, SvgAndPdfAreWrittenAsVectorPictures) {
    ASSERT_EQ(RunTool(Export("plan.svg", " --form whole"), m_errors), 0) << ReadFile(m_errors);
    const std::string svg = ReadFile(m_folder / "plan.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("1024"), std::string::npos);
    ASSERT_EQ(RunTool(Export("plan.pdf", " --form wiring"), m_errors), 0) << ReadFile(m_errors);
    EXPECT_EQ(ReadFile(m_folder / "plan.pdf").substr(0, 5), "%PDF-");
}

TEST_F(QlptoolExportTest, BadInputIsRefusedWithOneMessage) {
    for (const std::string& arguments :
         {Export("plan.gif"), Export("plan.png", " --width 0"), Export("plan.png", " --width x"),
          Export("plan.png", " --height"), Export("plan.png", " --form sideways"),
          Export("plan.png", " --colour red"),
          std::string("export ") + (m_folder / "plan.qlp").string(),
          "export " + (m_folder / "none.qlp").string() + " " + (m_folder / "x.png").string(),
          Export("no/such/folder/plan.png")}) {
        EXPECT_EQ(RunTool(arguments, m_errors), 1) << arguments;
        const std::string message = ReadFile(m_errors);
        EXPECT_EQ(message.rfind("qlptool: ", 0), 0u) << arguments << ": " << message;
    }
    EXPECT_FALSE(fs::exists(m_folder / "plan.gif"));
}
