#include "ExVertexEdit.h"
#include "ExRulerFollow.h"
#include "support/EditFixture.h"
#include "support/RecordingDC.h"

#include <cstdlib>
#include <optional>

namespace {

using namespace editdrawing;

// At 1/100 on a 2540 dpi display a view unit is exactly 100 drawing units.
ExPoint View(ExPoint drawing) {
    return {drawing.x / 100, drawing.y / 100};
}

std::vector<ExPoint> ScaledCorners(const CExParts& part) {
    std::vector<ExPoint> corners;
    for (const CExPartsDrawLine& line : part.DrawLines()) {
        corners.push_back(line.scaledStart);
    }
    return corners;
}

// Every line ends where the next begins, the last where the first begins.
void ExpectClosed(const CExParts& part) {
    const auto& lines = part.DrawLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const CExPartsDrawLine& next = lines[(i + 1) % lines.size()];
        EXPECT_EQ(lines[i].scaledEnd, next.scaledStart) << "line " << i;
        EXPECT_EQ(lines[i].viewEnd, next.viewStart) << "line " << i;
    }
}

class VertexEditTest : public EditFixture {
protected:
    CExArea& Area() { return *static_cast<CExArea*>(area); }
    CExWiringParts& Cable() { return *static_cast<CExWiringParts*>(cable); }
};

TEST_F(VertexEditTest, OnlyOutlinesCablesAndRulersHaveVertices) {
    const struct {
        CExParts* part;
        ExVertexShape shape;
    } cases[] = {
        {wall, ExVertexShape::Closed},     {room, ExVertexShape::Closed},
        {area, ExVertexShape::Closed},     {cable, ExVertexShape::Open},
        {ruler, ExVertexShape::RulerEnds}, {square, ExVertexShape::None},
        {pillar, ExVertexShape::None},     {text, ExVertexShape::None},
        {image, ExVertexShape::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VertexShapeOf(*c.part), c.shape) << c.part->GetRuntimeClassName();
    }
}

TEST_F(VertexEditTest, AClickNearAnEdgeInsertsACornerWhereTheProbeCrossesIt) {
    // The area's lines run (3000, 13000) -> (7000, 13000) -> (7000, 17000) -> (3000, 17000)
    // and back, in view units.
    const struct {
        const char* what;
        ExPoint click;                 // view units
        std::optional<ExPoint> corner; // drawing units, inserted after the line it splits
        std::size_t line;
    } cases[] = {
        {"1 mm above the bottom edge", {5000, 13100}, ExPoint{500000, 1300000}, 0},
        {"1 mm left of the left edge", {2900, 15000}, ExPoint{300000, 1500000}, 3},
        {"near the first corner the first line wins", {3050, 13050}, ExPoint{305000, 1300000}, 0},
        {"1.5 mm above the bottom edge", {5000, 13150}, std::nullopt, 0},
        {"1.5 mm right of the right edge", {7150, 15000}, std::nullopt, 0},
        {"1.5 mm off the corner both ways", {7150, 17150}, std::nullopt, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CExEditRecorder rec(m_doc, "頂点追加");
        const std::vector<ExPoint> before = Area().Points();
        const std::string measured = Area().GetAreaText();
        ASSERT_EQ(InsertVertex(rec, *area, c.click), c.corner.has_value());
        std::unique_ptr<CExEdit> edit = rec.Finish();
        if (!c.corner) {
            EXPECT_FALSE(edit);
            EXPECT_EQ(Area().Points(), before);
            continue;
        }
        ASSERT_EQ(area->DrawLines().size(), 5u);
        EXPECT_EQ(area->DrawLines()[c.line + 1].scaledStart, *c.corner);
        EXPECT_EQ(area->DrawLines()[c.line + 1].viewStart, View(*c.corner));
        EXPECT_EQ(Area().Points()[c.line + 1], *c.corner);
        EXPECT_EQ(Area().GetPointCount(), 5);
        ExpectClosed(*area);
        EXPECT_EQ(Area().GetAreaText(), measured) << "a corner on an edge changes no area";
        edit->Undo(m_doc);
        EXPECT_EQ(Area().Points(), before);
    }
}

TEST_F(VertexEditTest, ACableGainsABendOnTheSegmentClicked) {
    CExEditRecorder rec(m_doc, "頂点追加");
    ASSERT_TRUE(InsertVertex(rec, *cable, {5000, 22080}));
    EXPECT_EQ(Cable().GetPointCount(), 4);
    EXPECT_EQ(Cable().Points()[1], (ExPoint{500000, 2200000}));
    EXPECT_EQ(Cable().GetSegmentCount(), 3);
}

TEST_F(VertexEditTest, DraggingTheFirstCornerKeepsTheOutlineClosed) {
    for (CExParts* part : {room, wall, area}) {
        SCOPED_TRACE(part->GetRuntimeClassName());
        const std::string before = Bytes();
        const ExPoint corner = part->VertexPoints()[0];
        const ExPoint pointer{corner.x * 100 - 50000, corner.y * 100 + 30000};
        CExVertexDrag drag(m_doc, m_view, *part, 0);
        drag.Step({pointer.x - 20000, pointer.y});
        drag.Step(pointer);
        EXPECT_EQ(part->VertexPoints()[0], View(pointer));
        ExpectClosed(*part);
        std::unique_ptr<CExEdit> edit = drag.Release(pointer, true);
        ASSERT_TRUE(edit);
        edit->Undo(m_doc);
        EXPECT_EQ(Bytes(), before);
    }
}

TEST_F(VertexEditTest, WallsAndRoomsKeepTheirOriginInTheMiddleOfTheirFrame) {
    const ExPoint corner = room->VertexPoints()[0];
    CExVertexDrag drag(m_doc, m_view, *room, 0);
    drag.Step({corner.x * 100 - 100000, corner.y * 100});
    const ExRect frame = room->HitRegion().GetBoundingBox();
    const ExPoint centre = View(room->GetPosition());
    EXPECT_LE(std::abs(centre.x - (frame.left + frame.right) / 2), 1);
    EXPECT_LE(std::abs(centre.y - (frame.top + frame.bottom) / 2), 1);
    EXPECT_EQ(room->VertexPoints()[0], (ExPoint{corner.x - 1000, corner.y}))
        << "the outline stays where it was dragged to while the origin moves";
}

TEST_F(VertexEditTest, ATurnedRoomTakesTheCornerWhereThePointerIs) {
    room->SetRotation(30);
    room->UpdateParts();
    room->RecalcParts();
    const ExPoint corner = room->VertexPoints()[2];
    const ExPoint pointer{corner.x * 100 + 12300, corner.y * 100 - 45600};
    CExVertexDrag drag(m_doc, m_view, *room, 2);
    drag.Step(pointer);
    const ExPoint moved = room->VertexPoints()[2];
    EXPECT_LE(std::abs(moved.x - pointer.x / 100), 1);
    EXPECT_LE(std::abs(moved.y - pointer.y / 100), 1);
    ExpectClosed(*room);
}

TEST_F(VertexEditTest, RulersAttachedToARebasedRoomStayPut) {
    ruler->EndAt(1).point = {1500000, 1500000};
    ruler->EndAt(1).element = room;
    ruler->SetEndOffset(1);
    ruler->UpdateParts();
    const ExPoint corner = room->VertexPoints()[0];
    {
        CExVertexDrag drag(m_doc, m_view, *room, 0);
        drag.Step({corner.x * 100 - 100000, corner.y * 100 + 100000});
        ASSERT_TRUE(drag.Release({corner.x * 100 - 100000, corner.y * 100 + 100000}, true));
    }
    EXPECT_EQ(ruler->EndAt(1).point, (ExPoint{1500000, 1500000}));
    room->SetPosition(room->GetPosition().x + 10000, room->GetPosition().y);
    FollowAttachedParts(*ruler);
    EXPECT_EQ(ruler->EndAt(1).point, (ExPoint{1510000, 1500000}))
        << "moved with the room by the room's step, not by how far its origin went";
}

TEST_F(VertexEditTest, ADragReleasedOffTheSheetOrTheWindowPutsTheCornerBack) {
    const struct {
        ExPoint release;
        bool insideWindow;
    } cases[] = {{{-1, 1500000}, true}, {{500000, 2500001}, true}, {{500000, 1500000}, false}};
    const std::string measured = Area().GetAreaText();
    for (const auto& c : cases) {
        const std::string before = Bytes();
        CExVertexDrag drag(m_doc, m_view, *area, 1);
        drag.Step(c.release);
        EXPECT_NE(Bytes(), before);
        EXPECT_FALSE(drag.Release(c.release, c.insideWindow));
        EXPECT_EQ(Bytes(), before);
        EXPECT_EQ(Area().GetAreaText(), measured);
    }
}

TEST_F(VertexEditTest, ADraggedAreaCountsThePillarsInsideItAtEveryStep) {
    m_doc.AddElement(Pillar({200000, 1200000})); // beyond the area until it grows
    area->UpdateParts();
    ASSERT_EQ(Area().GetPillarCount(), 1);
    const struct {
        ExPoint corner;
        int pillars;
    } steps[] = {{{300000, 1300000}, 1},
                 {{600000, 1600000}, 0},
                 {{100000, 1100000}, 2},
                 {{320000, 1320000}, 1}};
    {
        CExVertexDrag drag(m_doc, m_view, *area, 0);
        for (const auto& step : steps) {
            drag.Step(step.corner);
            EXPECT_EQ(Area().GetPillarCount(), step.pillars) << step.corner.x;
        }
        drag.Step({100000, 1100000});
        ASSERT_TRUE(drag.Release({100000, 1100000}, true));
    }
    area->UpdateParts();
    EXPECT_EQ(Area().GetPillarCount(), 2) << "the same as a search of the whole drawing";
}

TEST_F(VertexEditTest, RemovingACornerStopsAtThreeLinesAndACableAtOne) {
    const struct {
        const char* what;
        CExParts* part;
        int vertex;
        std::size_t linesBefore;
        std::size_t linesAfter;
    } cases[] = {
        {"an area's first corner", area, 0, 4, 3},
        {"a three-line area keeps its corners", area, 1, 3, 3},
        {"a room's corner", room, 2, 4, 3},
        {"a cable's last point", cable, 2, 2, 1},
        {"a one-line cable keeps its ends", cable, 0, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(c.part->DrawLines().size(), c.linesBefore);
        const std::string before = Bytes();
        CExEditRecorder rec(m_doc, "頂点削除");
        const bool removed = RemoveVertex(rec, *c.part, c.part->VertexPoints()[c.vertex]);
        EXPECT_EQ(removed, c.linesAfter < c.linesBefore);
        EXPECT_EQ(c.part->DrawLines().size(), c.linesAfter);
        if (c.part != cable) {
            ExpectClosed(*c.part);
        }
        if (std::unique_ptr<CExEdit> edit = rec.Finish()) {
            const std::string after = Bytes();
            edit->Undo(m_doc);
            EXPECT_EQ(Bytes(), before);
            edit->Redo(m_doc);
            EXPECT_EQ(Bytes(), after);
        }
    }
    EXPECT_EQ(Cable().GetPointCount(), 2);
    EXPECT_EQ(Cable().Points()[1], (ExPoint{900000, 2200000}));
}

TEST_F(VertexEditTest, RemovingTheFirstCornerJoinsTheLastLineToTheSecondCorner) {
    const std::vector<ExPoint> corners = ScaledCorners(*area);
    CExEditRecorder rec(m_doc, "頂点削除");
    ASSERT_TRUE(RemoveVertex(rec, *area, area->VertexPoints()[0]));
    EXPECT_EQ(ScaledCorners(*area), (std::vector<ExPoint>{corners[1], corners[2], corners[3]}));
    EXPECT_EQ(Area().GetAreaText(), "8.000");
    EXPECT_FALSE(RemoveVertex(rec, *area, {100, 100})) << "no handle there";

    ASSERT_TRUE(RemoveVertex(rec, *cable, cable->VertexPoints()[0]));
    EXPECT_EQ(Cable().GetPointCount(), 2);
    EXPECT_EQ(Cable().Points()[0], (ExPoint{900000, 2200000}));
    EXPECT_EQ(Cable().Points()[1], (ExPoint{900000, 2400000}));
}

TEST_F(VertexEditTest, ARulerEndAttachesToPillarsAndPartsButNeverToAreasRulersOrCables) {
    const struct {
        const char* what;
        ExPoint drop;
        CExParts* attached;
    } cases[] = {
        {"a pillar, under an area", {500000, 1500000}, pillar},
        {"a general part", {500000, 510000}, square},
        {"an area alone", {400000, 1400000}, nullptr},
        {"a cable", {500000, 2200000}, nullptr},
        {"a ruler", {500000, 1000000}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CExRulerEndDrag drag(m_doc, m_view, *ruler, 1);
        drag.Step({c.drop.x + 5000, c.drop.y});
        std::unique_ptr<CExEdit> edit = drag.Release(c.drop, true);
        ASSERT_TRUE(edit);
        EXPECT_EQ(ruler->EndAt(1).point, c.drop);
        EXPECT_EQ(ruler->EndAt(1).element, c.attached);
        edit->Undo(m_doc);
        EXPECT_EQ(ruler->EndAt(1).element, pillar);
    }
}

TEST_F(VertexEditTest, ARulerEndDroppedOutsideGoesBackWithItsAttachment) {
    const std::string before = Bytes();
    for (const bool insideWindow : {true, false}) {
        CExRulerEndDrag drag(m_doc, m_view, *ruler, 0);
        drag.Step({600000, 600000});
        EXPECT_EQ(ruler->EndAt(0).point, (ExPoint{600000, 600000}));
        EXPECT_FALSE(drag.Release(insideWindow ? ExPoint{-10, 600000} : ExPoint{600000, 600000},
                                  insideWindow));
        EXPECT_EQ(Bytes(), before);
        EXPECT_EQ(ruler->EndAt(0).element, square);
    }
}

TEST_F(VertexEditTest, HandlesAreFoundByTheirGripsAndRulerEndsByTheirMarks) {
    const ExPoint first = area->VertexPoints()[0];
    EXPECT_EQ(VertexAt(*area, {first.x + 205, first.y - 205}), 0);
    EXPECT_EQ(VertexAt(*area, {first.x + 206, first.y}), -1);
    const ExPoint last = cable->VertexPoints()[2];
    EXPECT_EQ(VertexAt(*cable, last), 2) << "a cable's last point has a grip too";
    EXPECT_EQ(VertexAt(*square, View(square->GetPosition())), -1);
    EXPECT_EQ(RulerEndAt(*ruler, {5000, 5000}), 0);
    EXPECT_EQ(RulerEndAt(*ruler, {5100, 15000}), 1);
    EXPECT_EQ(RulerEndAt(*ruler, {5101, 15000}), -1);
}

TEST_F(VertexEditTest, HandlesAreBlueDiscsOnBothEndsOfEveryLine) {
    RecordingDC dc;
    DrawVertexHandles(*area, dc);
    std::size_t discs = 0;
    for (const auto& call : dc.Calls()) {
        if (call.op == "Ellipse") {
            ++discs;
            EXPECT_EQ(call.brush.color, 0xFF0000u);
            EXPECT_EQ(call.points[1].x - call.points[0].x, 210);
        }
    }
    EXPECT_EQ(discs, 8u);
    const ExRect covered = VertexHandlesRect(*area);
    EXPECT_LE(covered.left, 3000 - 105);
    EXPECT_GE(covered.top, 17000 + 105);
}

} // namespace
