#include "ExPrintLayout.h"

#include <gtest/gtest.h>

namespace {

// The printable area of an A4 sheet with 10 mm margins, in 0.01 mm.
constexpr ExPoint kA4 = {19000, 27700};

} // namespace

TEST(ExPrintLayoutTest, ScaleBarGrowsWithTheSheetWidth) {
    const struct {
        int widthM;
        int length;
        const char* label;
    } cases[] = {{0, 25000, "25cm"},      {1, 25000, "25cm"},      {2, 50000, "50cm"},
                 {4, 50000, "50cm"},      {5, 100000, "1m"},       {17, 500000, "5m"},
                 {39, 500000, "5m"},      {40, 1000000, "10m"},    {222, 5000000, "50m"},
                 {660, 12500000, "125m"}, {1000, 15000000, "150m"}};
    for (const auto& c : cases) {
        const ExPrintScaleBar bar = PrintScaleBarFor(c.widthM);
        EXPECT_EQ(bar.length, c.length) << c.widthM;
        EXPECT_EQ(bar.label, c.label) << c.widthM;
    }
}

TEST(ExPrintLayoutTest, FittedPrintIsOnePageWithTheSheetAndItsBarCentred) {
    const CExPrintLayout layout = CExPrintLayout::Make(20, 15, kA4, 0);
    EXPECT_TRUE(layout.IsFitted());
    EXPECT_EQ(layout.Scale(), 109); // the width decides: 20 m in 190 mm less the border
    EXPECT_EQ(layout.PageCount(), 1);
    const ExPoint sheet = layout.SheetView();
    const ExPoint origin = layout.PageOrigin(0);
    // Equal white left and right of the sheet, and below the sheet and above its bar.
    EXPECT_EQ(-origin.x, kA4.x - sheet.x + origin.x);
    const int block = sheet.y + layout.ScaleBarViewLength() / 5;
    EXPECT_NEAR(kA4.y - origin.y, origin.y - block, 1);
    EXPECT_EQ(CExPrintLayout::FittedScale(20, 15, kA4), 109);
}

TEST(ExPrintLayoutTest, FittedDivisorStaysWithinTheDialogsRange) {
    EXPECT_EQ(CExPrintLayout::FittedScale(1, 1, kA4), CExPrintLayout::kMinScale);
    EXPECT_EQ(CExPrintLayout::FittedScale(1000, 1000, {100, 100}), CExPrintLayout::kMaxScale);
    EXPECT_EQ(CExPrintLayout::FittedScale(20, 15, {0, -5}), CExPrintLayout::kMaxScale);
}

TEST(ExPrintLayoutTest, ChosenDivisorTilesTheSheetFromItsBottomLeftCorner) {
    const CExPrintLayout layout = CExPrintLayout::Make(20, 15, kA4, 50);
    EXPECT_FALSE(layout.IsFitted());
    EXPECT_EQ(layout.SheetView(), (ExPoint{40000, 30000}));
    EXPECT_EQ(layout.PagesAcross(), 3);
    EXPECT_EQ(layout.PagesDown(), 2);
    const struct {
        int page;
        ExPoint origin;
        const char* mark;
    } pages[] = {{0, {0, 27700}, "1-1"},
                 {2, {38000, 27700}, "3-1"},
                 {3, {0, 55400}, "1-2"},
                 {4, {19000, 55400}, "2-2"}};
    for (const auto& p : pages) {
        EXPECT_EQ(layout.PageOrigin(p.page), p.origin) << p.page;
        EXPECT_EQ(layout.PageMark(p.page), p.mark) << p.page;
    }
    EXPECT_EQ(layout.ScaleMark(), "1/50");
    EXPECT_FALSE(layout.HasTooManyPages());
}

TEST(ExPrintLayoutTest, RunawayPageCountsAreFlaggedBeforeAnythingIsPrinted) {
    const CExPrintLayout huge = CExPrintLayout::Make(1000, 1000, kA4, 10);
    EXPECT_TRUE(huge.HasTooManyPages());
    EXPECT_GT(huge.PageCount(), 100000);
    const CExPrintLayout tinyPage = CExPrintLayout::Make(20, 15, {0, 0}, 5000);
    EXPECT_TRUE(tinyPage.HasTooManyPages());
}
