#include "ExMeasure.h"
#include "ExArchive.h"
#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "KORVANEXDoc.h"
#include "support/RecordIO.h"
#include "support/RecordingDC.h"
#include "support/ShapeBuilder.h"

#include <gtest/gtest.h>

namespace {

class MeasureTest : public ::testing::Test {
protected:
    // One view unit per pixel at 1/100: view points are drawing points / 100.
    CExHeadlessView m_view{100, 25, 25, 2540};
    ExActiveViewScope m_active{&m_view};
};

std::unique_ptr<CExMeasure> MakeRuler(ExPoint a, ExPoint b) {
    auto ruler = std::make_unique<CExMeasure>();
    ruler->EndAt(0).point = a;
    ruler->EndAt(1).point = b;
    ruler->SetLabelSize(20000, 30000);
    ruler->UpdateParts();
    ruler->RecalcParts();
    return ruler;
}

// A 1 m square library part at a position, brought up to date so it can be hit.
std::unique_ptr<CExGeneralParts> MakeSquare(ExPoint at, int angle = 0) {
    auto part = std::make_unique<CExGeneralParts>();
    const std::string shape = ShapeBuilder().FullSquare().End().Bytes();
    part->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
    part->SetWidth(100000);
    part->SetHeight(100000);
    part->SetPosition(at.x, at.y);
    part->SetAngle(angle);
    part->UpdateParts();
    part->RecalcParts();
    return part;
}

TEST_F(MeasureTest, LengthInMillimetresOrMetres) {
    auto ruler = MakeRuler({0, 0}, {123456, 0});
    EXPECT_EQ(ruler->GetLength(), 123456);
    EXPECT_EQ(ruler->GetLengthText(), "1234mm");
    ruler->SetUnit(CExMeasure::kUnitMetre);
    ruler->UpdateParts();
    EXPECT_EQ(ruler->GetLengthText(), "1.234m");
    EXPECT_EQ(CExMeasure::FormatLengthValue(0, 123456), "1234");
    EXPECT_EQ(CExMeasure::FormatLengthValue(1, 123456), "1.234");
    EXPECT_EQ(ruler->GetPosition(), (ExPoint{61728, 0}));
    ASSERT_NE(ruler->Label(), nullptr);
    EXPECT_EQ(ruler->Label()->GetPartsName(), "1.234m");
    EXPECT_EQ(ruler->Label()->GetLineWidth(), 40);
}

TEST_F(MeasureTest, EndsAtOnePointMeasureZeroAndPointRight) {
    auto ruler = MakeRuler({50000, 50000}, {50000, 50000});
    EXPECT_EQ(ruler->GetLengthText(), "0mm");
    EXPECT_EQ(ruler->Arrow(0)[0], (ExPoint{500 + 400, 500 + 250}));
}

TEST_F(MeasureTest, HorizontalAndExactlyVerticalArrowheadsAndTicks) {
    auto flat = MakeRuler({0, 0}, {100000, 0});
    EXPECT_EQ(flat->Arrow(0)[0], (ExPoint{400, 250}));
    EXPECT_EQ(flat->Arrow(1)[2], (ExPoint{1000 - 400, -250}));
    EXPECT_EQ(flat->Tick(1)[0], (ExPoint{1000, 250}));

    auto up = MakeRuler({0, 0}, {0, 100000});
    EXPECT_EQ(up->Arrow(0)[0], (ExPoint{-250, 400})) << "(-q, p)";
    EXPECT_EQ(up->Tick(0)[0], (ExPoint{-250, 0}));
    auto down = MakeRuler({0, 100000}, {0, 0});
    EXPECT_EQ(down->Arrow(0)[0], (ExPoint{250, 1000 - 400})) << "(q, -p)";
}

TEST_F(MeasureTest, HitBandRunsBetweenTheTicks) {
    auto ruler = MakeRuler({100000, 100000}, {300000, 100000});
    EXPECT_TRUE(ruler->HitRegion().PtInRegion({2000, 1100}));
    EXPECT_FALSE(ruler->HitRegion().PtInRegion({2000, 1300}));
    EXPECT_FALSE(ruler->HitRegion().PtInRegion({3100, 1000}));
}

TEST_F(MeasureTest, TicksFollowTheStyleAndTheAttachments) {
    auto ruler = MakeRuler({0, 0}, {100000, 0});
    auto countLines = [&] {
        RecordingDC dc;
        EXPECT_EQ(ruler->DrawParts(&dc), 1);
        int lines = 0;
        for (const auto& call : dc.Calls()) {
            lines += call.pen.color == CExMeasure::kLineColor ? 1 : 0;
        }
        return lines;
    };
    EXPECT_EQ(countLines(), 5) << "automatic, nothing attached: arrows, line, two ticks";
    CExGeneralParts a;
    CExGeneralParts b;
    ruler->EndAt(0).element = &a;
    ruler->UpdateParts();
    EXPECT_EQ(countLines(), 5) << "one end attached";
    ruler->EndAt(1).element = &b;
    ruler->UpdateParts();
    EXPECT_EQ(countLines(), 3) << "both ends attached";
    ruler->SetStyle(CExMeasure::kStyleDimension);
    EXPECT_EQ(countLines(), 5);
    ruler->SetStyle(CExMeasure::kStyleNormal);
    EXPECT_EQ(countLines(), 3);
}

TEST_F(MeasureTest, DrawnOnlyWhileRulersAreShown) {
    auto ruler = MakeRuler({0, 0}, {100000, 0});
    m_view.SetShowSwitches(true, false, true);
    RecordingDC dc;
    EXPECT_EQ(ruler->DrawParts(&dc), 0);
    EXPECT_TRUE(dc.Calls().empty());
    ExActiveViewScope none(nullptr);
    EXPECT_EQ(ruler->DrawParts(&dc), 0);
}

TEST_F(MeasureTest, EndsAttachToTheTopmostPartButNeverToRulers) {
    auto below = MakeSquare({100000, 100000});
    auto above = MakeSquare({120000, 100000}, 30);
    auto other = MakeRuler({0, 100000}, {200000, 100000});
    const std::vector<CExParts*> elements = {below.get(), above.get(), other.get()};
    CExMeasure ruler;
    ruler.AttachEnd(0, {110000, 100000}, elements);
    EXPECT_EQ(ruler.EndAt(0).element, above.get());
    EXPECT_EQ(ruler.EndAt(0).attachAngle, 30);
    EXPECT_EQ(ruler.GetOffset(0), (ExPoint{-10000, 0}));
    ruler.AttachEnd(1, {10000, 100000}, elements);
    EXPECT_EQ(ruler.EndAt(1).element, nullptr) << "only the other ruler lies there";
    EXPECT_EQ(ruler.GetOffset(1), (ExPoint{10000, 100000}));
}

TEST_F(MeasureTest, FollowingAPartTurnsTheEndAboutIt) {
    CExMeasure ruler;
    ruler.EndAt(1).point = {110000, 100000};
    ruler.EndAt(1).attachAngle = 0;
    ruler.FollowPart(100000, 100000, 90, 1);
    EXPECT_EQ(ruler.EndAt(1).point, (ExPoint{100000, 110000}));
}

TEST_F(MeasureTest, TypedLengthMovesTheSecondEndWithTheFiftyUnitPush) {
    auto ruler = MakeRuler({100000, 100000}, {150000, 100000});
    ruler->SetLength(100000);
    EXPECT_TRUE(ruler->ApplyRulerLength({}));
    EXPECT_EQ(ruler->EndAt(1).point, (ExPoint{200050, 100050}));
    auto nearEdge = MakeRuler({2400000, 100000}, {2450000, 100000});
    nearEdge->SetLength(200000);
    EXPECT_FALSE(nearEdge->ApplyRulerLength({}));
    EXPECT_EQ(nearEdge->EndAt(1).point, (ExPoint{2450000, 100000}));
}

TEST_F(MeasureTest, RecordRoundTripsAndOldFormatHasNoTicks) {
    auto ruler = MakeRuler({100000, 100000}, {300000, 150000});
    ruler->SetUnit(CExMeasure::kUnitMetre);
    ruler->SetStyle(CExMeasure::kStyleNormal);
    ruler->UpdateParts();
    const std::string bytes = Store(*ruler);
    CExArchive in(bytes);
    ASSERT_EQ(in.ReadString(), "CExMeasure");
    CExMeasure loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(loaded.GetUnit(), CExMeasure::kUnitMillimetre) << "unit and style are not stored";
    EXPECT_EQ(loaded.GetStyle(), CExMeasure::kStyleAutomatic);
    EXPECT_EQ(loaded.Tick(1)[0], ruler->Tick(1)[0]);
    EXPECT_EQ(Store(loaded), bytes);

    // Format 100: the record ends after the colour.
    std::string old = bytes.substr(0, bytes.size() - 4 - 32);
    old.replace(15, 4, std::string("\x64\0\0\0", 4));
    CExArchive oldIn(old);
    oldIn.ReadString();
    CExMeasure fromOld;
    fromOld.Serialize(oldIn);
    EXPECT_EQ(oldIn.Remaining(), 0u);
    EXPECT_EQ(fromOld.GetAttachCount(), 0);
    EXPECT_EQ(fromOld.Tick(0)[0], (ExPoint{}));
}

TEST_F(MeasureTest, ReferencesArePositionsAmongTheWrittenElements) {
    CKORVANEXDoc doc;
    CExParts* outside = doc.AddElement(MakeSquare({3000000, 100000}));
    CExParts* target = doc.AddElement(MakeSquare({100000, 100000}));
    auto owned = MakeRuler({0, 0}, {0, 0});
    owned->AttachEnd(0, {100000, 100000}, {target});
    owned->EndAt(1).element = outside;
    doc.AddElement(std::move(owned));
    const std::string bytes = Store(doc);

    CExArchive in(bytes);
    CKORVANEXDoc loaded;
    loaded.Serialize(in);
    ASSERT_EQ(loaded.GetElementCount(), 2u);
    auto* ruler = dynamic_cast<CExMeasure*>(loaded.ElementAt(1));
    ASSERT_NE(ruler, nullptr);
    EXPECT_EQ(ruler->EndAt(0).element, loaded.ElementAt(0));
    EXPECT_EQ(ruler->EndAt(1).element, nullptr) << "an element off the sheet is stored as -1";
    EXPECT_EQ(ruler->EndAt(2).element, nullptr);

    loaded.RemoveElement(loaded.ElementAt(0));
    EXPECT_EQ(ruler->EndAt(0).element, nullptr) << "a removed element is forgotten";
}

TEST_F(MeasureTest, ReferencesBeyondTheListOrToItselfLeaveTheEndFree) {
    CExMeasure ruler;
    CExGeneralParts part;
    std::string bytes = Store(ruler);
    // The three references follow the class name (15), format, 10 reserved int32, offsets (16)
    // and end marks (32): each end is point (8), reference (4), angle (4).
    const std::size_t firstReference = 15 + 4 + 16 + 16 + 16 + 8 + 32 + 8;
    bytes.replace(firstReference, 4, std::string("\x07\0\0\0", 4));
    bytes.replace(firstReference + 16, 4, std::string("\x01\0\0\0", 4));
    bytes.replace(firstReference + 32, 4, std::string("\x00\0\0\0", 4));
    CExArchive in(bytes);
    in.ReadString();
    CExMeasure loaded;
    loaded.Serialize(in);
    loaded.ResolveReferences({&part, &loaded});
    EXPECT_EQ(loaded.EndAt(0).element, nullptr);
    EXPECT_EQ(loaded.EndAt(1).element, nullptr);
    EXPECT_EQ(loaded.EndAt(2).element, &part);
}

} // namespace
