#include "Folders.h"

#include <array>

namespace mkparts {

namespace {

constexpr std::array<CategoryFolder, 16> kCategories = {{
    {1, "01外壁"},
    {2, "02柱"},
    {3, "03部屋"},
    {4, "04建具"},
    {5, "05電源・センサー類"},
    {6, "06空調・照明"},
    {7, "07オフィス設備"},
    {8, "08店舗設備"},
    {9, "09工場設備"},
    {10, "10学校設備"},
    {11, "11家庭用家具"},
    {12, "12備品"},
    {13, "13遊具"},
    {14, "14汎用部品"},
    {15, "15屋外"},
    {16, "16KARDO"},
}};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

const CategoryFolder* FindCategoryFolder(std::string_view name) {
    for (const CategoryFolder& folder : kCategories) {
        if (folder.name == name) {
            return &folder;
        }
    }
    return nullptr;
}

const CategoryFolder* FindCategoryByNumber(int number) {
    for (const CategoryFolder& folder : kCategories) {
        if (folder.number == number) {
            return &folder;
        }
    }
    return nullptr;
}

int GroupNumber(std::string_view group) {
    if (group.size() < 3 || !IsDigit(group[0]) || !IsDigit(group[1])) {
        return -1;
    }
    return (group[0] - '0') * 10 + (group[1] - '0');
}

} // namespace mkparts
