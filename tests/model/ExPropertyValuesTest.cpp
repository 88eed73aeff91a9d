#include "ExPropertyValues.h"
#include "ExHeadlessView.h"
#include "support/PlacedParts.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

const ExSheetSize kSheet{25, 20}; // 2500 cm x 2000 cm

class PropertyValuesTest : public ::testing::Test {
protected:
    RecordingServices m_services;
    CExHeadlessView m_view{100, kSheet.widthM, kSheet.heightM, 2540};
    ExActiveViewScope m_active{&m_view};
    CKORVANEXDoc m_doc;
};

TEST(DialogAngle, EveryStoredAngleIsShownWithinOneTurn) {
    const struct {
        int stored;
        int shown;
    } cases[] = {{-10, 350}, {0, 0}, {359, 359}, {360, 0}, {725, 5}, {-370, 350}, {-90, 270}};
    for (const auto& c : cases) {
        EXPECT_EQ(DialogAngle(c.stored), c.shown) << c.stored;
    }
}

TEST(SheetSize, CentimetresStayConvertibleToDrawingUnits) {
    EXPECT_EQ(kSheet.WidthCm(), 2500);
    EXPECT_EQ(kSheet.HeightCm(), 2000);
    EXPECT_EQ((ExSheetSize{INT_MAX, -5}).WidthCm(), INT_MAX / 1000);
    EXPECT_EQ((ExSheetSize{INT_MAX, -5}).HeightCm(), 0);
}

TEST_F(PropertyValuesTest, WallShowsCentimetresAndItsRotation) {
    CExOuterWallParts* wall = AddWall(m_doc, {500000, 400000}, 100000, 15000, -10);
    const ExWallValues values = ExWallValues::FromPart(*wall);
    EXPECT_EQ(values.category, "\x8a\x4f\x95\xc7"); // 外壁
    EXPECT_EQ(values.angle, 350);
    EXPECT_EQ(values.centreX, 500);
    EXPECT_EQ(values.centreY, 400);
    EXPECT_EQ(values.width, 200);
    EXPECT_EQ(values.height, 200);
    EXPECT_EQ(values.thickness, 15);
}

TEST_F(PropertyValuesTest, WallTakesRotationThicknessCentreCutToTheSheetAndNewSize) {
    CExOuterWallParts* wall = AddWall(m_doc, {500000, 400000}, 100000, 15000);
    ExWallValues values = ExWallValues::FromPart(*wall);
    values.angle = 30;
    values.centreX = 3000;
    values.centreY = 450;
    values.width = 400;
    values.height = 100;
    values.thickness = 20;
    values.ApplyTo(*wall, kSheet);
    EXPECT_EQ(wall->GetRotation(), 30);
    EXPECT_EQ(wall->GetAngle(), 0);
    EXPECT_EQ(wall->GetThickness(), 20000);
    EXPECT_EQ(wall->GetPosition(), (ExPoint{2500000, 450000}));
    EXPECT_EQ(wall->GetExtentWidth(), 400000);
    EXPECT_EQ(wall->GetExtentHeight(), 100000);
    EXPECT_EQ(wall->GetScale(0), 1.0);
    EXPECT_EQ(wall->GetScale(1), 1.0);
}

TEST_F(PropertyValuesTest, RoomModeFollowsThePartsCode) {
    const struct {
        int code;
        int mode;
    } cases[] = {{30106, ExRoomValues::kShapeOnly}, {30102, ExRoomValues::kFloorGrid},
                 {30104, ExRoomValues::kFloorGrid}, {30150, ExRoomValues::kFloorGrid},
                 {30203, ExRoomValues::kTatami},    {30206, ExRoomValues::kTatami},
                 {31000, ExRoomValues::kTatami}};
    for (const auto& c : cases) {
        EXPECT_EQ(ExRoomValues::RoomMode(c.code), c.mode) << c.code;
    }
}

TEST_F(PropertyValuesTest, SixMatRoomShowsItsWallsAndMats) {
    CExRoomParts* room = AddRoom(m_doc, 30203, {600000, 600000});
    const ExRoomValues values = ExRoomValues::FromPart(*room);
    EXPECT_EQ(values.mode, ExRoomValues::kTatami);
    EXPECT_EQ(values.width, 282);
    EXPECT_EQ(values.height, 372);
    EXPECT_EQ(values.thickness, 12);
    EXPECT_EQ(values.matWidth, 90);
    EXPECT_EQ(values.matLength, 180);
    EXPECT_EQ(values.tileWidth, 0) << "one unit, the size no grid uses";
}

TEST_F(PropertyValuesTest, TatamiRoomTakesMatsButKeepsItsTiles) {
    CExRoomParts* room = AddRoom(m_doc, 30203, {600000, 600000});
    ExRoomValues values = ExRoomValues::FromPart(*room);
    values.matWidth = 85;
    values.matLength = 170;
    values.tileWidth = 50;
    values.thickness = 10;
    values.ApplyTo(*room, kSheet);
    EXPECT_EQ(room->GetMatWidth(), 85000);
    EXPECT_EQ(room->GetMatLength(), 170000);
    EXPECT_EQ(room->GetTileWidth(), 1);
    EXPECT_EQ(room->GetThickness(), 10000);
}

TEST_F(PropertyValuesTest, FlooringRoomTakesTilesButKeepsItsMats) {
    CExRoomParts* room = AddRoom(m_doc, 30102, {600000, 600000});
    ExRoomValues values = ExRoomValues::FromPart(*room);
    EXPECT_EQ(values.mode, ExRoomValues::kFloorGrid);
    EXPECT_EQ(values.tileWidth, 30);
    EXPECT_EQ(values.tileLength, 100);
    values.tileWidth = 50;
    values.tileLength = 40;
    values.matWidth = 10;
    values.ApplyTo(*room, kSheet);
    EXPECT_EQ(room->GetTileWidth(), 50000);
    EXPECT_EQ(room->GetTileLength(), 40000);
    EXPECT_EQ(room->GetMatWidth(), 90000);
}

TEST_F(PropertyValuesTest, PartShowsItsNegativeAngleAsOneTurnMore) {
    CExGeneralParts* part = AddGeneralPart(m_doc, {300000, 300000}, 80000, -10);
    const ExPartValues values = ExPartValues::FromPart(*part);
    EXPECT_EQ(values.name, "item");
    EXPECT_EQ(values.category, "\x83\x49\x83\x74\x83\x42\x83\x58\x90\xdd\x94\xf5"); // オフィス設備
    EXPECT_EQ(values.angle, 350);
    EXPECT_EQ(values.centreX, 300);
    EXPECT_EQ(values.width, 80);
    EXPECT_EQ(values.color, 0x00405060u);
}

// Sizes are checked as the part holds them: shapes of parts over a metre are scaled with a
// coarser step, so their extent is not a whole number of centimetres.
TEST_F(PropertyValuesTest, PartTakesCentimetresTimesAThousandCutToTheSheet) {
    CExGeneralParts* part = AddGeneralPart(m_doc, {300000, 300000}, 80000);
    ExPartValues values = ExPartValues::FromPart(*part);
    values.angle = 45;
    values.centreX = 400;
    values.centreY = 9999;
    values.width = 60;
    values.height = 5000;
    values.color = 0x00112233;
    values.ApplyTo(*part, kSheet);
    EXPECT_EQ(part->GetAngle(), 45);
    EXPECT_EQ(part->GetPosition(), (ExPoint{400000, 2000000}));
    EXPECT_EQ(part->GetWidth(), 60000);
    EXPECT_EQ(part->GetExtentWidth(), 60000);
    EXPECT_EQ(part->GetHeight(), 2000000);
    EXPECT_EQ(part->GetColor(), 0x00112233u);
    EXPECT_EQ(part->GetScale(0), 1.0);
}

TEST_F(PropertyValuesTest, PartBelowOneCentimetreIsScaledFromItsExactSize) {
    CExGeneralParts* part = AddGeneralPart(m_doc, {300000, 300000}, 500);
    ExPartValues values = ExPartValues::FromPart(*part);
    EXPECT_EQ(values.width, 0);
    values.width = 1;
    values.height = 2;
    values.ApplyTo(*part, kSheet);
    EXPECT_EQ(part->GetExtentWidth(), 1000);
    EXPECT_EQ(part->GetExtentHeight(), 2000);
}

TEST_F(PropertyValuesTest, ResizedPillarRecomputesItsArea) {
    CExPillarParts* pillar = AddPillar(m_doc, {300000, 300000}, 30000);
    EXPECT_DOUBLE_EQ(pillar->GetArea(), 900000000.0);
    ExPartValues values = ExPartValues::FromPart(*pillar);
    values.width = 60;
    values.ApplyTo(*pillar, kSheet);
    EXPECT_DOUBLE_EQ(pillar->GetArea(), 1800000000.0);
}

TEST_F(PropertyValuesTest, ImageTakesPlacementAndSize) {
    CExImageParts* image = AddImage(m_doc, {200000, 200000}, 100000, 50000);
    ExImageValues values = ExImageValues::FromPart(*image);
    EXPECT_EQ(values.category, "\x89\xe6\x91\x9c"); // 画像
    EXPECT_EQ(values.width, 100);
    EXPECT_EQ(values.height, 50);
    values.width = 200;
    values.angle = 90;
    values.centreX = 250;
    values.ApplyTo(*image, kSheet);
    EXPECT_EQ(image->GetExtentWidth(), 200000);
    EXPECT_EQ(image->GetExtentHeight(), 50000);
    EXPECT_EQ(image->GetAngle(), 90);
    EXPECT_EQ(image->GetPosition(), (ExPoint{250000, 200000}));
}

TEST_F(PropertyValuesTest, TextShowsTheWidthOfItsWholeLine) {
    CExStringParts* text = AddText(m_doc, "ABC", {200000, 200000}, 50000, 40000);
    const ExTextValues values = ExTextValues::FromPart(*text);
    EXPECT_EQ(values.name, "ABC");
    EXPECT_EQ(values.category, "\x95\xb6\x8e\x9a"); // 文字
    EXPECT_EQ(values.width, 75) << "three bytes of half a 50 cm character";
    EXPECT_EQ(values.height, 40);
    EXPECT_EQ(values.strokeWidth, CExStringParts::kStrokeNormal);
}

TEST_F(PropertyValuesTest, TextLineWidthBecomesItsCharacterWidth) {
    CExStringParts* text = AddText(m_doc, "ABC", {200000, 200000}, 50000, 40000);
    ExTextValues values = ExTextValues::FromPart(*text);
    values.width = 150;
    values.height = 60;
    values.strokeWidth = CExStringParts::kStrokeThin;
    values.angle = 10;
    values.ApplyTo(*text, kSheet);
    EXPECT_EQ(text->GetWidth(), 100000);
    EXPECT_EQ(text->GetHeight(), 60000);
    EXPECT_EQ(text->GetLineWidth(), CExStringParts::kStrokeThin);
    EXPECT_EQ(text->GetAngle(), 10);
}

TEST_F(PropertyValuesTest, UnchangedLineKeepsAnOddCharacterWidth) {
    CExStringParts* text = AddText(m_doc, "ABC", {200000, 200000}, 51000, 40000);
    ExTextValues values = ExTextValues::FromPart(*text);
    EXPECT_EQ(values.width, 75);
    values.angle = 20;
    values.strokeWidth = 45; // not one the dialog offers: the stroke stays
    values.ApplyTo(*text, kSheet);
    EXPECT_EQ(text->GetWidth(), 51000);
    EXPECT_EQ(text->GetLineWidth(), CExStringParts::kStrokeNormal);
}

TEST_F(PropertyValuesTest, CableShowsItsLengthWithTheCorrection) {
    CExWiringParts* cable = AddCable(m_doc, {{0, 0}, {100000, 0}, {100000, 50000}}, 40);
    ExCableValues values = ExCableValues::FromPart(*cable);
    EXPECT_EQ(values.category, "\x93\x64\x8c\xb9\x81\x45\x83\x5a\x83\x93\x83\x54\x81\x5b\x97\xde");
    EXPECT_EQ(values.plainLength, 150);
    EXPECT_EQ(values.heightCorrection, 40);
    EXPECT_EQ(values.LengthText(), "1.90");
    values.heightCorrection = 1000;
    EXPECT_EQ(values.LengthText(), "11.50");
}

TEST_F(PropertyValuesTest, CableTakesCorrectionPenAndColour) {
    CExWiringParts* cable = AddCable(m_doc, {{0, 0}, {100000, 0}, {100000, 50000}}, 40);
    ExCableValues values = ExCableValues::FromPart(*cable);
    values.heightCorrection = 1500;
    values.lineWidth = 80;
    values.lineStyle = 3;
    values.color = 0x0000FF00;
    values.ApplyTo(*cable);
    EXPECT_EQ(cable->GetHeightCorrection(), 1000);
    EXPECT_EQ(cable->GetTotalLength(), 1150);
    EXPECT_EQ(cable->GetLineWidth(), 80);
    EXPECT_EQ(cable->GetLineStyle(), 3);
    EXPECT_EQ(cable->GetColor(), 0x0000FF00u);
}

} // namespace
