#include "ExHeadlessView.h"
#include "KORVANEXDoc.h"
#include "support/EveryKindDrawing.h"
#include "support/QlptoolRun.h"
#include "support/RecordingServices.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

class QlptoolPartsTest : public ::testing::Test {
protected:
    QlptoolPartsTest() {
        CKORVANEXDoc doc;
        CExHeadlessView view(100, 25, 25);
        view.SetDocument(&doc);
        ExActiveViewScope active(&view);
        everykind::Build(doc);
        EXPECT_TRUE(doc.OnSaveDocument(m_drawing));
    }

    ToolRun Run(const std::string& arguments) { return RunTool(arguments, m_temp / "err.txt"); }
    std::string Errors() const { return ReadFile(m_temp / "err.txt"); }

    RecordingServices m_services;
    TempFolder m_temp;
    fs::path m_drawing = m_temp / "plan.qlp";
};

TEST_F(QlptoolPartsTest, CsvPrintsTheBytesThePartsListSaves) {
    const ToolRun run = Run("parts --csv " + m_drawing.string());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, everykind::kCsv);
    EXPECT_EQ(Errors(), "");
}

TEST_F(QlptoolPartsTest, WithoutCsvTheListIsATableInColumns) {
    const ToolRun run = Run("parts " + m_drawing.string());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "部品名       部品コード  数量  長さ(m)  面積(㎡)\n"
                          "外壁              10101     1\n"
                          "6畳               30203     1\n"
                          "柱                20102     1\n"
                          "机, 大            70101     2\n"
                          "会議室           888888     1\n"
                          "画像             999999     1\n"
                          "距離             777777     1\n"
                          "面積             666666     1             99.910\n"
                          "面積             666666     1              6.000\n"
                          "棚\"A\"  2段        70102     1\n"
                          "LANケーブル       50102     2     8.50\n"
                          "電話線            50101     1     2.70\n"
                          "コンセント        50201     1\n");
    EXPECT_EQ(Errors(), "");
}

TEST_F(QlptoolPartsTest, FailuresGetOneJapaneseLine) {
    const struct {
        std::string arguments;
        std::string message;
    } cases[] = {
        {"parts", "qlptool: 図面ファイルを指定してください\n"},
        {"parts --tsv " + m_drawing.string(), "qlptool: 不明なオプションです: --tsv\n"},
        {"parts " + (m_temp / "none.qlp").string(), "qlptool: ファイル読み込みに失敗しました: "},
    };
    for (const auto& c : cases) {
        const ToolRun run = Run(c.arguments);
        EXPECT_EQ(run.exitCode, 1) << c.arguments;
        EXPECT_EQ(run.output, "") << c.arguments;
        EXPECT_EQ(Errors().rfind(c.message, 0), 0u) << Errors();
    }
}

TEST_F(QlptoolPartsTest, HelpNamesTheDrawingAndTheCsvFlag) {
    const ToolRun run = Run("parts --help");
    EXPECT_EQ(run.exitCode, 0);
    for (const char* name : {"使い方: qlptool parts", "図面ファイル", "--csv"}) {
        EXPECT_NE(run.output.find(name), std::string::npos) << name;
    }
    EXPECT_NE(Run("--help").output.find("  parts "), std::string::npos);
}

} // namespace
