#include "Folders.h"
#include "Parser.h"
#include "Validate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

namespace mkparts {
namespace {

std::vector<Part> ShippedParts() {
    std::vector<std::filesystem::path> sources;
    for (const auto& entry : std::filesystem::directory_iterator(QP_PARTS_SOURCE_DIR)) {
        if (entry.path().extension() == ".qps") {
            sources.push_back(entry.path());
        }
    }
    std::sort(sources.begin(), sources.end());
    std::vector<Part> parts;
    for (const auto& source : sources) {
        const std::vector<Part> more = ParseSourceFile(source);
        parts.insert(parts.end(), more.begin(), more.end());
    }
    return parts;
}

const Part* Find(const std::vector<Part>& parts, int code) {
    const auto it =
        std::find_if(parts.begin(), parts.end(), [&](const Part& p) { return p.code == code; });
    return it == parts.end() ? nullptr : &*it;
}

TEST(ShippedLibrary, CompilesAndPassesEveryCheck) {
    const std::vector<Part> parts = ShippedParts();
    EXPECT_NO_THROW(CheckLibrary(parts));
    EXPECT_GE(parts.size(), 200u);
}

TEST(ShippedLibrary, FillsEveryCategory) {
    std::map<int, int> perCategory;
    for (const Part& part : ShippedParts()) {
        ++perCategory[CategoryOf(part.code)];
    }
    for (int category = 1; category <= 16; ++category) {
        EXPECT_GE(perCategory[category], 3) << FindCategoryByNumber(category)->name;
    }
}

TEST(ShippedLibrary, HasTheRoomsTheProgramRefersTo) {
    const std::vector<Part> parts = ShippedParts();
    for (const int code :
         {30101, 30102, 30103, 30104, 30105, 30106, 30201, 30202, 30203, 30204, 30205, 30206}) {
        EXPECT_NE(Find(parts, code), nullptr) << code;
    }
    EXPECT_EQ(Find(parts, 30203)->name, "和室6畳");
    EXPECT_EQ(Find(parts, 30101)->name, "部屋");
}

TEST(ShippedLibrary, HasExactlyTheThreeCables) {
    const std::vector<Part> parts = ShippedParts();
    std::set<int> cables;
    for (const Part& part : parts) {
        if (IsCable(part.code)) {
            cables.insert(part.code);
        }
    }
    EXPECT_EQ(cables, (std::set<int>{50101, 50102, 50103}));
    EXPECT_EQ(Find(parts, 50101)->name, "電話線");
    EXPECT_EQ(Find(parts, 50101)->colour, (Rgb{255, 0, 0}));
    EXPECT_EQ(Find(parts, 50102)->name, "LANケーブル");
    EXPECT_EQ(Find(parts, 50102)->colour, (Rgb{0x50, 0x50, 0xFF}));
    EXPECT_EQ(Find(parts, 50103)->name, "電源ケーブル");
    EXPECT_EQ(Find(parts, 50103)->colour, (Rgb{255, 0, 0}));
}

} // namespace
} // namespace mkparts
