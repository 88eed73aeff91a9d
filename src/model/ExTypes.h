#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Plain value types shared by the whole model. Coordinates are 32-bit drawing units of 0.01 mm
// (or view units of 0.01 mm on the screen), y axis up.

struct ExPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const ExPoint&, const ExPoint&) = default;
};

// Coordinates come from files and users, so sums of them must not be undefined behaviour: they
// wrap around like the 32-bit arithmetic the drawing format was made with.
constexpr std::int32_t WrapToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(value);
}

constexpr ExPoint operator+(ExPoint a, ExPoint b) {
    return {WrapToInt32(std::int64_t(a.x) + b.x), WrapToInt32(std::int64_t(a.y) + b.y)};
}

constexpr ExPoint operator-(ExPoint a, ExPoint b) {
    return {WrapToInt32(std::int64_t(a.x) - b.x), WrapToInt32(std::int64_t(a.y) - b.y)};
}

// A double truncated toward zero, saturated at the int32 limits (NaN gives 0).
inline std::int32_t TruncateToInt32(double value) {
    if (!(value == value)) {
        return 0;
    }
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::trunc(value < lowest    ? lowest
                                                : value > highest ? highest
                                                                  : value));
}

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
