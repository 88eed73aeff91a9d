#pragma once

#include "ExTypes.h"

#include <climits>
#include <cmath>
#include <cstdint>

// Conversions to the 32-bit drawing unit that hold at the edge of the range: a value read from
// a damaged file or scaled too far ends at the nearest representable value, never in undefined
// behaviour.

inline int SaturateToInt(std::int64_t value) {
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

// Truncates toward zero, as the drawing arithmetic does.
inline int SaturateToInt(long double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<long double>(INT_MAX)) {
        return INT_MAX;
    }
    if (value <= static_cast<long double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

inline int SaturateToInt(double value) {
    return TruncateToInt32(value);
}

// Whether a value computed in wider arithmetic fits a drawing coordinate.
inline bool FitsInt(long double value) {
    return value >= static_cast<long double>(INT_MIN) && value <= static_cast<long double>(INT_MAX);
}

// The middle of a span, from + (to - from) / 2 with integer division, for any two coordinates.
inline int CentreOf(int from, int to) {
    return SaturateToInt(std::int64_t(from) + (std::int64_t(to) - from) / 2);
}

// Moves a point by an offset, stopping at the edge of the coordinate range.
inline void Shift(ExPoint& point, ExPoint offset) {
    point.x = SaturateToInt(std::int64_t(point.x) + offset.x);
    point.y = SaturateToInt(std::int64_t(point.y) + offset.y);
}
