#pragma once

#include <string_view>

namespace mkparts {

// The category folders the program shows, in the order it shows them. A part's category is its
// code / 10000 and must match the two-digit number that starts its folder's name.
struct CategoryFolder {
    int number;
    std::string_view name;
};

const CategoryFolder* FindCategoryFolder(std::string_view name);
const CategoryFolder* FindCategoryByNumber(int number);

constexpr std::string_view kLibraryFolder = "部品";
constexpr std::string_view kCableGroup = "01配線";
constexpr int kCableCategory = 5;

constexpr int CategoryOf(int code) {
    return code / 10000;
}
constexpr int GroupOf(int code) {
    return (code / 100) % 100;
}
constexpr bool IsCable(int code) {
    return code / 100 == 501;
}

// Walls, pillars and the shaped room are built by the program from their lines, so their drawing
// has to be a single closed chain.
constexpr bool NeedsClosedOutline(int code) {
    return CategoryOf(code) == 1 || CategoryOf(code) == 2 || code == 30106;
}

// Group subfolders are named like categories: two digits, then the name.
int GroupNumber(std::string_view group);

} // namespace mkparts
