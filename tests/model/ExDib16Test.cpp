#include "ExDib16.h"
#include "ExDibRotate.h"
#include "ExDibStretch.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace {

constexpr std::uint16_t kWhite = 0x7FFF;
constexpr std::uint16_t kBlack = 0x0000;
constexpr std::uint16_t kRed = 0x7C00;
constexpr std::uint16_t kBlue = 0x001F;

int Red5(std::uint16_t p) {
    return (p >> 10) & 0x1F;
}

CExDib16 Filled(int width, int height, std::uint16_t value) {
    CExDib16 bitmap(width, height);
    bitmap.Fill(value);
    return bitmap;
}

// Every pixel a different value, so that a turn can be followed pixel by pixel.
CExDib16 Numbered(int width, int height) {
    CExDib16 bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.SetPixel(x, y, static_cast<std::uint16_t>(1 + y * width + x));
        }
    }
    return bitmap;
}

bool AllPixels(const CExDib16& bitmap, std::uint16_t value) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (bitmap.Pixel(x, y) != value) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

// Packing colours into 16 bits and back.

TEST(Dib16Packing, ChannelsTakeTheirTopFiveBits) {
    EXPECT_EQ(ToDib16(0xFFFFFF), kWhite);
    EXPECT_EQ(ToDib16(0x000000), kBlack);
    EXPECT_EQ(ToDib16(0x0000FF), kRed); // 0x00BBGGRR: red is the low byte
    EXPECT_EQ(ToDib16(0x00FF00), 0x03E0);
    EXPECT_EQ(ToDib16(0xFF0000), kBlue);
    EXPECT_EQ(ToDib16(0x070707), kBlack); // below one step of five bits
}

TEST(Dib16Packing, WideningKeepsWhiteWhiteAndEveryStepRoundTrips) {
    EXPECT_EQ(FromDib16(kWhite), 0xFFFFFFu);
    EXPECT_EQ(FromDib16(kBlack), 0u);
    for (std::uint16_t p = 0; p < 0x8000; p += 0x0421) {
        EXPECT_EQ(ToDib16(FromDib16(p)), p);
    }
}

TEST(Dib16Bitmap, SizesBelowOneGiveAnEmptyBitmap) {
    EXPECT_TRUE(CExDib16(0, 5).IsEmpty());
    EXPECT_TRUE(CExDib16(5, -1).IsEmpty());
    EXPECT_EQ(CExDib16(0, 5).Width(), 0);
    const CExDib16 one(1, 1);
    EXPECT_FALSE(one.IsEmpty());
    EXPECT_EQ(one.SizeImage(), 2u);
    EXPECT_EQ(one.Pixel(0, 0), kBlack);
}

TEST(Dib16Bitmap, BytesAreLittleEndianWordsBottomRowFirst) {
    CExDib16 bitmap(2, 2);
    bitmap.SetPixel(0, 0, 0x1234);
    bitmap.SetPixel(1, 0, kWhite);
    bitmap.SetPixel(0, 1, 0x0001);
    const std::string bytes = bitmap.ToBytes();
    EXPECT_EQ(bytes, std::string("\x34\x12\xff\x7f\x01\x00\x00\x00", 8));
    EXPECT_EQ(CExDib16::FromBytes(2, 2, bytes), bitmap);
}

// The header that heads a stored picture.

TEST(BitmapInfoHeader, DescribesABitmapInFortyBytes) {
    const ExBitmapInfoHeader header = ExBitmapInfoHeader::For(CExDib16(32, 3));
    EXPECT_EQ(header.biWidth, 32);
    EXPECT_EQ(header.biHeight, 3);
    EXPECT_EQ(header.biSizeImage, 192);
    const std::string bytes = header.ToBytes();
    ASSERT_EQ(bytes.size(), ExBitmapInfoHeader::kSize);
    EXPECT_EQ(bytes.substr(0, 16), std::string("\x28\0\0\0\x20\0\0\0\x03\0\0\0\x01\0\x10\0", 16));
    EXPECT_EQ(bytes.substr(20, 4), std::string("\xc0\0\0\0", 4));
    EXPECT_EQ(ExBitmapInfoHeader::FromBytes(bytes), header);
    EXPECT_TRUE(header.IsStoredPicture());
}

TEST(BitmapInfoHeader, OnlyWholeSixteenBitPicturesCountAsStored) {
    const ExBitmapInfoHeader good = ExBitmapInfoHeader::For(CExDib16(64, 2));
    auto changed = [&](auto change) {
        ExBitmapInfoHeader header = good;
        change(header);
        return header.IsStoredPicture();
    };
    EXPECT_TRUE(ExBitmapInfoHeader{}.IsStoredPicture()); // the empty picture
    EXPECT_TRUE(changed([](auto& h) { h.biXPelsPerMeter = 3780; }));
    EXPECT_FALSE(changed([](auto& h) { h.biSize = 108; }));
    EXPECT_FALSE(changed([](auto& h) { h.biBitCount = 24; }));
    EXPECT_FALSE(changed([](auto& h) { h.biCompression = 3; }));
    EXPECT_FALSE(changed([](auto& h) { h.biPlanes = 2; }));
    EXPECT_FALSE(changed([](auto& h) { h.biWidth = 33; }));
    EXPECT_FALSE(changed([](auto& h) { h.biHeight = -2; }));
    EXPECT_FALSE(changed([](auto& h) { h.biSizeImage = 255; }));
    EXPECT_FALSE(changed([](auto& h) { h.biSizeImage = INT_MAX; }));
}

// Area-averaging stretches.

TEST(Dib16Stretch, TheSameSizeCopiesEveryPixel) {
    const CExDib16 source = Numbered(7, 5);
    EXPECT_EQ(StretchDib16(source, 7, 5), source);
}

TEST(Dib16Stretch, OneColourStaysThatColourAtAnySize) {
    const CExDib16 source = Filled(40, 30, 0x2A5B);
    for (const auto& [w, h] : {std::pair{1, 1}, {13, 7}, {40, 30}, {97, 61}, {400, 3}}) {
        EXPECT_TRUE(AllPixels(StretchDib16(source, w, h), 0x2A5B)) << w << " x " << h;
    }
}

TEST(Dib16Stretch, EachTargetPixelIsTheMeanOfTheAreaItCovers) {
    // Reds 0, 255, 0, 255 in eight bits, shrunk to three pixels of 4/3 source pixels each:
    // (0·3 + 255·1)/4 = 64, (255·2 + 0·2)/4 = 128, (0·1 + 255·3)/4 = 191, five bits 8, 16, 23.
    CExDib16 source(4, 1);
    source.SetPixel(1, 0, kRed);
    source.SetPixel(3, 0, kRed);
    const CExDib16 target = StretchDib16(source, 3, 1);
    EXPECT_EQ(Red5(target.Pixel(0, 0)), 8);
    EXPECT_EQ(Red5(target.Pixel(1, 0)), 16);
    EXPECT_EQ(Red5(target.Pixel(2, 0)), 23);
    // A column of rows, three white to one black, averages to 191 in each channel.
    CExDib16 stripes(1, 1000);
    for (int y = 0; y < 1000; ++y) {
        stripes.SetPixel(0, y, y % 4 == 0 ? kBlack : kWhite);
    }
    EXPECT_EQ(StretchDib16(stripes, 1, 1).Pixel(0, 0), 0x5EF7); // 191 >> 3 = 23 each
}

TEST(Dib16Stretch, EnlargingRepeatsPixelsAndBlendsOnlyWhereCellsStraddle) {
    CExDib16 source(2, 1);
    source.SetPixel(1, 0, kWhite);
    const CExDib16 doubled = StretchDib16(source, 4, 2);
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(doubled.Pixel(0, y), kBlack);
        EXPECT_EQ(doubled.Pixel(1, y), kBlack);
        EXPECT_EQ(doubled.Pixel(2, y), kWhite);
        EXPECT_EQ(doubled.Pixel(3, y), kWhite);
    }
    const CExDib16 tripled = StretchDib16(source, 3, 1);
    EXPECT_EQ(tripled.Pixel(1, 0), 0x4210);
}

TEST(Dib16Stretch, EmptySizesGiveEmptyBitmaps) {
    EXPECT_TRUE(StretchDib16(Filled(4, 4, kWhite), 0, 4).IsEmpty());
    EXPECT_TRUE(StretchDib16(CExDib16(), 4, 4).IsEmpty());
    EXPECT_TRUE(StretchPixels(ExImagePixels{}, 4, 4).IsEmpty());
}

TEST(Dib16Stretch, DecodedPicturesTurnBottomRowFirst) {
    // A picture two pixels high: red on top, blue below (0xAARRGGBB).
    const std::uint32_t pixels[2] = {0xFFFF0000, 0xFF0000FF};
    const ExImagePixels picture{1, 2, pixels, 1};
    const CExDib16 stored = StretchPixels(picture, 1, 2);
    EXPECT_EQ(stored.Pixel(0, 0), kBlue);
    EXPECT_EQ(stored.Pixel(0, 1), kRed);
    const CExDib16 wide = StretchPixels(picture, 32, 2);
    EXPECT_EQ(wide.Pixel(31, 1), kRed);
    EXPECT_EQ(wide.Pixel(0, 0), kBlue);
}

// Turning with the inverse mapping.

TEST(Dib16Rotate, NoTurnCopiesThePicture) {
    const CExDib16 source = Numbered(5, 3);
    const ExDibRotation r = PrepareDibRotation(5, 3, 0);
    EXPECT_EQ(r.nWidth, 5);
    EXPECT_EQ(r.nHeight, 3);
    EXPECT_EQ(RotateDib16(source, r, kWhite), source);
}

TEST(Dib16Rotate, AQuarterTurnSwapsTheSizeAndTurnsCounterClockwise) {
    const CExDib16 source = Numbered(3, 2);
    const ExDibRotation r = PrepareDibRotation(3, 2, 90);
    ASSERT_EQ(r.nWidth, 2);
    ASSERT_EQ(r.nHeight, 3);
    const CExDib16 turned = RotateDib16(source, r, kWhite);
    // With y up, the bottom-right source pixel ends at the top-right.
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(turned.Pixel(x, y), source.Pixel(y, 1 - x)) << x << ", " << y;
        }
    }
}

TEST(Dib16Rotate, AHalfTurnMirrorsBothWays) {
    const CExDib16 source = Numbered(4, 3);
    const ExDibRotation r = PrepareDibRotation(4, 3, 180);
    ASSERT_EQ(r.nWidth, 4);
    ASSERT_EQ(r.nHeight, 3);
    const CExDib16 turned = RotateDib16(source, r, kWhite);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(turned.Pixel(x, y), source.Pixel(3 - x, 2 - y));
        }
    }
}

TEST(Dib16Rotate, FortyFiveDegreesGrowsBySquareRootTwoAndFillsTheCornersWithBackground) {
    const ExDibRotation r = PrepareDibRotation(100, 100, 45);
    EXPECT_EQ(r.nWidth, 141);
    EXPECT_EQ(r.nHeight, 141);
    EXPECT_NEAR(r.dOffsetX, 99 * std::sin(3.141592653589 / 4), 1e-9);
    const CExDib16 turned = RotateDib16(Filled(100, 100, kBlack), r, kWhite);
    EXPECT_EQ(turned.Pixel(0, 0), kWhite);
    EXPECT_EQ(turned.Pixel(140, 140), kWhite);
    EXPECT_EQ(turned.Pixel(70, 70), kBlack);
    EXPECT_EQ(turned.Pixel(70, 1), kBlack);
}

TEST(Dib16Rotate, AnyAngleFromAFileIsTakenModuloAFullTurn) {
    const ExDibRotation hostile = PrepareDibRotation(30, 20, INT_MIN);
    const ExDibRotation same = PrepareDibRotation(30, 20, 232); // INT_MIN ≡ 232 (mod 360)
    EXPECT_DOUBLE_EQ(hostile.dTheta, same.dTheta);
    EXPECT_EQ(hostile.nWidth, same.nWidth);
    EXPECT_EQ(PrepareDibRotation(30, 20, 450).nWidth, 20);
    EXPECT_EQ(PrepareDibRotation(30, 20, -270).nWidth, 20);
}

TEST(Dib16Rotate, AnEmptySourceGivesOnlyBackground) {
    const ExDibRotation r = PrepareDibRotation(0, 0, 30);
    EXPECT_EQ(r.nWidth, 1);
    EXPECT_EQ(r.nHeight, 1);
    EXPECT_TRUE(AllPixels(RotateDib16(CExDib16(), PrepareDibRotation(4, 4, 30), kWhite), kWhite));
}
