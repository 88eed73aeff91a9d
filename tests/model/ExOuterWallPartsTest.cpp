#include "ExOuterWallParts.h"
#include "ExArchive.h"
#include "ExException.h"
#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "ExKindIndex.h"
#include "support/RecordIO.h"
#include "support/RecordingDC.h"
#include "support/RecordingServices.h"
#include "support/ShapeBuilder.h"
#include "support/WallBuilder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::int32_t Int32At(const std::string& bytes, std::size_t offset) {
    std::int32_t value;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

// A library wall: the square shape of a 10 m building.
std::unique_ptr<CExGeneralParts> LibrarySquare() {
    auto item = std::make_unique<CExGeneralParts>();
    const std::string shape = ShapeBuilder().FullSquare().End().Bytes();
    item->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
    item->SetPartsCode(10104);
    item->SetPartsName("\x90\xb3\x95\xfb\x8c\x60"); // 正方形
    item->SetColor(0x00504646);
    item->SetWidth(1000000);
    item->SetHeight(1000000);
    return item;
}

TEST(OuterWallRecord, LayoutIsNameVersionThicknessRotationThenTheCommonRecord) {
    auto wall = WallAlong(Chain({{0, 0}, {100000, 0}, {0, 100000}, {0, 0}}), 15000);
    wall->SetRotation(30);
    const std::string bytes = Store(*wall);
    ASSERT_EQ(Int32At(bytes, 0), 18);
    EXPECT_EQ(bytes.substr(4, 18), std::string("CExOuterWallParts\0", 18));
    EXPECT_EQ(Int32At(bytes, 22), 100);
    EXPECT_EQ(Int32At(bytes, 26), 15000);
    EXPECT_EQ(Int32At(bytes, 30), 30);
    EXPECT_EQ(Int32At(bytes, 34), 50000) << "the common record starts with the width";
    EXPECT_EQ(bytes.size(), 34u + 37 + 3 * 48);
}

TEST(OuterWallRecord, WriteReadWriteGivesTheSameBytesAndTheSameOutline) {
    RecordingServices services;
    CExHeadlessView view(50, 25, 25);
    ExActiveViewScope active(&view);
    auto wall = CExOuterWallParts::CreateFromLibrary(*LibrarySquare(), {600000, 700000});
    wall->SetRotation(15);
    wall->UpdateParts();
    const std::string first = Store(*wall);

    auto loaded = Load(first);
    ASSERT_NE(loaded, nullptr);
    auto* loadedWall = dynamic_cast<CExOuterWallParts*>(loaded.get());
    ASSERT_NE(loadedWall, nullptr);
    EXPECT_EQ(loadedWall->GetThickness(), 15000);
    EXPECT_EQ(loadedWall->GetRotation(), 15);
    EXPECT_TRUE(loadedWall->GetLinesScaled());
    EXPECT_EQ(Store(*loadedWall), first);
    loadedWall->UpdateParts();
    EXPECT_EQ(loadedWall->RightLines(), wall->RightLines());
    EXPECT_EQ(loadedWall->LeftLines(), wall->LeftLines());
}

TEST(OuterWallRecord, LoadedWallKeepsItsStoredScaledLinesAndDoesNotScaleThemAgain) {
    // Stored scaled points that the shape and size would not give: they must survive.
    auto wall = WallAlong(Chain({{-300000, 0}, {300000, 0}, {0, 450000}, {-300000, 0}}), 12000);
    wall->SetWidth(512);
    wall->SetHeight(512);
    auto loaded = Load(Store(*wall));
    loaded->UpdateParts();
    EXPECT_EQ(loaded->DrawLines()[1].scaledEnd, (ExPoint{0, 450000}));
}

TEST(OuterWallRecord, EveryTruncationFailsWithOneMessage) {
    auto wall = WallAlong(Chain({{0, 0}, {100000, 0}, {0, 100000}, {0, 0}}), 15000);
    const std::string bytes = Store(*wall);
    for (std::size_t length = 22; length < bytes.size(); ++length) {
        RecordingServices services;
        const std::string truncated = bytes.substr(0, length);
        CExArchive in(truncated);
        in.ReadString();
        CExOuterWallParts loaded;
        EXPECT_THROW(loaded.Serialize(in), CExException) << "length " << length;
        ASSERT_EQ(services.Messages().size(), 1u);
        EXPECT_EQ(services.Messages()[0].text, "ファイル読み込みに失敗しました");
    }
}

TEST(OuterWallRecord, WriteFailureShowsTheSaveMessage) {
    RecordingServices services;
    auto wall = WallAlong(Chain({{0, 0}, {100000, 0}}), 15000);
    CExArchive out;
    out.SetWriteLimit(26);
    EXPECT_THROW(wall->Serialize(out), CExException);
    ASSERT_EQ(services.Messages().size(), 1u);
    EXPECT_EQ(services.Messages()[0].text, "ファイル保存に失敗しました");
}

TEST(OuterWallCreation, LibraryDropTakesTheItemAndTheOuterWallThickness) {
    RecordingServices services;
    services.Defaults().outerWallThicknessCm = 20;
    const auto item = LibrarySquare();
    auto wall = CExOuterWallParts::CreateFromLibrary(*item, {1200000, 800000});
    EXPECT_EQ(wall->GetPartsCode(), 10104);
    EXPECT_EQ(wall->GetPartsName(), item->GetPartsName());
    EXPECT_EQ(wall->GetPosition(), (ExPoint{1200000, 800000}));
    EXPECT_EQ(wall->GetWidth(), 1000000);
    EXPECT_EQ(wall->GetColor(), 0x00504646u);
    EXPECT_EQ(wall->GetThickness(), 20000);
    EXPECT_EQ(wall->GetRedrawFlag(), 1);
    EXPECT_FALSE(wall->GetLinesScaled());
    ASSERT_EQ(wall->DrawLines().size(), 4u);

    wall->UpdateParts();
    // 1000000 / 512 * 256: the divide-first scaling of large sizes.
    EXPECT_EQ(wall->DrawLines()[1].scaledEnd, (ExPoint{499968, 499968}));
    EXPECT_EQ(wall->RightLines()[0].viewStart, (ExPoint{499968 + 10000, -499968 - 10000}));
}

TEST(OuterWallCreation, ItemWithoutASizeLeavesTheDefaultSize) {
    auto item = LibrarySquare();
    item->SetHeight(0);
    auto wall = CExOuterWallParts::CreateFromLibrary(*item, {0, 0});
    EXPECT_EQ(wall->GetWidth(), 50000);
    EXPECT_EQ(wall->GetHeight(), 50000);
}

TEST(OuterWallCopy, CopyHasTheSameOutlineWithoutScalingAgain) {
    auto wall = CExOuterWallParts::CreateFromLibrary(*LibrarySquare(), {1200000, 800000});
    wall->SetRotation(45);
    wall->UpdateParts();
    auto copy = CExOuterWallParts::CreateCopy(*wall);
    EXPECT_EQ(copy->GetThickness(), wall->GetThickness());
    EXPECT_EQ(copy->GetRotation(), 45);
    EXPECT_EQ(copy->GetPartsCode(), 10104);
    EXPECT_EQ(copy->DrawLines(), wall->DrawLines());
    copy->UpdateParts();
    EXPECT_EQ(copy->RightLines(), wall->RightLines());
}

TEST(OuterWallDrawing, DrawsBothOutlinesLineByLineAndNotTheCentreLine) {
    auto wall = WallAlong(Chain({{-100000, 100000},
                                 {-100000, -100000},
                                 {100000, -100000},
                                 {100000, 100000},
                                 {-100000, 100000}}),
                          15000);
    wall->SetColor(0x0000FF);
    wall->SetLineWidth(7);
    wall->UpdateParts();
    RecordingDC dc;
    EXPECT_EQ(wall->DrawParts(&dc), 1);
    ASSERT_EQ(dc.Calls().size(), 8u);
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& right = dc.Calls()[2 * i];
        const auto& left = dc.Calls()[2 * i + 1];
        EXPECT_EQ(right.op, "Polyline");
        EXPECT_EQ(right.pen, (ExPen{kPenSolid, 2, 0x0000FF}));
        EXPECT_EQ(right.points[0], wall->RightLines()[i].viewStart);
        EXPECT_EQ(left.points[1], wall->LeftLines()[i].viewEnd);
    }
    EXPECT_EQ(dc.CurrentPen(), ExPen{}) << "the previous pen is put back";
}

TEST(OuterWallDrawing, NothingToDrawWithoutLinesOrSurface) {
    CExOuterWallParts wall;
    wall.UpdateParts();
    RecordingDC dc;
    EXPECT_EQ(wall.DrawParts(&dc), 0);
    EXPECT_TRUE(dc.Calls().empty());
    EXPECT_EQ(wall.DrawParts(nullptr), 0);
}

TEST(OuterWallKind, TheKindIndexCreatesOuterWalls) {
    auto element = CreateElementOfKind(KindOfClassName("CExOuterWallParts"));
    ASSERT_NE(dynamic_cast<CExOuterWallParts*>(element.get()), nullptr);
    EXPECT_STREQ(element->GetRuntimeClassName(), "CExOuterWallParts");
}

} // namespace
