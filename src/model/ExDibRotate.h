#pragma once

#include "ExDib16.h"

#include <cstdint>

// Where a bitmap turned by a whole-degree angle lands. The turn runs backwards from the target:
// θ is (360 − angle) mod 360 and every target pixel looks up the source pixel it comes from, so
// the turned picture has no holes. The target is just large enough to hold the turned source.
struct ExDibRotation {
    double dTheta = 0.0; // radians
    double dSin = 0.0;
    double dCos = 1.0;
    // Move the turned source rectangle to the target's origin: −(smallest x), −(smallest y).
    double dOffsetX = 0.0;
    double dOffsetY = 0.0;
    // The target's size in pixels, at least 1 × 1.
    int nWidth = 1;
    int nHeight = 1;
};

// The turn of a width × height source (sizes below 1 count as 1) by angle degrees,
// counter-clockwise with the bitmap's y axis up.
ExDibRotation PrepareDibRotation(int width, int height, int angleDegrees);

// The turned copy: every pixel whose source lies inside the bitmap takes that pixel, the others
// the background. Throws std::bad_alloc without memory.
CExDib16 RotateDib16(const CExDib16& source, const ExDibRotation& rotation,
                     std::uint16_t background);
