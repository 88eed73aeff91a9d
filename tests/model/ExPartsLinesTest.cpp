#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "support/PlacedParts.h"
#include "support/RecordIO.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::unique_ptr<CExGeneralParts> Placed(const CExParts& item, ExPoint position, int angle) {
    auto part = CExGeneralParts::CreateFromLibrary(item, position);
    part->SetAngle(angle);
    part->UpdateParts();
    return part;
}

TEST(PartsLinesTest, PartsOfOneShapeAtOneSizeShareTheirStoredPointsUntilOneIsResized) {
    CExHeadlessView view(100, 50, 50, 96);
    ExActiveViewScope active(&view);
    const auto item = SquareItem(70101, 100000);
    const auto first = Placed(*item, {200000, 200000}, 0);
    const auto second = Placed(*item, {900000, 400000}, 30);
    EXPECT_TRUE(first->DrawLines().SharesStoredWith(second->DrawLines()));
    EXPECT_NE(first->DrawLines().View()[0], second->DrawLines().View()[0]);

    const std::vector<CExPartsDrawLine> secondBefore = second->DrawLines().ToVector();
    first->SetScaleX(2.0);
    first->UpdateParts();
    EXPECT_FALSE(first->DrawLines().SharesStoredWith(second->DrawLines()));
    EXPECT_EQ(first->DrawLines().Stored()[0].scaledStart.x, 2 * secondBefore[0].scaledStart.x);
    EXPECT_EQ(second->DrawLines().ToVector(), secondBefore);

    // Back at the size the others have, it shares with them again.
    first->SetScaleX(0.5);
    first->UpdateParts();
    EXPECT_TRUE(first->DrawLines().SharesStoredWith(second->DrawLines()));
}

TEST(PartsLinesTest, PartsReadFromAFileShareTheirStoredPointsAndWriteTheSameBytes) {
    CExHeadlessView view(100, 50, 50, 96);
    ExActiveViewScope active(&view);
    const auto item = SquareItem(70101, 100000);
    const std::string firstBytes = Store(*Placed(*item, {200000, 200000}, 0));
    const std::string secondBytes = Store(*Placed(*item, {900000, 400000}, 30));
    const auto first = Load(firstBytes);
    const auto second = Load(secondBytes);
    ASSERT_TRUE(first && second);
    EXPECT_TRUE(first->DrawLines().SharesStoredWith(second->DrawLines()));
    EXPECT_EQ(Store(*first), firstBytes);
    EXPECT_EQ(Store(*second), secondBytes);
}

TEST(PartsLinesTest, AChangedCopyLeavesTheListItCameFrom) {
    CExPartsDrawLine line;
    line.shapeStart = {1, 2};
    line.scaledStart = {3, 4};
    line.viewStart = {5, 6};
    CExPartsLines original;
    original.push_back(line);
    original.push_back(line);
    const std::vector<CExPartsDrawLine> before = original.ToVector();

    CExPartsLines copy = original;
    copy.MutableStored()[0].scaledStart = {7, 8};
    copy.View()[1].viewStart = {9, 9};
    CExPartsLines appended;
    appended.Append(original);
    EXPECT_TRUE(appended.SharesStoredWith(original));
    appended.Set(1, {});
    appended.push_back(line);

    EXPECT_EQ(original.ToVector(), before);
    EXPECT_EQ(copy[0].scaledStart, (ExPoint{7, 8}));
    EXPECT_EQ(copy[1].viewStart, (ExPoint{9, 9}));
    EXPECT_EQ(appended.size(), 3u);
    EXPECT_EQ(appended[1], CExPartsDrawLine{});
}

} // namespace
