#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "ExOuterWallParts.h"
#include "ExParts.h"
#include "ExPillarParts.h"
#include "support/ShapeBuilder.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>

namespace {

void LoadSquare(CExParts& part) {
    const std::string bytes = ShapeBuilder().FullSquare().End().Bytes();
    part.LoadShape(bytes.data(), static_cast<unsigned>(bytes.size()));
}

TEST(ExPartsShape, CommandSevenFirstYieldsNoLines) {
    CExParts part;
    const std::string bytes = ShapeBuilder().End().Move(0, 0).Line(10, 10).Bytes();
    part.LoadShape(bytes.data(), static_cast<unsigned>(bytes.size()));
    EXPECT_TRUE(part.DrawLines().empty());
}

TEST(ExPartsShape, SquareRecordsBuildFourLinesFromTheCurrentPoint) {
    CExParts part;
    LoadSquare(part);
    ASSERT_EQ(part.DrawLines().size(), 4u);
    EXPECT_EQ(part.DrawLines()[0].shapeStart, (ExPoint{-256, -256}));
    EXPECT_EQ(part.DrawLines()[0].shapeEnd, (ExPoint{256, -256}));
    EXPECT_EQ(part.DrawLines()[3].shapeEnd, (ExPoint{-256, -256}));
}

TEST(ExPartsShape, ReadingStopsAfterTenThousandRecords) {
    ShapeBuilder builder;
    builder.Move(0, 0);
    for (int i = 0; i < 10500; ++i) {
        builder.Line(i % 200, i % 100);
    }
    CExParts part;
    part.LoadShape(builder.Bytes().data(), static_cast<unsigned>(builder.Bytes().size()));
    EXPECT_EQ(part.DrawLines().size(), 9999u); // the move counts as one of the 10000
}

TEST(ExPartsShape, TrailingPartialRecordIsIgnoredAndLoadingReplacesOldLines) {
    CExParts part;
    LoadSquare(part);
    std::string bytes = ShapeBuilder().Move(1, 2).Line(3, 4).Bytes();
    bytes += std::string("\x01\x00\x05", 3);
    part.LoadShape(bytes.data(), static_cast<unsigned>(bytes.size()));
    ASSERT_EQ(part.DrawLines().size(), 1u);
    EXPECT_EQ(part.DrawLines()[0].shapeEnd, (ExPoint{3, 4}));
}

TEST(ExPartsScale, SizesAboveNinetyNineThousandNineHundredNinetyNineDivideFirst) {
    CExParts part;
    part.SetWidth(100000);
    part.SetHeight(99999);
    ExPoint p{256, 256};
    part.ScalePoint(p);
    EXPECT_EQ(p.x, 49920);
    EXPECT_EQ(p.y, 49999);
}

TEST(ExPartsScale, PendingFactorsChangeTheSizeOncePerUpdate) {
    CExParts part;
    part.UpdateParts();
    EXPECT_EQ(part.GetWidth(), 50000);
    part.SetScaleX(1.5);
    part.SetScaleY(0.5);
    part.UpdateParts();
    EXPECT_EQ(part.GetWidth(), 75000);
    EXPECT_EQ(part.GetHeight(), 25000);
    part.UpdateParts();
    EXPECT_EQ(part.GetWidth(), 112500) << "factors stay until the caller resets them";
}

TEST(ExPartsRotate, NinetyDegreesTurnsCounterClockwise) {
    CExParts part;
    part.SetWidth(512);
    part.SetHeight(512);
    part.SetAngle(90);
    const std::string bytes = ShapeBuilder().Move(0, 0).Line(256, 0).Bytes();
    part.LoadShape(bytes.data(), static_cast<unsigned>(bytes.size()));
    part.UpdateParts();
    EXPECT_EQ(part.DrawLines()[0].viewEnd, (ExPoint{0, 256}));
    EXPECT_EQ(part.DrawLines()[0].scaledEnd, (ExPoint{256, 0}));
}

TEST(ExPartsUpdate, ViewPointsAreScaledRotatedConvertedAndPlaced) {
    CExHeadlessView view(100, 25, 25, 2540); // one pixel per view unit: no snapping
    ExActiveViewScope active(&view);
    CExParts part;
    LoadSquare(part);
    part.SetPosition(100000, 200000);
    part.UpdateParts();
    const CExPartsDrawLine& first = part.DrawLines()[0];
    EXPECT_EQ(first.scaledStart, (ExPoint{-25000, -25000}));
    EXPECT_EQ(first.viewStart, (ExPoint{-250 + 1000, -250 + 2000}));
    EXPECT_EQ(first.viewEnd, (ExPoint{250 + 1000, -250 + 2000}));
}

TEST(ExPartsUpdate, EveryKindPlacesItsLinesAlikeUpToTheEdgeOfTheRange) {
    CExHeadlessView view(1, 25, 25, 2540); // view units are drawing units
    ExActiveViewScope active(&view);
    const std::function<std::unique_ptr<CExParts>()> kinds[] = {
        [] { return std::make_unique<CExParts>(); },
        [] { return std::make_unique<CExGeneralParts>(); },
        [] { return std::make_unique<CExPillarParts>(); },
        [] { return std::make_unique<CExOuterWallParts>(); },
    };
    for (const auto& make : kinds) {
        auto part = make();
        LoadSquare(*part);
        part->SetWidth(512);
        part->SetHeight(512);
        part->SetPosition(INT_MAX - 100, 0);
        part->UpdateParts();
        const CExPartsDrawLine& bottom = part->DrawLines()[0];
        EXPECT_EQ(bottom.viewStart, (ExPoint{INT_MAX - 356, -256})) << part->GetRuntimeClassName();
        EXPECT_EQ(bottom.viewEnd, (ExPoint{INT_MAX, -256})) << part->GetRuntimeClassName();
    }
}

TEST(ExPartsUpdate, ViewUnitsSnapToThePixelGrid) {
    EXPECT_EQ(SnapToPixelGrid(250, 96), 238); // 9 pixels of 26.46 units
    EXPECT_EQ(SnapToPixelGrid(-250, 96), -238);
    EXPECT_EQ(SnapToPixelGrid(2540, 96), 2540);
}

class ExPartsFrameTest : public ::testing::Test {
protected:
    ExPartsFrameTest() : m_active(&m_view) {
        LoadSquare(m_part);
        m_part.SetPosition(100000, 100000);
        m_part.UpdateParts();
        m_part.RecalcParts();
    }

    CExHeadlessView m_view{100, 25, 25, 2540};
    ExActiveViewScope m_active;
    CExParts m_part;
};

TEST_F(ExPartsFrameTest, HandlesFollowTheBoundingBoxInHandleOrder) {
    const auto& h = m_part.HandlePoints();
    EXPECT_EQ(h[0], (ExPoint{1000, 1250})); // top middle
    EXPECT_EQ(h[1], (ExPoint{750, 1250}));  // top left
    EXPECT_EQ(h[2], (ExPoint{750, 1000}));  // left middle
    EXPECT_EQ(h[3], (ExPoint{750, 750}));   // bottom left
    EXPECT_EQ(h[4], (ExPoint{1000, 750}));  // bottom middle
    EXPECT_EQ(h[5], (ExPoint{1250, 750}));  // bottom right
    EXPECT_EQ(h[6], (ExPoint{1250, 1000})); // right middle
    EXPECT_EQ(h[7], (ExPoint{1250, 1250})); // top right
    EXPECT_EQ(h[8], (ExPoint{1000, 1700})) << "rotation handle 450 units above the top";
    EXPECT_EQ(m_part.CornerPoints()[0], (ExPoint{750, 1250}));
    EXPECT_EQ(m_part.CornerPoints()[2], (ExPoint{1250, 750}));
}

TEST_F(ExPartsFrameTest, HandleRectsFrameRegionHitRegionAndUpdateRect) {
    EXPECT_EQ(m_part.HandleRects()[0], (ExRect{895, 1145, 1105, 1355}));
    EXPECT_EQ(m_part.FramePoints()[0], (ExPoint{450, 1550}));
    EXPECT_EQ(m_part.FramePoints()[2], (ExPoint{1550, 450}));
    EXPECT_TRUE(m_part.HitRegion().PtInRegion({1000, 1000}));
    EXPECT_FALSE(m_part.HitRegion().PtInRegion({1300, 1000}));
    EXPECT_TRUE(m_part.FrameRegion().PtInRegion({1300, 1000}));
    EXPECT_EQ(m_part.GetUpdateRect(), (ExRect{150, 1850, 1850, 150}));
    EXPECT_EQ(m_part.GetExtentWidth(), 50000);
    EXPECT_EQ(m_part.GetExtentHeight(), 50000);
}

TEST_F(ExPartsFrameTest, RotationHandleTurnsWithThePart) {
    m_part.SetAngle(90);
    m_part.UpdateParts();
    m_part.RecalcParts();
    const auto& h = m_part.HandlePoints();
    EXPECT_EQ(h[0], (ExPoint{750, 1000})) << "top middle turned to the left";
    EXPECT_EQ(h[8], (ExPoint{300, 1000}));
}

TEST(ExPartsFrame, AreaCodeLeavesHandlesAndRegionsUntouched) {
    CExParts part;
    LoadSquare(part);
    part.SetPartsCode(excode::kArea);
    part.UpdateParts();
    part.RecalcParts();
    EXPECT_TRUE(part.HitRegion().IsEmpty());
    EXPECT_EQ(part.HandlePoints()[0], (ExPoint{}));
}

TEST(ExPartsFrame, PartWithoutLinesGetsAHarmlessFrameAtItsOrigin) {
    CExParts part;
    part.SetPosition(500, 700);
    part.RecalcParts();
    EXPECT_EQ(part.CornerPoints()[0], (ExPoint{500, 700}));
    EXPECT_EQ(part.HandlePoints()[8], (ExPoint{500, 1150}));
}

TEST(ExPartsVertices, EachLineStartIsAGripAndTheLastEndFollows) {
    CExParts part;
    LoadSquare(part);
    part.SetWidth(512);
    part.SetHeight(512);
    part.UpdateParts();
    EXPECT_EQ(part.CalcVertexHandles(), 1);
    EXPECT_EQ(part.GetVertexCount(), 4);
    ASSERT_GE(part.VertexPoints().size(), 5u);
    EXPECT_EQ(part.VertexPoints()[0], (ExPoint{-256, -256}));
    EXPECT_EQ(part.VertexPoints()[1], (ExPoint{256, -256}));
    EXPECT_EQ(part.VertexPoints()[4], (ExPoint{-256, -256}));
    EXPECT_EQ(part.VertexRects()[1], (ExRect{51, -461, 461, -51}));
    EXPECT_EQ(part.VertexRects()[4], (ExRect{-461, -461, -51, -51}))
        << "the point after the last line has a grip, for open lines";

    CExParts empty;
    EXPECT_EQ(empty.CalcVertexHandles(), 0);
}

TEST(ExPartsMoveOrigin, ShapeStaysWhereItWasWhileTheOriginMoves) {
    CExHeadlessView view(100, 25, 25, 2540);
    ExActiveViewScope active(&view);
    CExParts part;
    LoadSquare(part);
    part.SetPosition(100000, 100000);
    part.UpdateParts();
    part.SetNewOrigin({1100, 1000}); // view units: 10000 drawing units to the right
    part.MoveOrigin();
    EXPECT_EQ(part.GetPosition(), (ExPoint{110000, 100000}));
    EXPECT_EQ(part.DrawLines()[0].scaledStart, (ExPoint{-35000, -25000}));

    part.SetRotation(90);
    part.SetNewOrigin({1100, 1100});
    part.MoveOrigin();
    EXPECT_EQ(part.GetPosition(), (ExPoint{110000, 110000}));
    EXPECT_EQ(part.DrawLines()[0].scaledStart, (ExPoint{-45000, -25000}))
        << "a move up in the drawing is a move right in the frame turned by 90 degrees";
}

TEST(ExPartsMoveOrigin, TheTurnedStepIsRoundedNotCut) {
    CExHeadlessView view(100, 25, 25, 2540);
    ExActiveViewScope active(&view);
    for (const int rotation : {0, 360, 90}) {
        SCOPED_TRACE(rotation);
        CExParts part;
        LoadSquare(part);
        part.SetPosition(100000, 100000);
        part.UpdateParts();
        part.SetRotation(rotation);
        const ExPoint start = part.DrawLines()[0].scaledStart;
        part.SetNewOrigin({995, 2000}); // 500 units left, 100000 up
        part.MoveOrigin();
        const ExPoint moved = part.DrawLines()[0].scaledStart;
        const ExPoint expected = rotation == 90 ? ExPoint{start.x - 100000, start.y - 500}
                                                : start - ExPoint{-500, 100000};
        EXPECT_EQ(moved, expected);
    }
}

TEST(ExPartsSheet, OnlyPositionsOnTheSheetAreInTheDrawing) {
    CExHeadlessView view(100, 10, 5);
    ExActiveViewScope active(&view);
    CExParts part;
    part.SetPosition(1000000, 500000);
    EXPECT_EQ(part.IsInDrawing(), 1);
    part.SetPosition(1000001, 0);
    EXPECT_EQ(part.IsInDrawing(), 0);
    part.SetPosition(0, -1);
    EXPECT_EQ(part.IsInDrawing(), 0);
}

TEST(ExPartsCopy, CopiesTheListedFieldsAndAppendsLines) {
    CExParts source;
    LoadSquare(source);
    source.SetWidth(1234);
    source.SetHeight(5678);
    source.SetColor(0x123456);
    source.SetPartsCode(70101);
    source.SetPartsName("desk");
    source.SetPosition(1, 2);
    source.SetAngle(30);
    source.SetLineWidth(7);
    CExParts copy;
    LoadSquare(copy);
    copy.CopyParts(source);
    EXPECT_EQ(copy.GetWidth(), 1234);
    EXPECT_EQ(copy.GetHeight(), 5678);
    EXPECT_EQ(copy.GetColor(), 0x123456u);
    EXPECT_EQ(copy.GetPartsCode(), 70101);
    EXPECT_EQ(copy.GetPartsName(), "desk");
    EXPECT_EQ(copy.GetPosition(), (ExPoint{1, 2}));
    EXPECT_EQ(copy.GetAngle(), 30);
    EXPECT_EQ(copy.GetLineWidth(), 2) << "the pen is not copied";
    EXPECT_EQ(copy.DrawLines().size(), 8u);
}

TEST(ExPartsCategory, NamesByCategoryCode) {
    CExParts part;
    EXPECT_EQ(part.GetCategoryName(1), "\x8a\x4f\x95\xc7");
    EXPECT_EQ(part.GetCategoryName(16), "KARDO");
    EXPECT_EQ(part.GetCategoryName(17), "");
}

} // namespace

namespace {

TEST(ExPartsExtremes, CoordinatesAtTheInt32LimitsDoNotOverflow) {
    // Values like these only come from damaged files; they must be harmless, not meaningful.
    auto exercise = [] {
        CExParts part;
        LoadSquare(part);
        part.SetPosition(INT32_MIN, INT32_MAX);
        part.SetWidth(INT32_MAX);
        part.SetHeight(INT32_MIN);
        part.SetAngle(45);
        part.SetScaleX(1e300);
        part.UpdateParts();
        part.RecalcParts();
        part.CalcVertexHandles();
        part.SetNewOrigin({INT32_MAX, INT32_MIN});
        part.MoveOrigin();
        EXPECT_EQ(part.GetWidth(), INT32_MAX) << "a scaled size saturates";
    };
    exercise();
    CExHeadlessView view;
    ExActiveViewScope active(&view);
    exercise();
}

} // namespace
