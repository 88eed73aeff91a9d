#include "Parser.h"
#include "SourceError.h"

#include <gtest/gtest.h>

#include <string>

namespace mkparts {
namespace {

// Runs the parser and returns its complaint, or "" if it accepted the text.
std::string Complaint(const std::string& text) {
    try {
        ParseSource(text, "t.qps");
    } catch (const SourceError& e) {
        return e.what();
    }
    return "";
}

std::string OnePart(const std::string& drawing) {
    return "folder 14汎用部品\npart 140101 円\n  size 100000\n  rgb 0 0 0\n" + drawing + "end\n";
}

TEST(Parser, ReadsAPart) {
    const std::vector<Part> parts = ParseSource("# a comment\n"
                                                "folder 05電源・センサー類\n"
                                                "group 01配線\n"
                                                "part 50101 電話線   # trailing\n"
                                                "  size 50000\n"
                                                "  rgb 255 0 0\n"
                                                "  move -10 0\n"
                                                "  line 10 0 10 5\n"
                                                "end\n",
                                                "cables.qps");
    ASSERT_EQ(parts.size(), 1u);
    const Part& part = parts[0];
    EXPECT_EQ(part.code, 50101);
    EXPECT_EQ(part.name, "電話線");
    EXPECT_EQ(part.size, 50000);
    EXPECT_EQ(part.colour, (Rgb{255, 0, 0}));
    EXPECT_EQ(part.folder, "05電源・センサー類");
    EXPECT_EQ(part.group, "01配線");
    EXPECT_EQ(part.file, "cables.qps");
    EXPECT_EQ(part.line, 4);
    const std::vector<Record> expected = {
        {Command::Move, -10, 0}, {Command::Line, 10, 0}, {Command::Line, 10, 5}};
    EXPECT_EQ(part.records, expected);
}

TEST(Parser, BareGroupReturnsToTheCategoryFolder) {
    const auto parts = ParseSource("folder 05電源・センサー類\ngroup 02コンセント\n"
                                   "part 50201 a\n size 1\n rgb 0 0 0\n rect 0 0 1 1\nend\n"
                                   "group\n"
                                   "part 50001 b\n size 1\n rgb 0 0 0\n rect 0 0 1 1\nend\n",
                                   "t.qps");
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].group, "02コンセント");
    EXPECT_EQ(parts[1].group, "");
}

TEST(Parser, ShapesArePlacedWithUse) {
    const auto parts = ParseSource("folder 14汎用部品\n"
                                   "shape tick\n  move 0 0\n  line 10 0\nend\n"
                                   "part 140101 a\n size 100000\n rgb 0 0 0\n"
                                   "  use tick 100 50 90 2\nend\n",
                                   "t.qps");
    const std::vector<Record> expected = {{Command::Move, 100, 50}, {Command::Line, 100, 70}};
    EXPECT_EQ(parts[0].records, expected);
}

TEST(Parser, PolyCloseReturnsToTheFirstPoint) {
    const auto parts = ParseSource(OnePart("poly 0 0 10 0 10 10 close\n"), "t.qps");
    EXPECT_EQ(parts[0].records.size(), 4u);
    EXPECT_EQ(parts[0].records.back(), (Record{Command::Line, 0, 0}));
}

TEST(Parser, CircleSegmentCountIsHonoured) {
    const auto parts = ParseSource(OnePart("circle 0 0 100 12\n"), "t.qps");
    EXPECT_EQ(parts[0].records.size(), 13u);
    EXPECT_EQ(parts[0].records.front().x, parts[0].records.back().x);
    EXPECT_EQ(parts[0].records.front().y, parts[0].records.back().y);
}

TEST(Parser, RefusesCoordinatesOutsideTheBox) {
    EXPECT_EQ(Complaint(OnePart("move 0 0\nline 300 0\n")),
              "t.qps:6: point (300, 0) is outside -256..256");
    EXPECT_EQ(Complaint(OnePart("circle 100 0 200\n")),
              "t.qps:5: point (300, 0) is outside -256..256");
}

TEST(Parser, RefusesUnknownCommands) {
    EXPECT_EQ(Complaint(OnePart("squiggle 1 2\n")), "t.qps:5: unknown command 'squiggle'");
    EXPECT_EQ(Complaint("folder 14汎用部品\nthing\n"), "t.qps:2: unknown statement 'thing'");
}

TEST(Parser, RefusesWrongArgumentCounts) {
    EXPECT_EQ(Complaint(OnePart("rect 1 2 3\n")), "t.qps:5: usage: rect x1 y1 x2 y2");
    EXPECT_EQ(Complaint(OnePart("move 0 0\nline 1 2 3\n")), "t.qps:6: usage: line x y [x y ...]");
    EXPECT_EQ(Complaint(OnePart("rect 1 2 3 x\n")), "t.qps:5: 'x' is not a number");
}

TEST(Parser, RefusesAMissingFolder) {
    EXPECT_EQ(Complaint("part 140101 a\n"),
              "t.qps:1: a part before the folder is named (folder NAME)");
    EXPECT_EQ(Complaint("folder 99その他\n"), "t.qps:1: unknown category folder '99その他'");
    EXPECT_EQ(Complaint("# nothing\n"), "t.qps:2: the file never names its folder (folder NAME)");
}

TEST(Parser, RefusesUnfinishedBlocks) {
    EXPECT_EQ(Complaint("folder 14汎用部品\npart 140101 a\n size 1\n"),
              "t.qps:2: part 140101 has no 'end'");
    EXPECT_EQ(Complaint("folder 14汎用部品\npart 140101 a\n size 1\npart 140102 b\n"),
              "t.qps:4: 'part' inside a block; is an 'end' missing?");
}

TEST(Parser, RefusesPartsWithoutSizeOrColour) {
    EXPECT_EQ(Complaint("folder 14汎用部品\npart 140101 a\n rgb 0 0 0\n rect 0 0 1 1\nend\n"),
              "t.qps:2: part 140101 has no size");
    EXPECT_EQ(Complaint("folder 14汎用部品\npart 140101 a\n size 9\n rect 0 0 1 1\nend\n"),
              "t.qps:2: part 140101 has no colour (rgb RED GREEN BLUE)");
    EXPECT_EQ(Complaint("folder 14汎用部品\npart 140101 a\n size 9\n rgb 0 0 256\nend\n"),
              "t.qps:4: a colour channel runs from 0 to 255");
}

TEST(Parser, RefusesUndefinedShapes) {
    EXPECT_EQ(Complaint(OnePart("use nothing 0 0\n")),
              "t.qps:5: no shape named 'nothing' is defined above");
}

} // namespace
} // namespace mkparts
