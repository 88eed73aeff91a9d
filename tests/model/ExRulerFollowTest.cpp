#include "ExRulerFollow.h"
#include "ExHeadlessView.h"
#include "ExPropertyValues.h"
#include "support/PlacedParts.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const ExSheetSize kSheet{25, 25};
constexpr ExPoint kCentre{500000, 500000};

// Turned points are truncated after sine and cosine: within one unit is where they belong.
::testing::AssertionResult Near(ExPoint actual, ExPoint expected) {
    if (std::abs(actual.x - expected.x) <= 1 && std::abs(actual.y - expected.y) <= 1) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "(" << actual.x << ", " << actual.y << ") instead of ("
                                         << expected.x << ", " << expected.y << ")";
}

// The rulers attached to a part that was moved or turned as a whole follow it.
std::vector<CExMeasure*> Follow(const CKORVANEXDoc& doc, const CExParts& part) {
    std::vector<CExMeasure*> rulers = RulersAttachedTo(doc, {&part});
    for (CExMeasure* ruler : rulers) {
        FollowAttachedParts(*ruler);
    }
    return rulers;
}

class AttachedRulersTest : public ::testing::Test {
protected:
    CExHeadlessView m_view{100, kSheet.widthM, kSheet.heightM, 2540};
    ExActiveViewScope m_active{&m_view};
    CKORVANEXDoc m_doc;
};

TEST_F(AttachedRulersTest, AttachedEndFollowsAMovedPartAndTheFreeEndStays) {
    CExGeneralParts* part = AddGeneralPart(m_doc, kCentre, 100000);
    CExMeasure* ruler = AddRuler(m_doc, {520000, 500000}, {800000, 500000});
    ASSERT_EQ(ruler->EndAt(0).element, part);
    ASSERT_EQ(ruler->EndAt(1).element, nullptr);

    ExPartValues values = ExPartValues::FromPart(*part);
    values.centreX = 600;
    values.centreY = 550;
    values.ApplyTo(*part, kSheet);
    EXPECT_EQ(Follow(m_doc, *part), std::vector<CExMeasure*>{ruler});
    EXPECT_EQ(ruler->EndAt(0).point, (ExPoint{620000, 550000}));
    EXPECT_EQ(ruler->EndAt(1).point, (ExPoint{800000, 500000}));
    EXPECT_EQ(ruler->GetPosition(), (ExPoint{710000, 525000})) << "recomputed";
}

TEST_F(AttachedRulersTest, AttachedEndsTurnAndShiftWithThePart) {
    const struct {
        int angle;
        ExPoint end;
    } cases[] = {{90, {600000, 720000}}, {180, {580000, 700000}}, {270, {600000, 680000}}};
    for (const auto& c : cases) {
        CKORVANEXDoc doc;
        CExGeneralParts* part = AddGeneralPart(doc, kCentre, 100000);
        CExMeasure* ruler = AddRuler(doc, {520000, 500000}, {480000, 500000});
        ExPartValues values = ExPartValues::FromPart(*part);
        values.angle = c.angle;
        values.centreX = 600;
        values.centreY = 700;
        values.ApplyTo(*part, kSheet);
        Follow(doc, *part);
        EXPECT_TRUE(Near(ruler->EndAt(0).point, c.end)) << c.angle;
        EXPECT_TRUE(Near(ruler->EndAt(1).point, {2 * 600000 - c.end.x, 2 * 700000 - c.end.y}))
            << "both ends are attached: " << c.angle;
    }
}

TEST_F(AttachedRulersTest, WallsTurnTheirRulersByTheirLastingRotation) {
    CExOuterWallParts* wall = AddWall(m_doc, kCentre, 100000, 15000);
    CExMeasure* ruler = AddRuler(m_doc, {600000, 500000}, {900000, 500000});
    ASSERT_EQ(ruler->EndAt(0).element, wall);
    ExWallValues values = ExWallValues::FromPart(*wall);
    values.angle = 90;
    values.ApplyTo(*wall, kSheet);
    Follow(m_doc, *wall);
    EXPECT_TRUE(Near(ruler->EndAt(0).point, {500000, 600000}));
}

TEST_F(AttachedRulersTest, RulersOfOtherPartsAreLeftAlone) {
    CExGeneralParts* left = AddGeneralPart(m_doc, {300000, 300000}, 100000);
    CExGeneralParts* right = AddGeneralPart(m_doc, {900000, 300000}, 100000);
    CExMeasure* onLeft = AddRuler(m_doc, {300000, 300000}, {600000, 600000});
    CExMeasure* onRight = AddRuler(m_doc, {600000, 600000}, {900000, 300000});
    EXPECT_EQ(RulersAttachedTo(m_doc, {left}), std::vector<CExMeasure*>{onLeft});
    EXPECT_EQ(RulersAttachedTo(m_doc, {right}), std::vector<CExMeasure*>{onRight});
    left->SetPosition(400000, 300000);
    Follow(m_doc, *left);
    EXPECT_EQ(onLeft->EndAt(0).point, (ExPoint{400000, 300000}));
    EXPECT_EQ(onRight->EndAt(0).point, (ExPoint{600000, 600000}));
    EXPECT_EQ(onRight->EndAt(1).point, (ExPoint{900000, 300000}));
}

} // namespace
