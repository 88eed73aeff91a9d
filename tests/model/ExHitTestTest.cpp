#include "ExHitTest.h"
#include "ExHeadlessView.h"
#include "support/EditDrawing.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace editdrawing;

TEST(SegmentTest, TheHorizontalProbeFirstThenTheVerticalOne) {
    const struct {
        ExPoint a, b, p;
        int tolerance;
        std::optional<ExPoint> hit;
    } cases[] = {
        {{0, 0}, {1000, 0}, {500, 50}, 100, ExPoint{500, 0}},       // vertical probe
        {{0, 0}, {1000, 0}, {500, 100}, 100, ExPoint{500, 0}},      // just reaches
        {{0, 0}, {1000, 0}, {500, 150}, 100, std::nullopt},         // 1.5 mm off
        {{0, 0}, {0, 1000}, {-60, 500}, 100, ExPoint{0, 500}},      // horizontal probe
        {{0, 0}, {1000, 1000}, {520, 500}, 100, ExPoint{500, 500}}, // horizontal first
        {{0, 0}, {1000, 0}, {1050, 50}, 100, std::nullopt},         // beyond the end
        {{0, 0}, {0, 0}, {0, 0}, 100, std::nullopt},                // no line at all
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.p.x << "," << c.p.y);
        EXPECT_EQ(HitSegment(c.a, c.b, c.p, c.tolerance, c.tolerance), c.hit);
    }
}

TEST(SegmentTest, TheFirstLineInOrderIsHit) {
    const std::vector<ExViewLine> lines = {
        {{0, 1000}, {1000, 1000}}, {{0, 0}, {1000, 0}}, {{0, 50}, {1000, 50}}};
    const auto hit = HitViewLines(lines, {500, 20}, 100, 100);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->line, 1u);
    EXPECT_EQ(hit->point, (ExPoint{500, 0}));
    EXPECT_FALSE(HitViewLines(lines, {500, 500}, 100, 100));
}

// A drawing at 1/100 where one view unit is one drawing unit / 100 exactly.
class HitTest : public ::testing::Test {
protected:
    HitTest() { m_view.SetDocument(&m_doc); }

    RecordingServices m_services;
    CExHeadlessView m_view{100, 25, 25, 2540};
    ExActiveViewScope m_active{&m_view};
    CKORVANEXDoc m_doc;
};

ExPoint RoomWallMiddle(const CExParts& room) {
    const CExPartsDrawLine& line = room.DrawLines().front();
    return {(line.viewStart.x + line.viewEnd.x) / 2, (line.viewStart.y + line.viewEnd.y) / 2};
}

TEST_F(HitTest, EachKindByItsOwnRule) {
    // A wall 15 cm thick is hit within 15000 / 100 / 2 + 300 = 375 view units of its centre line.
    auto wall = Wall({1500000, 500000});
    auto room = Room({1500000, 1500000});
    auto square = Square({500000, 500000}, 100000);
    auto cable = Cable({{0, 1500000}, {1000000, 1500000}, {1000000, 2000000}});
    auto area = Area({{100000, 1800000}, {300000, 1800000}, {300000, 2000000}});
    auto ruler = Ruler(m_doc, {2000000, 100000}, {2400000, 100000});
    const ExHitContext shown;
    const ExHitContext hidden{100, false, false};
    const struct {
        const CExParts* part;
        ExPoint p;
        bool hit;
        const ExHitContext& context;
    } cases[] = {
        {wall.get(), {17370, 5000}, true, shown},
        {wall.get(), {17380, 5000}, false, shown},
        {wall.get(), {15000, 5000}, false, shown}, // inside the walls
        {room.get(), RoomWallMiddle(*room), true, shown},
        {room.get(), {15000, 15000}, false, shown},
        {square.get(), {5790, 5000}, true, shown}, // the frame stands 300 outside
        {square.get(), {5810, 5000}, false, shown},
        {cable.get(), {5000, 15090}, true, shown},
        {cable.get(), {5000, 15110}, false, shown},
        {area.get(), {1100, 19900}, true, shown}, // inside the box, outside the triangle
        {area.get(), {1100, 19900}, false, hidden},
        {ruler.get(), {22000, 1100}, true, shown},
        {ruler.get(), {22000, 1100}, false, hidden},
        {ruler.get(), {22000, 1300}, false, shown},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.part->GetRuntimeClassName() << " " << c.p.x << "," << c.p.y);
        EXPECT_EQ(HitPart(*c.part, c.p, c.context), c.hit);
    }
}

TEST_F(HitTest, TheTopmostPartTheFilterLetsThroughWins) {
    CExParts* area = m_doc.AddElement(Area({{0, 0}, {1000000, 0}, {1000000, 1000000}}));
    CExParts* lower = m_doc.AddElement(Square({500000, 500000}, 200000));
    CExParts* image = m_doc.AddElement(Image({500000, 500000}));
    CExParts* upper = m_doc.AddElement(Square({550000, 500000}, 200000));
    CExParts* cable = m_doc.AddElement(Cable({{0, 500000}, {1000000, 500000}}));
    const ExHitContext context;
    const struct {
        ExPoint p;
        ExHitFilter filter;
        const CExParts* hit;
    } cases[] = {
        {{5000, 5000}, ExHitFilter::Any, cable},
        {{5000, 5200}, ExHitFilter::Any, upper},
        {{5000, 5000}, ExHitFilter::SkipCablesAndAreas, upper},
        {{4000, 4100}, ExHitFilter::SkipCablesAndAreas, lower},
        {{9000, 1000}, ExHitFilter::Any, area},
        {{9000, 1000}, ExHitFilter::SkipCablesAndAreas, nullptr},
        {{5000, 5000}, ExHitFilter::RulerAttach, upper},
        {{3800, 5000}, ExHitFilter::RulerAttach, nullptr}, // in the frame, not the hit region
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.p.x << "," << c.p.y);
        EXPECT_EQ(HitTopmost(m_doc, c.p, context, c.filter), c.hit);
    }
    EXPECT_EQ(HitTopmost(m_doc, {3800, 4000}, context), lower);
    EXPECT_NE(image, nullptr);
}

TEST_F(HitTest, ImagesTakeRulerEndsAttachedForAGroupMove) {
    CExParts* image = m_doc.AddElement(Image({500000, 500000}));
    EXPECT_EQ(HitTopmost(m_doc, {5000, 5000}, {}, ExHitFilter::RulerAttach), image);
}

TEST_F(HitTest, ARubberBandTakesWhatLiesWhollyInside) {
    CExParts* a = m_doc.AddElement(Square({500000, 500000}, 100000));
    CExParts* b = m_doc.AddElement(Square({800000, 500000}, 100000));
    m_doc.AddElement(Square({1100000, 500000}, 100000));
    m_doc.AddElement(Cable({{400000, 400000}, {600000, 400000}}));
    m_doc.AddElement(Area({{400000, 300000}, {600000, 300000}, {600000, 600000}}));
    CExParts* ruler = m_doc.AddElement(Ruler(m_doc, {450000, 700000}, {850000, 700000}));
    const ExHitContext shown;
    const ExHitContext hidden{100, false, true};
    // From (3000, 3000) to (11000, 8000): the third square sticks out of it.
    EXPECT_EQ(PartsInsideRect(m_doc, {3000, 3000, 11000, 8000}, shown),
              (std::vector<CExParts*>{a, b, ruler}));
    EXPECT_EQ(PartsInsideRect(m_doc, {11000, 8000, 3000, 3000}, hidden),
              (std::vector<CExParts*>{a, b}));
    EXPECT_EQ(PartsInsideRect(m_doc, {4600, 3000, 11000, 8000}, shown),
              (std::vector<CExParts*>{b}));
}

TEST_F(HitTest, SelectAllTakesWhatARubberBandCouldTake) {
    CExParts* a = m_doc.AddElement(Square({500000, 500000}, 100000));
    m_doc.AddElement(Cable({{400000, 400000}, {600000, 400000}}));
    CExParts* b = m_doc.AddElement(Square({1100000, 500000}, 100000));
    m_doc.AddElement(Area({{400000, 300000}, {600000, 300000}, {600000, 600000}}));
    CExParts* ruler = m_doc.AddElement(Ruler(m_doc, {450000, 700000}, {850000, 700000}));
    const ExHitContext shown;
    const ExHitContext hidden{100, false, true};
    EXPECT_EQ(GroupSelectableParts(m_doc, shown), (std::vector<CExParts*>{a, b, ruler}));
    EXPECT_EQ(GroupSelectableParts(m_doc, hidden), (std::vector<CExParts*>{a, b}));
    // A band round the whole sheet takes the same parts.
    EXPECT_EQ(PartsInsideRect(m_doc, {0, 25000, 25000, 0}, shown),
              GroupSelectableParts(m_doc, shown));
}

} // namespace
