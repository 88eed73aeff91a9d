#include "ExImageParts.h"

#include "ExArchive.h"
#include "ExException.h"
#include "ExHeadlessView.h"
#include "KORVANEXDoc.h"
#include "support/ImageBuilder.h"
#include "support/RecordIO.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

// The record's fixed fields end, and the picture's header begins, 364 bytes in (counting the
// class name); the bits follow the 40-byte header.
constexpr std::size_t kNameOffset = 42;
constexpr std::size_t kScaleOffset = 80;
constexpr std::size_t kPixelSizeOffset = 336;
constexpr std::size_t kHeaderOffset = 364;
constexpr std::size_t kBitsOffset = kHeaderOffset + 40;

// Reads a record as the document does: the class name first, then the element's own part.
void Load(CExParts& part, const std::string& bytes) {
    CExArchive in(bytes);
    EXPECT_EQ(in.ReadString(), CExImageParts::kClassName);
    part.Serialize(in);
}

std::int32_t Int32At(const std::string& bytes, std::size_t at) {
    std::int32_t value;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

void PutInt32(std::string& bytes, std::size_t at, std::int32_t value) {
    std::memcpy(bytes.data() + at, &value, 4);
}

class ImageRecordTest : public ::testing::Test {
protected:
    // A 40 × 20 picture, black on its left half, as a 1 m × 0.5 m element turned by 30°.
    std::unique_ptr<CExImageParts> MakeImage() {
        Picture picture(40, 20);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                picture.Set(x, y, kBlackPixel);
            }
        }
        auto image = std::make_unique<CExImageParts>(500000, 400000);
        EXPECT_EQ(image->MakeStoredImage(picture.View()), 1);
        image->SetWidth(100000);
        image->SetHeight(50000);
        image->SetAngle(30);
        image->SetColor(0x00FF00);
        image->UpdateParts();
        image->RecalcParts();
        return image;
    }

    RecordingServices m_services;
    DisplayScope m_display{ExImageDisplay{96, 1920, 1040}};
    CExHeadlessView m_view{100, 25, 25, 96};
    ExActiveViewScope m_active{&m_view};
};

} // namespace

// The record.

TEST_F(ImageRecordTest, ARecordReadBackWritesTheSameBytes) {
    const auto image = MakeImage();
    const std::string bytes = Store(*image);
    CExImageParts loaded;
    Load(loaded, bytes);
    EXPECT_EQ(Store(loaded), bytes);
    EXPECT_EQ(loaded.StoredImage(), image->StoredImage());
    EXPECT_EQ(loaded.GetAngle(), 30);
    EXPECT_EQ(loaded.GetPosition(), (ExPoint{500000, 400000}));
    EXPECT_EQ(loaded.GetColor(), 0x00FF00u);
    EXPECT_EQ(loaded.GetRedrawFlag(), 1);
    EXPECT_TRUE(m_services.Messages().empty());
    // Updated at the same view, it shows what the original shows.
    loaded.UpdateParts();
    EXPECT_EQ(loaded.RotatedImage(), image->RotatedImage());
}

TEST_F(ImageRecordTest, TheRecordHasItsFixedLayout) {
    const auto image = MakeImage();
    const std::string bytes = Store(*image);
    ASSERT_EQ(bytes.size(), kBitsOffset + 64 * 20 * 2);
    EXPECT_EQ(bytes.substr(0, 18), std::string("\x0e\0\0\0CExImageParts\0", 18));
    EXPECT_EQ(Int32At(bytes, 18), 100);
    EXPECT_EQ(Int32At(bytes, 22), 100000);
    EXPECT_EQ(bytes.substr(kNameOffset, 30),
              std::string("\x89\xe6\x91\x9c", 4) + std::string(26, '\0'));
    EXPECT_EQ(Int32At(bytes, 72), 999999);
    EXPECT_EQ(bytes.substr(96, 16), std::string(16, '\0')); // reserved
    EXPECT_EQ(Int32At(bytes, 328), 0);
    EXPECT_EQ(Int32At(bytes, 332), -1);
    EXPECT_EQ(Int32At(bytes, kPixelSizeOffset), 64);
    EXPECT_EQ(Int32At(bytes, kPixelSizeOffset + 4), 20);
    EXPECT_EQ(Int32At(bytes, kPixelSizeOffset + 8), 1693);
    EXPECT_EQ(Int32At(bytes, kHeaderOffset), 40);
    EXPECT_EQ(Int32At(bytes, kHeaderOffset + 20), 64 * 20 * 2);
    EXPECT_EQ(bytes.substr(kBitsOffset), image->StoredImage().ToBytes());
}

TEST_F(ImageRecordTest, ALongNameIsCutToTwentyNineBytesBetweenCharacters) {
    auto image = MakeImage();
    std::string name;
    for (int i = 0; i < 15; ++i) {
        name += "\x89\xe6"; // 画, two bytes each
    }
    image->SetPartsName(name);
    const std::string bytes = Store(*image);
    EXPECT_EQ(bytes.substr(kNameOffset, 30), name.substr(0, 28) + std::string(2, '\0'));
    CExImageParts loaded;
    Load(loaded, bytes);
    EXPECT_EQ(loaded.GetPartsName(), name.substr(0, 28));
}

TEST_F(ImageRecordTest, EveryTruncatedRecordIsRefusedAsAFileError) {
    const std::string bytes = Store(*MakeImage());
    for (const std::size_t length :
         {std::size_t(18), std::size_t(30), kNameOffset + 10, std::size_t(200), kHeaderOffset,
          kHeaderOffset + 20, kBitsOffset, bytes.size() - 1}) {
        CExImageParts loaded;
        EXPECT_THROW(Load(loaded, bytes.substr(0, length)), CExException) << "length " << length;
    }
    ASSERT_FALSE(m_services.Messages().empty());
    EXPECT_EQ(m_services.Messages().back().text, exmsg::kReadFailed);
}

TEST_F(ImageRecordTest, AHeaderClaimingMoreBitsThanFollowIsRefusedBeforeAnythingIsMade) {
    std::string bytes = Store(*MakeImage());
    // 32 × 33554431 pixels: a consistent header for 2 GB of bits that are not there.
    PutInt32(bytes, kHeaderOffset + 4, 32);
    PutInt32(bytes, kHeaderOffset + 8, 33554431);
    PutInt32(bytes, kHeaderOffset + 20, 32 * 33554431 * 2);
    CExImageParts loaded;
    EXPECT_THROW(Load(loaded, bytes), CExException);
    EXPECT_TRUE(loaded.StoredImage().IsEmpty());
}

TEST_F(ImageRecordTest, AHeaderThatIsNotThisFormatsPictureIsRefused) {
    const std::string good = Store(*MakeImage());
    const std::pair<std::size_t, std::int32_t> damages[] = {
        {kHeaderOffset, 12},              // another header size
        {kHeaderOffset + 4, 40},          // width not a multiple of 32
        {kHeaderOffset + 8, -20},         // top-down rows
        {kHeaderOffset + 12, 0x00180001}, // 24 bits per pixel
        {kHeaderOffset + 16, 3},          // bit fields
        {kHeaderOffset + 20, 64 * 20},    // image size short of the pixels
    };
    for (const auto& [at, value] : damages) {
        std::string bytes = good;
        PutInt32(bytes, at, value);
        CExImageParts loaded;
        EXPECT_THROW(Load(loaded, bytes), CExException) << "offset " << at;
    }
}

TEST_F(ImageRecordTest, StoredScaleFactorsAreNotAppliedAgain) {
    std::string bytes = Store(*MakeImage());
    const double two = 2.0;
    std::memcpy(bytes.data() + kScaleOffset, &two, 8);
    CExImageParts loaded;
    Load(loaded, bytes);
    loaded.UpdateParts();
    loaded.UpdateParts();
    EXPECT_EQ(loaded.GetWidth(), 100000);
    EXPECT_EQ(loaded.GetScale(0), 1.0);
}

TEST_F(ImageRecordTest, AnElementWithoutAPictureStoresAnEmptyOneAndReadsBackCrossedOut) {
    CExImageParts empty(100, 100);
    const std::string bytes = Store(empty);
    EXPECT_EQ(bytes.size(), kBitsOffset);
    CExImageParts loaded;
    Load(loaded, bytes);
    EXPECT_EQ(Store(loaded), bytes);
    EXPECT_EQ(loaded.GetImageError(), 1);
}

// Reading on a display of another resolution.

TEST_F(ImageRecordTest, APictureReadAtAnotherResolutionIsResampledOnce) {
    const auto image = MakeImage();
    const std::string bytes = Store(*image);
    SetImageDisplay({192, 1920, 1040});
    CExImageParts loaded;
    Load(loaded, bytes);
    // 64 × 20 pixels of 0.26 mm become 128 × 40 of 0.13 mm; the element keeps its size.
    EXPECT_EQ(loaded.GetImagePixelWidth(), 128);
    EXPECT_EQ(loaded.GetImagePixelHeight(), 40);
    EXPECT_EQ(loaded.BitmapHeader().biWidth, 128);
    EXPECT_EQ(loaded.BitmapHeader().biSizeImage, 128 * 40 * 2);
    EXPECT_EQ(loaded.GetImageMetricWidth(), 1693);
    EXPECT_EQ(loaded.GetWidth(), 100000);
    EXPECT_EQ(loaded.StoredImage().Pixel(10, 10), 0x0000);
    EXPECT_EQ(loaded.StoredImage().Pixel(120, 10), 0x7FFF);
    // Saved and read again on the same display, it stays as it is.
    const std::string again = Store(loaded);
    CExImageParts reloaded;
    Load(reloaded, again);
    EXPECT_EQ(reloaded.StoredImage(), loaded.StoredImage());
    EXPECT_EQ(Store(reloaded), again);
}

TEST_F(ImageRecordTest, AnImplausibleStoredSizeKeepsThePicturesPixels) {
    std::string bytes = Store(*MakeImage());
    PutInt32(bytes, kPixelSizeOffset + 8, INT_MAX); // 0.01-mm width
    PutInt32(bytes, kPixelSizeOffset + 12, -5);     // 0.01-mm height
    CExImageParts loaded;
    Load(loaded, bytes);
    EXPECT_EQ(loaded.GetImagePixelWidth(), 64);
    EXPECT_EQ(loaded.GetImagePixelHeight(), 20);
    EXPECT_EQ(loaded.GetImageMetricWidth(), 1693);
    EXPECT_EQ(loaded.GetImageMetricHeight(), 529);
    EXPECT_EQ(loaded.StoredImage().Width(), 64);
}

TEST_F(ImageRecordTest, TheDocumentReadsImagesByTheirClassName) {
    CKORVANEXDoc doc;
    doc.AddElement(MakeImage());
    CExArchive out;
    doc.Serialize(out);
    CKORVANEXDoc loaded;
    CExArchive in(out.Stored());
    loaded.Serialize(in);
    ASSERT_TRUE(loaded.IsComplete());
    ASSERT_EQ(loaded.GetElementCount(), 1u);
    const auto* image = dynamic_cast<const CExImageParts*>(loaded.ElementAt(0));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetImagePixelWidth(), 64);
}

// Copies and imports.

TEST_F(ImageRecordTest, ACopyHasItsOwnPictureAndTheSameSettings) {
    const auto image = MakeImage();
    const auto copy = CExImageParts::CreateCopy(*image);
    EXPECT_EQ(copy->StoredImage(), image->StoredImage());
    EXPECT_NE(copy->StoredImage().Row(0), image->StoredImage().Row(0));
    EXPECT_EQ(copy->BitmapHeader(), image->BitmapHeader());
    EXPECT_EQ(copy->GetWidth(), image->GetWidth());
    EXPECT_EQ(copy->GetHeight(), image->GetHeight());
    EXPECT_EQ(copy->GetAngle(), 30);
    EXPECT_EQ(copy->GetColor(), image->GetColor());
    EXPECT_EQ(copy->GetPartsName(), image->GetPartsName());
    EXPECT_EQ(copy->GetImageMetricWidth(), image->GetImageMetricWidth());
    copy->UpdateParts();
    EXPECT_EQ(copy->RotatedImage(), image->RotatedImage());
}

TEST_F(ImageRecordTest, AnImportFitsAFifthOfTheClientAreaAndStaysOnTheSheet) {
    const Picture picture(400, 300);
    // A client area of 1000 × 750 pixels, 26458 × 19844 in 0.01 mm.
    const auto image =
        CExImageParts::CreateImported({-5, 9000000}, picture.View(), m_view, 26458, 19844);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetPosition(), (ExPoint{0, 2500000}));
    EXPECT_EQ(image->GetPartsCode(), 999999);
    EXPECT_EQ(image->GetPartsName(), "\x89\xe6\x91\x9c");
    const double mw = PixelsToHundredthsOfMm(400, 96);
    const double mh = PixelsToHundredthsOfMm(300, 96);
    const double s = std::min((19844 / 5) / mh, (26458 / 5) / mw);
    EXPECT_EQ(image->GetWidth(), static_cast<int>(std::trunc(mw * s)) * 100);
    EXPECT_EQ(image->GetHeight(), static_cast<int>(std::trunc(mh * s)) * 100);
    EXPECT_EQ(image->GetImagePixelWidth(), 416);
    EXPECT_EQ(image->GetRedrawFlag(), 1);
    EXPECT_FALSE(image->RotatedImage().IsEmpty());
    EXPECT_FALSE(image->GetUpdateRect().IsEmpty()) << "its area is known, to be drawn";
    EXPECT_FALSE(image->HitRegion().IsEmpty()) << "it can be picked at once";
}

TEST_F(ImageRecordTest, AnImportIntoATinyViewStillGetsAVisibleSize) {
    const auto image =
        CExImageParts::CreateImported({100, 100}, Picture(10, 10).View(), m_view, 3, 3);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetWidth(), 100);
    EXPECT_EQ(image->GetHeight(), 100);
    EXPECT_EQ(CExImageParts::CreateImported({}, ExImagePixels{}, m_view, 3, 3), nullptr);
}
