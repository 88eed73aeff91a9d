#include "ExEdit.h"
#include "ExMoveDrag.h"
#include "ExResizeDrag.h"
#include "ExRotateDrag.h"
#include "support/EditFixture.h"

#include <cmath>

namespace {

using namespace editdrawing;

class DragTest : public EditFixture {
protected:
    CExEditRecorder m_rec{m_doc, "drag"};
};

TEST_F(DragTest, MovesGoByWholeStepsThatKeepThePartsOnTheSheet) {
    square->SetPosition(30000, 500000);
    square->UpdateParts();
    SelectOnly({square});
    CExMoveDrag drag(m_rec, m_view, {70000, 500000});
    const struct {
        ExPoint pointer;
        ExPoint position; // of the square afterwards
        bool moved;
    } steps[] = {
        {{90000, 520000}, {50000, 520000}, true},
        {{-1, 520000}, {50000, 520000}, false},    // the pointer is off the sheet
        {{20000, 520000}, {50000, 520000}, false}, // the square would be: the step is dropped
        {{30000, 510000}, {60000, 510000}, true},  // and the square lags behind since
        {{2400000, 510000}, {2430000, 510000}, true},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << s.pointer.x);
        EXPECT_EQ(!drag.Step(s.pointer).empty(), s.moved);
        EXPECT_EQ(square->GetPosition(), s.position);
    }
    EXPECT_EQ(drag.Displacement(), (ExPoint{2330000, 10000}));
}

TEST_F(DragTest, RulersFollowTheirPartsAndSelectedRulersTakeHoldWhereTheyLand) {
    SelectOnly({square});
    {
        CExMoveDrag drag(m_rec, m_view, {500000, 500000});
        const auto changed = drag.Step({520000, 510000});
        EXPECT_EQ(changed, (std::vector<CExParts*>{square, ruler}));
    }
    EXPECT_EQ(ruler->EndAt(0).point, (ExPoint{520000, 510000}));
    EXPECT_EQ(ruler->EndAt(1).point, (ExPoint{500000, 1500000}));

    // Dragged alone, the ruler moves by the step; an end off every part comes free, one that
    // lands on the text takes hold of it.
    SelectOnly({ruler});
    CExMoveDrag drag(m_rec, m_view, {510000, 1000000});
    drag.Step({2010000, 1500000});
    EXPECT_EQ(ruler->EndAt(0).element, nullptr);
    EXPECT_EQ(ruler->EndAt(1).point, (ExPoint{2000000, 2000000}));
    EXPECT_EQ(ruler->EndAt(1).element, text);
    EXPECT_EQ(ruler->GetOffset(1), (ExPoint{0, 0}));
}

TEST_F(DragTest, AGroupTakesItsRulersFreeEndsAlong) {
    ruler->EndAt(1).element = nullptr;
    ruler->EndAt(1).point = {2000000, 500000}; // on the image
    ruler->SetEndOffset(1);
    ruler->UpdateParts();
    ruler->RecalcParts();
    SelectOnly({image, ruler, square});
    CExMoveDrag drag(m_rec, m_view, {2000000, 500000});
    drag.Step({2000000, 600000});
    EXPECT_EQ(ruler->EndAt(1).element, image);
    EXPECT_EQ(ruler->EndAt(1).point, (ExPoint{2000000, 600000}));
    EXPECT_EQ(ruler->EndAt(0).point, (ExPoint{500000, 600000}));
}

TEST_F(DragTest, ResizingGrowsBothSidesAlongTheTurnedHandle) {
    const struct {
        int angle;
        int handle;
        ExPoint pointer; // from a press at (5500, 5000)
        int width, height;
    } cases[] = {
        {0, 6, {5600, 5000}, 120000, 100000},  {0, 2, {5600, 5000}, 80000, 100000},
        {0, 0, {5500, 5100}, 100000, 120000},  {0, 4, {5500, 5100}, 100000, 80000},
        {0, 5, {5600, 5100}, 120000, 80000},   {0, 1, {5600, 5100}, 80000, 120000},
        {90, 6, {5500, 5100}, 120000, 100000}, {180, 5, {5600, 5100}, 80000, 120000},
        {30, 6, {5600, 5000}, 117400, 100000}, {0, 6, {5000, 5000}, 3500, 100000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.angle << " " << c.handle);
        auto part = Square({500000, 500000}, 100000, c.angle);
        CExResizeDrag drag(m_rec, m_view, *part, c.handle, {5500, 5000});
        drag.Step(c.pointer);
        EXPECT_EQ(part->GetWidth(), c.width);
        EXPECT_EQ(part->GetHeight(), c.height);
        EXPECT_EQ(part->GetScale(0), 1.0);
    }
}

TEST_F(DragTest, AHeldSideDoesNotStoreUpMovement) {
    CExResizeDrag drag(m_rec, m_view, *square, 6, {5500, 5000});
    drag.Step({5000, 5000});
    EXPECT_EQ(square->GetWidth(), 3500);
    drag.Step({4000, 5000});
    EXPECT_EQ(square->GetWidth(), 3500);
    drag.Step({4010, 5000});
    EXPECT_EQ(square->GetWidth(), 5500);
}

TEST_F(DragTest, ATextsStepIsSharedByItsCharacters) {
    const struct {
        const char* text;
        int width;
    } cases[] = {{"AB", 60000}, {"ABCD", 50000}, {"\x88\x9f", 60000}, {"\x88\x9fX", 53333}};
    for (const auto& c : cases) {
        auto part = Text({500000, 500000}, c.text);
        CExResizeDrag drag(m_rec, m_view, *part, 6, {5500, 5000});
        drag.Step({5600, 5000});
        EXPECT_EQ(part->GetWidth(), c.width) << c.text;
    }
}

TEST(ResizeHandles, WallsAndRoomsTurnTheirHandlesWithTheirRotation) {
    const struct {
        int handle, rotation, turned;
    } cases[] = {{6, 0, 6},   {6, 44, 6},  {6, 45, 4},  {6, 134, 4}, {6, 135, 2}, {6, 224, 2},
                 {6, 225, 0}, {6, 314, 0}, {6, 315, 6}, {1, 90, 7},  {0, 180, 4}, {3, -90, 5}};
    for (const auto& c : cases) {
        EXPECT_EQ(CExResizeDrag::TurnedHandle(c.handle, c.rotation), c.turned)
            << c.handle << " at " << c.rotation;
    }
}

TEST(RotateAngles, ThePointerAngleRunsFromMinusNinetyTo269) {
    const struct {
        ExPoint pointer;
        int angle;
    } cases[] = {{{0, 100}, 0},      {{100, 0}, -90},   {{-100, 0}, 90},  {{0, -100}, 180},
                 {{100, -100}, 225}, {{100, 100}, -45}, {{-100, -1}, 91}, {{1, -100}, 181}};
    for (const auto& c : cases) {
        EXPECT_EQ(CExRotateDrag::PointerAngle({0, 0}, c.pointer), c.angle)
            << c.pointer.x << "," << c.pointer.y;
    }
    for (const auto& [angle, normal] : std::vector<std::pair<long long, int>>{
             {0, 0}, {269, 269}, {270, -90}, {-91, 269}, {630, -90}, {-450, -90}}) {
        EXPECT_EQ(CExRotateDrag::NormalAngle(angle), normal) << angle;
    }
}

TEST_F(DragTest, OnePartTakesThePointersAngleAndSeveralTurnAlike) {
    text->SetAngle(10);
    SelectOnly({square});
    {
        CExRotateDrag drag(m_rec, m_view);
        drag.Step({4000, 5000}); // left of the square
    }
    EXPECT_EQ(square->GetAngle(), 90);
    SelectOnly({square, text});
    CExRotateDrag drag(m_rec, m_view);
    drag.Step({5000, 4000}); // below: 180, a turn of 90
    EXPECT_EQ(square->GetAngle(), 180);
    EXPECT_EQ(text->GetAngle(), 100);
    drag.Step({6000, 5000}); // right: -90, a turn of -270
    EXPECT_EQ(square->GetAngle(), -90);
    EXPECT_EQ(text->GetAngle(), -170 + 360);
}

TEST_F(DragTest, RulersTurnWithThePartTheyAreAttachedTo) {
    SelectOnly({square});
    CExRotateDrag drag(m_rec, m_view);
    drag.Step({4000, 5000});
    // The end sat on the square's centre: it stays there.
    EXPECT_EQ(ruler->EndAt(0).point, (ExPoint{500000, 500000}));
    ruler->EndAt(0).point = {540000, 500000};
    ruler->EndAt(0).attachAngle = 90;
    ruler->SetEndOffset(0);
    drag.Step({5000, 6000}); // back to 0: a quarter turn clockwise
    EXPECT_EQ(ruler->EndAt(0).point, (ExPoint{500000, 460000}));
}

TEST_F(DragTest, AWallsTurnIsFoldedIntoItsOutlineAtTheRelease) {
    const std::vector<CExPartsDrawLine> outline =
        static_cast<CExWallThickness*>(wall)->RightLines();
    const struct {
        int rotation, angle, folded;
    } cases[] = {{0, 0, 0}, {300, 100, 40}, {0, -90, 270}, {90, 269, 359}, {10, 350, 0}};
    for (const auto& c : cases) {
        wall->SetRotation(c.rotation);
        wall->SetAngle(c.angle);
        wall->UpdateParts();
        const auto turned = static_cast<CExWallThickness*>(wall)->RightLines();
        EXPECT_EQ(FoldRotation(*wall), c.angle != 0);
        EXPECT_EQ(wall->GetRotation(), c.folded);
        EXPECT_EQ(wall->GetAngle(), 0);
        const auto folded = static_cast<CExWallThickness*>(wall)->RightLines();
        ASSERT_EQ(folded.size(), turned.size());
        for (std::size_t i = 0; i < folded.size(); ++i) {
            EXPECT_LE(std::abs(folded[i].viewStart.x - turned[i].viewStart.x), 1);
            EXPECT_LE(std::abs(folded[i].viewStart.y - turned[i].viewStart.y), 1);
        }
    }
    EXPECT_FALSE(FoldRotation(*square));
    EXPECT_EQ(outline.size(), 4u);
}

TEST_F(DragTest, ReleasingAPillarRecountsTheAreas) {
    SelectOnly({pillar});
    CExMoveDrag drag(m_rec, m_view, {500000, 1500000});
    drag.Step({500000, 2500000});
    EXPECT_EQ(static_cast<CExArea*>(area)->GetPillarCount(), 1);
    EXPECT_EQ(drag.Finish(), (std::vector<CExParts*>{area}));
    EXPECT_EQ(static_cast<CExArea*>(area)->GetPillarCount(), 0);
}

TEST_F(DragTest, DragsAreUndone) {
    ExpectUndoAndRedo("move one part", [&](CExEditRecorder& rec) {
        SelectOnly({square});
        CExMoveDrag drag(rec, m_view, {500000, 500000});
        drag.Step({560000, 530000});
        drag.Step({600000, 550000});
        drag.Finish();
    });
    ExpectUndoAndRedo("move a group with its ruler", [&](CExEditRecorder& rec) {
        SelectOnly({pillar, ruler, text});
        CExMoveDrag drag(rec, m_view, {500000, 1500000});
        drag.Step({520000, 1400000});
        drag.Finish();
    });
    ExpectUndoAndRedo("resize", [&](CExEditRecorder& rec) {
        CExResizeDrag drag(rec, m_view, *square, 6, {5500, 5000});
        drag.Step({5800, 5100});
        drag.Finish();
    });
    ExpectUndoAndRedo("rotate a wall and fold its turn", [&](CExEditRecorder& rec) {
        SelectOnly({wall, square});
        CExRotateDrag drag(rec, m_view);
        drag.Step({14000, 6000});
        drag.Finish();
    });
}

} // namespace
