#pragma once

#include <cstdint>

// Plain value types shared by the whole model. Coordinates are 32-bit drawing units of 0.01 mm
// (or view units of 0.01 mm on the screen), y axis up.

struct ExPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const ExPoint&, const ExPoint&) = default;
};

// A rectangle as the drawing surface knows it: with y up, "top" is normally the larger y.
struct ExRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const ExRect&, const ExRect&) = default;

    bool IsEmpty() const { return left >= right || top == bottom; }
};

// A colour as 0x00BBGGRR.
using ExColor = std::uint32_t;

constexpr ExColor ExRgb(int r, int g, int b) {
    return static_cast<ExColor>(r & 0xFF) | (static_cast<ExColor>(g & 0xFF) << 8) |
           (static_cast<ExColor>(b & 0xFF) << 16);
}

// The dimmed variant of a colour: each channel below 152 is raised by 104, the others become 255.
constexpr ExColor LightColor(ExColor color) {
    ExColor result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const ExColor channel = (color >> shift) & 0xFF;
        result |= (channel < 152 ? channel + 104 : 255) << shift;
    }
    return result;
}
