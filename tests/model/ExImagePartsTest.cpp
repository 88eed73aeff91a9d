#include "ExImageParts.h"

#include "ExHeadlessView.h"
#include "support/ImageBuilder.h"
#include "support/RecordingDC.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr std::uint16_t kWhite = 0x7FFF;
constexpr std::uint16_t kBlack = 0x0000;

class ImagePartsTest : public ::testing::Test {
protected:
    // An element of 1 m × 0.5 m at (5 m, 5 m) holding a picture of w × h pixels.
    std::unique_ptr<CExImageParts> MakeImage(const Picture& picture, int angle = 0) {
        auto image = std::make_unique<CExImageParts>(500000, 500000);
        EXPECT_EQ(image->MakeStoredImage(picture.View()), 1);
        image->SetWidth(100000);
        image->SetHeight(50000);
        image->SetAngle(angle);
        image->UpdateParts();
        image->RecalcParts();
        return image;
    }

    // The element's centre in view units.
    int Centre() const { return m_view.ToViewLength(500000); }

    RecordingServices m_services;
    DisplayScope m_display{ExImageDisplay{96, 1920, 1040}};
    CExHeadlessView m_view{100, 25, 25, 96};
    ExActiveViewScope m_active{&m_view};
};

} // namespace

// The stored picture.

TEST_F(ImagePartsTest, ANewImageIsNamedAndCodedAsAnImage) {
    const CExImageParts image(1000, 2000);
    EXPECT_EQ(image.GetPartsCode(), 999999);
    EXPECT_EQ(image.GetPartsName(), "\x89\xe6\x91\x9c"); // 画像
    EXPECT_EQ(image.GetPosition(), (ExPoint{1000, 2000}));
    EXPECT_STREQ(image.GetRuntimeClassName(), "CExImageParts");
    EXPECT_EQ(image.GetImageError(), 1); // nothing to show yet
}

TEST_F(ImagePartsTest, AHundredPixelWidePictureIsStretchedToOneHundredTwentyEight) {
    Picture picture(100, 10);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 50; ++x) {
            picture.Set(x, y, kBlackPixel);
        }
    }
    CExImageParts image;
    ASSERT_EQ(image.MakeStoredImage(picture.View()), 1);
    EXPECT_EQ(image.GetImagePixelWidth(), 128);
    EXPECT_EQ(image.GetImagePixelHeight(), 10);
    EXPECT_EQ(image.GetImageMetricWidth(), 3387); // 128 px at 96 dpi, in 0.01 mm
    EXPECT_EQ(image.GetImageMetricHeight(), 265);
    EXPECT_EQ(image.BitmapHeader().biWidth, 128);
    EXPECT_EQ(image.BitmapHeader().biSizeImage, 128 * 10 * 2);
    // Stretched, not padded: the right half is white to the last column, the left half black.
    const CExDib16& stored = image.StoredImage();
    EXPECT_EQ(stored.Pixel(127, 0), kWhite);
    EXPECT_EQ(stored.Pixel(66, 5), kWhite);
    EXPECT_EQ(stored.Pixel(61, 5), kBlack);
    EXPECT_EQ(stored.Pixel(0, 9), kBlack);
}

TEST_F(ImagePartsTest, ASixtyFourPixelWidePictureIsStoredAsItIs) {
    Picture picture(64, 3);
    picture.Set(5, 0, 0xFF123456);
    CExImageParts image;
    ASSERT_EQ(image.MakeStoredImage(picture.View()), 1);
    EXPECT_EQ(image.GetImagePixelWidth(), 64);
    EXPECT_EQ(image.StoredImage().Pixel(5, 2), ToDib16(0x563412)); // top row is stored last
    EXPECT_EQ(image.StoredImage().Pixel(5, 0), kWhite);
}

TEST_F(ImagePartsTest, AOnePixelPictureIsStoredThirtyTwoByOneInSixtyFourBytes) {
    const Picture picture(1, 1, kBlackPixel);
    CExImageParts image;
    ASSERT_EQ(image.MakeStoredImage(picture.View(), 0xC0C0C0), 1);
    EXPECT_EQ(image.BitmapHeader().biWidth, 32);
    EXPECT_EQ(image.BitmapHeader().biHeight, 1);
    EXPECT_EQ(image.BitmapHeader().biSizeImage, 64);
    EXPECT_EQ(image.StoredImage().SizeImage(), 64u);
    EXPECT_EQ(image.StoredImage().Pixel(31, 0), kBlack);
    EXPECT_EQ(image.GetBackColor(), 0xC0C0C0u);
}

TEST_F(ImagePartsTest, AnEmptyPictureIsRefusedQuietly) {
    CExImageParts image;
    EXPECT_EQ(image.MakeStoredImage(ExImagePixels{}), 0);
    EXPECT_TRUE(m_services.Messages().empty());
}

TEST_F(ImagePartsTest, APictureTooLargeForTheHeaderIsRefusedAsOutOfMemory) {
    const std::uint32_t pixel = kWhitePixel;
    // Never read: the size is refused first.
    const ExImagePixels huge{40000, 40000, &pixel, 40000};
    CExImageParts image;
    EXPECT_EQ(image.MakeStoredImage(huge), 0);
    ASSERT_EQ(m_services.Messages().size(), 1u);
    EXPECT_EQ(m_services.Messages()[0].text, exmsg::kOutOfMemory);
    EXPECT_EQ(m_services.Messages()[0].icon, ExMessageIcon::Stop);
    EXPECT_EQ(image.GetImageError(), 1);
}

// The zoomed copy.

TEST_F(ImagePartsTest, TheZoomedCopyIsTheViewSizeInPixels) {
    const auto image = MakeImage(Picture(64, 32));
    // 1 m at 1/100 is 10 mm, 1005 view units after snapping to 96 dpi: 38 pixels.
    EXPECT_EQ(image->GetViewWidth(), 1005);
    EXPECT_EQ(image->GetViewHeight(), 503);
    EXPECT_EQ(image->GetScaledPixelWidth(), 38);
    EXPECT_EQ(image->GetScaledPixelHeight(), 19);
    EXPECT_EQ(image->ScaledImage().Width(), 38);
    EXPECT_EQ(image->ScaledImage().Height(), 19);
    EXPECT_EQ(image->GetImageError(), 0);
}

TEST_F(ImagePartsTest, ATinyElementStillHasAOnePixelCopy) {
    auto image = MakeImage(Picture(32, 32));
    image->SetWidth(10);
    image->SetHeight(10);
    image->UpdateParts();
    EXPECT_EQ(image->GetScaledPixelWidth(), 1);
    EXPECT_EQ(image->GetScaledPixelHeight(), 1);
    EXPECT_EQ(image->GetImageError(), 0);
}

TEST_F(ImagePartsTest, ACopyBeyondThreeWorkAreasShowsThePlaceholderUntilItFitsAgain) {
    auto image = MakeImage(Picture(32, 32));
    m_view.SetViewScale(1); // 1 m is 1000 mm on screen: 3780 pixels, the work area is 1920
    image->SetWidth(200000);
    image->UpdateParts();
    EXPECT_EQ(image->GetImageError(), 1);
    EXPECT_TRUE(image->ScaledImage().IsEmpty());
    EXPECT_TRUE(image->RotatedImage().IsEmpty());
    EXPECT_TRUE(m_services.Messages().empty());
    m_view.SetViewScale(100);
    image->UpdateParts();
    EXPECT_EQ(image->GetImageError(), 0);
    EXPECT_FALSE(image->RotatedImage().IsEmpty());
}

TEST_F(ImagePartsTest, ATurnedCopyBeyondTheWorkAreasIsNotMadeEither) {
    SetImageDisplay({96, 100, 100});
    auto image = MakeImage(Picture(32, 32)); // 38 × 19 pixels fit in 300 × 300
    EXPECT_EQ(image->GetImageError(), 0);
    image->SetWidth(700000); // 265 pixels across fit; turned by 45° they do not
    image->SetHeight(700000);
    image->SetAngle(45);
    image->UpdateParts();
    EXPECT_GT(image->GetRotPixelWidth(), 300);
    EXPECT_EQ(image->GetImageError(), 1);
    EXPECT_TRUE(image->RotatedImage().IsEmpty());
}

TEST_F(ImagePartsTest, AMoveKeepsTheCopiesAndATurnRemakesOnlyTheTurnedOne) {
    auto image = MakeImage(Picture(64, 32), 30);
    const std::uint16_t* scaled = image->ScaledImage().Row(0);
    const std::uint16_t* turned = image->RotatedImage().Row(0);
    image->SetPosition(700000, 300000);
    image->UpdateParts();
    EXPECT_EQ(image->ScaledImage().Row(0), scaled);
    EXPECT_EQ(image->RotatedImage().Row(0), turned);
    EXPECT_NEAR(image->GetRotViewRect().left + image->GetRotViewRect().right,
                2 * m_view.ToViewLength(700000), 1);
    image->SetAngle(60);
    image->UpdateParts();
    EXPECT_EQ(image->ScaledImage().Row(0), scaled);
    const auto reference = MakeImage(Picture(64, 32), 60);
    EXPECT_EQ(image->RotatedImage(), reference->RotatedImage());
    m_view.SetViewScale(50);
    image->UpdateParts();
    EXPECT_EQ(image->ScaledImage().Width(), 76);
}

// The turned copy and the corners.

TEST_F(ImagePartsTest, AQuarterTurnSwapsTheTurnedCopysSize) {
    const auto image = MakeImage(Picture(64, 32), 90);
    EXPECT_EQ(image->GetScaledPixelWidth(), 38);
    EXPECT_EQ(image->GetScaledPixelHeight(), 19);
    EXPECT_EQ(image->GetRotPixelWidth(), 19);
    EXPECT_EQ(image->GetRotPixelHeight(), 38);
    EXPECT_EQ(image->RotatedImage().Width(), 19);
    EXPECT_EQ(image->RotatedImage().Height(), 38);
}

TEST_F(ImagePartsTest, FortyFiveDegreesMakesTheTurnedCopyAboutOnePointFourOneTimesLarger) {
    auto image = MakeImage(Picture(32, 32), 45);
    image->SetHeight(100000);
    image->UpdateParts();
    EXPECT_EQ(image->GetScaledPixelWidth(), 38);
    EXPECT_EQ(image->GetRotPixelWidth(), 53); // 37·√2 + 1.5, truncated
    EXPECT_EQ(image->GetRotPixelHeight(), 53);
}

TEST_F(ImagePartsTest, ThePictureTurnsWithItsFrame) {
    // Black along the top edge of the picture only. Turned a quarter counter-clockwise, the
    // top edge becomes the left edge.
    Picture picture(64, 32);
    for (int x = 0; x < 64; ++x) {
        picture.Set(x, 0, kBlackPixel);
        picture.Set(x, 1, kBlackPixel);
    }
    const auto image = MakeImage(picture, 90);
    const CExDib16& turned = image->RotatedImage();
    const int middle = turned.Height() / 2;
    EXPECT_EQ(turned.Pixel(0, middle), kBlack);
    EXPECT_EQ(turned.Pixel(turned.Width() - 1, middle), kWhite);
    // The frame's top-left corner went to the bottom-left.
    const int c = Centre();
    EXPECT_NEAR(image->ImageCorners()[0].x, c - 251, 1);
    EXPECT_NEAR(image->ImageCorners()[0].y, c - 502, 1);
}

TEST_F(ImagePartsTest, TheTurnedCopyIsCentredOnThePositionAndCornersCloseTheOutline) {
    const auto image = MakeImage(Picture(64, 32), 30);
    const int c = Centre();
    const ExRect rect = image->GetRotViewRect();
    EXPECT_NEAR((rect.left + rect.right) / 2.0, c, 0.5);
    EXPECT_NEAR((rect.top + rect.bottom) / 2.0, c, 0.5);
    EXPECT_EQ(rect.right - rect.left, PixelsToHundredthsOfMm(image->GetRotPixelWidth(), 96));
    EXPECT_GT(rect.top, rect.bottom);
    const auto& corners = image->ImageCorners();
    EXPECT_EQ(corners[4], corners[0]);
    // Corner 0 is the top-left (−w/2, h/2) turned by 30°.
    const double a = 30 * 3.141592653589 / 180;
    EXPECT_NEAR(corners[0].x, c + (-502 * std::cos(a) - 251 * std::sin(a)), 1);
    EXPECT_NEAR(corners[0].y, c + (251 * std::cos(a) - 502 * std::sin(a)), 1);
    // The background is white, so the turned copy's corners leave the drawing alone.
    EXPECT_EQ(image->RotatedImage().Pixel(0, 0), kWhite);
}

// Drawing.

TEST_F(ImagePartsTest, DrawsTheTurnedCopyWithAnAndOperation) {
    const auto image = MakeImage(Picture(64, 32), 30);
    RecordingDC dc;
    EXPECT_EQ(image->DrawParts(&dc), 1);
    ASSERT_EQ(dc.Bitmaps().size(), 1u);
    const RecordingDC::BitmapCall& call = dc.Bitmaps()[0];
    EXPECT_EQ(call.op, ExRasterOp::And);
    EXPECT_EQ(call.destination, image->GetRotViewRect());
    EXPECT_EQ(call.bitmap, image->RotatedImage());
    EXPECT_EQ(image->DrawParts(nullptr), 0);
}

TEST_F(ImagePartsTest, ThePlaceholderIsTheCrossedOutFrame) {
    auto image = std::make_unique<CExImageParts>(500000, 500000);
    image->SetWidth(100000);
    image->SetHeight(50000);
    image->SetColor(0x0000FF);
    image->SetLineStyle(kPenDash);
    image->UpdateParts();
    RecordingDC dc;
    EXPECT_EQ(image->DrawParts(&dc), 1);
    EXPECT_TRUE(dc.Bitmaps().empty());
    const auto& calls = dc.Calls();
    ASSERT_EQ(calls.size(), 3u);
    const auto& c = image->ImageCorners();
    EXPECT_EQ(calls[0].points, std::vector<ExPoint>(c.begin(), c.end()));
    EXPECT_EQ(calls[1].points, (std::vector<ExPoint>{c[0], c[2]}));
    EXPECT_EQ(calls[2].points, (std::vector<ExPoint>{c[1], c[3]}));
    EXPECT_EQ(calls[0].pen, (ExPen{kPenDash, 2, 0x0000FF}));
}

TEST_F(ImagePartsTest, TheLibraryThumbnailIsAFixedPicture) {
    CExImageParts image;
    RecordingDC dc;
    EXPECT_EQ(image.CreateThumbnail(&dc, 64, 64), 1);
    EXPECT_TRUE(dc.Calls().empty());
    EXPECT_EQ(image.CreateThumbnail(nullptr, 64, 64), 0);
}

// The selection frame.

TEST_F(ImagePartsTest, HandlesAndRegionsFollowTheTurnedCorners) {
    const auto image = MakeImage(Picture(64, 32), 0);
    const int c = Centre();
    const auto& corners = image->CornerPoints();
    EXPECT_EQ(corners[0], (ExPoint{c - 502, c + 251}));
    EXPECT_EQ(corners[2], (ExPoint{c + 502, c - 251}));
    const auto& handles = image->HandlePoints();
    EXPECT_EQ(handles[0], (ExPoint{c, c + 251}));
    EXPECT_EQ(handles[5], corners[2]);
    EXPECT_EQ(handles[8], (ExPoint{c, c + 251 + 450}));
    EXPECT_EQ(image->FramePoints()[0], (corners[0] + ExPoint{-300, 300}));
    EXPECT_TRUE(image->HitRegion().PtInRegion({c, c}));
    EXPECT_FALSE(image->HitRegion().PtInRegion({c, c + 300}));
    EXPECT_EQ(image->GetUpdateRect(),
              (ExRect{c - 502 - 600, c + 251 + 600, c + 502 + 600, c - 251 - 600}));

    const auto turned = MakeImage(Picture(64, 32), 90);
    EXPECT_EQ(turned->HandlePoints()[8].x, turned->HandlePoints()[0].x - 450);
    EXPECT_EQ(turned->HandlePoints()[8].y, turned->HandlePoints()[0].y);
}

TEST_F(ImagePartsTest, ScaleFactorsResizeOnceAndTheOutlineIsCentred) {
    auto image = MakeImage(Picture(32, 32));
    image->SetScaleX(2.0);
    image->SetScaleY(0.5);
    image->UpdateParts();
    EXPECT_EQ(image->GetWidth(), 200000);
    EXPECT_EQ(image->GetHeight(), 25000);
    ASSERT_EQ(image->DrawLines().size(), 4u);
    EXPECT_EQ(image->DrawLines()[0].scaledStart, (ExPoint{-100000, 12500}));
    EXPECT_EQ(image->DrawLines()[0].scaledEnd, (ExPoint{100000, 12500}));
    EXPECT_EQ(image->DrawLines()[3].scaledEnd, (ExPoint{-100000, 12500}));
}

TEST_F(ImagePartsTest, WithoutAViewNothingIsDerived) {
    ExActiveViewScope none(nullptr);
    CExImageParts image;
    ASSERT_EQ(image.MakeStoredImage(Picture(32, 32).View()), 1);
    image.UpdateParts();
    image.RecalcParts();
    EXPECT_TRUE(image.ScaledImage().IsEmpty());
    EXPECT_TRUE(image.RotatedImage().IsEmpty());
}
