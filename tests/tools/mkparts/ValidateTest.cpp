#include "Validate.h"
#include "SourceError.h"

#include <gtest/gtest.h>

#include <string>

namespace mkparts {
namespace {

Part Square(int code, const std::string& folder, const std::string& group = "") {
    Part part;
    part.code = code;
    part.name = "四角";
    part.colour = {10, 20, 30};
    part.hasColour = true;
    part.size = 100000;
    part.folder = folder;
    part.group = group;
    part.file = "v.qps";
    part.line = 7;
    part.records = {{Command::Move, -10, -10},
                    {Command::Line, 10, -10},
                    {Command::Line, 10, 10},
                    {Command::Line, -10, 10},
                    {Command::Line, -10, -10}};
    return part;
}

std::string Complaint(const std::vector<Part>& parts) {
    try {
        CheckLibrary(parts);
    } catch (const SourceError& e) {
        return e.what();
    }
    return "";
}

std::string Complaint(const Part& part) {
    return Complaint(std::vector<Part>{part});
}

TEST(Validate, AcceptsAGoodPart) {
    EXPECT_EQ(Complaint(Square(140103, "14汎用部品")), "");
    EXPECT_EQ(Complaint(Square(10101, "01外壁")), "");
    EXPECT_EQ(Complaint(Square(50101, "05電源・センサー類", "01配線")), "");
}

TEST(Validate, RefusesDuplicateCodes) {
    Part second = Square(140103, "14汎用部品");
    second.line = 20;
    EXPECT_EQ(Complaint({Square(140103, "14汎用部品"), second}),
              "v.qps:20: duplicate parts code 140103 (first at v.qps:7)");
}

TEST(Validate, RefusesCodesOfAnotherCategory) {
    EXPECT_EQ(Complaint(Square(40101, "14汎用部品")),
              "v.qps:7: part 40101 does not belong in 14汎用部品 (codes 140000-149999)");
    EXPECT_EQ(Complaint(Square(1401, "14汎用部品")),
              "v.qps:7: part 1401 does not belong in 14汎用部品 (codes 140000-149999)");
}

TEST(Validate, KeepsCablesInTheirGroup) {
    EXPECT_EQ(Complaint(Square(50101, "05電源・センサー類")),
              "v.qps:7: cable 50101 must be in 05電源・センサー類/01配線");
    EXPECT_EQ(Complaint(Square(50101, "05電源・センサー類", "02コンセント")),
              "v.qps:7: cable 50101 must be in 05電源・センサー類/01配線");
    EXPECT_EQ(Complaint(Square(50201, "05電源・センサー類", "01配線")),
              "v.qps:7: part 50201 does not belong in group 01配線");
}

TEST(Validate, RefusesNamesShiftJisCannotHold) {
    Part part = Square(140103, "14汎用部品");
    part.name = "한국어";
    EXPECT_EQ(Complaint(part), "v.qps:7: the name '한국어' cannot be written in Shift-JIS (CP932)");
    part.name = "机・椅子（大）";
    EXPECT_EQ(Complaint(part), "");
}

TEST(Validate, RefusesNamesThatAreNoFileNames) {
    Part part = Square(140103, "14汎用部品");
    part.name = "a/b";
    EXPECT_EQ(Complaint(part), "v.qps:7: the name 'a/b' cannot be used as a file name");
    part.name = "";
    EXPECT_EQ(Complaint(part), "v.qps:7: the name '' cannot be used as a file name");
}

TEST(Validate, RefusesEmptyParts) {
    Part part = Square(140103, "14汎用部品");
    part.records.clear();
    EXPECT_EQ(Complaint(part), "v.qps:7: part 140103 draws nothing");
}

TEST(Validate, RefusesMoreRecordsThanTheProgramReads) {
    Part part = Square(140103, "14汎用部品");
    part.records.assign(kMaxRecords - 1, {Command::Line, 1, 1});
    EXPECT_EQ(Complaint(part), "");
    part.records.push_back({Command::Line, 2, 2});
    EXPECT_EQ(Complaint(part),
              "v.qps:7: part 140103 needs 10001 records; the program reads at most 10000");
}

TEST(Validate, RefusesOpenOutlinesWhereTheProgramBuildsFromThem) {
    const std::string message =
        " must be one closed outline: a single move, then lines back to where it started";
    for (const auto& [code, folder] :
         {std::pair{10101, "01外壁"}, std::pair{20101, "02柱"}, std::pair{30106, "03部屋"}}) {
        Part open = Square(code, folder);
        open.records.pop_back();
        EXPECT_EQ(Complaint(open), "v.qps:7: part " + std::to_string(code) + message);
        Part twoStrokes = Square(code, folder);
        twoStrokes.records.push_back({Command::Move, 0, 0});
        twoStrokes.records.push_back({Command::Line, 1, 1});
        EXPECT_NE(Complaint(twoStrokes), "");
    }
    Part openRoom = Square(30101, "03部屋");
    openRoom.records.pop_back();
    EXPECT_EQ(Complaint(openRoom), "");
}

TEST(Validate, RefusesColoursThatVanishOnWhite) {
    Part part = Square(140103, "14汎用部品");
    part.colour = {255, 255, 255};
    EXPECT_EQ(Complaint(part), "v.qps:7: the colour of part 140103 is too light to see on white");
}

} // namespace
} // namespace mkparts
