#include "ExImageCalibration.h"
#include "ExHeadlessView.h"
#include "ExImageParts.h"
#include "KORVANEXDoc.h"
#include "support/PlacedParts.h"

#include <gtest/gtest.h>

namespace {

constexpr ExPoint kCentre{1000000, 800000}; // 10 m, 8 m
constexpr ExSheetSize kSheet{25, 20};

} // namespace

TEST(ExImageCalibrationTest, DistanceIsInMillimetres) {
    EXPECT_DOUBLE_EQ(DistanceMm({0, 0}, {30000, 40000}), 500.0);
    EXPECT_DOUBLE_EQ(DistanceMm({-100, 7}, {-100, 7}), 0.0);
}

TEST(ExImageCalibrationTest, ScalesAboutItsPositionOrRefusesLeavingItAsItWas) {
    const struct {
        double factor;
        ExCalibration result;
    } cases[] = {{1.5, ExCalibration::Scaled},      {0.25, ExCalibration::Scaled},
                 {9.0, ExCalibration::BeyondSheet}, {0.004, ExCalibration::TooSmall},
                 {0.0, ExCalibration::TooSmall},    {-1.0, ExCalibration::TooSmall}};
    for (const auto& c : cases) {
        CKORVANEXDoc doc;
        CExHeadlessView view(100, kSheet.widthM, kSheet.heightM);
        ExActiveViewScope active(&view);
        CExImageParts* image = AddImage(doc, kCentre, 300000, 200000);
        const int width = image->GetExtentWidth();
        const int height = image->GetExtentHeight();
        ASSERT_GT(width, 0);
        EXPECT_EQ(CalibrateImage(*image, c.factor, kSheet), c.result) << c.factor;
        const double kept = c.result == ExCalibration::Scaled ? c.factor : 1.0;
        EXPECT_NEAR(image->GetExtentWidth(), width * kept, 2) << c.factor;
        EXPECT_NEAR(image->GetExtentHeight(), height * kept, 2) << c.factor;
        EXPECT_EQ(image->GetPosition(), kCentre) << c.factor;
        EXPECT_DOUBLE_EQ(image->GetScale(0), 1.0);
    }
}
