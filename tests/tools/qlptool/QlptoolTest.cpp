#include "Cp932.h"
#include "DrawingDump.h"
#include "ExArea.h"
#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "ExImageParts.h"
#include "ExMeasure.h"
#include "ExOuterWallParts.h"
#include "ExPillarParts.h"
#include "ExRoomParts.h"
#include "ExStringParts.h"
#include "ExWiringParts.h"
#include "KORVANEXDoc.h"
#include "support/ImageBuilder.h"
#include "support/QlptoolRun.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char kSquare[] = {0, 0, 0, -1, 0, -1, 1, 0, 0, 1,  0, -1, 1, 0, 0, 1, 0, 1,
                        1, 0, 0, -1, 0, 1,  1, 0, 0, -1, 0, -1, 7, 0, 0, 0, 0, 0};

void MakeDrawing(CKORVANEXDoc& doc) {
    auto part = std::make_unique<CExGeneralParts>();
    part->LoadShape(kSquare, sizeof kSquare);
    part->SetPartsCode(70101);
    part->SetPartsName("\x8a\xf7"); // 机
    part->SetColor(0x123456);
    part->SetPosition(150000, 250000);
    part->SetAngle(15);
    doc.AddElement(std::move(part));
    doc.ViewSettings() = {{7, 8}, 50, 8, 50, 30, 20, 1, 0, 1};
}

class QlptoolTest : public ::testing::Test {
protected:
    TempFolder m_temp;
    const fs::path& m_folder = m_temp.Path();
};

TEST_F(QlptoolTest, DumpDescribesTheDrawingAndItsUpdatedElements) {
    CKORVANEXDoc doc;
    MakeDrawing(doc);
    const nlohmann::ordered_json dump = DumpDrawing(doc);
    EXPECT_EQ(dump["version"], "");
    EXPECT_EQ(dump["viewMode"], 33009);
    EXPECT_EQ(dump["center"], nlohmann::json::array({7, 8}));
    EXPECT_EQ(dump["sheet"], nlohmann::json::array({30, 20}));
    EXPECT_EQ(dump["showMeasure"], 0);
    ASSERT_EQ(dump["elements"].size(), 1u);
    const auto& element = dump["elements"][0];
    EXPECT_EQ(element["index"], 0);
    EXPECT_EQ(element["kind"], "CExGeneralParts");
    EXPECT_EQ(element["code"], 70101);
    EXPECT_EQ(element["name"], "机");
    EXPECT_EQ(element["position"], nlohmann::json::array({150000, 250000}));
    EXPECT_EQ(element["angle"], 15);
    EXPECT_EQ(element["color"], 0x123456);
    EXPECT_EQ(element["lines"], 4);
    EXPECT_EQ(doc.ElementAt(0)->GetRedrawFlag(), 1);
    EXPECT_NE(doc.ElementAt(0)->DrawLines()[0].viewStart, (ExPoint{}))
        << "the dump brings the geometry up to date";
}

TEST_F(QlptoolTest, CommandLinePrintsJsonOrOneErrorLine) {
    CKORVANEXDoc doc;
    MakeDrawing(doc);
    CExHeadlessView view(50, 30, 20);
    ExActiveViewScope active(&view);
    ASSERT_TRUE(doc.OnSaveDocument(m_folder / "plan.qlp"));

    const ToolRun ok = RunTool("dump " + (m_folder / "plan.qlp").string(), m_folder / "err.txt");
    EXPECT_EQ(ok.exitCode, 0);
    const auto parsed = nlohmann::json::parse(ok.output);
    EXPECT_EQ(parsed["version"], "1.1.2.0");
    EXPECT_EQ(parsed["complete"], true);
    EXPECT_EQ(parsed["elements"][0]["name"], "机");
    EXPECT_EQ(ReadFile(m_folder / "err.txt"), "");

    std::ofstream(m_folder / "bad.qlp", std::ios::binary) << "NOTADRAWING-AT-ALL";
    const ToolRun bad = RunTool("dump " + (m_folder / "bad.qlp").string(), m_folder / "err.txt");
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.output, "");
    const std::string error = ReadFile(m_folder / "err.txt");
    EXPECT_EQ(error.rfind("qlptool: ファイル読み込みに失敗しました: ", 0), 0u) << error;
    EXPECT_NE(error.find("クイルプランの図面ではありません"), std::string::npos) << error;
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1);

    const ToolRun missing =
        RunTool("dump " + (m_folder / "none.qlp").string(), m_folder / "err.txt");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.output, "");
}

TEST_F(QlptoolTest, BadCommandLinesGetOneJapaneseLine) {
    const struct {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"frob", "qlptool: 不明なコマンドです: frob\n"},
        {"--colour", "qlptool: 不明なオプションです: --colour\n"},
        {"dump", "qlptool: 図面ファイルを指定してください\n"},
        {"dump a.qlp b.qlp", "qlptool: 余分な引数です: b.qlp\n"},
        {"dump a.qlp --colour red", "qlptool: 不明なオプションです: --colour\n"},
        {"dump -x", "qlptool: 不明なオプションです: -x\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool(c.arguments, m_folder / "err.txt");
        EXPECT_EQ(run.exitCode, 1) << c.arguments;
        EXPECT_EQ(run.output, "") << c.arguments;
        EXPECT_EQ(ReadFile(m_folder / "err.txt"), c.message) << c.arguments;
    }
}

TEST_F(QlptoolTest, WithoutACommandTheCommandsAreListedOnStderr) {
    const ToolRun run = RunTool("", m_folder / "err.txt");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "");
    const std::string usage = ReadFile(m_folder / "err.txt");
    EXPECT_NE(usage.find("使い方: qlptool"), std::string::npos) << usage;
    EXPECT_NE(usage.find("  dump "), std::string::npos) << usage;
    EXPECT_NE(usage.find("  export "), std::string::npos) << usage;
    std::istringstream lines(usage);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_EQ(line.rfind("qlptool: ", 0), 0u) << line;
    }
}

TEST_F(QlptoolTest, HelpOfEachCommandNamesItsArgumentsOnStdout) {
    const struct {
        const char* arguments;
        std::vector<std::string> names;
    } cases[] = {
        {"--help", {"使い方: qlptool", "dump", "export", "print", "--help"}},
        {"dump --help", {"使い方: qlptool dump", "図面ファイル"}},
        {"export --help",
         {"使い方: qlptool export", "図面ファイル", "画像ファイル", "--width ピクセル数",
          "--height ピクセル数", "--form 内容", "whole", "layout", "wiring"}},
        {"print --help",
         {"使い方: qlptool print", "PDFファイル", "--scale fit|N", "--form 形式", "--paper 用紙",
          "--landscape"}},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool(c.arguments, m_folder / "err.txt");
        EXPECT_EQ(run.exitCode, 0) << c.arguments;
        EXPECT_EQ(ReadFile(m_folder / "err.txt"), "") << c.arguments;
        for (const std::string& name : c.names) {
            EXPECT_NE(run.output.find(name), std::string::npos) << c.arguments << ": " << name;
        }
    }
}

TEST_F(QlptoolTest, DamagedLastElementStillDumpsTheOthers) {
    CKORVANEXDoc doc;
    MakeDrawing(doc);
    MakeDrawing(doc);
    CExHeadlessView view(50, 30, 20);
    ExActiveViewScope active(&view);
    ASSERT_TRUE(doc.OnSaveDocument(m_folder / "plan.qlp"));
    const std::string bytes = ReadFile(m_folder / "plan.qlp");
    std::ofstream(m_folder / "cut.qlp", std::ios::binary) << bytes.substr(0, bytes.size() - 10);

    const ToolRun run = RunTool("dump " + (m_folder / "cut.qlp").string(), m_folder / "err.txt");
    EXPECT_EQ(run.exitCode, 0);
    const auto parsed = nlohmann::json::parse(run.output);
    EXPECT_EQ(parsed["complete"], false);
    EXPECT_EQ(parsed["elements"].size(), 1u);
    EXPECT_EQ(ReadFile(m_folder / "err.txt").rfind("qlptool: 図面の最後の部品が壊れている", 0), 0u);
}

TEST_F(QlptoolTest, DumpShowsWallThicknessRoomFloorAndPillarArea) {
    CKORVANEXDoc doc;
    CExGeneralParts square;
    square.LoadShape(kSquare, sizeof kSquare);
    square.SetWidth(30000);
    square.SetHeight(30000);
    square.SetPartsCode(10104);
    auto wall = CExOuterWallParts::CreateFromLibrary(square, {500000, 500000});
    wall->SetRotation(30);
    doc.AddElement(std::move(wall));
    square.SetPartsCode(30203);
    doc.AddElement(CExRoomParts::CreateFromLibrary(square, {800000, 800000}));
    square.SetPartsCode(20102);
    doc.AddElement(CExPillarParts::CreateFromLibrary(square, {300000, 300000}));
    doc.ViewSettings() = {{0, 0}, 100, 6, 100, 25, 25, 1, 1, 1};
    CExHeadlessView view(100, 25, 25);
    ExActiveViewScope active(&view);
    for (const auto& element : doc.Elements()) {
        element->UpdateParts(); // as the view does before anything is saved
    }
    ASSERT_TRUE(doc.OnSaveDocument(m_folder / "building.qlp"));

    const ToolRun run =
        RunTool("dump " + (m_folder / "building.qlp").string(), m_folder / "err.txt");
    ASSERT_EQ(run.exitCode, 0);
    const auto elements = nlohmann::json::parse(run.output)["elements"];
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[0]["kind"], "CExOuterWallParts");
    EXPECT_EQ(elements[0]["thickness"], 15000);
    EXPECT_EQ(elements[0]["rotation"], 30);
    EXPECT_FALSE(elements[0].contains("layoutType"));
    EXPECT_EQ(elements[1]["kind"], "CExRoomParts");
    EXPECT_EQ(elements[1]["name"], "和室");
    EXPECT_EQ(elements[1]["thickness"], 12000);
    EXPECT_EQ(elements[1]["layoutType"], 6);
    EXPECT_EQ(elements[1]["matLines"], 17);
    EXPECT_EQ(elements[1]["width"], 282000);
    EXPECT_EQ(elements[2]["kind"], "CExPillarParts");
    EXPECT_EQ(elements[2]["area"], 900000000.0);
    EXPECT_FALSE(elements[2].contains("thickness"));
}

TEST_F(QlptoolTest, DumpShowsTextsAreasRulersAndCables) {
    CExHeadlessView view(100, 25, 25);
    ExActiveViewScope active(&view);
    CKORVANEXDoc doc;
    view.SetDocument(&doc);
    doc.ViewSettings() = {{0, 0}, 100, 6, 100, 25, 25, 1, 1, 1};

    auto text = std::make_unique<CExStringParts>();
    text->InsertString(*cp932::FromUtf8("会議室A"), -1);
    text->SetPosition(100000, 100000);
    CExParts* textElement = doc.AddElement(std::move(text));
    textElement->UpdateParts();
    textElement->RecalcParts();

    auto area = std::make_unique<CExArea>();
    area->AddPoint({0, 0});
    area->SetLastPoint({400000, 0});
    area->AddPoint({400000, 300000});
    area->AddPoint({0, 300000});
    area->UpdateParts();
    doc.AddElement(std::move(area));

    auto ruler = std::make_unique<CExMeasure>();
    ruler->AttachEnd(0, {100000, 100000}, {textElement});
    ruler->AttachEnd(1, {223456, 100000}, {textElement});
    doc.AddElement(std::move(ruler));

    auto cable = std::make_unique<CExWiringParts>();
    cable->StartCable(1, {10000, 10000}, {}, 50);
    cable->SetLastPoint({110000, 10000});
    doc.AddElement(std::move(cable));
    for (const auto& element : doc.Elements()) {
        element->UpdateParts();
    }
    ASSERT_TRUE(doc.OnSaveDocument(m_folder / "notes.qlp"));

    const ToolRun run = RunTool("dump " + (m_folder / "notes.qlp").string(), m_folder / "err.txt");
    ASSERT_EQ(run.exitCode, 0);
    const auto elements = nlohmann::json::parse(run.output)["elements"];
    ASSERT_EQ(elements.size(), 4u);
    EXPECT_EQ(elements[0]["text"], "会議室A");
    EXPECT_EQ(elements[0]["strokeWidth"], 60);
    EXPECT_EQ(elements[0]["characters"], 4);
    EXPECT_EQ(elements[1]["areaText"], "12.000");
    EXPECT_EQ(elements[1]["points"].size(), 4u);
    EXPECT_EQ(elements[2]["lengthText"], "1234mm");
    EXPECT_EQ(elements[2]["attached"], nlohmann::json::parse("[0, null]"));
    EXPECT_EQ(elements[2]["ends"][1], nlohmann::json::array({223456, 100000}));
    EXPECT_EQ(elements[3]["lengthText"], "1.50");
    EXPECT_EQ(elements[3]["heightCorrection"], 50);
    EXPECT_EQ(elements[3]["lineWidth"], 2);
}

TEST_F(QlptoolTest, DumpShowsThePixelSizeOfStoredPictures) {
    CKORVANEXDoc doc;
    doc.ViewSettings() = {{0, 0}, 100, 6, 100, 25, 25, 1, 1, 1};
    auto image = std::make_unique<CExImageParts>(200000, 200000);
    ASSERT_EQ(image->MakeStoredImage(Picture(100, 10).View()), 1);
    doc.AddElement(std::move(image));
    ASSERT_TRUE(doc.OnSaveDocument(m_folder / "photo.qlp"));

    const ToolRun run = RunTool("dump " + (m_folder / "photo.qlp").string(), m_folder / "err.txt");
    ASSERT_EQ(run.exitCode, 0);
    const auto elements = nlohmann::json::parse(run.output)["elements"];
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_EQ(elements[0]["kind"], "CExImageParts");
    EXPECT_EQ(elements[0]["code"], 999999);
    EXPECT_EQ(elements[0]["pixelSize"], nlohmann::json::array({128, 10}));
}

} // namespace
