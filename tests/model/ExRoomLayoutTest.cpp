#include "ExRoomParts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <set>
#include <utility>

namespace {

constexpr int X = 90000;
constexpr int Y = 180000;

struct Mat {
    int x0, x1, y0, y1;
};

// The mats of each arrangement for a mat of X by Y, as the floor plans of tatami rooms lay them.
std::vector<Mat> MatsOf(int type, int X = ::X, int Y = ::Y) {
    const int q = Y / 4;
    const int h = Y / 2;
    const int tq = Y / 2 / 2 + Y / 2;
    switch (type) {
    case 1:
        return {{-X / 2, X / 2, -h, h}};
    case 2:
        return {{-h, h, -X / 2, X / 2}};
    case 3:
        return {{-X, 0, -h, h}, {0, X, -h, h}};
    case 4:
        return {{-X, 0, -q, tq}, {0, X, -q, tq}, {-X, X, -X - q, -q}};
    case 5:
        return {{-tq, q, X / 2, 3 * X / 2},
                {X / 2, 3 * X / 2, -q, tq},
                {-q, tq, -3 * X / 2, -X / 2},
                {-3 * X / 2, -X / 2, -tq, q}};
    case 6:
        return {{-X - q, -q, 0, Y},      {-q, X + q, h, Y},       {q, X + q, -h, h},
                {-q, X + q, -X - h, -h}, {-X - q, -q, -X - h, 0}, {-q, q, -h, h}};
    case 7:
        return {{-2 * X, -X, 0, Y}, {X, 2 * X, 0, Y}, {X, 2 * X, -Y, 0}, {-2 * X, -X, -Y, 0},
                {-X, X, h, Y},      {-X, X, -Y, -h},  {-X, 0, -h, h},    {0, X, -h, h}};
    case 8:
        return {{-2 * X, 0, X + q, 2 * X + q},
                {0, 2 * X, X + q, 2 * X + q},
                {X, 2 * X, -q, X + q},
                {X, 2 * X, -X - tq, -q},
                {-X, X, -X - tq, -tq},
                {-2 * X, -X, -X - tq, -q},
                {-2 * X, -X, -q, X + q},
                {-X, X, q, X + q},
                {-X, 0, -tq, q},
                {0, X, -tq, q}};
    case 9:
        return {{-2 * X, 0, X + h, 2 * X + h},
                {0, 2 * X, X + h, 2 * X + h},
                {X, 2 * X, 0, X + h},
                {X, 2 * X, -Y, 0},
                {0, 2 * X, -X - Y, -Y},
                {-2 * X, 0, -X - Y, -Y},
                {-2 * X, -X, -Y, 0},
                {-2 * X, -X, 0, X + h},
                {-X, X, h, X + h},
                {-X, 0, -h, h},
                {0, X, -h, h},
                {-X, X, -Y, -h}};
    default:
        return {};
    }
}

// Stretches of an axis-parallel line: key (vertical?, coordinate), value sorted intervals.
using Stretches = std::map<std::pair<bool, int>, std::vector<std::pair<int, int>>>;

void AddStretch(Stretches& stretches, ExPoint a, ExPoint b) {
    if (a.x == b.x) {
        stretches[{true, a.x}].push_back({std::min(a.y, b.y), std::max(a.y, b.y)});
    } else {
        ASSERT_EQ(a.y, b.y) << "edges are axis-parallel";
        stretches[{false, a.y}].push_back({std::min(a.x, b.x), std::max(a.x, b.x)});
    }
}

// Merges each line's intervals into disjoint ones; counts overlapping length on the way.
Stretches Merged(Stretches stretches, long long* overlap = nullptr) {
    for (auto& [line, intervals] : stretches) {
        std::sort(intervals.begin(), intervals.end());
        std::vector<std::pair<int, int>> merged;
        for (const auto& interval : intervals) {
            if (!merged.empty() && interval.first <= merged.back().second) {
                if (overlap) {
                    *overlap += std::min(interval.second, merged.back().second) - interval.first;
                }
                merged.back().second = std::max(merged.back().second, interval.second);
            } else {
                merged.push_back(interval);
            }
        }
        intervals = merged;
    }
    return stretches;
}

// Each stretch of an arrangement's edges, merged line by line; no stretch may be laid twice.
Stretches DrawnStretches(const CExRoomParts& room) {
    Stretches drawn;
    for (const CExPartsDrawLine& line : room.MatLines()) {
        AddStretch(drawn, line.scaledStart, line.scaledEnd);
    }
    long long overlap = 0;
    Stretches merged = Merged(drawn, &overlap);
    EXPECT_EQ(overlap, 0) << "no stretch of edge is drawn twice";
    return merged;
}

Stretches MatStretches(const std::vector<Mat>& mats) {
    Stretches stretches;
    for (const Mat& m : mats) {
        AddStretch(stretches, {m.x0, m.y0}, {m.x1, m.y0});
        AddStretch(stretches, {m.x0, m.y1}, {m.x1, m.y1});
        AddStretch(stretches, {m.x0, m.y0}, {m.x0, m.y1});
        AddStretch(stretches, {m.x1, m.y0}, {m.x1, m.y1});
    }
    return Merged(stretches);
}

std::unique_ptr<CExRoomParts> RoomWithLayout(int type, int matWidth = X, int matLength = Y) {
    auto room = std::make_unique<CExRoomParts>();
    room->SetMatWidth(matWidth);
    room->SetMatLength(matLength);
    room->SetThickness(12000);
    room->SetLayoutType(type);
    room->BuildLayoutLines();
    return room;
}

class TatamiArrangement : public ::testing::TestWithParam<int> {};

TEST_P(TatamiArrangement, EdgesTraceEveryMatOnceWithTheListedSegmentCount) {
    const int type = GetParam();
    static constexpr int kSegments[] = {0, 4, 4, 7, 10, 16, 17, 22, 24, 28};
    auto room = RoomWithLayout(type);
    EXPECT_EQ(room->MatLines().size(), std::size_t(kSegments[type]));

    EXPECT_EQ(DrawnStretches(*room), MatStretches(MatsOf(type)))
        << "the edges are exactly the mats' edges";
    long long area = 0;
    for (const Mat& m : MatsOf(type)) {
        area += (long long)(m.x1 - m.x0) * (m.y1 - m.y0);
    }
    static constexpr long long kHalfMats[] = {0, 2, 2, 4, 6, 8, 12, 16, 20, 24};
    EXPECT_EQ(area, kHalfMats[type] * X * Y / 2) << "the mats tile the listed number of mats";
}

INSTANTIATE_TEST_SUITE_P(Types, TatamiArrangement, ::testing::Range(1, 10));

// The dialog takes any mat of 1 to 200 cm each way: the lines follow the mats' rectangles even
// where they no longer tile.
TEST(TatamiArrangement, EdgesFollowTheMatsForMatsOtherThanTwoToOne) {
    struct Mats {
        int width, length;
    };
    for (const Mats& m :
         {Mats{100000, 180000}, Mats{90000, 200000}, Mats{120000, 150000}, Mats{200000, 10000}}) {
        for (int type = 1; type <= 9; ++type) {
            const auto room = RoomWithLayout(type, m.width, m.length);
            EXPECT_EQ(DrawnStretches(*room), MatStretches(MatsOf(type, m.width, m.length)))
                << "type " << type << ", mat " << m.width << " x " << m.length;
        }
    }
}

TEST(TatamiArrangement, NewHalfMatRoomIsWalledOutsideItsMatsWhateverTheirShape) {
    CExRoomParts room;
    room.SetPartsCode(30202);
    room.SetMatWidth(100000);
    room.SetMatLength(180000);
    room.SetThickness(12000);
    room.UpdateParts();
    EXPECT_EQ(room.GetLayoutType(), 5);
    // The mats reach 3X/2 = 150000 out, beyond X + Y/4 = 145000.
    EXPECT_EQ(room.GetWidth(), 2 * (150000 + 6000));
    EXPECT_EQ(room.GetHeight(), 2 * (150000 + 6000));
    EXPECT_EQ(room.DrawLines()[0].scaledStart, (ExPoint{-156000, 156000}));
}

TEST(TatamiArrangement, CornersAreTheBoundingRectangleOrTheTurningMatsOuterCorners) {
    EXPECT_EQ(RoomWithLayout(6)->LayoutCorners(),
              (std::array<ExPoint, 4>{ExPoint{-135000, 180000}, ExPoint{135000, 180000},
                                      ExPoint{135000, -180000}, ExPoint{-135000, -180000}}));
    EXPECT_EQ(RoomWithLayout(5)->LayoutCorners(),
              (std::array<ExPoint, 4>{ExPoint{-135000, 135000}, ExPoint{135000, 135000},
                                      ExPoint{135000, -135000}, ExPoint{-135000, -135000}}));
    EXPECT_EQ(RoomWithLayout(9)->LayoutCorners()[3], (ExPoint{-180000, -270000}));
}

TEST(TatamiArrangement, ThreeQuartersIsAHalfAndAHalfOfAHalf) {
    CExRoomParts room;
    room.SetMatWidth(3);
    room.SetMatLength(7); // 7/2/2 + 7/2 = 4, where 3 * 7 / 4 would be 5
    room.SetLayoutType(4);
    room.BuildLayoutLines();
    EXPECT_EQ(room.LayoutCorners()[0], (ExPoint{-3, 4}));
}

TEST(MatFit, LargestArrangementThatFitsInsideTheWallsIsChosen) {
    struct Case {
        int innerWidth, innerHeight, type;
    };
    for (const Case& c :
         {Case{X, Y, 1}, Case{Y, X, 2}, Case{2 * X, Y, 3}, Case{2 * X, X + Y, 4},
          Case{X + Y, X + Y, 5}, Case{X + Y, 2 * Y, 6}, Case{2 * X + Y, 2 * Y, 7},
          Case{2 * Y, X + 2 * Y, 8}, Case{2 * Y, 2 * X + 2 * Y, 9}, Case{5 * X + 1, 4 * Y + 1, 10},
          Case{X - 1, Y, 0}, Case{Y - 1, Y - 1, 0}}) {
        auto room = RoomWithLayout(1);
        room->SetWidth(c.innerWidth + 12000);
        room->SetHeight(c.innerHeight + 12000);
        room->FitMatLayout();
        EXPECT_EQ(room->GetLayoutType(), c.type) << c.innerWidth << " x " << c.innerHeight;
    }
}

TEST(MatFit, MatGridIsTakenOnlyWhenTheRoomIsStrictlyLarger) {
    auto exact = RoomWithLayout(1);
    exact->SetWidth(5 * X + 12000);
    exact->SetHeight(4 * Y + 12000);
    exact->FitMatLayout();
    EXPECT_EQ(exact->GetLayoutType(), 9);

    auto larger = RoomWithLayout(1);
    larger->SetWidth(5 * X + 12001);
    larger->SetHeight(4 * Y + 12001);
    larger->FitMatLayout();
    EXPECT_EQ(larger->GetLayoutType(), 10);
    // Five columns and four rows: per quadrant three lines each way.
    EXPECT_EQ(larger->MatLines().size(), 24u);
    EXPECT_EQ(larger->LayoutCorners()[0], (ExPoint{225000, 360000}));
}

TEST(MatFit, WithoutAUsableMatSizeNothingIsLaid) {
    CExRoomParts room;
    EXPECT_FALSE(room.SetMatWidth(0));
    EXPECT_FALSE(room.SetMatLength(-5));
    EXPECT_EQ(room.GetMatWidth(), 0);
    room.SetWidth(1000000);
    room.SetHeight(1000000);
    room.FitMatLayout();
    EXPECT_EQ(room.GetLayoutType(), 0);
    EXPECT_TRUE(room.MatLines().empty());
    room.SetLayoutType(10);
    room.BuildLayoutLines();
    EXPECT_TRUE(room.MatLines().empty());
}

TEST(FloorGrid, FlooringBoardsAreLaidQuadrantByQuadrantFromTheAxes) {
    CExRoomParts room;
    room.SetPartsCode(30102);
    room.SetWidth(300000);
    room.SetHeight(300000);
    room.SetThickness(12000);
    room.UpdateParts();
    ASSERT_EQ(room.GetLayoutType(), CExRoomParts::kLayoutFlooring);
    std::multiset<int> columns;
    std::multiset<int> rows;
    for (const CExPartsDrawLine& line : room.MatLines()) {
        if (line.scaledStart.x == line.scaledEnd.x) {
            columns.insert(line.scaledStart.x);
            EXPECT_EQ(std::abs(line.scaledStart.y - line.scaledEnd.y), 100000);
        } else {
            rows.insert(line.scaledStart.y);
            EXPECT_EQ(std::abs(line.scaledStart.x - line.scaledEnd.x), 135000);
        }
    }
    EXPECT_EQ(columns,
              (std::multiset<int>{-135000, -135000, -105000, -105000, -75000, -75000, -45000,
                                  -45000,  -15000,  -15000,  15000,   15000,  45000,  45000,
                                  75000,   75000,   105000,  105000,  135000, 135000}));
    EXPECT_EQ(rows, (std::multiset<int>{-100000, -100000, 0, 0, 0, 0, 100000, 100000}));
    // The first quadrant is the upper right, its lines parallel to the y axis first.
    EXPECT_EQ(room.MatLines()[0].scaledStart, (ExPoint{135000, 100000}));
    EXPECT_EQ(room.MatLines()[0].scaledEnd, (ExPoint{135000, 0}));
    EXPECT_EQ(room.MatLines()[5].scaledStart, (ExPoint{0, 100000}));
    EXPECT_EQ(room.MatLines()[5].scaledEnd, (ExPoint{135000, 100000}));
}

TEST(FloorGrid, TilesFollowTheRoomWhenItIsResized) {
    CExRoomParts room;
    room.SetPartsCode(30104);
    room.SetWidth(212000);
    room.SetHeight(112000);
    room.SetThickness(12000);
    room.UpdateParts();
    EXPECT_EQ(room.GetTileWidth(), 50000);
    EXPECT_EQ(room.LayoutCorners()[0], (ExPoint{100000, 50000}));
    room.SetScaleX(2.0);
    room.UpdateParts();
    room.SetScaleX(1.0);
    EXPECT_EQ(room.GetWidth(), 424000);
    EXPECT_EQ(room.LayoutCorners()[0], (ExPoint{200000, 50000}));
}

TEST(FloorGrid, RoomSmallerThanOneCellHasNoGrid) {
    CExRoomParts room;
    room.SetPartsCode(30104);
    room.SetWidth(40000);
    room.SetHeight(400000);
    room.SetThickness(12000);
    room.UpdateParts();
    EXPECT_EQ(room.GetLayoutType(), CExRoomParts::kLayoutTiles);
    EXPECT_TRUE(room.MatLines().empty());
    EXPECT_EQ(room.DrawLines().size(), 4u) << "the walls are still raised";
}

TEST(FloorGrid, GridTooFineForTheRoomIsRefusedQuickly) {
    CExRoomParts room;
    room.SetPartsCode(30104);
    room.SetWidth(100000000); // 1000 m
    room.SetHeight(100000000);
    room.SetThickness(12000);
    room.UpdateParts();
    ASSERT_TRUE(room.SetTileWidth(1));
    ASSERT_TRUE(room.SetTileLength(1));
    const auto start = std::chrono::steady_clock::now();
    room.UpdateParts();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_TRUE(room.MatLines().empty());

    // At the limit the grid is still laid: 5000 columns and one row give each quadrant 2501
    // lines across and one along.
    ASSERT_TRUE(room.SetTileWidth((100000000 - 12000) / CExRoomParts::kMaxGridCells));
    ASSERT_TRUE(room.SetTileLength(50000000));
    room.UpdateParts();
    EXPECT_EQ(room.MatLines().size(), 4u * (2501 + 1));
}

} // namespace
