#include "ExPartsDrawLine.h"
#include "ExDC.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Points = std::vector<ExPoint>;

// Keeps the runs handed to JoinedLines, or when it does not join lines, the lines it draws one
// by one.
class LineRecorder final : public CExDC {
public:
    explicit LineRecorder(bool joins) : m_bJoins(joins) {}

    ExPen SelectPen(const ExPen& pen) override { return pen; }
    ExBrush SelectBrush(const ExBrush& brush) override { return brush; }
    void SetTransparentBackground(bool) override {}
    void Polyline(const ExPoint* points, int count) override {
        calls.emplace_back(points, points + count);
    }
    void JoinedLines(const ExPoint* points, int count) override {
        if (m_bJoins) {
            calls.emplace_back(points, points + count);
        } else {
            CExDC::JoinedLines(points, count);
        }
    }
    void Polygon(const ExPoint*, int) override {}
    void Ellipse(const ExRect&) override {}
    void FillRect(const ExRect&, ExColor) override {}
    void TextOut(int, int, const std::string&, const ExFont&, ExColor) override {}
    void PutBitmap(const ExRect&, const CExDib16&, ExRasterOp) override {}

    std::vector<Points> calls;

private:
    bool m_bJoins;
};

// Lines through the points in turn, a point list per stroke.
std::vector<CExPartsDrawLine> Strokes(const std::vector<Points>& strokes) {
    std::vector<CExPartsDrawLine> lines;
    for (const Points& stroke : strokes) {
        for (std::size_t i = 1; i < stroke.size(); ++i) {
            CExPartsDrawLine line{};
            line.viewStart = stroke[i - 1];
            line.viewEnd = stroke[i];
            lines.push_back(line);
        }
    }
    return lines;
}

Points Zigzag(int count) {
    Points points;
    for (int i = 0; i < count; ++i) {
        points.push_back({i, i % 2});
    }
    return points;
}

struct RunCase {
    const char* name;
    std::vector<Points> strokes;
    std::vector<Points> runs;
};

TEST(DrawViewLines, EveryRunOfJoinedLinesIsOneCall) {
    const Points square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    const Points long300 = Zigzag(301);
    const RunCase cases[] = {
        {"no lines", {}, {}},
        {"a closed outline", {square}, {square}},
        {"lines apart", {{{0, 0}, {5, 5}}, {{6, 6}, {9, 9}}}, {{{0, 0}, {5, 5}}, {{6, 6}, {9, 9}}}},
        {"a run, a jump, a line",
         {{{0, 0}, {1, 0}, {1, 1}}, {{5, 5}, {6, 6}}},
         {{{0, 0}, {1, 0}, {1, 1}}, {{5, 5}, {6, 6}}}},
        {"a line drawn back over itself", {{{0, 0}, {4, 0}, {0, 0}}}, {{{0, 0}, {4, 0}, {0, 0}}}},
        {"a long run goes in pieces that meet",
         {long300},
         {Points(long300.begin(), long300.begin() + 256),
          Points(long300.begin() + 255, long300.end())}},
    };
    for (const RunCase& c : cases) {
        LineRecorder dc(true);
        DrawViewLines(dc, Strokes(c.strokes));
        EXPECT_EQ(dc.calls, c.runs) << c.name;
    }
}

TEST(DrawViewLines, ASurfaceThatDoesNotJoinGetsTheLinesOneByOneInOrder) {
    LineRecorder dc(false);
    DrawViewLines(dc, Strokes({{{0, 0}, {3, 0}, {3, 3}}, {{7, 7}, {8, 8}}}));
    const std::vector<Points> expected = {{{0, 0}, {3, 0}}, {{3, 0}, {3, 3}}, {{7, 7}, {8, 8}}};
    EXPECT_EQ(dc.calls, expected);
}

} // namespace
