#include "ExArea.h"
#include "ExArchive.h"
#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "ExPillarParts.h"
#include "KORVANEXDoc.h"
#include "support/RecordIO.h"
#include "support/RecordingDC.h"
#include "support/ShapeBuilder.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kSquareMetre = "\x87\x75";

class AreaTest : public ::testing::Test {
protected:
    AreaTest() { m_view.SetDocument(&m_doc); }

    // An area clicked out at the points: the first click holds two vertices, the second of
    // which follows the pointer to the second point; every further click adds one.
    std::unique_ptr<CExArea> MakeArea(std::initializer_list<ExPoint> points) {
        auto area = std::make_unique<CExArea>();
        auto it = points.begin();
        area->AddPoint(*it);
        area->SetLastPoint(*++it);
        while (++it != points.end()) {
            area->AddPoint(*it);
        }
        area->SetLabelWidth(20000);
        area->SetLabelHeight(30000);
        area->UpdateParts();
        return area;
    }

    // A 30 cm square pillar centred at a drawing point.
    void AddPillar(ExPoint at) {
        CExGeneralParts item;
        const std::string shape = ShapeBuilder().FullSquare().End().Bytes();
        item.LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
        item.SetPartsCode(20101);
        item.SetWidth(30000);
        item.SetHeight(30000);
        m_doc.AddElement(CExPillarParts::CreateFromLibrary(item, at));
    }

    CKORVANEXDoc m_doc;
    CExHeadlessView m_view{100, 25, 25, 2540};
    ExActiveViewScope m_active{&m_view};
};

TEST_F(AreaTest, VerticesAreClickedWithTheFirstHeldTwice) {
    CExArea area;
    area.AddPoint({0, 0});
    EXPECT_EQ(area.GetPointCount(), 2);
    area.SetLastPoint({400000, 0});
    area.AddPoint({400000, 300000});
    EXPECT_EQ(area.Points(), (std::vector<ExPoint>{{0, 0}, {400000, 0}, {400000, 300000}}));
    EXPECT_EQ(area.ViewPoints()[2], (ExPoint{4000, 3000}));
}

TEST_F(AreaTest, RectangleOfFourByThreeMetres) {
    auto area = MakeArea({{0, 0}, {400000, 0}, {400000, 300000}, {0, 300000}});
    EXPECT_EQ(area->GetPointCount(), 4);
    EXPECT_EQ(area->GetAreaText(), "12.000");
    ASSERT_NE(area->Label(), nullptr);
    EXPECT_EQ(area->Label()->GetPartsName(), std::string("12.000") + kSquareMetre);
    EXPECT_EQ(area->Label()->GetLineWidth(), 10);
    EXPECT_EQ(area->GetPosition(), (ExPoint{200000, 150000}));
    EXPECT_EQ(area->DrawLines().size(), 4u);
    EXPECT_TRUE(area->HitRegion().PtInRegion({2000, 1500}));
}

TEST_F(AreaTest, PillarsWhollyInsideAreSubtracted) {
    AddPillar({200000, 150000});
    auto inside = MakeArea({{0, 0}, {400000, 0}, {400000, 300000}, {0, 300000}});
    EXPECT_EQ(inside->GetPillarCount(), 1);
    EXPECT_EQ(inside->GetAreaText(), "11.910");

    m_doc.RemoveAllElements();
    AddPillar({400000 - 15000 + 100, 150000}); // one side 1 mm beyond the boundary
    auto across = MakeArea({{0, 0}, {400000, 0}, {400000, 300000}, {0, 300000}});
    EXPECT_EQ(across->GetPillarCount(), 0);
    EXPECT_EQ(across->GetAreaText(), "12.000");
}

TEST_F(AreaTest, RemovingACountedPillarGivesTheAreaWithoutItAtOnce) {
    AddPillar({200000, 150000});
    AddPillar({900000, 900000}); // outside, never counted
    auto* area = static_cast<CExArea*>(
        m_doc.AddElement(MakeArea({{0, 0}, {400000, 0}, {400000, 300000}, {0, 300000}})));
    ASSERT_EQ(area->GetAreaText(), "11.910");

    area->SetRedrawFlag(0);
    m_doc.RemoveElement(m_doc.ElementAt(1)).reset();
    EXPECT_EQ(area->GetRedrawFlag(), 0) << "a pillar it did not count leaves it alone";

    m_doc.RemoveElement(m_doc.ElementAt(0)).reset();
    EXPECT_EQ(area->GetPillarCount(), 0);
    EXPECT_EQ(area->GetAreaText(), "12.000");
    EXPECT_EQ(area->Label()->GetPartsName(), std::string("12.000") + kSquareMetre);
    EXPECT_EQ(area->GetRedrawFlag(), 1);
    // Recomputing before the next update reads no removed pillar.
    area->CalcAreaText();
    EXPECT_EQ(area->GetAreaText(), "12.000");
}

TEST_F(AreaTest, DirectionDoesNotMatterAndALineHasNoArea) {
    auto clockwise = MakeArea({{0, 0}, {0, 300000}, {400000, 300000}, {400000, 0}});
    EXPECT_EQ(clockwise->GetAreaText(), "12.000");
    auto line = MakeArea({{0, 0}, {100000, 100000}, {200000, 200000}});
    EXPECT_EQ(line->GetAreaText(), "0.000");
    CExArea empty;
    empty.CalcAreaText();
    EXPECT_EQ(empty.GetAreaText(), "0.000");
}

TEST_F(AreaTest, SelectedAreasAreHatchedAndOthersShowOnlyTheLabel) {
    auto area = MakeArea({{0, 0}, {400000, 0}, {400000, 300000}});
    m_view.SetDrawingView(true);
    RecordingDC plain;
    EXPECT_EQ(area->DrawParts(&plain), 1);
    EXPECT_TRUE(std::none_of(plain.Calls().begin(), plain.Calls().end(),
                             [](const auto& call) { return call.op == "Polygon"; }));
    area->SetSelectFlag(1);
    RecordingDC selected;
    EXPECT_EQ(area->DrawParts(&selected), 1);
    ASSERT_FALSE(selected.Calls().empty());
    EXPECT_EQ(selected.Calls()[0].op, "Polygon");
    EXPECT_EQ(selected.Calls()[0].brush,
              ExBrush::Hatched(ExHatch::ForwardDiagonal, CExArea::kHatchColor));
    m_view.SetShowSwitches(true, true, false);
    RecordingDC hidden;
    EXPECT_EQ(area->DrawParts(&hidden), 1);
    EXPECT_TRUE(hidden.Calls().empty());
}

TEST_F(AreaTest, RecordRoundTripsWithZeroedReservedBlocks) {
    auto area = MakeArea({{0, 0}, {400000, 0}, {400000, 300000}, {0, 300000}});
    area->SetPartsCode(666666);
    area->SetPartsName("\x96\xca\x90\xcf"); // 面積
    const std::string bytes = Store(*area);
    EXPECT_EQ(bytes.substr(12 + 4, 16), std::string(16, '\0'));
    CExArchive in(bytes);
    ASSERT_EQ(in.ReadString(), "CExArea");
    CExArea loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(loaded.GetPointCount(), 4);
    EXPECT_EQ(Store(loaded), bytes);
    loaded.UpdateParts();
    EXPECT_EQ(loaded.GetAreaText(), "12.000");
}

TEST_F(AreaTest, VertexCountBeyondTheArraysIsAFileError) {
    auto area = MakeArea({{0, 0}, {400000, 0}, {400000, 300000}});
    std::string bytes = Store(*area);
    // The vertex count sits before the line count, which is followed by 3 lines of 16 bytes.
    bytes.replace(bytes.size() - 4 - 48 - 4, 4, std::string("\x09\0\0\0", 4));
    CExArchive in(bytes);
    in.ReadString();
    CExArea loaded;
    EXPECT_THROW(loaded.Serialize(in), CExFileException);
}

} // namespace
