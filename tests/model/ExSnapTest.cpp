#include "ExSnap.h"
#include "ExHeadlessView.h"
#include "support/PlacedParts.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

namespace {

// A drawing at 1/100 where a view unit is exactly a drawing unit / 100: a 1 m square centred at
// (5.2 m, 5.2 m), a straight cable and a ruler off the lattice of 50 cm. Parts pull within 200
// view units (2 m on the sheet).
class SnapTest : public ::testing::Test {
protected:
    SnapTest() {
        m_view.SetDocument(&m_doc);
        square = AddGeneralPart(m_doc, {520000, 520000}, 100000);
        AddCable(m_doc, {{1012300, 212300}, {1412300, 212300}}, 0);
        AddRuler(m_doc, {100000, 912300}, {300000, 912300});
    }

    ExSnap Snap(ExPoint p, ExPoint lattice = {50000, 50000}) {
        return SnapPoint(m_doc, m_view, p, {lattice, 200});
    }

    RecordingServices m_services;
    CExHeadlessView m_view{100, 20, 20, 2540};
    ExActiveViewScope m_active{&m_view};
    CKORVANEXDoc m_doc;
    CExParts* square = nullptr;
};

// The square's frame (its shape's box) has its top left corner at (4.7008 m, 5.6992 m): on the
// screen that is the pixel at (4.7010 m, 5.6990 m), but the point snapped to is the corner itself.
constexpr ExPoint kCorner{470080, 569920};
constexpr ExPoint kTopMiddle{520000, 569920};

TEST_F(SnapTest, TheNearerOfTheLatticeAndAPartsCornerOrEdgeMiddleWins) {
    const auto before = square->CornerPoints();
    const struct {
        ExPoint pointer;
        ExPoint snapped;
        ExSnapKind kind;
    } cases[] = {
        {{472000, 568000}, kCorner, ExSnapKind::Part},
        {{520000, 575000}, kTopMiddle, ExSnapKind::Part},
        {{300000, 420000}, {300000, 400000}, ExSnapKind::Grid},   // no part within reach
        {{1215000, 215000}, {1212300, 212300}, ExSnapKind::Part}, // middle of the cable's run
        {{1410000, 214000}, {1412300, 212300}, ExSnapKind::Part}, // the cable's end
        {{1205000, 205000}, {1200000, 200000}, ExSnapKind::Grid}, // the lattice is nearer
        {{302000, 910000}, {300000, 900000}, ExSnapKind::Grid},   // rulers do not pull
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pointer.x << "," << c.pointer.y);
        const ExSnap snap = Snap(c.pointer);
        EXPECT_EQ(snap.point, c.snapped);
        EXPECT_EQ(snap.kind, c.kind);
    }
    EXPECT_EQ(square->CornerPoints(), before); // still as the view shows it
}

TEST_F(SnapTest, AFineLatticeNearerThanTheCornerWins) {
    const ExSnap snap = Snap(kCorner + ExPoint{700, -700}, {1000, 1000});
    EXPECT_EQ(snap.point, (ExPoint{471000, 569000}));
    EXPECT_EQ(snap.kind, ExSnapKind::Grid);
}

TEST_F(SnapTest, SelectedPartsAndAMissingLatticeDoNotPull) {
    square->SetSelectFlag(1);
    EXPECT_EQ(Snap({472000, 568000}).point, (ExPoint{450000, 550000}));
    const ExSnap free = Snap({472000, 568000}, {0, 0});
    EXPECT_EQ(free.point, (ExPoint{472000, 568000}));
    EXPECT_EQ(free.kind, ExSnapKind::None);
    square->SetSelectFlag(0);
    EXPECT_EQ(Snap({472000, 568000}, {0, 0}).point, kCorner);
}

} // namespace
