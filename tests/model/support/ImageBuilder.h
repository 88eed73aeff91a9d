#pragma once

#include "ExImageParts.h"

#include <cstdint>
#include <vector>

constexpr std::uint32_t kWhitePixel = 0xFFFFFFFF;
constexpr std::uint32_t kBlackPixel = 0xFF000000;

// A decoded picture the tests make up, top row first.
struct Picture {
    Picture(int w, int h, std::uint32_t fill = kWhitePixel)
        : width(w), height(h), pixels(std::size_t(w) * std::size_t(h), fill) {}

    void Set(int x, int yFromTop, std::uint32_t value) {
        pixels[std::size_t(yFromTop) * std::size_t(width) + std::size_t(x)] = value;
    }
    ExImagePixels View() const { return {width, height, pixels.data(), width}; }

    int width;
    int height;
    std::vector<std::uint32_t> pixels;
};

// Restores the display the pictures are made for.
class DisplayScope {
public:
    explicit DisplayScope(const ExImageDisplay& display) : m_previous(GetImageDisplay()) {
        SetImageDisplay(display);
    }
    ~DisplayScope() { SetImageDisplay(m_previous); }
    DisplayScope(const DisplayScope&) = delete;
    DisplayScope& operator=(const DisplayScope&) = delete;

private:
    ExImageDisplay m_previous;
};
