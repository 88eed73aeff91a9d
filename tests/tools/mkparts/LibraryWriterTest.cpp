#include "Library.h"
#include "QvfWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace mkparts {
namespace {

Part Named(int code, const std::string& name, const std::string& folder,
           const std::string& group = "") {
    Part part;
    part.code = code;
    part.name = name;
    part.folder = folder;
    part.group = group;
    part.size = 1000;
    part.records = {{Command::Move, 0, 0}, {Command::Line, 1, 1}};
    return part;
}

class LibraryWriter : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() /
            ("mkparts-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path dir_;
};

TEST(PartPath, PadsTheCodeAndKeepsTheGroup) {
    EXPECT_EQ(PartPath(Named(30203, "和室6畳", "03部屋")).string(),
              "部品/03部屋/030203和室6畳.qvf");
    EXPECT_EQ(PartPath(Named(50101, "電話線", "05電源・センサー類", "01配線")).string(),
              "部品/05電源・センサー類/01配線/050101電話線.qvf");
    EXPECT_EQ(PartPath(Named(160101, "ロゴ", "16KARDO")).string(), "部品/16KARDO/160101ロゴ.qvf");
}

TEST_F(LibraryWriter, WritesTheFilesAndRemovesStaleOnes) {
    const Part kept = Named(140101, "円", "14汎用部品");
    WriteLibrary(dir_, {kept, Named(140102, "楕円", "14汎用部品")});
    EXPECT_TRUE(std::filesystem::exists(dir_ / "部品/14汎用部品/140102楕円.qvf"));

    WriteLibrary(dir_, {kept});
    EXPECT_FALSE(std::filesystem::exists(dir_ / "部品/14汎用部品/140102楕円.qvf"));
    std::ifstream in(dir_ / "部品/14汎用部品/140101円.qvf", std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    EXPECT_EQ(bytes, EncodeQvf(kept));
}

} // namespace
} // namespace mkparts
