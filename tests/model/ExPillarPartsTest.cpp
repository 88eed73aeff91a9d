#include "ExPillarParts.h"
#include "ExArchive.h"
#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "support/RecordIO.h"
#include "support/RecordingServices.h"
#include "support/ShapeBuilder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The library's 30 cm square pillar: a square spanning the whole 512 box.
std::unique_ptr<CExGeneralParts> SquarePillarItem() {
    auto item = std::make_unique<CExGeneralParts>();
    const std::string shape = ShapeBuilder().FullSquare().End().Bytes();
    item->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
    item->SetPartsCode(20102);
    item->SetColor(0x006E6E6E);
    item->SetWidth(30000);
    item->SetHeight(30000);
    return item;
}

TEST(PillarArea, ThirtyCentimetreSquareIsNineHundredMillionSquareUnits) {
    auto pillar = CExPillarParts::CreateFromLibrary(*SquarePillarItem(), {100000, 100000});
    EXPECT_DOUBLE_EQ(pillar->GetArea(), 900000000.0);
    EXPECT_EQ(pillar->GetPartsCode(), 20102);
    EXPECT_EQ(pillar->GetPosition(), (ExPoint{100000, 100000}));
}

TEST(PillarArea, TurningThePillarLeavesItsArea) {
    auto pillar = CExPillarParts::CreateFromLibrary(*SquarePillarItem(), {0, 0});
    pillar->SetAngle(45);
    pillar->UpdateParts();
    EXPECT_DOUBLE_EQ(pillar->GetArea(), 900000000.0);
    EXPECT_NEAR(pillar->DrawLines()[0].viewStart.x, 0, 1) << "the outline itself has turned";
    EXPECT_NEAR(pillar->DrawLines()[0].viewStart.y, -21213, 1);
}

TEST(PillarArea, DoublingTheWidthDoublesTheArea) {
    CExHeadlessView view(100, 25, 25);
    ExActiveViewScope active(&view);
    auto pillar = CExPillarParts::CreateFromLibrary(*SquarePillarItem(), {0, 0});
    pillar->SetScaleX(2.0);
    pillar->UpdateParts();
    pillar->SetScaleX(1.0);
    EXPECT_EQ(pillar->GetWidth(), 60000);
    EXPECT_EQ(pillar->DrawLines()[0].scaledEnd, (ExPoint{30000, -15000}));
    EXPECT_DOUBLE_EQ(pillar->GetArea(), 1800000000.0);
}

TEST(PillarArea, ScalingDoesNotNeedAView) {
    auto pillar = CExPillarParts::CreateFromLibrary(*SquarePillarItem(), {0, 0});
    pillar->SetScaleX(2.0);
    pillar->UpdateParts();
    pillar->SetScaleX(1.0);
    EXPECT_DOUBLE_EQ(pillar->GetArea(), 1800000000.0) << "size and outline stay together";
}

TEST(PillarArea, OutlinesOfManyCornersAreMeasuredWhole) {
    // A regular 100-gon of radius 200 shape units at size 512.
    ShapeBuilder shape;
    for (int i = 0; i <= 100; ++i) {
        const double a = i * 2 * 3.141592653589793 / 100;
        const int x = static_cast<int>(std::lround(200 * std::cos(a)));
        const int y = static_cast<int>(std::lround(200 * std::sin(a)));
        if (i == 0) {
            shape.Move(x, y);
        } else {
            shape.Line(x, y);
        }
    }
    shape.End();
    CExGeneralParts item;
    item.LoadShape(shape.Bytes().data(), static_cast<unsigned>(shape.Bytes().size()));
    item.SetWidth(512);
    item.SetHeight(512);
    auto pillar = CExPillarParts::CreateFromLibrary(item, {0, 0});
    ASSERT_EQ(pillar->DrawLines().size(), 100u);
    EXPECT_NEAR(pillar->GetArea(), 3.14159 * 200 * 200, 3.14159 * 200 * 200 * 0.002);
}

TEST(PillarArea, FewerThanThreeCornersHaveNoAreaAndNoLinesLeaveItUnchanged) {
    CExPillarParts pillar;
    EXPECT_EQ(pillar.CalcArea(), 0);
    const std::string shape = ShapeBuilder().Move(0, 0).Line(100, 100).Line(0, 0).End().Bytes();
    pillar.LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
    pillar.UpdateParts();
    EXPECT_EQ(pillar.GetArea(), 0.0);
}

TEST(PillarRecord, RecordIsNameVersionAndTheCommonRecordAndTheAreaComesBackOnUpdate) {
    auto pillar = CExPillarParts::CreateFromLibrary(*SquarePillarItem(), {250000, 250000});
    const std::string bytes = Store(*pillar);
    EXPECT_EQ(bytes.substr(0, 19), std::string("\x0f\0\0\0CExPillarParts\0", 19));
    EXPECT_EQ(bytes.size(), 19u + 4 + 37 + 4 * 48);

    auto loaded = Load(bytes);
    auto* loadedPillar = dynamic_cast<CExPillarParts*>(loaded.get());
    ASSERT_NE(loadedPillar, nullptr);
    EXPECT_EQ(loadedPillar->GetArea(), 0.0);
    EXPECT_EQ(Store(*loadedPillar), bytes);
    loadedPillar->UpdateParts();
    EXPECT_DOUBLE_EQ(loadedPillar->GetArea(), 900000000.0);
}

TEST(PillarRecord, LoadedPillarScalesItsOutlineAgainFromItsShapeAndStoredSize) {
    auto pillar = CExPillarParts::CreateFromLibrary(*SquarePillarItem(), {0, 0});
    std::string bytes = Store(*pillar);
    // Width 60000 in the file: the stored scaled points are not used.
    const std::size_t width = 19 + 4;
    bytes[width] = '\x60';
    bytes[width + 1] = '\xea';
    CExArchive in(bytes);
    in.ReadString();
    CExPillarParts loaded;
    loaded.Serialize(in);
    loaded.UpdateParts();
    EXPECT_EQ(loaded.GetWidth(), 60000);
    EXPECT_DOUBLE_EQ(loaded.GetArea(), 1800000000.0);
}

TEST(PillarCopy, CopyHasTheSameOutlineAndArea) {
    auto pillar = CExPillarParts::CreateFromLibrary(*SquarePillarItem(), {0, 0});
    pillar->SetScaleY(1.5);
    pillar->UpdateParts();
    pillar->SetScaleY(1.0);
    auto copy = CExPillarParts::CreateCopy(*pillar);
    EXPECT_EQ(copy->GetArea(), pillar->GetArea());
    copy->UpdateParts();
    EXPECT_EQ(copy->DrawLines(), pillar->DrawLines());
    EXPECT_EQ(copy->GetArea(), pillar->GetArea());
}

} // namespace
