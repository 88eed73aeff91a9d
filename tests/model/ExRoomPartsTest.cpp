#include "ExRoomParts.h"
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

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

const std::string kWashitsu = "\x98\x61\x8e\xba"; // 和室

struct Box {
    int minX = INT_MAX, minY = INT_MAX, maxX = INT_MIN, maxY = INT_MIN;
    void Add(ExPoint p) {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
    }
};

Box ScaledBox(const std::vector<CExPartsDrawLine>& lines) {
    Box box;
    for (const CExPartsDrawLine& line : lines) {
        box.Add(line.scaledStart);
        box.Add(line.scaledEnd);
    }
    return box;
}

// A library room item with a rectangle outline, as the parts library supplies it.
std::unique_ptr<CExGeneralParts> LibraryRoom(int code, int size = 400000) {
    auto item = std::make_unique<CExGeneralParts>();
    const std::string shape = ShapeBuilder()
                                  .Move(-256, -192)
                                  .Line(256, -192)
                                  .Line(256, 192)
                                  .Line(-256, 192)
                                  .Line(-256, -192)
                                  .End()
                                  .Bytes();
    item->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
    item->SetPartsCode(code);
    item->SetPartsName("room");
    item->SetColor(0x00506478);
    item->SetWidth(size);
    item->SetHeight(size);
    return item;
}

std::unique_ptr<CExRoomParts> NewSixMatRoom() {
    RecordingServices services; // the default drawing settings
    return CExRoomParts::CreateFromLibrary(*LibraryRoom(30203), {500000, 500000});
}

TEST(NewRoom, SixMatRoomLaysItsMatsAndRaisesItsWallsAroundThem) {
    auto room = NewSixMatRoom();
    EXPECT_EQ(room->GetThickness(), 12000);
    EXPECT_EQ(room->GetMatWidth(), 90000);
    EXPECT_EQ(room->GetMatLength(), 180000);
    EXPECT_TRUE(room->DrawLines().empty()) << "the walls come with the first update";
    room->UpdateParts();

    EXPECT_EQ(room->GetLayoutType(), 6);
    EXPECT_EQ(room->GetPartsName(), kWashitsu);
    EXPECT_EQ(room->MatLines().size(), 17u);
    const Box mats = ScaledBox(room->MatLines());
    EXPECT_EQ(mats.minX, -135000);
    EXPECT_EQ(mats.maxX, 135000);
    EXPECT_EQ(mats.minY, -180000);
    EXPECT_EQ(mats.maxY, 180000);

    EXPECT_EQ(ScaledStarts(room->DrawLines()),
              (std::vector<ExPoint>{
                  {-141000, 186000}, {-141000, -186000}, {141000, -186000}, {141000, 186000}}));
    EXPECT_EQ(room->DrawLines()[3].scaledEnd, (ExPoint{-141000, 186000}));
    EXPECT_EQ(room->GetWidth(), 282000);
    EXPECT_EQ(room->GetHeight(), 372000);
    // Traced counter-clockwise: the left outline is the inner face, touching the mats.
    EXPECT_EQ(Corners(room->LeftLines())[0], (ExPoint{-135000, -180000}));
    EXPECT_EQ(Corners(room->RightLines())[0], (ExPoint{-147000, -192000}));
}

TEST(NewRoom, EachTatamiCodeGivesItsArrangementAndName) {
    const int kTypes[][2] = {{30202, 5}, {30203, 6}, {30204, 7}, {30205, 8}, {30206, 9}};
    for (const auto& [code, type] : kTypes) {
        RecordingServices services;
        auto room = CExRoomParts::CreateFromLibrary(*LibraryRoom(code), {0, 0});
        room->UpdateParts();
        EXPECT_EQ(room->GetLayoutType(), type) << code;
        EXPECT_EQ(room->GetPartsName(), kWashitsu);
    }
}

TEST(NewRoom, RoomWhoseCodeHasNoFloorOfItsOwnStillGetsWallsAtItsSize) {
    RecordingServices services;
    auto room = CExRoomParts::CreateFromLibrary(*LibraryRoom(30101, 400000), {0, 0});
    room->UpdateParts();
    EXPECT_EQ(room->GetPartsName(), "room");
    EXPECT_EQ(ScaledStarts(room->DrawLines()),
              (std::vector<ExPoint>{
                  {-200000, 200000}, {-200000, -200000}, {200000, -200000}, {200000, 200000}}));
    // 388 cm inside: eight mats (360 x 360) are the largest arrangement that fits.
    EXPECT_EQ(room->GetLayoutType(), 7);
}

TEST(NewRoom, LibraryShapedRoomFollowsItsShapeWithoutAFloor) {
    RecordingServices services;
    CExGeneralParts item;
    const std::string shape = ShapeBuilder()
                                  .Move(-256, -256)
                                  .Line(256, -256)
                                  .Line(256, 0)
                                  .Line(0, 0)
                                  .Line(0, 256)
                                  .Line(-256, 256)
                                  .Line(-256, -256)
                                  .End()
                                  .Bytes();
    item.LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
    item.SetPartsCode(30106);
    item.SetWidth(51200);
    item.SetHeight(51200);
    auto room = CExRoomParts::CreateFromLibrary(item, {0, 0});
    ASSERT_EQ(room->DrawLines().size(), 6u);
    room->UpdateParts();
    EXPECT_EQ(room->GetLayoutType(), CExRoomParts::kLayoutLibraryShape);
    EXPECT_TRUE(room->MatLines().empty());
    EXPECT_EQ(room->DrawLines()[1].scaledEnd, (ExPoint{25600, 0}));
    EXPECT_EQ(room->RightLines().size(), 6u);

    room->SetScaleX(2.0);
    room->UpdateParts();
    EXPECT_EQ(room->GetLayoutType(), CExRoomParts::kLayoutLibraryShape);
    EXPECT_EQ(room->DrawLines()[1].scaledEnd, (ExPoint{51200, 0}));
}

TEST(ResizedRoom, SixMatRoomShrunkBelowItsHeightBecomesFourAndAHalfMats) {
    auto room = NewSixMatRoom();
    room->UpdateParts();
    room->SetScaleY(0.9); // 360 cm inside becomes 322.8 cm; 270 cm across is kept
    room->UpdateParts();
    room->SetScaleY(1.0);
    EXPECT_EQ(room->GetHeight(), 334800);
    EXPECT_EQ(room->GetLayoutType(), 5);
    EXPECT_EQ(room->MatLines().size(), 16u);
    EXPECT_EQ(room->DrawLines()[0].scaledStart, (ExPoint{-141000, 167400}));
}

TEST(ResizedRoom, EnlargedRoomGrowsIntoLargerArrangementsAndFinallyAMatGrid) {
    auto room = NewSixMatRoom();
    room->UpdateParts();
    room->SetScaleX(1.4); // 382.8 cm across, 360 cm along: eight mats
    room->UpdateParts();
    room->SetScaleX(1.0);
    EXPECT_EQ(room->GetLayoutType(), 7);
    room->SetScaleX(2.0);
    room->SetScaleY(3.0);
    room->UpdateParts();
    EXPECT_EQ(room->GetLayoutType(), 10);
}

TEST(ResizedRoom, RoomSmallerThanOneMatHasWallsOnly) {
    auto room = NewSixMatRoom();
    room->UpdateParts();
    room->SetScaleX(0.25);
    room->SetScaleY(0.25);
    room->UpdateParts();
    EXPECT_EQ(room->GetLayoutType(), 0);
    EXPECT_TRUE(room->MatLines().empty());
    RecordingDC dc;
    EXPECT_EQ(room->DrawParts(&dc), 0) << "nothing of a floor was drawn";
    EXPECT_EQ(dc.Calls().size(), 8u) << "but both faces of the four walls were";
}

TEST(RoomGeometry, FloorTurnsAndMovesWithTheWalls) {
    CExHeadlessView view(100, 25, 25, 0);
    ExActiveViewScope active(&view);
    auto room = NewSixMatRoom();
    room->SetRotation(90);
    room->UpdateParts();
    // Before turning, the mats' top-left corner is (-135000, 180000); a quarter turn takes it
    // to (-180000, -135000), then 1/100 and the position (5000, 5000) in view units.
    EXPECT_NEAR(room->LayoutCorners()[0].x, 5000 - 1800, 1);
    EXPECT_NEAR(room->LayoutCorners()[0].y, 5000 - 1350, 1);
    const CExPartsDrawLine& first = room->MatLines()[0];
    EXPECT_NEAR(first.viewStart.x, 5000 - first.scaledStart.y / 100, 1);
    EXPECT_NEAR(first.viewStart.y, 5000 + first.scaledStart.x / 100, 1);
}

TEST(RoomGeometry, FloorReachingBeyondTheWallsStaysInsideTheFrameAndTheExtent) {
    // Mats of 150 x 180 cm are shorter than twice their width: the six-mat arrangement then
    // reaches 240 cm below the centre while the walls stop at 186 cm.
    CExRoomParts room;
    room.SetPartsCode(30101);
    room.SetMatWidth(150000);
    room.SetMatLength(180000);
    room.SetThickness(12000);
    room.SetWidth(342000);
    room.SetHeight(372000);
    room.UpdateParts();
    room.RecalcParts();
    ASSERT_EQ(room.GetLayoutType(), 6);
    EXPECT_EQ(room.CornerPoints()[3], (ExPoint{-195000, -240000}));
    EXPECT_EQ(room.GetExtentWidth(), 195000 + 195000 - 12000);
    EXPECT_EQ(room.GetExtentHeight(), 240000 + 186000 - 12000);

    CExRoomParts inside;
    inside.SetPartsCode(30101);
    inside.SetMatWidth(90000);
    inside.SetMatLength(180000);
    inside.SetThickness(12000);
    inside.SetWidth(342000);
    inside.SetHeight(372000);
    inside.UpdateParts();
    inside.RecalcParts();
    EXPECT_EQ(inside.GetExtentWidth(), 342000);
    EXPECT_EQ(inside.GetExtentHeight(), 372000);
    EXPECT_EQ(inside.CornerPoints()[3], (ExPoint{-177000, -192000}));
}

TEST(RoomDrawing, WallsFirstThenTheFloorWithTheSamePen) {
    auto room = NewSixMatRoom();
    room->SetColor(0x123456);
    room->UpdateParts();
    RecordingDC dc;
    EXPECT_EQ(room->DrawParts(&dc), 1);
    ASSERT_EQ(dc.Calls().size(), 8u + 17u);
    EXPECT_EQ(dc.Calls()[0].points[0], room->RightLines()[0].viewStart);
    EXPECT_EQ(dc.Calls()[8].points[0], room->MatLines()[0].viewStart);
    EXPECT_EQ(dc.Calls()[24].pen, (ExPen{kPenSolid, 2, 0x123456}));
}

TEST(RoomDrawing, ThumbnailIsTheLibraryShape) {
    auto room = NewSixMatRoom();
    room->UpdateParts();
    RecordingDC dc;
    EXPECT_EQ(room->CreateThumbnail(&dc, 64, 64), 1);
    ASSERT_EQ(dc.Calls().size(), 4u);
    EXPECT_EQ(dc.Calls()[0].points[0], (ExPoint{0, 56})); // (-256, -192) in a 64 box
}

TEST(RoomRecord, LayoutOfTheRecord) {
    auto room = NewSixMatRoom();
    room->SetRotation(90);
    room->UpdateParts();
    const std::string bytes = Store(*room);
    auto at = [&](std::size_t offset) {
        std::int32_t value;
        std::memcpy(&value, bytes.data() + offset, 4);
        return value;
    };
    EXPECT_EQ(bytes.substr(4, 13), std::string("CExRoomParts\0", 13));
    EXPECT_EQ(at(17), 100);
    EXPECT_EQ(at(21), 17);
    EXPECT_EQ(at(25), room->MatLines()[0].scaledStart.x);
    const std::size_t shape = 25 + 17 * 16;
    EXPECT_EQ(at(shape), 4);
    EXPECT_EQ(at(shape + 4), -256);
    const std::size_t fields = shape + 4 + 4 * 16;
    EXPECT_EQ(at(fields), 12000);
    EXPECT_EQ(at(fields + 4), 6);
    EXPECT_EQ(at(fields + 8), 90000);
    EXPECT_EQ(at(fields + 12), 180000);
    EXPECT_EQ(at(fields + 16), 1);
    EXPECT_EQ(at(fields + 20), 1);
    EXPECT_EQ(at(fields + 24), 90);
    EXPECT_EQ(at(fields + 28), 282000) << "the common record follows";
}

TEST(RoomRecord, WriteReadWriteGivesTheSameBytesAndTheSameRoom) {
    CExHeadlessView view(100, 25, 25);
    ExActiveViewScope active(&view);
    auto room = NewSixMatRoom();
    room->SetRotation(30);
    room->UpdateParts();
    const std::string first = Store(*room);
    auto loaded = Load(first);
    auto* loadedRoom = dynamic_cast<CExRoomParts*>(loaded.get());
    ASSERT_NE(loadedRoom, nullptr);
    EXPECT_TRUE(loadedRoom->GetLinesScaled());
    EXPECT_EQ(Store(*loadedRoom), first);
    loadedRoom->UpdateParts();
    EXPECT_EQ(loadedRoom->GetLayoutType(), 6);
    EXPECT_EQ(loadedRoom->MatLines(), room->MatLines());
    EXPECT_EQ(loadedRoom->RightLines(), room->RightLines());
    EXPECT_EQ(loadedRoom->ShapeLines(), room->ShapeLines());
}

TEST(RoomRecord, LoadedRoomRebuildsItsFloorForItsSize) {
    auto room = NewSixMatRoom();
    room->UpdateParts();
    std::string bytes = Store(*room);
    // A damaged floor in the file: one line far away.
    std::memcpy(bytes.data() + 25, "\x40\x42\x0f\x00", 4);
    auto loaded = Load(bytes);
    auto* loadedRoom = dynamic_cast<CExRoomParts*>(loaded.get());
    ASSERT_NE(loadedRoom, nullptr);
    EXPECT_EQ(loadedRoom->MatLines()[0].scaledStart.x, 1000000);
    loadedRoom->UpdateParts();
    EXPECT_EQ(loadedRoom->MatLines(), room->MatLines());
}

TEST(RoomRecord, StoredZeroMatSizeLaysNoFloor) {
    auto room = NewSixMatRoom();
    room->UpdateParts();
    std::string bytes = Store(*room);
    const std::size_t matWidth = 25 + 17 * 16 + 4 + 4 * 16 + 8;
    std::memcpy(bytes.data() + matWidth, "\0\0\0\0", 4);
    auto loaded = Load(bytes);
    auto* loadedRoom = dynamic_cast<CExRoomParts*>(loaded.get());
    ASSERT_NE(loadedRoom, nullptr);
    EXPECT_EQ(loadedRoom->GetMatWidth(), 0);
    loadedRoom->UpdateParts();
    EXPECT_EQ(loadedRoom->GetLayoutType(), 0);
    EXPECT_TRUE(loadedRoom->MatLines().empty());
    EXPECT_EQ(loadedRoom->RightLines().size(), 4u);
}

TEST(RoomRecord, ImpossibleLineCountsAndTruncationsFailWithOneMessage) {
    auto room = NewSixMatRoom();
    room->UpdateParts();
    const std::string bytes = Store(*room);
    for (std::size_t length = 17; length < bytes.size(); length += 7) {
        RecordingServices services;
        const std::string truncated = bytes.substr(0, length);
        CExArchive in(truncated);
        in.ReadString();
        CExRoomParts loaded;
        EXPECT_THROW(loaded.Serialize(in), CExException) << "length " << length;
        EXPECT_EQ(services.Messages().size(), 1u);
    }
    RecordingServices services;
    std::string huge = bytes;
    std::memcpy(huge.data() + 21, "\xff\xff\xff\x7f", 4);
    CExArchive in(huge);
    in.ReadString();
    CExRoomParts loaded;
    EXPECT_THROW(loaded.Serialize(in), CExException);
    EXPECT_TRUE(loaded.MatLines().empty());
}

TEST(RoomCopy, CopyTakesTheWallsAndFloorSettingsAndLaysItsOwnFloor) {
    auto room = NewSixMatRoom();
    room->SetRotation(45);
    room->UpdateParts();
    room->SetTileWidth(7000);
    auto copy = CExRoomParts::CreateCopy(*room);
    EXPECT_TRUE(copy->GetLinesScaled());
    EXPECT_TRUE(copy->MatLines().empty());
    EXPECT_EQ(copy->GetLayoutType(), 6);
    EXPECT_EQ(copy->GetTileWidth(), 7000);
    EXPECT_EQ(copy->GetRotation(), 45);
    EXPECT_EQ(copy->ShapeLines(), room->ShapeLines());
    copy->UpdateParts();
    EXPECT_EQ(copy->MatLines(), room->MatLines());
    EXPECT_EQ(copy->LeftLines(), room->LeftLines());
}

TEST(RoomCreation, DrawingDefaultsGiveTheWallAndMatSizes) {
    RecordingServices services;
    services.Defaults().innerWallThicknessCm = 10;
    services.Defaults().matWidthCm = 95;
    services.Defaults().matLengthCm = 0;
    auto room = CExRoomParts::CreateFromLibrary(*LibraryRoom(30202), {0, 0});
    EXPECT_EQ(room->GetThickness(), 10000);
    EXPECT_EQ(room->GetMatWidth(), 95000);
    EXPECT_EQ(room->GetMatLength(), 0) << "a zero setting is refused";
    room->UpdateParts();
    EXPECT_TRUE(room->MatLines().empty());
    EXPECT_EQ(CreateElementOfKind(KindOfClassName("CExRoomParts"))->GetRuntimeClassName(),
              std::string("CExRoomParts"));
}

} // namespace
