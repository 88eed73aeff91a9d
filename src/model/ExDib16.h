#pragma once

#include "ExTypes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A 16-bit device-independent bitmap as drawings store pictures: 5 bits each of red, green and
// blue (red highest, top bit unused) in little-endian words, rows from the bottom up, no row
// padding. Pixel (x, y) counts y from the bottom row, so its axes turn the way the drawing's do.
class CExDib16 {
public:
    CExDib16() = default;
    // A black bitmap; empty when either size is below 1. Throws std::bad_alloc without memory.
    CExDib16(int width, int height);

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    bool IsEmpty() const { return m_arBits.empty(); }
    // Bytes of the bits: two per pixel.
    std::size_t SizeImage() const { return m_arBits.size() * 2; }

    std::uint16_t Pixel(int x, int y) const { return Row(y)[x]; }
    void SetPixel(int x, int y, std::uint16_t value) { Row(y)[x] = value; }
    const std::uint16_t* Row(int y) const { return m_arBits.data() + Offset(y); }
    std::uint16_t* Row(int y) { return m_arBits.data() + Offset(y); }
    void Fill(std::uint16_t value);

    // The bits as a drawing file holds them.
    std::string ToBytes() const;
    // A bitmap from stored bits; the caller has checked that there are width * height * 2.
    static CExDib16 FromBytes(int width, int height, std::string_view bytes);

    friend bool operator==(const CExDib16&, const CExDib16&) = default;

private:
    std::size_t Offset(int y) const { return std::size_t(y) * std::size_t(m_nWidth); }

    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<std::uint16_t> m_arBits;
};

// A colour 0x00BBGGRR as a 16-bit pixel (the top five bits of each channel), and back (five bits
// widened to eight by repeating their top bits, so that white stays 0xFFFFFF).
std::uint16_t ToDib16(ExColor color);
ExColor FromDib16(std::uint16_t pixel);

// A decoded picture as the view hands it over: 32-bit pixels 0xAARRGGBB, top row first, as
// image decoders give them. Alpha is not looked at: a decoder composes a transparent picture
// onto white first, which the drawing then lets show through.
struct ExImagePixels {
    int width = 0;
    int height = 0;
    const std::uint32_t* pixels = nullptr;
    int stride = 0; // pixels from the start of one row to the next

    bool IsValid() const { return width > 0 && height > 0 && pixels && stride >= width; }
};

// The 40-byte BITMAPINFOHEADER that heads a stored picture.
struct ExBitmapInfoHeader {
    std::int32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::int16_t biPlanes = 1;
    std::int16_t biBitCount = 16;
    std::int32_t biCompression = 0;
    std::int32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::int32_t biClrUsed = 0;
    std::int32_t biClrImportant = 0;

    static constexpr std::size_t kSize = 40;

    // The header describing a bitmap (all sizes 0 for an empty one).
    static ExBitmapInfoHeader For(const CExDib16& bitmap);
    std::string ToBytes() const;
    // kSize bytes to a header.
    static ExBitmapInfoHeader FromBytes(std::string_view bytes);
    // True for a 16-bit uncompressed picture whose width is a positive multiple of 32 and whose
    // image size is exactly its pixels, and for the empty header (all sizes 0).
    bool IsStoredPicture() const;

    friend bool operator==(const ExBitmapInfoHeader&, const ExBitmapInfoHeader&) = default;
};
