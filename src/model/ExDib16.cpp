#include "ExDib16.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kStoredWidthStep = 32;

void PutInt(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::uint32_t GetInt(std::string_view bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        value |= std::uint32_t(static_cast<unsigned char>(bytes[at + std::size_t(i)])) << (8 * i);
    }
    return value;
}

std::uint32_t Widen5(std::uint32_t five) {
    return (five << 3) | (five >> 2);
}

} // namespace

CExDib16::CExDib16(int width, int height) {
    if (width < 1 || height < 1) {
        return;
    }
    m_arBits.assign(std::size_t(width) * std::size_t(height), 0);
    m_nWidth = width;
    m_nHeight = height;
}

void CExDib16::Fill(std::uint16_t value) {
    std::fill(m_arBits.begin(), m_arBits.end(), value);
}

std::string CExDib16::ToBytes() const {
    std::string bytes(SizeImage(), '\0');
    char* out = bytes.data();
    for (const std::uint16_t word : m_arBits) {
        *out++ = static_cast<char>(word & 0xFF);
        *out++ = static_cast<char>(word >> 8);
    }
    return bytes;
}

CExDib16 CExDib16::FromBytes(int width, int height, std::string_view bytes) {
    CExDib16 bitmap(width, height);
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t count = std::min(bitmap.m_arBits.size(), bytes.size() / 2);
    for (std::size_t i = 0; i < count; ++i) {
        bitmap.m_arBits[i] = static_cast<std::uint16_t>(in[2 * i] | (in[2 * i + 1] << 8));
    }
    return bitmap;
}

std::uint16_t ToDib16(ExColor color) {
    const std::uint32_t r = (color & 0xFF) >> 3;
    const std::uint32_t g = ((color >> 8) & 0xFF) >> 3;
    const std::uint32_t b = ((color >> 16) & 0xFF) >> 3;
    return static_cast<std::uint16_t>((r << 10) | (g << 5) | b);
}

ExColor FromDib16(std::uint16_t pixel) {
    const std::uint32_t r = Widen5((pixel >> 10) & 0x1F);
    const std::uint32_t g = Widen5((pixel >> 5) & 0x1F);
    const std::uint32_t b = Widen5(pixel & 0x1F);
    return r | (g << 8) | (b << 16);
}

ExBitmapInfoHeader ExBitmapInfoHeader::For(const CExDib16& bitmap) {
    ExBitmapInfoHeader header;
    header.biWidth = bitmap.Width();
    header.biHeight = bitmap.Height();
    header.biSizeImage = static_cast<std::int32_t>(bitmap.SizeImage());
    return header;
}

std::string ExBitmapInfoHeader::ToBytes() const {
    std::string bytes;
    bytes.reserve(kSize);
    PutInt(bytes, static_cast<std::uint32_t>(biSize), 4);
    PutInt(bytes, static_cast<std::uint32_t>(biWidth), 4);
    PutInt(bytes, static_cast<std::uint32_t>(biHeight), 4);
    PutInt(bytes, static_cast<std::uint16_t>(biPlanes), 2);
    PutInt(bytes, static_cast<std::uint16_t>(biBitCount), 2);
    for (const std::int32_t value : {biCompression, biSizeImage, biXPelsPerMeter, biYPelsPerMeter,
                                     biClrUsed, biClrImportant}) {
        PutInt(bytes, static_cast<std::uint32_t>(value), 4);
    }
    return bytes;
}

ExBitmapInfoHeader ExBitmapInfoHeader::FromBytes(std::string_view bytes) {
    ExBitmapInfoHeader header;
    if (bytes.size() < kSize) {
        return header;
    }
    header.biSize = static_cast<std::int32_t>(GetInt(bytes, 0, 4));
    header.biWidth = static_cast<std::int32_t>(GetInt(bytes, 4, 4));
    header.biHeight = static_cast<std::int32_t>(GetInt(bytes, 8, 4));
    header.biPlanes = static_cast<std::int16_t>(GetInt(bytes, 12, 2));
    header.biBitCount = static_cast<std::int16_t>(GetInt(bytes, 14, 2));
    header.biCompression = static_cast<std::int32_t>(GetInt(bytes, 16, 4));
    header.biSizeImage = static_cast<std::int32_t>(GetInt(bytes, 20, 4));
    header.biXPelsPerMeter = static_cast<std::int32_t>(GetInt(bytes, 24, 4));
    header.biYPelsPerMeter = static_cast<std::int32_t>(GetInt(bytes, 28, 4));
    header.biClrUsed = static_cast<std::int32_t>(GetInt(bytes, 32, 4));
    header.biClrImportant = static_cast<std::int32_t>(GetInt(bytes, 36, 4));
    return header;
}

bool ExBitmapInfoHeader::IsStoredPicture() const {
    // The resolution and palette counts say nothing about 16-bit pixels without a colour table:
    // they are kept as read and not judged.
    if (biSize != std::int32_t(kSize) || biPlanes != 1 || biBitCount != 16 || biCompression != 0) {
        return false;
    }
    if (biWidth == 0 && biHeight == 0 && biSizeImage == 0) {
        return true;
    }
    return biWidth >= kStoredWidthStep && biWidth % kStoredWidthStep == 0 && biHeight >= 1 &&
           std::int64_t(biWidth) * biHeight * 2 == biSizeImage;
}
